#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The keys page from the title: the high key on the left (D) moved to L; in a bout L winds up the
# high attack facing left and D does nothing; the key is kept across a restart; a damaged settings
# file costs one line on stderr, the defaults, and is left as it was.
# Usage: keys.sh PATH/TO/ryke PATH/TO/ryke_replay
source "$(dirname "$0")/lib.sh"
REPLAY=$(realpath "${2:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay}")

hero_strip=200x300+412+300
printf 'frames every 20\ntap 0 D 30\nlast 5\n' >"$WORK/attack.bout"
(cd "$REPO_ROOT" && "$REPLAY" shots "$WORK/attack.bout" "$WORK" 5) >/dev/null || fail "could not compose the wind-up"
convert "$WORK/frame-5.bmp" -crop "$hero_strip" +repage "rgb:$WORK/wind-up.rgb"
compose_fresh_hud "$REPLAY"
settings=$XDG_CONFIG_HOME/ryke/ryke.cfg
# The page's rows, where the keys show.
ROWS=1024x320+0+190

start_at_title() {
    start_game "$REPO_ROOT"
    win=$(find_window Ryke)
    wait_for_title "$win" "$WORK/title.png"
}
on_page() {
    screenshot "$win" "$1"
    (($(region_diff "$1" "$WORK/title.png" "$ROWS") > 20000))
}
wind_up_on() { /usr/bin/python3 "$E2E_DIR/watch.py" "$win" "$hero_strip" "$2" "$1" "$WORK/wind-up.rgb"; }

need_display
start_at_title
press_until "$win" Tab on_page "$WORK/page.png" || fail "TAB did not open the keys page"
keep_shot "$WORK/page.png" keys-page.png
# The first row is the left high key (D): ENTER, then L.
hold_key "$win" Return
sleep 0.3
hold_key "$win" l
sleep 0.5
screenshot "$win" "$WORK/page-moved.png"
keep_shot "$WORK/page-moved.png" keys-page-moved.png
(($(region_diff "$WORK/page-moved.png" "$WORK/page.png" 120x40+140+190) > 10)) || fail "the first row's key did not change"
# A key in use: J, with why.
hold_key "$win" Down
hold_key "$win" Return
sleep 0.3
hold_key "$win" k
sleep 0.5
screenshot "$win" "$WORK/page-refused.png"
keep_shot "$WORK/page-refused.png" keys-page-refused.png
(($(region_diff "$WORK/page-refused.png" "$WORK/page-moved.png" 1024x40+0+550) > 50)) || fail "a key in use was not refused with a word"
hold_key "$win" Escape
hold_key "$win" Escape
poll "$PATIENCE" shows_title "$win" "$WORK/back.png" || fail "ESC did not go back to the title"
alive "$GAME_PID" || fail "ESC on the keys page ended the game"
grep -q '^left_high = L$' "$settings" || fail "the new key was not kept: $(cat "$settings" 2>&1)"
grep -q '^left_low = F$' "$settings" || fail "the refused key was kept"

# In a bout (facing left): D does nothing now, L winds up the high attack.
press_until "$win" Return eval 'screenshot "$win" "$WORK/bout.png"; shows_fresh_hud "$WORK/bout.png"' || fail "no bout"
wind_up_on d 2 && fail "the old key D still attacks"
deadline=$((SECONDS + PATIENCE))
until wind_up_on l 3; do ((SECONDS < deadline)) || fail "L never wound up the high attack"; done
escape_and_wait "$win"
expect_status 0

# Kept across a restart: the page shows L again, and L still plays.
start_at_title
press_until "$win" Tab on_page "$WORK/page-again.png" || fail "TAB did not open the keys page again"
(($(region_diff "$WORK/page-again.png" "$WORK/page-moved.png" 1024x40+0+190) == 0)) || fail "the moved key was not kept"
hold_key "$win" Escape
poll "$PATIENCE" shows_title "$win" "$WORK/back.png" || fail "ESC did not go back to the title"
escape_and_wait "$win"
expect_status 0

# A damaged file: one line, the defaults, the file as it was, even after F11 and the arrows.
printf '[ryke]\nspeed = 55\n[keys]\nleft_high = L\n' >"$settings"
cp "$settings" "$WORK/damaged.cfg"
start_at_title
hold_key "$win" Left
hold_key "$win" F11
sleep 1
hold_key "$win" F11
escape_and_wait "$win"
expect_status 0
grep -q "^ryke: settings: .*ryke.cfg is damaged: speed = 55 .*left as it is" "$WORK/game.err" || fail "the damage was not reported: $(cat "$WORK/game.err")"
(($(grep -c '^ryke: ' "$WORK/game.err") == 1)) || fail "not one line for the damaged file"
cmp -s "$settings" "$WORK/damaged.cfg" || fail "the damaged file was replaced"
echo "PASS: a key moved on the keys page plays, the old one does not, it is kept; damage is reported and kept"
