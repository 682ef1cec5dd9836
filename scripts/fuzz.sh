#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build for the given number of seconds
# (default 60), side by side, starting from the corpus kept under
# fuzz/corpus/<target>.
# New inputs go to a scratch folder so that a test run never changes the tree.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
fuzz_dir=build/fuzz/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The targets run side by side, each for the given time, so that a short run
# of all of them costs the test command no more than one.
names=()
pids=()
for target in "$fuzz_dir"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    mkdir -p "$scratch/$name"
    echo "fuzz: $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$scratch/$name-" "$scratch/$name" "$corpus" 2>"$scratch/$name.log" &
    names+=("$name")
    pids+=("$!")
done
[ ${#names[@]} -gt 0 ] || { echo "fuzz: no fuzz targets were built"; exit 1; }
failed=0
for i in "${!names[@]}"; do
    name=${names[$i]}
    if wait "${pids[$i]}"; then
        echo "fuzz: $name $(grep -E '^stat::number_of_executed_units' "$scratch/$name.log" || true)"
    else
        tail -n 60 "$scratch/$name.log"
        echo "fuzz: $name FAILED"
        failed=1
    fi
done
[ "$failed" -eq 0 ] || exit 1
echo "fuzz: every target ran without a finding"
