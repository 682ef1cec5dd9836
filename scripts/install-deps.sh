#!/usr/bin/env bash
# Installs the Debian 12 packages that Skyvarre needs, and only those that are
# missing. Safe to run again and again.
#
# Usage: scripts/install-deps.sh run      what building and running the program need
#        scripts/install-deps.sh test     that, and everything the tests, checks,
#                                         benchmarks and measurements use, the
#                                         Windows build's among them
#        scripts/install-deps.sh windows  what the Windows build, its installer
#                                         and its tests under Wine need
set -euo pipefail

run_packages=(
    # compiler and build
    g++ cmake ninja-build pkg-config
    # Qt 6 Widgets, its native Wayland plugin, and the fonts every window is drawn with
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland fonts-dejavu-core
    # the browser hand-off
    xdg-utils
    # Qt's translation tools (lupdate, lrelease and their CMake functions) that
    # make the program's .qm files, and Qt's own translated texts (message-box
    # buttons, the text fields' menus) that the program loads at start-up
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
)
test_packages=(
    # tests, benchmarks, fuzzing
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    # a real X server for the window tests that need one, and a Wayland compositor
    xvfb xauth x11-utils xdotool weston
    # installation and package checks
    desktop-file-utils appstream dpkg-dev file lintian
    # the screen-reader check: Orca, speech without a sound device, the accessibility bus
    orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng at-spi2-core dbus
    # memory checks and measurements
    valgrind hyperfine time
    # where two builds of the release files differ
    diffoscope-minimal
    # faces for the scripts DejaVu lacks, as a Chinese, Japanese, Korean or
    # Hindi Debian system has, for the checks that their text gets real glyphs
    # and fits the windows: Han, kana and Hangul in one (the lightest, the
    # program leaving the choice to Qt's fallback), and the Devanagari face
    # the windows name (src/ui/Fonts.cpp), among Noto's interface faces
    fonts-wqy-microhei fonts-noto-ui-core
)

windows_packages=(
    # the MinGW-w64 cross-compiler, and Qt's host tools (moc, uic, rcc) that
    # the Windows build of Qt and of the program run here
    g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build perl dpkg-dev
    qt6-base-dev qt6-base-dev-tools
    # lupdate and lrelease with their CMake functions, which Qt for Windows
    # (built from qtbase alone) takes from the host, and Qt's own translations
    # that go beside the Windows program
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    # the installer, Debian's licence texts that go into it, and code signing
    nsis base-files osslsigncode openssl
    # the tests under Wine on a private X server
    # (fonts-wine: the faces Windows has and Wine draws its menus and message boxes in)
    wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick tesseract-ocr tesseract-ocr-eng
    xclip icoutils python3
)

case "${1:-}" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
windows) packages=("${windows_packages[@]}") ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: every package is already installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
