#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
    # compiler and build
    g++ cmake ninja-build pkg-config
    # tests, benchmarks, fuzzing
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    # Qt 6 Widgets and the fonts every window is drawn with
    qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
    # a real X server for the window tests that need one, and the browser hand-off
    xvfb xauth x11-utils xdotool xdg-utils
    # installation checks and measurements
    desktop-file-utils appstream dpkg-dev file hyperfine valgrind time
)

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
