#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the debug configuration
# (the package check with lintian and the Wayland test among them), the main
# paths under valgrind's memcheck, the sanitizer configuration (ASan + UBSan),
# a short run of every fuzz target, the Windows build with its installer,
# tested under Wine (Qt for Windows is built first where this machine has not
# built it yet: once, 20 to 40 minutes), and a check that two builds of the
# release files give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

jobs=$(nproc)
for preset in debug asan; do
    echo "== $preset =="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
    if [ "$preset" = debug ]; then
        echo "== memcheck =="
        ctest --preset memcheck
    fi
done

echo "== fuzz =="
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-30}"

echo "== windows =="
bash scripts/windows.sh test

echo "== reproducible =="
bash scripts/reproducible.sh
