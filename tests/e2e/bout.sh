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

hold_key "$win" Return
for ((i = 0; i < 50; i++)); do
    screenshot "$win" "$WORK/bout.png"
    shows_bout "$WORK/bout.png" && break
    sleep 0.1
done
keep_shot "$WORK/bout.png" bout.png
shows_bout "$WORK/bout.png" || fail "no bout HUD after ENTER (life bar pixel $(pixel "$WORK/bout.png" "${life_bar[@]}"))"

# The enemies walk in and open their attacks within the first seconds.
sleep 3
alive "$GAME_PID" || { wait_exit 0; fail "ryke ended during the bout with status $GAME_STATUS"; }
screenshot "$win" "$WORK/bout-later.png"
keep_shot "$WORK/bout-later.png" bout-later.png
[[ $(pixel "$WORK/bout-later.png" "${life_frame[@]}") == 0,0,0 ]] || fail "the arena is gone 3 s into the bout"

hold_key "$win" Escape
wait_exit 5
expect_status 0
echo "PASS: ENTER starts a bout, ESC in the bout exits 0"
