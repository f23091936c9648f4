#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# ENTER on the title starts a bout (the arena with a full life bar and an empty carnage meter),
# the bout keeps running, and ESC in the bout ends the program cleanly.
# Usage: bout.sh PATH/TO/ryke PATH/TO/ryke_replay
source "$(dirname "$0")/lib.sh"
compose_fresh_hud "$(realpath "${2:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay}")"

# shows_bout SHOT: true when the shot has the HUD of a fresh bout, as the frame composer draws it.
shows_bout() { shows_fresh_hud "$1"; }

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

# moved_on: the bout goes on: the fighters have moved since the first bout frame, the HUD's life
# frame still there.
moved_on() {
    alive "$GAME_PID" || { wait_exit 0; fail "ryke ended during the bout with status $GAME_STATUS"; }
    screenshot "$win" "$WORK/bout-later.png"
    (($(differing_pixels "$WORK/bout-later.png" "$WORK/bout.png") > 500)) &&
        [[ $(pixel "$WORK/bout-later.png" 75 15) == 0,0,0 ]]
}

press_until "$win" Return bout_now "$WORK/bout.png" || fail "no fresh bout's HUD after ENTER"
keep_shot "$WORK/bout.png" bout.png
# The enemies open their attacks within the first seconds.
poll "$PATIENCE" moved_on || fail "the bout stood still or its arena went"
keep_shot "$WORK/bout-later.png" bout-later.png

escape_and_wait "$win"
expect_status 0
echo "PASS: ENTER starts a bout, ESC in the bout exits 0"
