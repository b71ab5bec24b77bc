#!/usr/bin/env bash
# Runs one Windows program under Wine, as CMake's emulator for the tests: the build's
# Wine prefix, a Japanese locale (so that Windows' own code page is 932), Qt and the
# MinGW runtime on the Windows PATH. Wine does not hand QT_* variables of the Unix
# environment to Windows programs, so they (and the program's own GAIKYO_*) go through
# envrun.exe. Set by build-windows/wine-run: WINEPREFIX, GAIKYO_WINE_DIR, GAIKYO_WINE_PATH.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
# The offscreen platform of the tests finds fonts only in QT_QPA_FONTDIR, not through
# Windows: there it gets the prefix's fonts, the IPA fonts the prints use.
variables=(QT_FORCE_STDERR_LOGGING=1 'QT_QPA_FONTDIR=C:\windows\Fonts' "PATH=$GAIKYO_WINE_PATH;C:\\windows\\system32;C:\\windows")
while IFS='=' read -r -d '' name value; do
    case "$name" in GAIKYO_WINE_*) ;; QT_* | GAIKYO_*) variables+=("$name=$value") ;; esac
done < <(env -0)
program=$1
shift
# The program as a Windows path: drive Z: is the Unix root.
case "$program" in /*) program="Z:${program//\//\\}" ;; esac
exec wine "$GAIKYO_WINE_DIR/envrun.exe" "${variables[@]}" -- "$program" "$@"
