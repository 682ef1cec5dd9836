#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source
# package, once per machine, into a cache folder outside the checkout, and
# prints that folder. Later runs with the same Qt version and options find it
# there and return at once.
#
# Usage: scripts/build-qt-windows.sh      (needs install-deps.sh windows first)
# The folder: ${SKYVARRE_CACHE:-~/.cache/skyvarre}/qt-<version>-mingw-<key>,
# the one line on standard output; the build's own output goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

qt_version=6.4.2
toolchain=cmake/windows/mingw-w64-x86_64.cmake
# Only what the program and its tests use: Core, Gui, Widgets and Test, the
# windows platform plugin and the windowsvista style. The Wintab header is
# missing from Debian's source, hence no tablet events.
qt_options=(
    -xplatform win32-g++ -qt-host-path /usr -release -shared -strip
    -nomake examples -nomake tests
    -no-feature-tabletevent -no-feature-network -no-feature-sql
    -no-feature-printsupport -no-opengl -no-feature-dbus -no-feature-xml
    -no-feature-concurrent -no-feature-vulkan
)

key=$(cat "$toolchain" <(printf '%s\n' "$qt_version" "${qt_options[@]}") | sha256sum | cut -c1-12)
cache=${SKYVARRE_CACHE:-$HOME/.cache/skyvarre}
prefix=$cache/qt-$qt_version-mingw-$key
# The options the licence notes name, for a Qt built before they did too.
record_options() { printf '%s\n' "${qt_options[@]}" >"$prefix/qt-configure-options.txt"; }
if [ -f "$prefix/.complete" ]; then
    record_options
    echo "$prefix"
    exit 0
fi

work=$cache/qt-$qt_version-mingw-$key.build
rm -rf "$work" "$prefix"
mkdir -p "$work"
# The cached Qt keeps the path of the toolchain file it was built with, and
# qt-cmake hands it on to every project: keep a copy beside it, not in a
# checkout that may go.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
# The source package comes from the archive the machine already uses: the
# same lines as its binary sources, for deb-src.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $qt_version"; then
    for list in /etc/apt/sources.list.d/debian.sources; do
        [ -f "$list" ] || continue
        sed 's/^Types: deb$/Types: deb-src/' "$list" |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/skyvarre-src.sources >/dev/null
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
        grep '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/skyvarre-src.list >/dev/null
    fi
    "${sudo_cmd[@]}" apt-get update >&2
fi

echo "build-qt-windows: building Qt $qt_version for Windows into $prefix (about 40 minutes)" >&2
(
    cd "$work"
    apt-get source --download-only qt6-base
    dpkg-source --no-copy -x qt6-base_"$qt_version"+*.dsc source >/dev/null
    mkdir build
    cd build
    ../source/configure "${qt_options[@]}" -prefix "$prefix" -- \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" >configure.log
    cmake --build . --parallel "$(nproc)"
    cmake --install . >/dev/null
    # What the Windows package says its Qt was built from.
    basename "$(ls ../qt6-base_"$qt_version"+*.dsc)" .dsc | sed 's/^qt6-base_//' >"$prefix/qt-source-version.txt"
) >&2
rm -rf "$work"
record_options
touch "$prefix/.complete"
echo "$prefix"
