#!/usr/bin/env bash
# Sets up, builds ZENITA in Release and starts it with the bundled city database.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENITA_TESTS=OFF -DZENITA_BENCHMARKS=OFF
cmake --build build --target zenita
exec build/src/zenita "$@"
