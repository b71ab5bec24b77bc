#!/usr/bin/env bash
# Installs build-windows/gaikyo-setup.exe silently under Wine, starts the installed
# program on drive C: of the Wine prefix until its main menu shows, takes a picture of
# it, ends it, and uninstalls silently: the user's data under C:\法人税事業概況書 stay.
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

wine "$build/gaikyo-setup.exe" /S
wineserver -w
[ -x "$installed/gaikyo.exe" ] || [ -f "$installed/gaikyo.exe" ] || fail "gaikyo.exe was not installed"
for f in uninstall.exe qt.conf Qt6Core.dll Qt6PrintSupport.dll plugins/platforms/qwindows.dll \
    translations/qtbase_ja.qm fonts/ipam.ttf fonts/ipagp.ttf; do
    [ -f "$installed/$f" ] || fail "$f was not installed"
done
[ -f "$pledge" ] || fail "the setup program made no pledge file"
shortcut=$(find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name '法人事業概況説明書.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start-menu entry"
echo "installed: $(du -sh "$installed" | cut -f1) in C:\\Program Files\\gaikyo; Start menu: ${shortcut#"$drive_c/"}"

# The installed program, as a user starts it: its own folder, no test root, real drive C:.
(cd "$installed" && exec wine ./gaikyo.exe) >"$build/gaikyo-wine.log" 2>&1 &
program=$!
window=
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
xdotool windowclose "$window" 2>/dev/null || true
for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
wineserver -w 2>/dev/null || true

wine "$installed/uninstall.exe" /S
# The uninstaller copies itself to a temporary folder and runs from there.
for _ in $(seq 60); do
    [ -e "$installed/gaikyo.exe" ] || break
    sleep 0.5
done
wineserver -w 2>/dev/null || true
[ ! -e "$installed/gaikyo.exe" ] || fail "the uninstaller left gaikyo.exe"
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | head -5)"
cmp -s "$data/法人名/7.txt" "$repo/tests/data/registry/master7.txt" ||
    fail "uninstalling touched C:\\法人税事業概況書"
echo "uninstalled; C:\\法人税事業概況書 kept"
