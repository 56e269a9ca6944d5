#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks it as an installer's machine would
# see it: the files in their places, the desktop entry, MIME package and AppStream metainfo
# valid, and the installed batch tool working from the installed settings file alone on a
# home folder without user folder. Usage: scripts/install-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=de.belvoro.Wandheizung
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null

fehler=0
pruefe() {
    if [ ! -e "$prefix/$1" ]; then
        echo "FEHLT: $1"
        fehler=1
    fi
}
for f in bin/wandheizung bin/wandheizung-cli \
         share/wandheizung/data/artikel0608.txt share/wandheizung/ausdrucke/kaheader.html \
         share/wandheizung/projekte/einfamilienhaus-ausfuehrung.bwh \
         "share/applications/$id.desktop" "share/mime/packages/$id.xml" \
         "share/metainfo/$id.metainfo.xml" etc/xdg/Belvoro/wh.conf; do
    pruefe "$f"
done
for s in 16 22 24 32 48 64 128 256; do
    pruefe "share/icons/hicolor/${s}x${s}/apps/$id.png"
done
if [ -d share/hilfe ]; then
    pruefe share/wandheizung/hilfe/index.html
fi
[ "$fehler" = 0 ] || exit 1

grep -qx "ApplDir=$prefix/share/wandheizung/" "$prefix/etc/xdg/Belvoro/wh.conf"
grep -qx "UserDir=~/Wandheizung/" "$prefix/etc/xdg/Belvoro/wh.conf"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
# The MIME package must compile, and a project file must be recognised by its name.
XDG_DATA_DIRS="$prefix/share:/usr/share" update-mime-database "$prefix/share/mime"
grep -q "application/x-wandheizung-projekt" "$prefix/share/mime/globs2"
grep -q "application/x-waermebedarf-projekt" "$prefix/share/mime/globs2"

# The installed batch tool with nothing but the installed settings: a fresh home folder,
# no --appl-dir, no --user-dir, and no system settings folder that names the prefix (the tool
# finds PREFIX/etc/xdg beside its bin/ folder). Its user folder is created on the way.
mkdir -p "$tmp/xdg-leer"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_CONFIG_DIRS="$tmp/xdg-leer"
mkdir -p "$HOME"
cli="$prefix/bin/wandheizung-cli"
sample="$prefix/share/wandheizung/projekte/einfamilienhaus-ausfuehrung.bwh"
"$cli" check "$sample" >/dev/null
"$cli" material "$sample" >"$tmp/material.txt"
"$cli" report kosten "$sample" -o "$HOME/Wandheizung/ausdrucke/kostenangebot.html"
# PDF output comes from the module in the installed library folder.
"$cli" report kosten "$sample" --pdf "$tmp/kostenangebot.pdf"
[ -s "$tmp/kostenangebot.pdf" ] || { echo "PDF nicht geschrieben"; exit 1; }
# Workbooks come from libxlsxwriter, loaded when one is written.
"$cli" material "$sample" --xlsx "$tmp/material.xlsx" >/dev/null
[ -s "$tmp/material.xlsx" ] || { echo "XLSX nicht geschrieben"; exit 1; }
for d in projekte ausdrucke data; do
    [ -d "$HOME/Wandheizung/$d" ] || { echo "Benutzerordner ohne $d/"; exit 1; }
done
grep -q "Kostenangebot" "$HOME/Wandheizung/ausdrucke/kostenangebot.html"

# A user folder that cannot be created is named; the command still does its work.
touch "$tmp/datei"
"$cli" --user-dir "$tmp/datei/" check "$sample" >/dev/null 2>"$tmp/err.txt"
grep -q "Ordner $tmp/datei konnte nicht angelegt werden!" "$tmp/err.txt"

# A catalogue that is not there ends with exit code 20 and names the file.
rc=0
"$cli" --appl-dir "$tmp/leer" check "$sample" 2>"$tmp/err.txt" || rc=$?
[ "$rc" = 20 ] && grep -q "artikel0608.txt konnte nicht geöffnet werden" "$tmp/err.txt"

echo "Installation in $prefix geprüft: Dateien, Desktop-Eintrag, MIME-Typen, Metainfo, Stapelprogramm."
