#!/usr/bin/env bash
# Time from starting skyvarre.exe under Wine to its first window, for one or
# more program folders, the starts taken in turn so that the machine's ups
# and downs fall on each alike. Prints the median and the spread per folder.
# Usage: scripts/measure-windows-startup.sh [-n starts] <program folder>...
#   e.g. the folder scripts/windows.sh builds (build/windows/package/skyvarre-<version>)
#   and a copy of it with other Qt DLLs.
set -euo pipefail
starts=15
if [ "${1:-}" = -n ]; then
    starts=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [-n starts] <program folder>..." >&2; exit 2; }
folders=("$@")

session=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$session"' EXIT
for _ in $(seq 100); do [ -s "$session/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$session/display")" WINEPREFIX=$session/wine WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" XDG_RUNTIME_DIR=$session
wineboot --init >/dev/null 2>&1
# Wine's own start-up (the server, its services) is kept out of the figures.
wineserver -p 2>/dev/null || true

# One start: the seconds until the program's window is mapped.
one_start() {
    local begin end
    begin=$(date +%s.%N)
    wine "$1/skyvarre.exe" >/dev/null 2>&1 &
    local pid=$!
    # xdotool's own --sync looks only every half second.
    until xdotool search --onlyvisible --name '^Skyvarre v1\.15$' >/dev/null 2>&1; do
        sleep 0.02
    done
    end=$(date +%s.%N)
    wine taskkill /F /IM skyvarre.exe >/dev/null 2>&1 || true
    wait "$pid" 2>/dev/null || true
    awk -v begin="$begin" -v end="$end" 'BEGIN { print end - begin }'
}

# The first start of each folder warms the caches and is not counted.
for folder in "${folders[@]}"; do one_start "$folder" >/dev/null; done
for round in $(seq "$starts"); do
    for index in "${!folders[@]}"; do
        one_start "${folders[$index]}" >>"$session/times-$index"
    done
    [ "$round" -lt "$starts" ] || break
done
for index in "${!folders[@]}"; do
    sort -n "$session/times-$index" | awk -v name="${folders[$index]}" '
        { t[NR] = $1 }
        END { printf "%s: median %.3f s, fastest %.3f s, slowest %.3f s (%d starts)\n",
              name, t[int((NR + 1) / 2)], t[1], t[NR], NR }'
done
