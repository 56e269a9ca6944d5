#!/usr/bin/env bash
# Builds everything and runs the whole test suite. Usage: scripts/test.sh [BUILD_DIR] [extra cmake args]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --test-dir "$build" --output-on-failure -j2
