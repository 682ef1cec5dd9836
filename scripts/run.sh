#!/usr/bin/env bash
# Installs what building and running need, builds the program in the release
# configuration and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release --target skyvarre
exec build/release/src/app/skyvarre
