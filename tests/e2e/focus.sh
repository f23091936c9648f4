#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Away from the keyboard: another window takes the focus in the middle of a bout, and for as
# long as it keeps it the bout stands still under a "Paused" sign, the hero losing no life;
# when the focus comes back the bout goes on.
source "$(dirname "$0")/lib.sh"

# The paused sign's dark plate, in the sky above the fighters; the life bar's row.
plate=(512 230) plate_colour=20,8,8 life_row=25

# life SHOT: the hero's life as the HUD draws it, two green pixels a point from x = 76.
life() {
    local green
    green=$(convert "$1" -crop 200x1+76+$life_row +repage txt:- | grep -c '#00FF1E') || true
    echo $(((green + 1) / 2))
}

paused_now() {
    alive "$GAME_PID" || fail "ryke ended during the bout"
    screenshot "$win" "$1"
    [[ $(pixel "$1" "${plate[@]}") == "$plate_colour" ]]
}

playing_now() {
    alive "$GAME_PID" || fail "ryke ended during the bout"
    screenshot "$win" "$1"
    [[ $(pixel "$1" "${plate[@]}") != "$plate_colour" && $(pixel "$1" 75 15) == 0,0,0 ]]
}

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
xdotool windowfocus --sync "$win" 2>>"$WORK/xdotool.log" || true
enter_bout "$win"
poll "$PATIENCE" playing_now "$WORK/playing.png" || fail "no bout after ENTER"

# A window of our own, beside the game's, takes the keyboard focus.
xmessage -name ryke-focus-thief -geometry +1050+800 "elsewhere" 2>>"$WORK/xmessage.log" &
EXTRA_PIDS+=($!)
thief=
for ((i = 0; i < 100; i++)); do
    thief=$(xdotool search --onlyvisible --classname ryke-focus-thief 2>/dev/null | head -n1) || true
    [[ -n $thief ]] && break
    sleep 0.1
done
[[ -n $thief ]] || fail "the other window never showed"
xdotool windowfocus --sync "$thief" 2>>"$WORK/xdotool.log" || fail "could not move the focus away"
poll "$PATIENCE" paused_now "$WORK/paused.png" || { keep_shot "$WORK/paused.png" not-paused.png; fail "no Paused sign after the focus left"; }
keep_shot "$WORK/paused.png" paused.png
before=$(life "$WORK/paused.png")
((before > 0)) || fail "no life bar on the paused frame"

# Enemies swing every second or two: four seconds would cost life if the bout ran on.
sleep 4
paused_now "$WORK/paused-later.png" || fail "the bout went on while another window had the focus"
after=$(life "$WORK/paused-later.png")
((after == before)) || fail "the hero's life went from $before to $after while away"
changed=$(differing_pixels "$WORK/paused-later.png" "$WORK/paused.png")
[[ $changed == 0 ]] || fail "the paused frame changed ($changed pixels)"

xdotool windowfocus --sync "$win" 2>>"$WORK/xdotool.log" || fail "could not give the focus back"
poll "$PATIENCE" playing_now "$WORK/resumed.png" || fail "the bout stayed paused after the focus came back"
keep_shot "$WORK/resumed.png" resumed.png
resumed=$(life "$WORK/resumed.png")
# A blow already on its way when the focus left may land as the bout goes on, at most one from
# each side (20 life at most each); a catch-up of the four seconds away would land several.
((resumed >= before - 40)) || fail "the hero lost $((before - resumed)) life at once when the bout went on"

escape_and_wait "$win"
expect_status 0
echo "PASS: the bout paused while away (life $before for 4 s) and went on when the focus came back"
