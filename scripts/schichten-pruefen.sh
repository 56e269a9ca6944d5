#!/usr/bin/env bash
# Checks the one-way layers of src/: a file includes only headers of its own layer and of the
# layers below it, in the order app → model → design → material → reports → druck → ui, cli
# (ui and cli stand side by side and know nothing of each other; src/main.cpp stands above all).
# Prints every include that goes upward or sideways with its file and line; exit code 1 then.
# Usage: scripts/schichten-pruefen.sh [SRCDIR]
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"
declare -A rang=([app]=0 [model]=1 [design]=2 [material]=3 [reports]=4 [druck]=5 [ui]=6 [cli]=6)
fehler=0
while IFS= read -r -d '' datei; do
    rel="${datei#"$src"/}"
    schicht="${rel%%/*}"
    [ "$schicht" = "$rel" ] && continue # src/main.cpp: the top
    if [ -z "${rang[$schicht]+x}" ]; then
        echo "$rel: Ordner $schicht gehört zu keiner Schicht" >&2
        fehler=1
        continue
    fi
    while IFS=: read -r zeile text; do
        ziel="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")"
        zielschicht="${ziel%%/*}"
        [ "$zielschicht" = "$ziel" ] && continue # a header beside the file
        [ "$zielschicht" = "$schicht" ] && continue
        if [ -z "${rang[$zielschicht]+x}" ]; then
            echo "$rel:$zeile: #include \"$ziel\" nennt keine Schicht" >&2
            fehler=1
        elif [ "${rang[$zielschicht]}" -ge "${rang[$schicht]}" ]; then
            echo "$rel:$zeile: #include \"$ziel\" greift von $schicht nach $zielschicht" >&2
            fehler=1
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$datei" || true)
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "$fehler" -ne 0 ]; then
    echo "Schichtenfolge verletzt (app → model → design → material → reports → druck → ui, cli)." >&2
    exit 1
fi
echo "Schichtenfolge eingehalten."
