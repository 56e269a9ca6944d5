#!/usr/bin/env bash
# Builds the Release benchmark and prints its table. Usage: scripts/bench.sh [SIZES] [RUNS]
# SIZES is a comma-separated list of project sizes in rooms (1, 30, 300); default all three.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j2 --target wandheizung-bench
build-release/bench/wandheizung-bench --share share --groessen "${1:-1,30,300}" --laeufe "${2:-5}"
