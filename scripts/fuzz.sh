#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz (clang, address and undefined-behaviour
# sanitizers) and runs each on its corpus for SECONDS (default 20). Fails on any crash,
# sanitizer report, leak or input that runs longer than 10 s.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: projekt import katalog anwender vorlage ablauf datanorm)
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-20}
shift || true
ziele=("$@")
[ ${#ziele[@]} -gt 0 ] || ziele=(projekt import katalog anwender vorlage ablauf datanorm)

bash scripts/deps.sh
fehlend=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installing: ${fehlend[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWH_FUZZ=ON \
    -DWH_BUILD_GUI=OFF >/dev/null
cmake --build build-fuzz -j2 --target $(printf 'fuzz_%s ' "${ziele[@]}")

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
arbeit=build-fuzz/lauf
mkdir -p "$arbeit"
ergebnis=0
for ziel in "${ziele[@]}"; do
    # New inputs go to a scratch folder; the seed corpus in the repository stays as it is.
    neu="$arbeit/$ziel"
    mkdir -p "$neu"
    echo "== fuzz_$ziel: $sekunden s"
    if ! build-fuzz/fuzz/fuzz_"$ziel" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=4096 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$arbeit/$ziel-" \
        "$neu" "fuzz/corpus/$ziel" 2>"$arbeit/$ziel.log"; then
        ergebnis=1
        tail -n 60 "$arbeit/$ziel.log"
        echo "fuzz_$ziel: FEHLER (Eingabe unter $arbeit/$ziel-*)"
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$arbeit/$ziel.log" || true
        echo "fuzz_$ziel: ok"
    fi
done
exit $ergebnis
