#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A whole bout in the real window: a fresh HUD, an attack key changes the hero's picture,
# standing idle gets him killed, the title comes back, and ESC there exits 0.
source "$(dirname "$0")/lib.sh"

# The hero stands in the middle; nobody else reaches this strip before the first attack.
hero_strip=200x300+412+300

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"

hold_key "$win" Return
sleep 0.3
screenshot "$win" "$WORK/standing.png"
keep_shot "$WORK/standing.png" fight-standing.png
# Full life: green to x 274 inside a black frame; an empty carnage meter.
[[ $(pixel "$WORK/standing.png" 274 25) == 0,255,30 ]] || fail "life bar not full at the start"
[[ $(pixel "$WORK/standing.png" 275 25) == 0,0,0 ]] || fail "life bar longer than full"
[[ $(pixel "$WORK/standing.png" 900 25) == 0,0,0 ]] || fail "carnage meter not empty"

# Facing left, D is the high attack: his wind-up picture replaces the stand.
xdotool keydown --window "$win" d
sleep 0.12
screenshot "$win" "$WORK/attacking.png"
xdotool keyup --window "$win" d
keep_shot "$WORK/attacking.png" fight-attacking.png
convert "$WORK/standing.png" -crop "$hero_strip" +repage "$WORK/hero-standing.png"
convert "$WORK/attacking.png" -crop "$hero_strip" +repage "$WORK/hero-attacking.png"
changed=$(differing_pixels "$WORK/hero-attacking.png" "$WORK/hero-standing.png")
[[ $changed =~ ^[0-9]+$ ]] && ((changed > 500)) ||
    fail "the attack key did not change the hero's picture ($changed pixels)"

# Idle from here on: the enemies kill him, and three seconds later the title is back.
for ((i = 0; i < 40; i++)); do
    sleep 1
    alive "$GAME_PID" || fail "ryke ended during the bout"
    screenshot "$win" "$WORK/later.png"
    diff=$(differing_pixels "$WORK/later.png" "$WORK/enterScreen.png")
    [[ $diff =~ ^[0-9]+$ ]] && ((diff <= 3932)) && break
done
((i < 40)) || fail "the title never came back after standing idle for 40 s"

hold_key "$win" Escape
wait_exit 5
expect_status 0
echo "PASS: a fresh HUD, an attack changes the picture, an idle hero dies and the title returns"
