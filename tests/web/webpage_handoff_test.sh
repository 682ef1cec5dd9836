#!/usr/bin/env bash
# The real browser hand-off on X11. The program starts xdg-open from PATH
# itself, detached, with the encoded address as its one argument. A recording
# launcher stands in for the desktop's. Run inside an X server:
# xvfb-run -a webpage_handoff_test.sh <probe>
set -euo pipefail
probe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Records its arguments, its process id and where its standard input, output
# and error lead, then exits as xdg-open does once the browser has the
# address. Complains on standard error with the address in it, as xdg-open
# does when it finds no browser. Uses absolute paths: it may run with a PATH
# that holds nothing else.
mkdir "$work/launcher" "$work/nothing"
cat >"$work/launcher/xdg-open" <<LAUNCHER
#!/bin/sh
echo "xdg-open: no method available for opening '\$1'" >&2
echo \$\$ >"$work/launcher.pid"
echo "\$(/bin/readlink /proc/\$\$/fd/0) \$(/bin/readlink /proc/\$\$/fd/1) \$(/bin/readlink /proc/\$\$/fd/2)" >"$work/streams"
printf '%s\n' "\$#" >"$work/count.tmp"
printf '%s\n' "\$@" >"$work/arguments.tmp"
/bin/mv "$work/arguments.tmp" "$work/arguments"
/bin/mv "$work/count.tmp" "$work/count"
LAUNCHER
chmod +x "$work/launcher/xdg-open"

# Runs the probe with nothing of the session's own browser set-up visible, on
# the X server, and gives up if the call does not return promptly. Its
# standard input is a file, so that the launcher's shows whether it got it.
: >"$work/nothing-to-read"
run_probe() {
    local path=$1 page=$2
    timeout 20 env -u DEFAULT_BROWSER -u BROWSER -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION \
        -u GNOME_DESKTOP_SESSION_ID -u DESKTOP_SESSION -u SNAP \
        PATH="$path" QT_QPA_PLATFORM=xcb "$probe" "$page" <"$work/nothing-to-read" 2>>"$work/stderr" ||
        fail "the probe for $page did not return normally (exit code $?)"
}

# True once the process has ended. A detached launcher is reparented to
# whatever reaps orphans here, which may leave it a zombie for a while: that
# counts as ended.
has_ended() {
    local state
    state=$(ps -o stat= -p "$1" || true)
    [ -z "$state" ] || [ "${state:0:1}" = Z ]
}

wait_for() {
    local what=$1
    for _ in $(seq 100); do
        eval "$what" && return 0
        sleep 0.1
    done
    return 1
}

# Hands one page over and checks that the launcher got exactly the address,
# as its only argument, read and wrote nothing of the program's (a browser's
# chatter must not reach the program's output, nor keep a reader of it
# waiting), and has ended since.
check_handoff() {
    local description=$1 path=$2 page=$3
    rm -f "$work/arguments" "$work/count" "$work/launcher.pid" "$work/streams"
    run_probe "$path" "$page" >"$work/expected"
    wait_for '[ -f "$work/count" ]' || fail "$description: the launcher was never started"
    [ "$(cat "$work/count")" = 1 ] || fail "$description: the launcher got $(cat "$work/count") arguments"
    cmp -s "$work/expected" "$work/arguments" ||
        fail "$description: sent $(cat "$work/expected"), the launcher got $(cat "$work/arguments")"
    [ "$(cat "$work/streams")" = "/dev/null /dev/null /dev/null" ] ||
        fail "$description: the launcher's standard input, output and error led to: $(cat "$work/streams")"
    local launcher_pid
    launcher_pid=$(cat "$work/launcher.pid")
    wait_for 'has_ended "$launcher_pid"' || fail "$description: the launcher is still running"
    echo "ok: $description"
}

check_handoff "xdg-open first on PATH receives the download page" \
    "$work/launcher:$PATH" download
check_handoff "xdg-open first on PATH receives a hostile refer-a-friend address" \
    "$work/launcher:$PATH" tell-a-friend

rm -f "$work/arguments" "$work/count"
run_probe "$work/nothing" download >/dev/null
sleep 0.5
[ ! -e "$work/count" ] || fail "something was started although no xdg-open is on PATH"
echo "ok: with no xdg-open the call returns and nothing is started"

# Addresses carry names and e-mail addresses: neither a warning of the
# program's nor the launcher's complaints may write them to standard error.
if [ -e "$work/stderr" ] && grep -qF "://" "$work/stderr"; then
    fail "an address reached standard error: $(cat "$work/stderr")"
fi
echo "ok: no address reached standard error"
