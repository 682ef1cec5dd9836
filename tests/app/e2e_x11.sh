#!/usr/bin/env bash
# The whole program from the outside, as a user drives it with the keyboard in
# a real X11 session: a lookup, Back, Exit, the refer-a-friend form, the end.
# Usage: e2e_x11.sh <skyvarre executable> <settings probe> <web scheme> <main host>
program=$1
probe=$2
scheme=$3
main_host=$4
source "$(dirname "$0")/x11_session.sh"

caption='^Skyvarre v1\.15$'

# Waits until the stand-in browser has been handed an address.
wait_for_handoff() {
    for _ in $(seq "$patience"); do
        [ -s "$session/opened.txt" ] && return 0
        sleep 0.1
    done
    fail "nothing was handed to the browser (step: ${step:-?})"
}

# Options Qt takes on X11 (the title is the one the window has anyway).
# Standard input and output lead to files, so that the launcher's show
# whether it got them.
: >"$session/nothing-to-read"
"$program" -display "$DISPLAY" -geometry +0+0 -title "Skyvarre v1.15" \
    <"$session/nothing-to-read" >"$session/program.out" 2>"$session/program.log" &
program_pid=$!
started_pids+=("$program_pid")

input=$(wait_for_window "$caption")
focus_window "$input"

# The name box has the focus: typed letters arrive as capitals.
xdotool type --delay 60 "anna"
# Tab to the find button (day, month, year lists in between) and press Enter.
xdotool key --delay 80 Tab Tab Tab Tab Return
result=$(step="Find" wait_for_other_window "$caption" "$input")
[ -z "$(xdotool search --onlyvisible --name "$caption" | grep -x "$input")" ] ||
    fail "the input window stayed visible behind the result"

# Back (Alt+B) shows the input window again.
focus_window "$result"
xdotool key alt+b
sleep 0.5
again=$(wait_for_window "$caption")
[ "$again" = "$input" ] || fail "Back did not return to the same input window"

# Esc leaves the input window for the farewell window.
focus_window "$input"
xdotool key Escape
farewell=$(step="Esc on the input window" wait_for_other_window "$caption" "$input")

# The farewell window takes the focus by itself (nothing here gives it), with
# the focus on Exit. The form, in its focus order: Check1, Picture1, name,
# submit, e-mail, friend's e-mail, friend's name.
sleep 0.3
xdotool key --delay 80 Tab Tab Tab
xdotool type --delay 40 "Anna"
xdotool key --delay 80 Tab Tab
xdotool type --delay 40 "anna@home.example"
xdotool key Tab
xdotool type --delay 40 "bob@work.example"
xdotool key Tab
xdotool type --delay 40 "Bob"
xdotool key alt+n
sleep 0.5

# Exit (Alt+X) ends the program.
xdotool key alt+x
wait_for_exit "$program_pid"
[ "$exit_code" = 0 ] || fail "the program ended with exit code $exit_code"
[ ! -s "$session/program.log" ] || fail "the program wrote to standard error: $(cat "$session/program.log")"

expected="$scheme://$main_host/vetq-refer-a-friend.php?taf1=Anna&taf2=anna@home.example"
expected+="&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob@work.example"
expected+="&taf6=$scheme://$main_host/skyvarre/"
opened=$(cat "$session/opened.txt")
[ "$opened" = "$expected" ] || fail "the browser received '$opened', expected '$expected'"

# The first start records today's date, scrambled, and asks nothing.
stored=$("$probe" "$XDG_CONFIG_HOME/skyvarre.ini")
[ "$stored" = "$(date +%F)" ] || fail "stored reminder date is '$stored', expected $(date +%F)"
if grep -rq -e Duration -e "$(date +%F)" "$XDG_CONFIG_HOME"; then
    fail "the settings file holds the key or the date in plain text"
fi

# Started from a shell with standard error closed (skyvarre 2>&-): descriptor
# 2 is the null device before Qt can take the number for its display
# connection, into which every warning would otherwise be written. Ticking
# the farewell window's box hands the home page over; the program still
# reacts to its keys and ends normally.
: >"$session/opened.txt"
"$program" <"$session/nothing-to-read" >"$session/program.out" 2>&- &
program_pid=$!
started_pids+=("$program_pid")
input=$(step="start with standard error closed" wait_for_window "$caption")
[ "$(readlink "/proc/$program_pid/fd/2")" = /dev/null ] ||
    fail "started with standard error closed, descriptor 2 is $(readlink "/proc/$program_pid/fd/2")"
focus_window "$input"
xdotool key Escape
step="Esc with standard error closed" wait_for_other_window "$caption" "$input" >/dev/null
sleep 0.3
xdotool key Tab space
step="Check1 with standard error closed" wait_for_handoff
xdotool key alt+x
wait_for_exit "$program_pid"
[ "$exit_code" = 0 ] || fail "started with standard error closed, the program ended with exit code $exit_code"
[ "$(cat "$session/opened.txt")" = "$scheme://$main_host" ] ||
    fail "with standard error closed the browser received '$(cat "$session/opened.txt")'"

# The launcher reads and writes nothing of the program's: a browser's chatter
# must not reach the program's output, nor keep a reader of it waiting.
[ "$(sort -u "$session/launcher-streams.txt")" = "/dev/null /dev/null /dev/null" ] ||
    fail "the launcher's standard input, output and error led to: $(cat "$session/launcher-streams.txt")"

echo "e2e: lookup, Back, Exit, refer-a-friend, a start with standard error closed and the end all behaved"
