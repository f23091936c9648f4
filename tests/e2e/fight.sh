#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A whole bout in the real window: a fresh HUD, the attack key shows the hero's wind-up exactly as
# the game composes it, standing idle gets him killed, the title comes back, and ESC exits 0.
# Usage: fight.sh PATH/TO/ryke PATH/TO/ryke_replay
source "$(dirname "$0")/lib.sh"
REPLAY=$(realpath "${2:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay}")

# The hero stands in the middle; his high wind-up facing left fills this strip.
hero_strip=200x300+412+300

# The strip as the frame composer draws it 0.1 s into a bout where D went down at once: the
# wind-up. Seen in the window, it can only come from the key, whenever the press is taken.
printf 'frames every 20\ntap 0 D 30\nlast 5\n' >"$WORK/attack.bout"
(cd "$REPO_ROOT" && "$REPLAY" shots "$WORK/attack.bout" "$WORK" 5) >/dev/null ||
    fail "the replay tool could not compose the wind-up"
convert "$WORK/frame-5.bmp" -crop "$hero_strip" +repage "$WORK/wind-up.png"
convert "$WORK/wind-up.png" "rgb:$WORK/wind-up.rgb"

# fresh_hud: a screenshot that shows a fresh bout's HUD (a full life bar, an empty carnage meter).
compose_fresh_hud "$REPLAY"
fresh_hud() {
    screenshot "$win" "$WORK/standing.png"
    shows_fresh_hud "$WORK/standing.png"
}

# d_shows_wind_up: D goes down, and the window's hero strip shows the wind-up within 3 s.
d_shows_wind_up() {
    /usr/bin/python3 "$E2E_DIR/watch.py" "$win" "$hero_strip" 3 d "$WORK/wind-up.rgb"
}

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
press_until "$win" Return fresh_hud || fail "no bout after ENTER"
keep_shot "$WORK/standing.png" fight-standing.png
convert "$WORK/standing.png" -crop "$hero_strip" +repage "$WORK/hero-standing.png"
[[ $(compare -metric AE -fuzz 5% "$WORK/hero-standing.png" "$WORK/wind-up.png" null: 2>&1) -gt 500 ]] ||
    fail "the hero's stand already looks like his wind-up; this test can't tell them apart"

# Facing left, D is the high attack (and the high parry, which winds up the same way).
deadline=$((SECONDS + PATIENCE))
until d_shows_wind_up; do
    ((SECONDS < deadline)) || fail "D never showed the hero's wind-up"
done

# Idle from here on: the enemies kill him, and three seconds later the title is back.
# back_at_title: the game runs and shows the title again.
back_at_title() {
    alive "$GAME_PID" || fail "ryke ended during the bout"
    shows_title "$win" "$WORK/later.png"
}
poll 90 back_at_title || fail "the title never came back after standing idle for 90 s"

escape_and_wait "$win"
expect_status 0
echo "PASS: a fresh HUD, D shows the wind-up, an idle hero dies and the title returns"
