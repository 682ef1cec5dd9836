#!/usr/bin/env bash
# The real browser hand-off on X11. Qt's xcb platform looks for xdg-open on
# PATH, then for $DEFAULT_BROWSER / $BROWSER, and starts what it finds detached
# with the encoded address as its one argument. A recording launcher stands in
# for the desktop's. Run inside an X server: xvfb-run -a webpage_handoff_test.sh <probe>
set -euo pipefail
probe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Records its arguments and its process id, then exits as xdg-open does once
# the browser has the address. Complains on standard error with the address
# in it, as xdg-open does when it finds no browser. Uses absolute paths: it
# may run with a PATH that holds nothing else.
mkdir "$work/launcher" "$work/nothing"
cat >"$work/launcher/xdg-open" <<LAUNCHER
#!/bin/sh
echo "xdg-open: no method available for opening '\$1'" >&2
echo \$\$ >"$work/launcher.pid"
printf '%s\n' "\$#" >"$work/count.tmp"
printf '%s\n' "\$@" >"$work/arguments.tmp"
/bin/mv "$work/arguments.tmp" "$work/arguments"
/bin/mv "$work/count.tmp" "$work/count"
LAUNCHER
chmod +x "$work/launcher/xdg-open"

# Runs the probe with nothing of the session's own browser set-up visible, on
# the X server, and gives up if the call does not return promptly.
run_probe() {
    local path=$1 browser=$2 page=$3
    timeout 20 env -u DEFAULT_BROWSER -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION \
        -u GNOME_DESKTOP_SESSION_ID -u DESKTOP_SESSION -u SNAP \
        PATH="$path" BROWSER="$browser" QT_QPA_PLATFORM=xcb "$probe" "$page" 2>>"$work/stderr" ||
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
# as its only argument, and has ended since.
check_handoff() {
    local description=$1 path=$2 browser=$3 page=$4
    rm -f "$work/arguments" "$work/count" "$work/launcher.pid"
    run_probe "$path" "$browser" "$page" >"$work/expected"
    wait_for '[ -f "$work/count" ]' || fail "$description: the launcher was never started"
    [ "$(cat "$work/count")" = 1 ] || fail "$description: the launcher got $(cat "$work/count") arguments"
    cmp -s "$work/expected" "$work/arguments" ||
        fail "$description: sent $(cat "$work/expected"), the launcher got $(cat "$work/arguments")"
    local launcher_pid
    launcher_pid=$(cat "$work/launcher.pid")
    wait_for 'has_ended "$launcher_pid"' || fail "$description: the launcher is still running"
    echo "ok: $description"
}

check_handoff "xdg-open first on PATH receives the download page" \
    "$work/launcher:$PATH" "" download
check_handoff "xdg-open first on PATH receives a hostile refer-a-friend address" \
    "$work/launcher:$PATH" "" tell-a-friend
# The same detection with no xdg-open anywhere: $BROWSER is used instead. This
# shows the empty PATH below really leaves Qt without a launcher to find.
check_handoff "\$BROWSER receives the address when PATH holds no xdg-open" \
    "$work/nothing" "$work/launcher/xdg-open" download

rm -f "$work/arguments" "$work/count"
run_probe "$work/nothing" "" download >/dev/null
sleep 0.5
[ ! -e "$work/count" ] || fail "something was started although no browser is set up"
echo "ok: with no browser at all the call returns and nothing is started"

# Addresses carry names and e-mail addresses: neither Qt's warnings nor the
# launcher's complaints may write them to standard error.
if [ -e "$work/stderr" ] && grep -qF "://" "$work/stderr"; then
    fail "an address reached standard error: $(cat "$work/stderr")"
fi
echo "ok: no address reached standard error"
