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
# windows platform plugin and the windowsvista style (with the animation it
# needs), the offscreen platform for the window tests under Wine, PNG, style
# sheets, accessibility, drag and drop, the clipboard, settings, processes
# and desktop services. The Wintab header is missing from Debian's source,
# hence no tablet events. Optimised for size: the DLLs are a third smaller,
# and the program starts no slower under Wine (scripts/measure-windows-startup.sh:
# median 0.43 s against 0.45 s). Everything else is left out, module by module:
qt_options=(
    -xplatform win32-g++ -qt-host-path /usr -release -optimize-size -shared -strip
    -nomake examples -nomake tests
    -no-feature-tabletevent -no-feature-network -no-feature-sql
    -no-feature-printsupport -no-opengl -no-feature-dbus -no-feature-xml
    -no-feature-concurrent -no-feature-vulkan
    # Core: the MIME database, time zones, the non-Gregorian calendars,
    # shared memory, XML streams, file watching and the proxy models.
    # (Regular expressions stay: Qt 6.4's build requires its PCRE2 even
    # without them; so do CBOR streams, which plugin loading reads.)
    -no-feature-mimetype -no-feature-timezone
    -no-feature-jalalicalendar -no-feature-islamiccivilcalendar
    -no-feature-sharedmemory -no-feature-systemsemaphore -no-feature-xmlstream
    -no-feature-filesystemwatcher -no-feature-transposeproxymodel
    -no-feature-concatenatetablesproxymodel -no-feature-identityproxymodel
    # Gui: the direct2d platform plugin (direct2d itself stays: without it
    # Qt 6.4 leaves out the DirectWrite font database that the windows
    # platform uses), GIF, ICO, JPEG and other image formats,
    # Markdown, ODF and PDF writers, QMovie, QPicture, the tray icon,
    # session management, What's This, the undo framework, the file model
    -no-feature-direct2d1_1 -no-feature-gif -no-feature-ico -no-feature-jpeg
    -no-feature-imageformat_ppm -no-feature-imageformat_xbm
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-textodfwriter -no-feature-pdf -no-feature-movie
    -no-feature-picture -no-feature-systemtrayicon -no-feature-sessionmanager
    -no-feature-whatsthis -no-feature-undocommand -no-feature-filesystemmodel
    # Widgets no window of the program has (the input dialog and the tab
    # widget stay: the windowsvista style uses them)
    -no-feature-graphicsview -no-feature-mdiarea -no-feature-calendarwidget
    -no-feature-datetimeedit -no-feature-dial -no-feature-lcdnumber
    -no-feature-fontdialog -no-feature-fontcombobox -no-feature-filedialog
    -no-feature-colordialog -no-feature-wizard -no-feature-textbrowser
    -no-feature-splashscreen -no-feature-splitter -no-feature-toolbox
    -no-feature-dockwidget -no-feature-columnview -no-feature-keysequenceedit
    -no-feature-commandlinkbutton -no-feature-progressdialog
    -no-feature-errormessage -no-feature-syntaxhighlighter
    -no-feature-datawidgetmapper -no-feature-tablewidget -no-feature-treewidget
    -no-feature-undoview
)

# The same bytes from every build: no link time in the DLLs' headers.
qt_cmake_options=(
    -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp
    -DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp
    -DCMAKE_EXE_LINKER_FLAGS=-Wl,--no-insert-timestamp
)

key=$(cat "$toolchain" <(printf '%s\n' "$qt_version" "${qt_options[@]}" "${qt_cmake_options[@]}") |
    sha256sum | cut -c1-12)
cache=${SKYVARRE_CACHE:-$HOME/.cache/skyvarre}
prefix=$cache/qt-$qt_version-mingw-$key
# The arguments of configure, given the install folder, the toolchain file
# and the cache folder; one a line.
configure_arguments() {
    # No path of this machine in the DLLs: the cache folder is left out of
    # the file names the compiler records.
    printf '%s\n' "${qt_options[@]}" -prefix "$1" -- \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_TOOLCHAIN_FILE="$2" \
        "${qt_cmake_options[@]}" "-DCMAKE_C_FLAGS=-ffile-prefix-map=$3/=" "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$3/="
}
# The configure line the licence notes give, for a Qt built before they did too.
record_options() {
    configure_arguments '<folder>' "<Skyvarre's $toolchain>" '<cache folder>' >"$prefix/qt-configure-options.txt"
}
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

echo "build-qt-windows: building Qt $qt_version for Windows into $prefix (20 to 40 minutes)" >&2
(
    cd "$work"
    apt-get source --download-only qt6-base
    dpkg-source --no-copy -x qt6-base_"$qt_version"+*.dsc source >/dev/null
    mkdir build
    cd build
    mapfile -t arguments < <(configure_arguments "$prefix" "$prefix/mingw-w64-x86_64.cmake" "$cache")
    ../source/configure "${arguments[@]}" >configure.log
    cmake --build . --parallel "$(nproc)"
    cmake --install . >/dev/null
    # What the Windows package says its Qt was built from.
    basename "$(ls ../qt6-base_"$qt_version"+*.dsc)" .dsc | sed 's/^qt6-base_//' >"$prefix/qt-source-version.txt"
) >&2
rm -rf "$work"
record_options
touch "$prefix/.complete"
echo "build-qt-windows: built in $((SECONDS / 60)) min $((SECONDS % 60)) s" >&2
echo "$prefix"
