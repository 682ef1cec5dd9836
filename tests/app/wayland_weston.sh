#!/usr/bin/env bash
# The program as a native Wayland client, on weston without a screen (its
# headless backend): the input window is mapped with its caption
# "Skyvarre v<project version>", Qt has
# nothing to complain about, and SIGTERM ends the program with exit code 0
# and its lock released.
#
# What the compositor was sent comes from the Wayland client library's own
# trace (WAYLAND_DEBUG=1 on standard error): a window is mapped once its
# surface, after acknowledging the compositor's first configure event,
# commits a buffer.
# Usage: wayland_weston.sh <skyvarre executable> <project version>
# Skipped (exit code 77) where weston or Qt's Wayland plugin is missing.
set -euo pipefail
program=$1
caption="Skyvarre v$2"

if ! command -v weston >/dev/null; then
    echo "SKIP: weston is missing (Debian package weston)"
    exit 77
fi

session=$(mktemp -d)
started_pids=()
end_session() {
    for pid in "${started_pids[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$session"
}
trap end_session EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "== weston.log" >&2
    tail -n 20 "$session/weston.log" >&2 || true
    echo "== the program's messages (without the protocol trace)" >&2
    grep -v '^\[' "$session/program.log" | tail -n 20 >&2 || true
    exit 1
}

# Wayland wants a runtime folder that only its user may enter.
export XDG_RUNTIME_DIR="$session/runtime"
export XDG_CONFIG_HOME="$session/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$XDG_CONFIG_HOME"
socket=skyvarre-test

weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --log="$session/weston.log" &
started_pids+=($!)
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not open its socket"

# Where Mesa's drivers are installed, Qt's EGL integration starts one, and it
# leaks 128 bytes from a once-only initialisation. libEGL_mesa unloads the
# driver again before a sanitizer build reports leaks, so that report cannot
# name the driver, and the driver has no frame pointers for the fast unwinder
# to get past it. The slow unwinder reaches libEGL_mesa's frames, which stay
# loaded, and tests/lsan.supp leaves out what EGL allocates.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=1 LANG=C.UTF-8 \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" \
    "$program" 2>"$session/program.log" &
program_pid=$!
started_pids+=("$program_pid")

# Succeeds once the surface of the toplevel titled with the caption has
# acknowledged a configure event and then committed a buffer.
input_window_mapped() {
    local log=$session/program.log toplevel xdg_surface wl_surface
    toplevel=$(grep -F -- ".set_title(\"$caption\")" "$log" | grep -oE -- '-> xdg_toplevel@[0-9]+' |
        head -n 1 | sed 's/.*@//')
    [ -n "$toplevel" ] || return 1
    xdg_surface=$(grep -oE -- "-> xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel@$toplevel\)" "$log" |
        head -n 1 | sed -E 's/.*xdg_surface@([0-9]+)\..*/\1/')
    wl_surface=$(grep -oE -- "get_xdg_surface\(new id xdg_surface@$xdg_surface, wl_surface@[0-9]+\)" "$log" |
        head -n 1 | sed -E 's/.*wl_surface@([0-9]+)\)/\1/')
    [ -n "$xdg_surface" ] && [ -n "$wl_surface" ] || return 1
    awk -v title="-> xdg_toplevel@$toplevel.set_title(" \
        -v acknowledge="-> xdg_surface@$xdg_surface.ack_configure(" \
        -v attach="-> wl_surface@$wl_surface.attach(wl_buffer@" \
        -v commit="-> wl_surface@$wl_surface.commit()" '
        index($0, title) { titled = 1 }
        titled && index($0, acknowledge) { acknowledged = 1 }
        acknowledged && index($0, attach) { attached = 1 }
        attached && index($0, commit) { mapped = 1; exit }
        END { exit !mapped }' "$log"
}

for _ in $(seq 150); do
    input_window_mapped && break
    if ! kill -0 "$program_pid" 2>/dev/null; then
        if grep -q 'Could not find the Qt platform plugin "wayland"' "$session/program.log"; then
            echo "SKIP: Qt's Wayland plugin is missing (Debian package qt6-wayland)"
            exit 77
        fi
        fail "the program ended before its window was mapped"
    fi
    sleep 0.1
done
input_window_mapped || fail "no window titled '$caption' was mapped"
[ -e "$XDG_RUNTIME_DIR/skyvarre.lock" ] || fail "the running program holds no lock file"

# A moment for anything Qt might say about the window (a refused position,
# an unsupported request) and for a protocol error from the compositor.
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the program ended by itself"
messages=$(grep -v '^\[' "$session/program.log" || true)
[ -z "$messages" ] || fail "the program wrote messages besides the protocol trace"

kill -TERM "$program_pid"
exit_code=
for _ in $(seq 100); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
        exit_code=0
        wait "$program_pid" || exit_code=$?
        started_pids=("${started_pids[0]}") # weston alone is left to end
        break
    fi
    sleep 0.1
done
[ -n "$exit_code" ] || fail "the program did not end on SIGTERM"
[ "$exit_code" = 0 ] || fail "the program ended with exit code $exit_code on SIGTERM"
[ ! -e "$XDG_RUNTIME_DIR/skyvarre.lock" ] || fail "the lock file was left behind"

echo "wayland: input window mapped with its caption under weston; SIGTERM ended the program cleanly"
