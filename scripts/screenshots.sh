#!/usr/bin/env bash
# Takes a screenshot of each of the four windows of a real run under Xvfb:
# input, result, About and farewell. Usage:
#   scripts/screenshots.sh [program] [output folder] [scale factor]
# Defaults: build/debug/src/app/skyvarre, docs/screenshots, 1.
# With a scale factor other than 1, the file names carry it (frmMain@1.5x.png).
# Needs ImageMagick's import (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(realpath "${1:-build/debug/src/app/skyvarre}")
out=$(realpath -m "${2:-docs/screenshots}")
scale=${3:-1}
suffix=""
[ "$scale" = 1 ] || suffix="@${scale}x"
mkdir -p "$out"

# A screen large enough for the widest window at twice the size.
export SKYVARRE_XVFB_SCREEN=${SKYVARRE_XVFB_SCREEN:-2560x1600x24}
source tests/app/x11_session.sh
export QT_SCALE_FACTOR=$scale
caption='^Skyvarre v1\.15$'

grab() { # window id, file name
    sleep 0.4
    import -window "$1" "$out/$2$suffix.png"
    echo "screenshots: $out/$2$suffix.png"
}

"$program" 2>"$session/program.log" &
started_pids+=($!)
input=$(wait_for_window "$caption")
focus_window "$input"
xdotool type --delay 40 "anna"
grab "$input" frmMain

xdotool key --delay 80 Tab Tab Tab Tab Return
result=$(wait_for_other_window "$caption" "$input")
focus_window "$result"
grab "$result" frmDisplay

xdotool key alt+h
sleep 0.3
xdotool key a
about=$(wait_for_other_window "$caption" "$result")
grab "$about" frmAbout
focus_window "$about"
xdotool key Escape
sleep 0.4

focus_window "$result"
xdotool key Escape
farewell=$(wait_for_other_window "$caption" "$result")
grab "$farewell" frmReferFriend
focus_window "$farewell"
xdotool key alt+x
