#!/usr/bin/env bash
# Builds the game into build/ (the program's own directory) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target sv
exec ./build/sv "$@"
