#!/usr/bin/env bash
# Configures the project as a packager or a user who only wants the program
# would: a plain cmake with neither GoogleTest nor Google Benchmark to be
# found must succeed, leave out the tests and the micro-benchmarks with one
# notice each, and not turn warnings into errors. Nor may the release preset.
# Usage: configure_test.sh <source folder>
set -euo pipefail
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake -S "$source" -B "$scratch/plain" -G Ninja \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    >"$scratch/plain.log" 2>&1 || { cat "$scratch/plain.log"; fail "the plain configure failed"; }
for notice in "GoogleTest not found" "Google Benchmark not found"; do
    [ "$(grep -c "$notice" "$scratch/plain.log")" = 1 ] ||
        { cat "$scratch/plain.log"; fail "not exactly one notice '$notice'"; }
done
grep -q '^build src/app/skyvarre:' "$scratch/plain/build.ninja" || fail "the plain build has no program"
! grep -qE '^build (tests|bench/sign|bench/web|bench/app)/' "$scratch/plain/build.ninja" ||
    fail "the plain build has tests or micro-benchmarks although their libraries are missing"
! grep -q -- '-Werror' "$scratch/plain/build.ninja" || fail "the plain build turns warnings into errors"

(cd "$source" && cmake --preset release -B "$scratch/release" >"$scratch/release.log" 2>&1) ||
    { cat "$scratch/release.log"; fail "the release preset does not configure"; }
! grep -q -- '-Werror' "$scratch/release/build.ninja" || fail "the release preset turns warnings into errors"

echo "configure: a plain build without GoogleTest and Google Benchmark, and the release build, without -Werror"
