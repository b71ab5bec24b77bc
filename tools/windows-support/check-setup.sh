#!/usr/bin/env bash
# Installs build-windows/gaikyo-setup.exe silently under Wine, starts the installed
# program on drive C: of the Wine prefix until its main menu shows, takes a picture of
# it, saves a company's A4 pages as a PDF, ends it, and uninstalls silently: the user's
# data under C:\法人税事業概況書 stay.
# Runs inside tools/windows's Wine session (WINEPREFIX, DISPLAY, GAIKYO_WINE_DIR set).
#   check-setup.sh BUILD-DIR
set -euo pipefail
build=$1
repo="$(cd "$(dirname "$0")/../.." && pwd)"
source "$(dirname "$0")/wine-env.sh"
drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/gaikyo
pledge=$drive_c/Program\ Files/法人税事業概況書の誓約書.txt
data=$drive_c/法人税事業概況書
shots=$build/screens
mkdir -p "$shots"
fail() {
    echo "setup check: $*" >&2
    exit 1
}

# A clean drive C: for the check: no earlier installation, no pledge, one company's data.
rm -rf "$installed" "$pledge" "$data"
mkdir -p "$data/法人名"
cp "$repo/tests/data/registry/master7.txt" "$data/法人名/7.txt"

# wine returns when the setup program has ended (a persistent wineserver never does).
wine "$build/gaikyo-setup.exe" /S
[ -x "$installed/gaikyo.exe" ] || [ -f "$installed/gaikyo.exe" ] || fail "gaikyo.exe was not installed"
for f in uninstall.exe qt.conf Qt6Core.dll Qt6PrintSupport.dll plugins/platforms/qwindows.dll \
    translations/qtbase_ja.qm fonts/ipam.ttf fonts/ipagp.ttf; do
    [ -f "$installed/$f" ] || fail "$f was not installed"
done
[ -f "$pledge" ] || fail "the setup program made no pledge file"
shortcut=$(find "$drive_c" -path '*Start Menu*' -name '法人事業概況説明書.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start-menu entry"
echo "installed: $(du -sh "$installed" | cut -f1) in C:\\Program Files\\gaikyo; Start menu: ${shortcut#"$drive_c/"}"

# The installed program, as a user starts it: its own folder, no test root, real drive C:.
window=
(cd "$installed" && exec wine ./gaikyo.exe) >"$build/gaikyo-wine.log" 2>&1 &
program=$!
for _ in $(seq 120); do
    window=$(xdotool search --name '法人税事業概況書\(FB1005\)' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
[ -n "$window" ] || { cat "$build/gaikyo-wine.log" >&2; fail "the main menu did not show"; }
sleep 3 # the lists and the first paint
import -window root "$shots/main-menu-wine.png"
title=$(xdotool getwindowname "$window")
echo "main menu shown: \"$title\" (picture: $shots/main-menu-wine.png)"
# The program writes the accepted pledge into the file the setup program made.
cmp -s "$pledge" "$repo/tests/data/pledge/accepted.txt" ||
    fail "the pledge file is not the accepted pledge, byte for byte"

# The company's A4 pages saved as a PDF, as a user does it: code 7 and 会社呼出, 印刷,
# PDFに保存, and the Windows save dialog's suggestion taken with Enter. The places are
# the buttons' own (twips / 15 = pixels).
window_named() {
    for _ in $(seq 60); do
        xdotool search --name "$1" 2>/dev/null | tail -1 && return 0
        sleep 0.5
    done
    return 1
}
documents=$(find "$drive_c/users" -mindepth 2 -maxdepth 2 -name Documents | head -1)
pdf="$documents/7_株式会社見本_FB1005.pdf"
rm -f "$pdf"
xdotool windowfocus --sync "$window"
xdotool type --delay 100 7
xdotool mousemove --window "$window" 92 12 click 1 # 会社呼出
sleep 2
xdotool mousemove --window "$window" 36 252 click 1 # 印刷
print_window=$(window_named '^印刷$') || fail "the print screen did not open"
sleep 2
xdotool mousemove --window "$print_window" 512 300 click 1 # PDFに保存
# The save dialog: the window of that title that is larger than a button.
dialog=
for _ in $(seq 60); do
    for candidate in $(xdotool search --name '^PDFに保存$' 2>/dev/null); do
        width=$(xdotool getwindowgeometry "$candidate" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
        [ "${width:-0}" -gt 300 ] && dialog=$candidate
    done
    [ -n "$dialog" ] && break
    sleep 0.5
done
[ -n "$dialog" ] || fail "the save dialog did not open"
sleep 1
import -window root "$shots/save-dialog-wine.png"
xdotool windowfocus --sync "$dialog"
xdotool key Return
for _ in $(seq 60); do
    [ -s "$pdf" ] && break
    sleep 0.5
done
[ -s "$pdf" ] || fail "no PDF was saved in the Documents folder (screens: $shots)"
sleep 1
[ "$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')" = 2 ] || fail "the PDF has not two pages"
pdftotext "$pdf" - | grep -q '株式会社見本' || fail "the PDF has not the company's name"
pdftoppm -r 100 -png -f 1 -l 1 -singlefile "$pdf" "$shots/a4-front-wine"
echo "A4 pages saved as PDF by the installed program (front page: $shots/a4-front-wine.png)"
xdotool windowclose "$print_window" 2>/dev/null || true
sleep 1
xdotool windowclose "$window" 2>/dev/null || true
for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true

wine "$installed/uninstall.exe" /S
# The uninstaller copies itself to a temporary folder and runs from there.
for _ in $(seq 60); do
    [ -e "$installed/gaikyo.exe" ] || break
    sleep 0.5
done
[ ! -e "$installed/gaikyo.exe" ] || fail "the uninstaller left gaikyo.exe"
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | head -5)"
cmp -s "$data/法人名/7.txt" "$repo/tests/data/registry/master7.txt" ||
    fail "uninstalling touched C:\\法人税事業概況書"
echo "uninstalled; C:\\法人税事業概況書 kept"
