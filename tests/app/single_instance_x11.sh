#!/usr/bin/env bash
# Two real copies of the program: the second says so and ends, the first goes
# on untouched; a copy killed outright does not block the next start.
# Usage: single_instance_x11.sh <skyvarre executable>
program=$1
source "$(dirname "$0")/x11_session.sh"

caption='^Skyvarre v1\.15$'

"$program" 2>"$session/first.log" &
first=$!
started_pids+=("$first")
first_window=$(step="the first start" wait_for_window "$caption")

"$program" 2>"$session/second.log" &
second=$!
started_pids+=("$second")
message=$(step="the second start's message" wait_for_window '^Skyvarre$')
[ "$(xdotool search --onlyvisible --name "$caption" | wc -l)" = 1 ] ||
    fail "the second copy opened a window of its own"
focus_window "$message"
xdotool key Return
wait_for_exit "$second"
[ "$exit_code" = 0 ] || fail "the second copy ended with exit code $exit_code"
[ ! -s "$session/second.log" ] || fail "the second copy wrote to standard error: $(cat "$session/second.log")"

kill -0 "$first" 2>/dev/null || fail "the first copy did not survive the second"
[ "$(wait_for_window "$caption")" = "$first_window" ] || fail "the first copy's window changed"
[ ! -s "$session/opened.txt" ] || fail "a page was opened: $(cat "$session/opened.txt")"

# A copy killed outright leaves its lock behind; the next start must see it is stale.
kill -9 "$first"
wait "$first" 2>/dev/null || true
for _ in $(seq 50); do
    xdotool getwindowname "$first_window" >/dev/null 2>&1 || break
    sleep 0.1
done
"$program" 2>"$session/third.log" &
third=$!
started_pids+=("$third")
step="the start after a kill" wait_for_window "$caption" >/dev/null
[ -z "$(xdotool search --onlyvisible --name '^Skyvarre$' 2>/dev/null)" ] ||
    fail "the copy started after the kill was refused"
kill -0 "$third" 2>/dev/null || fail "the copy started after the kill did not run"

echo "single instance: second copy refused, killed copy did not block the next start"
