#!/usr/bin/env bash
# Builds Skyvarre for 64-bit Windows on this Debian machine, cross-compiled
# with MinGW-w64: Qt for Windows first where this machine has not built it
# yet (scripts/build-qt-windows.sh: once, about 40 minutes), then the program
# and its tests, then the installer and the portable zip in build/windows.
#
# Usage: scripts/windows.sh          builds skyvarre-<version>-setup.exe and
#                                    skyvarre-<version>-windows-x64.zip, with
#                                    SHA256SUMS beside them
#        scripts/windows.sh test     and runs the tests under Wine
#        scripts/windows.sh package  the two files alone, without the tests
#
# The same commit gives the same bytes (scripts/reproducible.sh checks it):
# file times come from SOURCE_DATE_EPOCH, the last commit's time unless set.
# With SKYVARRE_SIGN_PKCS12 (and SKYVARRE_SIGN_PASSWORD, optionally
# SKYVARRE_SIGN_TIMESTAMP_URL) set, skyvarre.exe, every DLL, the uninstaller
# and the installer are signed with that certificate (scripts/sign-windows.sh);
# without, they are built unsigned. The test run signs with a throwaway
# certificate of its own when none is given, and checks every signature.
# Signing is the one step whose output differs from build to build.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

bash scripts/install-deps.sh windows
SKYVARRE_QT_WINDOWS=$(bash scripts/build-qt-windows.sh)
export SKYVARRE_QT_WINDOWS

build=build/windows
# A build folder configured against another Qt (the options changed) starts
# afresh: CMake keeps the toolchain file a folder was first configured with.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qF "$SKYVARRE_QT_WINDOWS/" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
if [ "$mode" = test ] && [ -z "${SKYVARRE_SIGN_PKCS12:-}" ]; then
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

tests=ON
[ "$mode" != package ] || tests=OFF
cmake --preset windows -DSKYVARRE_BUILD_TESTS=$tests
cmake --build --preset windows -j "$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
packages=$build/package
program=$packages/skyvarre-$version
rm -rf "$packages"
cmake --install "$build" --prefix "$program" --strip
# Qt's DLLs and the compiler's runtime come with their symbols.
x86_64-w64-mingw32-strip --strip-unneeded "$program"/*.dll "$program"/*/*.dll
# The uninstall command, which only the installer carries.
launcher=$packages/uninstall.exe
x86_64-w64-mingw32-strip --strip-unneeded -o "$launcher" "$build/packaging/uninstall.exe"
if [ ${#sign[@]} -gt 0 ]; then
    { find "$program" -name '*.exe' -o -name '*.dll'; echo "$launcher"; } | sort | xargs "${sign[@]}"
fi
# NSIS and zip record each file's time.
find "$program" "$launcher" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# Builds an installer of the program folder $1 as version $2 into $3, from
# the script $4 (today's unless given); further arguments go to makensis. The
# installer installs every file of the folder and keeps their list; its
# uninstaller removes exactly those, skyvarre.exe last, then each folder once
# it is empty, deepest first.
make_installer() {
    local stage=$1 installer_version=$2 outfile=$3 script=${4:-packaging/windows/installer.nsi}
    shift $(($# < 4 ? $# : 4))
    local lists
    lists=$(mktemp -d)
    : >"$lists/files.nsh"
    while IFS= read -r folder; do
        local windows_folder=${folder//\//\\}
        echo "SetOutPath \"\$INSTDIR${windows_folder:+\\$windows_folder}\"" >>"$lists/files.nsh"
        find "$stage/$folder" -maxdepth 1 -type f -printf '%f\n' | sort | while IFS= read -r file; do
            echo "File \"$(realpath "$stage/$folder/$file")\"" >>"$lists/files.nsh"
            echo "${windows_folder:+$windows_folder\\}$file" >>"$lists/installed-files"
        done
    done < <(cd "$stage" && find . -type d -printf '%P\n' | sort)
    # The program goes last, so that a half-removed installation keeps it.
    { grep -vx skyvarre.exe "$lists/installed-files"; echo skyvarre.exe; } |
        sed 's/.*/Delete "$INSTDIR\\&"/' >"$lists/unfiles.nsh"
    sed 's/.*/StrCmp $1 "&" shipped/' "$lists/installed-files" >"$lists/shipped.nsh"
    { printf '\xff\xfe'; sed 's/$/\r/' "$lists/installed-files" | iconv -f UTF-8 -t UTF-16LE; } \
        >"$lists/installed-files.txt"
    touch -d "@$SOURCE_DATE_EPOCH" "$lists/installed-files.txt"
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
        -DSHIPPED="$lists/shipped.nsh" -DFILE_LIST="$lists/installed-files.txt" \
        -DLAUNCHER="$(realpath "$launcher")" "${signing[@]}" "$@" \
        -DOUTFILE="$(realpath "$(dirname "$outfile")")/$(basename "$outfile")" "$script"
    rm -rf "$lists"
}

setup=skyvarre-$version-setup.exe
zip=skyvarre-$version-windows-x64.zip
make_installer "$program" "$version" "$build/$setup"
rm -f "$build/$zip"
# Files in a fixed order, their times in UTC (zip keeps local time).
(cd "$packages" && find "skyvarre-$version" -type f | LC_ALL=C sort >files.txt &&
    TZ=UTC cmake -E tar cf "../$zip" --format=zip --files-from=files.txt && rm files.txt)
(cd "$build" && sha256sum "$setup" "$zip" >SHA256SUMS)
ls -l "$build/$setup" "$build/$zip"

if [ "$mode" = test ]; then
    # An earlier version for the upgrade checks: the same program with one
    # file more, which the current version does not ship, and one less,
    # which only the current version writes.
    earlier=$packages/earlier
    cp -r "$program" "$earlier"
    echo "A file only the earlier version ships." >"$earlier/obsolete.txt"
    rm "$earlier/licenses/gcc-runtime-copyright.txt"
    tests=$build/test-installers
    mkdir -p "$tests"
    make_installer "$earlier" 1.0 "$tests/skyvarre-1.0-setup.exe"
    # The program as the installer of 1.15 laid it out, whose uninstall.exe
    # was the uninstaller itself, from that script in git: that version
    # shipped no file this one lacks.
    git show e339b29:packaging/windows/installer.nsi >"$tests/installer-1.15-layout.nsi"
    make_installer "$program" 1.0 "$tests/skyvarre-1.0-1.15-layout-setup.exe" "$tests/installer-1.15-layout.nsi"
    # This version with the check's ways in: another account, a pause.
    make_installer "$program" "$version" "$tests/skyvarre-$version-test-hooks-setup.exe" \
        packaging/windows/installer.nsi -DTEST_HOOKS
    ctest --preset windows
fi
