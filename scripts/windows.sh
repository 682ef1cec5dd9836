#!/usr/bin/env bash
# Builds Skyvarre for 64-bit Windows on this Debian machine, cross-compiled
# with MinGW-w64: Qt for Windows first where this machine has not built it
# yet (scripts/build-qt-windows.sh: once, about 40 minutes), then the program
# and its tests, then the installer and the portable zip in build/windows.
#
# Usage: scripts/windows.sh         builds skyvarre-<version>-setup.exe and
#                                   skyvarre-<version>-windows-x64.zip
#        scripts/windows.sh test    and runs the tests under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows
SKYVARRE_QT_WINDOWS=$(bash scripts/build-qt-windows.sh)
export SKYVARRE_QT_WINDOWS

cmake --preset windows
cmake --build --preset windows -j "$(nproc)"

build=build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
packages=$build/package
program=$packages/skyvarre-$version
rm -rf "$packages"
cmake --install "$build" --prefix "$program" --strip
# Qt's DLLs and the compiler's runtime come with their symbols.
x86_64-w64-mingw32-strip --strip-unneeded "$program"/*.dll "$program"/*/*.dll

# The installer installs every file of the program folder and its uninstaller
# removes exactly those, then each folder once it is empty, deepest first.
files=$packages/files.nsh
unfiles=$packages/unfiles.nsh
: >"$files"
: >"$unfiles"
while IFS= read -r folder; do
    windows_folder=${folder//\//\\}
    echo "SetOutPath \"\$INSTDIR${windows_folder:+\\$windows_folder}\"" >>"$files"
    find "$program/$folder" -maxdepth 1 -type f -printf '%f\n' | sort | while IFS= read -r file; do
        echo "File \"$(realpath "$program/$folder/$file")\"" >>"$files"
        echo "Delete \"\$INSTDIR${windows_folder:+\\$windows_folder}\\$file\"" >>"$unfiles"
    done
done < <(cd "$program" && find . -type d -printf '%P\n' | sort)
(cd "$program" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) | while IFS= read -r folder; do
    echo "RMDir \"\$INSTDIR\\${folder//\//\\}\"" >>"$unfiles"
done

makensis -V2 -DSETTINGS="$(realpath "$build/packaging/installer-settings.nsh")" -DSTAGE="$(realpath "$program")" \
    -DFILES="$(realpath "$files")" -DUNFILES="$(realpath "$unfiles")" \
    -DOUTFILE="$(realpath "$build")/skyvarre-$version-setup.exe" packaging/windows/installer.nsi
rm -f "$build/skyvarre-$version-windows-x64.zip"
(cd "$packages" && cmake -E tar cf "../skyvarre-$version-windows-x64.zip" --format=zip "skyvarre-$version")
ls -l "$build/skyvarre-$version-setup.exe" "$build/skyvarre-$version-windows-x64.zip"

if [ "${1:-}" = test ]; then
    ctest --preset windows
fi
