#!/usr/bin/env bash
# Runs the program's main paths under valgrind's memcheck and fails on any
# memory error and on any block definitely lost. Only system libraries are
# suppressed (tests/valgrind.supp); a lost block allocated by our code fails.
#
#   1. The endurance run, briefly, on the offscreen platform: start-up, Find and
#      Back through the real buttons, About opened and closed.
#   2. With --x11 (needs Xvfb and xdotool): the real executable in an X11
#      session: a first copy driven through a lookup, Back and the farewell
#      window to its end, and a second copy that says it is already running.
#
# Usage: scripts/memcheck.sh [--x11] [build folder]   (default build/debug)
# The valgrind logs stay in $MEMCHECK_LOGS (default: a new temporary folder).
# Ends with exit code 77 (skipped) where valgrind, Xvfb or xdotool is missing.
set -euo pipefail

if ! command -v valgrind >/dev/null; then
    echo "SKIP: valgrind is missing"
    exit 77
fi

x11=0
if [ "${1:-}" = "--x11" ]; then
    x11=1
    shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/debug}" && pwd)
logs=${MEMCHECK_LOGS:-$(mktemp -d)}
mkdir -p "$logs"
suppressions=$root/tests/valgrind.supp
# Leaks count as errors only when definitely lost: caches that the libraries
# keep until the end are still reachable and not ours to free. A child that a
# library forks (D-Bus looking for a session bus) inherits only the forking
# thread, so the other threads' blocks look lost there: children stay silent.
memcheck=(valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite
    --show-leak-kinds=definite --error-exitcode=42 --num-callers=40
    --child-silent-after-fork=yes --suppressions="$suppressions" --gen-suppressions=all)

# Reports the outcome of one run under memcheck; returns non-zero on a finding.
judge() {
    local name=$1 code=$2 log=$3
    local summary
    summary=$(grep -E 'ERROR SUMMARY|definitely lost:' "$log" | sed 's/^==[0-9]*== *//' | tr '\n' ' ')
    echo "memcheck: $name: ${summary:-no summary} (exit code $code)"
    if [ "$code" -ne 0 ]; then
        grep -E -A 45 '^==[0-9]+== (Invalid|Conditional|Use of|Syscall|Mismatched|.*definitely lost in)' \
            "$log" | head -n 200 || true
        echo "memcheck: $name FAILED; full log: $log"
        return 1
    fi
}

export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
status=0
code=0
"${memcheck[@]}" --log-file="$logs/endurance.log" "$build/bench/endurance/endurance_run" \
    --find-back 30 --about 20 --warm-up 10 >"$logs/endurance.out" 2>&1 || code=$?
judge "endurance run (30 Find/Back, 20 About)" "$code" "$logs/endurance.log" || status=1

[ "$x11" -eq 1 ] || exit $status

program=$build/src/app/skyvarre
# A program under memcheck starts and reacts many times slower than usual.
export SKYVARRE_X11_PATIENCE=1200
source "$root/tests/app/x11_session.sh"
caption='^Skyvarre v1\.15$'

# Presses keys in the window with the focus and gives the slowed program time.
press() {
    xdotool key --delay 150 "$@"
    sleep 1
}

export QT_QPA_PLATFORM=xcb
"${memcheck[@]}" --log-file="$logs/first-copy.log" "$program" 2>"$session/first.log" &
first=$!
started_pids+=("$first")
input=$(step="the first start" wait_for_window "$caption")

"${memcheck[@]}" --log-file="$logs/second-copy.log" "$program" 2>"$session/second.log" &
second=$!
started_pids+=("$second")
message=$(step="the second start's message" wait_for_window '^Skyvarre$')
focus_window "$message"
press Return
wait_for_exit "$second"
second_code=$exit_code

# A lookup, Back, Esc to the farewell window and its Exit, as a user types them.
focus_window "$input"
xdotool type --delay 150 "anna"
press Tab Tab Tab Tab Return
result=$(step="Find" wait_for_other_window "$caption" "$input")
focus_window "$result"
press alt+b
focus_window "$input"
press Escape
farewell=$(step="Esc on the input window" wait_for_other_window "$caption" "$input" "$result")
focus_window "$farewell"
press alt+x
wait_for_exit "$first"
first_code=$exit_code

judge "second copy (already running)" "$second_code" "$logs/second-copy.log" || status=1
judge "first copy (lookup, Back, farewell, end)" "$first_code" "$logs/first-copy.log" || status=1
exit $status
