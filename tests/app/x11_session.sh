# Shared by the X11 tests: a private Xvfb display, private per-user folders
# and a stand-in browser that records every address it is given.
# SKYVARRE_XVFB_SCREEN sets the screen (default 1280x1024x24);
# SKYVARRE_X11_PATIENCE how long each wait lasts, in tenths of a second
# (default 150; a program under valgrind needs far more).
# Source it; it sets DISPLAY, XDG_CONFIG_HOME, XDG_RUNTIME_DIR, PATH and
# $session (the scratch folder), and cleans everything up on exit.

set -euo pipefail

# Where the tools are missing the test is skipped (CTest's SKIP_RETURN_CODE).
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (Debian packages xvfb and xdotool)"
        exit 77
    fi
done

session=$(mktemp -d)
patience=${SKYVARRE_X11_PATIENCE:-150}
started_pids=()

end_session() {
    for pid in "${started_pids[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
    done
    if [ -n "${xvfb_pid:-}" ]; then
        # Wait for the server to be gone: on its way out it removes its socket,
        # which must not happen after the next session's server took the number.
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$session"
}
trap end_session EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "visible windows:" >&2
    for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
        echo "  $id '$(xdotool getwindowname "$id" 2>/dev/null)'" >&2
    done
    for log in "$session"/*.log; do
        [ -s "$log" ] && { echo "== $(basename "$log")" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

# A display of its own, whatever else runs on the machine.
# -noreset: the server must not reset when its last client goes (a killed
# copy), or the next client to connect in that moment is refused.
Xvfb -displayfd 3 -screen 0 "${SKYVARRE_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$session/display" 2>"$session/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$session/display" ] && break
    sleep 0.1
done
[ -s "$session/display" ] || fail "Xvfb did not start: $(cat "$session/xvfb.log")"
export DISPLAY=":$(cat "$session/display")"

export XDG_CONFIG_HOME="$session/config"
export XDG_RUNTIME_DIR="$session/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$session/bin"
chmod 700 "$XDG_RUNTIME_DIR"
unset BROWSER DEFAULT_BROWSER
export QT_QPA_PLATFORM=xcb
# The checks read the program's English texts, whatever language the machine
# that runs them speaks.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

# The stand-in browser: one line per address handed over, and one line with
# where its standard input, output and error lead.
cat >"$session/bin/xdg-open" <<EOS
#!/bin/sh
printf '%s\n' "\$1" >>"$session/opened.txt"
streams="\$(readlink /proc/\$\$/fd/0) \$(readlink /proc/\$\$/fd/1) \$(readlink /proc/\$\$/fd/2)"
printf '%s\n' "\$streams" >>"$session/launcher-streams.txt"
EOS
chmod +x "$session/bin/xdg-open"
export PATH="$session/bin:$PATH"
touch "$session/opened.txt"

# Waits for a visible window whose title matches the pattern; prints its id.
wait_for_window() {
    local pattern=$1 id
    for _ in $(seq "$patience"); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window matching '$pattern' appeared (step: ${step:-?})"
}

# Waits for a visible window matching the pattern other than the windows given
# (a window that replaces or covers others with the same title); prints its id.
wait_for_other_window() {
    local pattern=$1 id exclude=()
    shift
    for other in "$@"; do
        exclude+=(-e "$other")
    done
    for _ in $(seq "$patience"); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null |
            grep -vx "${exclude[@]}" | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window matching '$pattern' other than $* appeared (step: ${step:-?})"
}

# Waits until no visible window matches the pattern any more.
wait_for_no_window() {
    local pattern=$1
    for _ in $(seq "$patience"); do
        xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "a window matching '$pattern' is still shown"
}

# Gives a window the keyboard focus (there is no window manager to do it).
focus_window() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
}

# Waits for a child process of this shell to end and sets exit_code to its
# exit code. Not for use in $(...): a subshell cannot wait for our children.
wait_for_exit() {
    local pid=$1
    for _ in $(seq "$patience"); do
        if ! kill -0 "$pid" 2>/dev/null; then
            exit_code=0
            wait "$pid" || exit_code=$?
            return 0
        fi
        sleep 0.1
    done
    fail "process $pid did not end"
}
