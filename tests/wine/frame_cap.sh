#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine takes the frame cap: the still title costs the game far less with
# --fps 30 than without a cap, when it draws as fast as Wine lets it.
source "$(dirname "$0")/lib.sh"

# title_cpu ARGS...: the game's share of one core on its still title over 5 s, in %.
title_cpu() {
    local pid ticks before used
    GAME_ARGS=("$@")
    wine_game_up "$REPO_ROOT"
    wait_for_wine_title "$DESKTOP" "$WORK/title.png"
    pid=$(game_pid)
    ticks=$(getconf CLK_TCK)
    sleep 2
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep 5
    used=$(($(awk '{ print $14 + $15 }' "/proc/$pid/stat") - before))
    escape_ends "$DESKTOP" >&2
    wine_stop
    echo $((used * 100 / (5 * ticks)))
}

uncapped=$(title_cpu)
capped=$(title_cpu --fps 30)
((capped * 2 < uncapped)) || fail "the title took $capped% of a core with --fps 30, $uncapped% without"
echo "PASS: under Wine the still title took $capped% of a core with --fps 30, $uncapped% without; ESC exited 0"
