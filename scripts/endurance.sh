#!/usr/bin/env bash
# Runs the endurance run in full (10,000 Find/Back and 1,000 About cycles in
# one process, on the offscreen platform) and prints its table: top-level and
# live widgets, live QObjects, resident memory and the bytes of heap in use,
# after the first 100 cycles of each loop and at the end. Fails if widgets or
# objects grew.
#
# Usage: scripts/endurance.sh [build folder] [endurance_run options]
# Without a build folder it configures and builds the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    build=$1
    shift
    cmake --build "$build" --target endurance_run
else
    build=build/release
    cmake --preset release
    cmake --build --preset release --target endurance_run
fi

export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
run() {
    local start
    start=$(date +%s%N)
    "$build/bench/endurance/endurance_run" "$@"
    echo "endurance: ran in $(( ($(date +%s%N) - start) / 1000000 )) ms"
}

echo "== with the C library's allocator as users have it"
run "$@"
# glibc's per-thread cache keeps up to seven freed blocks of every small size
# and still counts them as in use: tens of KiB that come and go. Without it
# the heap figure counts only the blocks that the program holds.
echo "== without the allocator's per-thread cache"
GLIBC_TUNABLES=glibc.malloc.tcache_count=0 run "$@"
