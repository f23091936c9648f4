#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# ENTER on the title starts a bout (the arena with a full life bar and an empty carnage meter),
# the bout keeps running, and ESC in the bout ends the program cleanly.
source "$(dirname "$0")/lib.sh"

# HUD colours and places: life bar green inside a black frame, carnage meter black while empty.
life_bar=(150 25) life_frame=(75 15) carnage_meter=(900 25)

# shows_bout SHOT: true when the shot has the HUD of a fresh bout.
shows_bout() {
    [[ $(pixel "$1" "${life_bar[@]}") == 0,255,30 &&
        $(pixel "$1" "${life_frame[@]}") == 0,0,0 &&
        $(pixel "$1" "${carnage_meter[@]}") == 0,0,0 ]]
}

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
shows_bout "$WORK/title.png" && fail "the title picture already looks like a bout; this test can't tell them apart"

# bout_now SHOT: takes a screenshot and tells whether it shows a fresh bout.
bout_now() {
    screenshot "$win" "$1"
    shows_bout "$1"
}

# moved_on: the bout goes on: the fighters have moved since the first bout frame, HUD still there.
moved_on() {
    alive "$GAME_PID" || { wait_exit 0; fail "ryke ended during the bout with status $GAME_STATUS"; }
    screenshot "$win" "$WORK/bout-later.png"
    (($(differing_pixels "$WORK/bout-later.png" "$WORK/bout.png") > 500)) &&
        [[ $(pixel "$WORK/bout-later.png" "${life_frame[@]}") == 0,0,0 ]]
}

press_until "$win" Return bout_now "$WORK/bout.png" || fail "no bout HUD after ENTER (life bar pixel $(pixel "$WORK/bout.png" "${life_bar[@]}"))"
keep_shot "$WORK/bout.png" bout.png
# The enemies open their attacks within the first seconds.
poll "$PATIENCE" moved_on || fail "the bout stood still or its arena went"
keep_shot "$WORK/bout-later.png" bout-later.png

escape_and_wait "$win"
expect_status 0
echo "PASS: ENTER starts a bout, ESC in the bout exits 0"
