#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The frame cap: with --fps 30 the still title and a bout cost the game a small part of a core,
# where without a cap it draws as fast as it can; the bout still plays (ENTER starts it, ESC ends
# the game with 0). Uncapped, the paused bout still rests between its frames.
source "$(dirname "$0")/lib.sh"

# cpu_percent PID SECONDS: the share of one core the process took over that many seconds.
cpu_percent() {
    local before after ticks
    ticks=$(getconf CLK_TCK)
    before=$(awk '{ print $14 + $15 }' "/proc/$1/stat")
    sleep "$2"
    after=$(awk '{ print $14 + $15 }' "/proc/$1/stat")
    echo $(((after - before) * 100 / ($2 * ticks)))
}

need_display
GAME_ARGS=(--fps 30)
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
pid=$(game_pid)
# A quarter of a core: several times what the capped game takes, so that a busy machine passes.
title=$(cpu_percent "$pid" 4)
((title < 25)) || fail "the capped title took $title% of a core"
enter_bout "$win"
bout=$(cpu_percent "$pid" 4)
((bout < 25)) || fail "the capped bout took $bout% of a core"
escape_and_wait "$win"
expect_status 0

GAME_ARGS=()
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
enter_bout "$win"
hold_key "$win" p
sleep 1
paused=$(cpu_percent "$(game_pid)" 4)
((paused < 25)) || fail "the paused bout without a cap took $paused% of a core"
escape_and_wait "$win"
expect_status 0
echo "PASS: with --fps 30 the title took $title% and the bout $bout% of a core, paused without a cap \
$paused%; ESC exits 0"
