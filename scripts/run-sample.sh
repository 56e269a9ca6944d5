#!/usr/bin/env bash
# The program's main job on the shipped installation folder: the batch tool on the sample
# project of a single-family house in execution planning. Prints each command and its output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target wandheizung-cli
cli="$PWD/build/src/wandheizung-cli"
share="$PWD/share"
sample="$share/projekte/einfamilienhaus-ausfuehrung.bwh"
out=$(mktemp -d)
run() {
    echo
    echo "\$ wandheizung-cli $*"
    "$cli" --appl-dir "$share" --user-dir "$out" "$@"
}
echo "== Beispielprojekt: $sample"
run show "$sample"
run check "$sample"
echo "Alle Räume bestehen die Plausibilitätsprüfungen."
run material "$sample"
run report kosten "$sample" -o "$out/kostenangebot.html" --pdf "$out/kostenangebot.pdf"
echo "Kostenangebot geschrieben: $out/kostenangebot.html ($(wc -c <"$out/kostenangebot.html") Bytes)" \
     "und $out/kostenangebot.pdf ($(wc -c <"$out/kostenangebot.pdf") Bytes)"
run order "$sample" -o "$out/bestellung.txt" --xlsx "$out/bestellung.xlsx" --csv "$out/bestellung.csv" \
    --fax "$out/bestellfax.html"
echo "Bestellung geschrieben: $out/bestellung.txt ($(($(wc -l <"$out/bestellung.txt") - 1)) Positionen)," \
     "als Tabelle $out/bestellung.xlsx und $out/bestellung.csv und das Bestellfax $out/bestellfax.html"
run gaeb "$sample" --phase 83 -o "$out/kostenangebot.x83"
run gaeb "$sample" --phase 84 -o "$out/kostenangebot.x84"
echo "GAEB-Dateien geschrieben: $out/kostenangebot.x83 ($(grep -c '<Item ' "$out/kostenangebot.x83") Positionen)" \
     "und $out/kostenangebot.x84"
run abgleich "$sample" --csv "$out/abgleich.csv" --pdf "$out/abgleich.pdf"
echo "Hydraulischer Abgleich geschrieben: $out/abgleich.csv ($(($(wc -l <"$out/abgleich.csv") - 1)) Zeilen)" \
     "und $out/abgleich.pdf"
echo
echo "== Import eines Wärmebedarfsprojekts"
run convert "$share/projekte/einfamilienhaus.bwb" -o "$out/import.bwh"
run show "$out/import.bwh"
echo
echo "Ergebnisse (Kostenangebot als HTML, PDF und GAEB, Bestellung als Text und Tabelle, Bestellfax," \
     "hydraulischer Abgleich, importiertes Projekt) in $out"

# With a display, the program itself opens on the sample project; the installation folder is
# its working folder, so it finds catalogue, templates and help without any settings.
if [ -n "${DISPLAY:-}" ]; then
    cmake --build build -j2 --target wandheizung
    echo
    echo "== Programm: wandheizung $sample"
    (cd "$share" && "$PWD/../build/src/wandheizung" "$sample")
else
    echo
    echo "Keine Anzeige vorhanden (DISPLAY ist nicht gesetzt): das Programmfenster wird nicht geöffnet."
fi
