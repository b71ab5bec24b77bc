# shellcheck shell=bash
# Sourced: the environment every Wine command of the Windows build runs in.
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# No .NET and no browser engine: Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Windows' system code page follows the Unix locale: ja_JP gives code page 932.
# (This shell itself cannot take that locale: it only hands it on.)
export LOCPATH="$GAIKYO_WINE_DIR/locales"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 2>/dev/null
[ -f "$GAIKYO_WINE_DIR/display" ] && DISPLAY=$(cat "$GAIKYO_WINE_DIR/display") && export DISPLAY
true
