#!/usr/bin/env bash
# Installs the build into a scratch root and builds the Debian package, then
# checks both the way a distribution would: the desktop entry and AppStream
# metadata validate, the files land in their standard places, the package
# asks for everything the program needs at run time, and lintian finds
# nothing to warn about.
# Usage: installation_test.sh <build folder>
# Skipped (exit code 77) where a checking tool is missing.
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-parsechangelog lintian file; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (bash scripts/install-deps.sh test installs it)"
        exit 77
    fi
done
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
    share/man/man1/skyvarre.1.gz
    share/doc/skyvarre/copyright
    share/doc/skyvarre/changelog.gz
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

# The installed program answers without a display, and its version, its
# changelog's latest entry, its AppStream release and the package's agree.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/skyvarre" --version)
zcat "$root/share/doc/skyvarre/changelog.gz" >"$scratch/changelog"
changelog_version=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)
[ "$version" = "Skyvarre $changelog_version" ] ||
    fail "the program says '$version', its changelog's latest entry $changelog_version"
grep -q "<release version=\"${version#Skyvarre }\"" \
    "$root/share/metainfo/org.skyvarre.Skyvarre.metainfo.xml" ||
    fail "the AppStream metadata has no release ${version#Skyvarre }"
# Every option the program lists is in its manual page.
manual=$(zcat "$root/share/man/man1/skyvarre.1.gz")
for option in $("$root/bin/skyvarre" --help | grep -oE -- '--[a-z-]+'); do
    grep -qF -- "${option//-/\\-}" <<<"$manual" || fail "the manual page does not mention $option"
done

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/skyvarre_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = skyvarre ] || fail "wrong package name"
[ "Skyvarre $(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong package version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-dejavu-core xdg-utils; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
for recommended in qt6-wayland qt6-translations-l10n fonts-wqy-microhei fonts-noto-ui-core; do
    [[ "$(dpkg-deb -f "$deb" Recommends)" == *$recommended* ]] ||
        fail "the package does not recommend $recommended"
done
contents=$(dpkg-deb -c "$deb")
for file in "${expected_files[@]}"; do
    grep -q "\./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
done


# Errors and warnings fail; lintian's informational tags are only shown.
root_option=()
[ "$(id -u)" -ne 0 ] || root_option=(--allow-root)
lintian "${root_option[@]}" --fail-on error,warning --display-level ">=info" "$deb" ||
    fail "lintian found errors or warnings in the package"

echo "installation: files in place, entry and metadata valid, package complete and lintian-clean"
