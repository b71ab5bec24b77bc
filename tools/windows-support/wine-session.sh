# shellcheck shell=bash
# Sourced by tools/windows: a Wine prefix for the test run and the servers it needs.
#   wine_session_start DIR   makes DIR/prefix (Japanese locale, the Japanese Windows
#                            fonts played by the IPA fonts), starts a virtual X display
#                            and a persistent wineserver; both stop when the script ends.

wine_session_pids=()
wine_session_stop() {
    wineserver -k 2>/dev/null || true
    [ ${#wine_session_pids[@]} -eq 0 ] || kill "${wine_session_pids[@]}" 2>/dev/null || true
}

wine_session_start() {
    local dir=$1
    export GAIKYO_WINE_DIR=$dir WINEPREFIX=$dir/prefix
    # ja_JP.UTF-8 for Wine only, in the build folder: the machine's locales stay as they are.
    if [ ! -d "$dir/locales/ja_JP.UTF-8" ]; then
        mkdir -p "$dir/locales"
        localedef -i ja_JP -f UTF-8 "$dir/locales/ja_JP.UTF-8"
    fi
    # A virtual display: Qt's offscreen platform still makes Windows windows for its
    # messages, and the setup check looks at the installed program's window.
    local display=120
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    wine_session_pids+=($!)
    echo ":$display" >"$dir/display"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
    trap wine_session_stop EXIT
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
        iconv -f UTF-8 -t UTF-16 "$(dirname "${BASH_SOURCE[0]}")/fonts-ja.reg" >"$dir/fonts-ja.reg"
        wine regedit "$dir/fonts-ja.reg" >/dev/null 2>&1
        wineserver -w
    fi
    # The prefix's Documents, Desktop and the like are its own folders, not links into the
    # home folder: nothing the programs save lands outside the build.
    local folder
    for folder in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$folder" ]; then
            rm "$folder"
            mkdir "$folder"
        fi
    done
    # The IPA fonts as Windows fonts of the prefix: the tests measure text in them.
    cp -u /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/opentype/ipafont-mincho/*.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
    # One wineserver for the whole run: each test program starts in a fraction of the time.
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 || true
}
