#!/usr/bin/env bash
# The built program's answers that need no window: help, version, a mistaken
# command line and a missing or unreachable display. Each ends at once with
# its exit code, prints to the right stream, dumps no core, and leaves the
# settings and runtime folders as empty as it found them. Then a start
# without any display on the offscreen platform, ended by SIGTERM: exit code
# 0 and the lock released.
# Usage: command_line.sh <skyvarre executable> <project version>
set -euo pipefail
program=$1
version=$2
scratch=$(mktemp -d)
pid=
end() {
    # A program left running by a failed check goes with the test.
    [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap end EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

config=$scratch/config
runtime=$scratch/runtime
mkdir -m 700 "$config" "$runtime"

# An environment of its own, with no display unless a row gives one.
clean_environment=(env -i PATH="$PATH" HOME="$scratch" LANG=C.UTF-8
    XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime")

# description | variables | arguments | exit code | standard output | standard
# error's last line | standard error's lines (* where Qt says why before us).
# The outputs are extended regular expressions, the first over the whole
# stream; "-" is an empty stream.
rows=(
    "--help lists the options|-|--help|0|^Usage: skyvarre .*-v, --version|-|0"
    "-h is --help|-|-h|0|^Usage: skyvarre .*-h, --help|-|0"
    "--version prints name and version|-|--version|0|^Skyvarre $version\s\$|-|0"
    "-v is --version|-|-v|0|^Skyvarre $version\s\$|-|0"
    "an unknown option is named with a pointer to --help|QT_QPA_PLATFORM=offscreen|--frobnicate|2|-|^skyvarre: Unknown option 'frobnicate'\. See 'skyvarre --help'\.\$|1"
    "a mistyped single-dash option is refused|QT_QPA_PLATFORM=offscreen|-verison|2|-|^skyvarre: Unknown option 'verison'\. See 'skyvarre --help'\.\$|1"
    "a word after a Qt option that takes none is refused|QT_QPA_PLATFORM=offscreen|-reverse birthday|2|-|^skyvarre: Unexpected argument 'birthday'\. See 'skyvarre --help'\.\$|1"
    "without a display a mistaken option ends with the display message|-|-verison|1|-|^skyvarre: cannot open a window: could not connect|*"
    "no display at all ends without a core dump|-|-|1|-|^skyvarre: cannot open a window: could not connect|*"
    "an X11 display out of reach ends without a core dump|DISPLAY=:64999|-|1|-|^skyvarre: cannot open a window: could not connect|*"
    "a Wayland display out of reach ends without a core dump|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere|-|1|-|^skyvarre: cannot open a window: could not connect|*"
)

for row in "${rows[@]}"; do
    IFS='|' read -r description variables arguments expected_code expected_out expected_err expected_lines <<<"$row"
    [ "$variables" = - ] && variables=
    [ "$arguments" = - ] && arguments=
    code=0
    # shellcheck disable=SC2086 # the variables and arguments split into words
    "${clean_environment[@]}" $variables timeout 20 "$program" $arguments >"$scratch/out" 2>"$scratch/err" || code=$?
    [ "$code" = "$expected_code" ] ||
        fail "$description: exit code $code, expected $expected_code; error output: $(cat "$scratch/err")"
    if [ "$expected_out" = - ]; then
        [ ! -s "$scratch/out" ] || fail "$description: unexpected output: $(cat "$scratch/out")"
    else
        grep -zqE "$expected_out" "$scratch/out" || fail "$description: the output was: $(cat "$scratch/out")"
    fi
    if [ "$expected_err" = - ]; then
        [ ! -s "$scratch/err" ] || fail "$description: unexpected error output: $(cat "$scratch/err")"
    else
        tail -n 1 "$scratch/err" | grep -qE "$expected_err" ||
            fail "$description: the error output was: $(cat "$scratch/err")"
    fi
    [ "$expected_lines" = "*" ] || [ "$(wc -l <"$scratch/err")" = "$expected_lines" ] ||
        fail "$description: $(wc -l <"$scratch/err") lines of error output: $(cat "$scratch/err")"
    left=$(find "$config" "$runtime" -mindepth 1)
    [ -z "$left" ] || fail "$description: files were left behind: $left"
    echo "ok: $description"
done

# A start with Qt's own options takes the lock (X11's are tried by
# e2e_x11.sh); SIGTERM ends the program through its own end: exit code 0 and
# the lock file gone.
"${clean_environment[@]}" "$program" -platform offscreen -style Fusion -reverse \
    -qwindowgeometry 800x600 -qwindowtitle Sedna 2>"$scratch/err" &
pid=$!
for _ in $(seq 100); do
    [ -e "$runtime/skyvarre.lock" ] && break
    sleep 0.1
done
[ -e "$runtime/skyvarre.lock" ] || fail "the offscreen start took no lock: $(cat "$scratch/err")"
kill -TERM "$pid"
code=0
timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end on SIGTERM"
wait "$pid" || code=$?
pid=
[ "$code" = 0 ] || fail "SIGTERM ended the program with exit code $code"
[ ! -e "$runtime/skyvarre.lock" ] || fail "SIGTERM left the lock file behind"
echo "ok: SIGTERM ends a running program with exit code 0 and releases the lock"
