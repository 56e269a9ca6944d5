#!/usr/bin/env bash
# The program's main job on the shipped installation folder and sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target wandheizung-cli
share="$PWD/share/"
sample="$share/projekte/Einfamilienhaus Ausfuehrung.bwh"
out=$(mktemp -d)
echo "== Projekt: $sample"
build/src/wandheizung-cli --appl-dir "$share" --user-dir "$out/" show "$sample"
