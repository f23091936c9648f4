#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Taps of 15 ms through the X server, shorter than a logic tick (29 ms at full speed, 57 ms at
# half): each made while the hero is free to act is acted on, 10 of 10, at 100% and at 50%.
# Usage: taps.sh PATH/TO/ryke PATH/TO/ryke_replay
source "$(dirname "$0")/lib.sh"
REPLAY=$(realpath "${2:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay}")

# The hero's body, facing left: clear of both enemies' swings, changed by his high kick (K).
hero_strip=100x200+470+330

# compose NAME SCRIPT FRAME: the strip as the game's own composer draws it at that frame.
compose() {
    printf '%b' "$2" >"$WORK/$1.bout"
    (cd "$REPO_ROOT" && "$REPLAY" shots "$WORK/$1.bout" "$WORK" "$3") >/dev/null ||
        fail "the replay tool could not compose $1"
    convert "$WORK/frame-$3.bmp" -crop "$hero_strip" +repage "rgb:$WORK/$1.rgb"
}
compose stand 'frames every 20\nlast 1\n' 1
compose kick 'frames every 20\ntap 2 K 2\nlast 2\n' 2
cmp -s "$WORK/stand.rgb" "$WORK/kick.rgb" && fail "the kick does not change the strip; this test can't see it"

need_display
# A blow that lands within four ticks and a frame of the press crossed it: the hero was busy.
for run in "100 0.16" "50 0.28"; do
    read -r speed busy <<<"$run"
    GAME_ARGS=(--speed "$speed")
    start_game "$REPO_ROOT"
    win=$(find_window Ryke)
    wait_for_title "$win" "$WORK/title.png"
    xdotool windowfocus --sync "$win" 2>>"$WORK/xdotool.log" || true
    enter_bout "$win"
    # A pose shows within a tick and a frame of the tap; a second is room for a busy machine.
    counted=$(/usr/bin/python3 "$E2E_DIR/tap_count.py" "$win" k 10 1 "$busy" "$hero_strip" "$WORK/stand.rgb" "$WORK/kick.rgb") ||
        fail "at $speed%: $counted"
    echo "at $speed%: $counted"
    escape_and_wait "$win"
    expect_status 0
done
echo "PASS: 15 ms taps made while the hero was free were all acted on, at 100% and 50%"
