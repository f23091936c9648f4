#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine takes the frame cap: on the still title the game costs far less
# with --fps 30 than without a cap, when it draws as fast as Wine lets it. Measured with Wine's
# GDI renderer for the game, set in the prefix for this test only: Wine's default one draws the
# library's DirectDraw through a Direct3D worker thread (wined3d_cs) onto OpenGL, here software
# OpenGL (llvmpipe-N), and after each frame that worker polls for the next one for a while before
# it sleeps, while the game's thread polls for the worker as it hands over a frame, so that at 30
# frames a second Wine alone takes over half a core whatever the game does (see the README). The
# shares are shown by thread: the game's loop (its main thread), its other threads (the
# library's, the sound mixer's) and Wine's renderer, if any.
source "$(dirname "$0")/lib.sh"

RENDERER='HKCU\Software\Wine\AppDefaults\ryke.exe\Direct3D'
wine reg add "$RENDERER" /v renderer /t REG_SZ /d gdi /f >/dev/null 2>&1 || fail "could not choose Wine's GDI renderer"
wineserver -w
renderer_back() {
    wine reg delete "${RENDERER%\\*}" /f >/dev/null 2>&1
    wine_stop
    cleanup
}
trap renderer_back EXIT

# ticks PID: the CPU ticks so far of the game's loop, its other threads, and Wine's renderer.
ticks() {
    local task loop=0 others=0 renderer=0 used
    for task in /proc/"$1"/task/*; do
        used=$(awk '{ print $14 + $15 }' "$task/stat" 2>/dev/null) || continue
        if [[ ${task##*/} == "$1" ]]; then
            loop=$used
            continue
        fi
        case $(cat "$task/comm" 2>/dev/null) in
        wined3d_cs | llvmpipe-*) renderer=$((renderer + used)) ;;
        *) others=$((others + used)) ;;
        esac
    done
    echo "$loop $others $renderer"
}

# title_cpu ARGS...: the shares of one core, in %, that the game's loop, its other threads and
# Wine's renderer took on the still title over 5 s.
title_cpu() {
    local pid hz a=() b=()
    GAME_ARGS=("$@")
    wine_game_up "$REPO_ROOT"
    wait_for_wine_title "$DESKTOP" "$WORK/title.png"
    pid=$(game_pid)
    hz=$(getconf CLK_TCK)
    sleep 2
    read -ra a < <(ticks "$pid")
    sleep 5
    read -ra b < <(ticks "$pid")
    escape_ends "$DESKTOP" >&2
    wine_stop
    echo "$(((b[0] - a[0]) * 100 / (5 * hz))) $(((b[1] - a[1]) * 100 / (5 * hz))) $(((b[2] - a[2]) * 100 / (5 * hz)))"
}

read -r uncapped uncapped_others uncapped_renderer < <(title_cpu)
read -r capped capped_others capped_renderer < <(title_cpu --fps 30)
shown="the game took $((capped + capped_others + capped_renderer))% of a core with --fps 30, \
$((uncapped + uncapped_others + uncapped_renderer))% without: its loop $capped% and $uncapped%, its other threads \
$capped_others% and $uncapped_others%, Wine's renderer threads $capped_renderer% and $uncapped_renderer%"
(((capped + capped_others + capped_renderer) * 4 < uncapped + uncapped_others + uncapped_renderer)) ||
    fail "on the still title $shown"
echo "PASS: under Wine with its GDI renderer, on the still title $shown; ESC exited 0"
