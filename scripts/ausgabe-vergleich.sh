#!/usr/bin/env bash
# Runs the built batch tool on every shipped sample project and on the benchmark's generated
# projects (1, 30 and 300 rooms) and stores what each command prints and writes in OUTDIR:
# stdout, stderr, exit code and every written file (PDFs as their text, since their bytes carry
# the date). Builds nothing; run it on two builds and compare with `diff -r`.
# Usage: scripts/ausgabe-vergleich.sh OUTDIR [BUILDDIR]   (BUILDDIR defaults to build)
set -euo pipefail
[ $# -ge 1 ] || { echo "Aufruf: $0 AUSGABEORDNER [BUILDORDNER]" >&2; exit 2; }
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${2:-$repo/build}" && pwd)"
cli="$build/src/wandheizung-cli"
gen="$build/bench/wandheizung-bench-projekte"
for p in "$cli" "$gen"; do
    [ -x "$p" ] || { echo "Nicht gebaut: $p" >&2; exit 2; }
done
command -v pdftotext >/dev/null || { echo "pdftotext fehlt (poppler-utils)" >&2; exit 2; }
mkdir -p "$1"
out="$(cd "$1" && pwd)"
share="$repo/share"
# A fixed working folder, so that paths in messages are the same in every run.
arbeit="${TMPDIR:-/tmp}/wh-ausgabe-vergleich"
rm -rf "$arbeit"
mkdir -p "$arbeit/projekte"
cd "$arbeit"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 XDG_CONFIG_HOME="$arbeit/config"

cp "$share"/projekte/* projekte/
"$gen" "$share" projekte
mkdir -p "$out/projekte"
cp projekte/projekt-*.bwh "$out/projekte/"

# One run: NAME then the arguments. A fresh user folder and output folder per run; everything
# that lands in either is kept.
run() {
    local name="$1"
    shift
    rm -rf benutzer aus
    mkdir -p benutzer aus
    local rc=0
    "$cli" --appl-dir "$share" --user-dir benutzer "$@" >stdout 2>stderr || rc=$?
    local ziel="$out/$name"
    mkdir -p "$ziel"
    mv stdout stderr "$ziel/"
    echo "$rc" >"$ziel/exitcode"
    local f
    for d in aus benutzer; do
        while IFS= read -r -d '' f; do
            mkdir -p "$ziel/$(dirname "$f")"
            if [[ "$f" == *.pdf ]]; then
                pdftotext -layout "$f" "$ziel/$f.txt"
            else
                cp "$f" "$ziel/$f"
            fi
        done < <(find "$d" -type f -print0)
    done
}

run help --help
run catalogue catalogue -o aus/katalog.txt
for pfad in projekte/*; do
    p="$(basename "$pfad")"
    run "$p/show" show "$pfad"
    run "$p/check" check "$pfad"
    run "$p/convert" convert "$pfad" -o aus/konvertiert.bwh
    run "$p/material" material "$pfad"
    run "$p/material-units" material "$pfad" --units -o aus/material.txt
    run "$p/material-mwst" material "$pfad" --mwst 7
    for art in eingaben kosten eingaben1 eingaben2 kostenvoranschlag kostenangebot; do
        run "$p/report-$art" report "$art" "$pfad" -o aus/bericht.html --pdf aus/bericht.pdf
        run "$p/report-$art-html" report "$art" "$pfad" -o aus/bericht.html
        run "$p/report-$art-stdout" report "$art" "$pfad" --mwst 16
    done
    run "$p/order" order "$pfad" -o aus/bestellung.txt --fax aus/bestellfax.html \
        --kunden-nr 4711 --lieferart Abholung --bemerkung "Bitte anrufen"
    run "$p/order-plain" order "$pfad" -o aus/bestellung.txt
    run "$p/abgleich" abgleich "$pfad" --csv aus/abgleich.csv -o aus/abgleich.html
    run "$p/abgleich-stdout" abgleich "$pfad" --spreizung 7
done
run fehler-datei show projekte/gibt-es-nicht.bwh
run fehler-aufruf report unbekannt projekte/einfamilienhaus.bwb
cd /
rm -rf "$arbeit"
echo "Ausgaben in $out: $(find "$out" -type f | wc -l) Dateien"
