#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine takes the frame cap: on the still title the game's loop (its main
# thread) costs far less with --fps 30 than without a cap, when it draws as fast as Wine lets it.
# Shown apart: the game's other threads (the library's, the sound mixer's), and Wine's Direct3D
# worker (wined3d_cs) with the software OpenGL it draws with here (llvmpipe-N), which stand in
# for a graphics driver and a GPU: after each frame the worker polls for the next one for a while
# before it sleeps, so at 30 frames a second it alone takes about half a core whatever the game does;
# and the loop itself waits for that worker by polling too whenever it hands the library a frame, a
# cost that grows as the machine gets busier (7% to 17% of a core at 30 frames a second here; with
# Wine's GDI renderer instead, 4%). Hence the loop need only take under half its uncapped share.
source "$(dirname "$0")/lib.sh"

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
shown="the game's loop took $capped% of a core with --fps 30, $uncapped% without (its other threads \
$capped_others% and $uncapped_others%, Wine's renderer $capped_renderer% and $uncapped_renderer%)"
((capped * 2 < uncapped)) || fail "on the still title $shown"
echo "PASS: under Wine, on the still title $shown; ESC exited 0"
