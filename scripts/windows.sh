#!/usr/bin/env bash
# Builds Skyvarre for 64-bit Windows on this Debian machine, cross-compiled
# with MinGW-w64: Qt for Windows first where this machine has not built it
# yet (scripts/build-qt-windows.sh: once, about 40 minutes), then the program
# and its tests, then the installer and the portable zip in build/windows.
#
# Usage: scripts/windows.sh         builds skyvarre-<version>-setup.exe and
#                                   skyvarre-<version>-windows-x64.zip
#        scripts/windows.sh test    and runs the tests under Wine
#
# With SKYVARRE_SIGN_PKCS12 (and SKYVARRE_SIGN_PASSWORD, optionally
# SKYVARRE_SIGN_TIMESTAMP_URL) set, skyvarre.exe, every DLL, the uninstaller
# and the installer are signed with that certificate (scripts/sign-windows.sh);
# without, they are built unsigned. The test run signs with a throwaway
# certificate of its own when none is given, and checks every signature.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows
SKYVARRE_QT_WINDOWS=$(bash scripts/build-qt-windows.sh)
export SKYVARRE_QT_WINDOWS

build=build/windows
if [ "${1:-}" = test ] && [ -z "${SKYVARRE_SIGN_PKCS12:-}" ]; then
    # A self-signed code-signing certificate made on the spot, good for two days.
    signing=$build/test-signing
    rm -rf "$signing"
    mkdir -p "$signing"
    openssl req -x509 -newkey rsa:3072 -nodes -days 2 -subj "/CN=Skyvarre test signing" \
        -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
        -keyout "$signing/key.pem" -out "$signing/certificate.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$signing/key.pem" -in "$signing/certificate.pem" \
        -out "$signing/certificate.p12" -passout pass:throwaway
    export SKYVARRE_SIGN_PKCS12=$PWD/$signing/certificate.p12 SKYVARRE_SIGN_PASSWORD=throwaway
    # What the installer check verifies every signature against.
    export SKYVARRE_SIGN_CAFILE=$PWD/$signing/certificate.pem
fi
sign=()
[ -z "${SKYVARRE_SIGN_PKCS12:-}" ] || sign=(bash "$PWD/scripts/sign-windows.sh")

cmake --preset windows
cmake --build --preset windows -j "$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
packages=$build/package
program=$packages/skyvarre-$version
rm -rf "$packages"
cmake --install "$build" --prefix "$program" --strip
# Qt's DLLs and the compiler's runtime come with their symbols.
x86_64-w64-mingw32-strip --strip-unneeded "$program"/*.dll "$program"/*/*.dll
if [ ${#sign[@]} -gt 0 ]; then
    find "$program" -name '*.exe' -o -name '*.dll' | sort | xargs "${sign[@]}"
fi

# Builds an installer of the program folder $1 as version $2 into $3. The
# installer installs every file of the folder and its uninstaller removes
# exactly those, then each folder once it is empty, deepest first.
make_installer() {
    local stage=$1 installer_version=$2 outfile=$3
    local lists
    lists=$(mktemp -d)
    while IFS= read -r folder; do
        local windows_folder=${folder//\//\\}
        echo "SetOutPath \"\$INSTDIR${windows_folder:+\\$windows_folder}\"" >>"$lists/files.nsh"
        find "$stage/$folder" -maxdepth 1 -type f -printf '%f\n' | sort | while IFS= read -r file; do
            echo "File \"$(realpath "$stage/$folder/$file")\"" >>"$lists/files.nsh"
            echo "Delete \"\$INSTDIR${windows_folder:+\\$windows_folder}\\$file\"" >>"$lists/unfiles.nsh"
        done
    done < <(cd "$stage" && find . -type d -printf '%P\n' | sort)
    : >"$lists/unfolders.nsh"
    (cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) | while IFS= read -r folder; do
        echo "RMDir \"\$INSTDIR\\${folder//\//\\}\"" >>"$lists/unfolders.nsh"
    done
    sed "s/^!define VERSION .*/!define VERSION \"$installer_version\"/" \
        "$build/packaging/installer-settings.nsh" >"$lists/settings.nsh"
    local signing=()
    [ ${#sign[@]} -eq 0 ] || signing=("-DSIGN=${sign[*]}")
    makensis -V2 -DSETTINGS="$lists/settings.nsh" -DSTAGE="$(realpath "$stage")" \
        -DFILES="$lists/files.nsh" -DUNFILES="$lists/unfiles.nsh" -DUNFOLDERS="$lists/unfolders.nsh" \
        "${signing[@]}" -DOUTFILE="$(realpath "$(dirname "$outfile")")/$(basename "$outfile")" \
        packaging/windows/installer.nsi
    rm -rf "$lists"
}

make_installer "$program" "$version" "$build/skyvarre-$version-setup.exe"
rm -f "$build/skyvarre-$version-windows-x64.zip"
(cd "$packages" && cmake -E tar cf "../skyvarre-$version-windows-x64.zip" --format=zip "skyvarre-$version")
ls -l "$build/skyvarre-$version-setup.exe" "$build/skyvarre-$version-windows-x64.zip"

if [ "${1:-}" = test ]; then
    # An earlier version for the upgrade checks: the same program with one
    # file more, which the current version does not ship.
    earlier=$packages/earlier
    cp -r "$program" "$earlier"
    echo "A file only the earlier version ships." >"$earlier/obsolete.txt"
    mkdir -p "$build/test-installers"
    make_installer "$earlier" 1.0 "$build/test-installers/skyvarre-1.0-setup.exe"
    ctest --preset windows
fi
