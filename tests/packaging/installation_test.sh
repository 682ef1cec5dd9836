#!/usr/bin/env bash
# Installs the build into a scratch root and builds the Debian package, then
# checks both the way a distribution would: the desktop entry and AppStream
# metadata validate, the files land in their standard places, and the
# package asks for everything the program needs at run time.
# Usage: installation_test.sh <build folder>
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
root="$scratch/root/usr"
expected_files=(
    bin/skyvarre
    share/applications/org.skyvarre.Skyvarre.desktop
    share/metainfo/org.skyvarre.Skyvarre.metainfo.xml
    share/icons/hicolor/32x32/apps/org.skyvarre.Skyvarre.png
    share/icons/hicolor/scalable/apps/org.skyvarre.Skyvarre.svg
)
for file in "${expected_files[@]}"; do
    [ -f "$root/$file" ] || fail "cmake --install did not install $file"
done
[ -x "$root/bin/skyvarre" ] || fail "the installed program is not executable"
file "$root/share/icons/hicolor/32x32/apps/org.skyvarre.Skyvarre.png" | grep -q '32 x 32' ||
    fail "the hicolor 32x32 icon is not 32 x 32 pixels"

desktop-file-validate "$root/share/applications/org.skyvarre.Skyvarre.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.skyvarre.Skyvarre.metainfo.xml" >/dev/null ||
    fail "appstreamcli refused the metainfo file"
grep -q '^Exec=skyvarre$' "$root/share/applications/org.skyvarre.Skyvarre.desktop" ||
    fail "the desktop entry does not start the installed program"

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/skyvarre_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = skyvarre ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.15 ] || fail "wrong package version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-dejavu-core xdg-utils; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in "${expected_files[@]}"; do
    grep -q "\./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
done

echo "installation: files in place, entry and metadata valid, package complete"
