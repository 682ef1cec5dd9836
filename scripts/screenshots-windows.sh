#!/usr/bin/env bash
# Screenshots of each window of the Windows program under Wine, at 100 %,
# 150 % and 200 % display scaling, taken by the installer's end-to-end check.
# Usage: scripts/screenshots-windows.sh [setup.exe] [output folder]
# Defaults: build/windows/skyvarre-<version>-setup.exe, docs/screenshots/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
setup=${1:-$(ls build/windows/skyvarre-*-setup.exe)}
out=$(realpath -m "${2:-docs/screenshots/windows}")
mkdir -p "$out"
# The installer check needs the earlier version that `scripts/windows.sh test` builds.
earlier=build/windows/test-installers/skyvarre-1.0-setup.exe
host=$(sed -n 's/^SKYVARRE_MAIN_HOST:STRING=//p' build/windows/CMakeCache.txt)
scheme=$(sed -n 's/^SKYVARRE_WEB_SCHEME:STRING=//p' build/windows/CMakeCache.txt)
for scale in 1 1.5 2; do
    SKYVARRE_WINDOWS_SCREENSHOTS=$out SKYVARRE_WINDOWS_SCALE=$scale SKYVARRE_XVFB_SCREEN=2560x1600x24 \
        bash tests/windows/installer_wine.sh "$setup" "$earlier" "${host:-www.skyvarre.example}" "${scheme:-https}"
done
ls "$out"
