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

# fresh_hud: a screenshot that shows the bout's HUD (a full life bar).
fresh_hud() {
    screenshot "$win" "$WORK/standing.png"
    [[ $(pixel "$WORK/standing.png" 274 25) == 0,255,30 ]]
}

hold_key "$win" Return
poll 5 fresh_hud || fail "no bout after ENTER"
bout_began=$(date +%s%N)
keep_shot "$WORK/standing.png" fight-standing.png
# Full life: green to x 274 inside a black frame; an empty carnage meter.
[[ $(pixel "$WORK/standing.png" 274 25) == 0,255,30 ]] || fail "life bar not full at the start"
[[ $(pixel "$WORK/standing.png" 275 25) == 0,0,0 ]] || fail "life bar longer than full"
[[ $(pixel "$WORK/standing.png" 900 25) == 0,0,0 ]] || fail "carnage meter not empty"

# hero_changed: the hero's strip, taken alone so that the short wind-up is caught, differs
# from the standing one.
hero_changed() {
    import -window "$win" -crop "$hero_strip" +repage "$WORK/hero-attacking.png" 2>>"$WORK/import.log" ||
        fail "could not take a screenshot of window $win"
    (($(differing_pixels "$WORK/hero-attacking.png" "$WORK/hero-standing.png") > 500))
}

# Facing left, D is the high attack: his wind-up picture replaces the stand.
convert "$WORK/standing.png" -crop "$hero_strip" +repage "$WORK/hero-standing.png"
# The first enemies attack 1.5 s into the bout, and a lunge or a blow changes the strip too: only
# a change before then is the hero's own. A press the window missed is made again.
pressed=0
until hero_changed; do
    now=$(date +%s%N)
    ((now - bout_began < 1200000000)) || fail "the attack key did not change the hero's picture"
    if ((now - pressed > 400000000)); then
        xdotool keyup --window "$win" d keydown --window "$win" d
        pressed=$now
    fi
done
xdotool keyup --window "$win" d
keep_shot "$WORK/hero-attacking.png" fight-attacking.png

# Idle from here on: the enemies kill him, and three seconds later the title is back.
# back_at_title: the game runs and shows the title again.
back_at_title() {
    alive "$GAME_PID" || fail "ryke ended during the bout"
    shows_title "$win" "$WORK/later.png"
}
poll 40 back_at_title || fail "the title never came back after standing idle for 40 s"

hold_key "$win" Escape
wait_exit 5
expect_status 0
echo "PASS: a fresh HUD, an attack changes the picture, an idle hero dies and the title returns"
