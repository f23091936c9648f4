#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A new player's first bout, read off the real window as he would read it: the title tells
# every key in both facings and where to start, C switches the coach (kept in the settings
# file, with the bouts played), the pause sign tells the keys of the way the hero faces, and the
# coach's hints come at their moments in those keys and go once done. At 50% speed, which a new
# player is told to take (about), so that a hint's moment lasts long enough for the test to
# answer it.
source "$(dirname "$0")/lib.sh"
text() { /usr/bin/python3 "$E2E_DIR/screen_text.py" "$@"; }
# Where the words are: the title's keys panel and its ground strip, the pause sign's keys, and
# the sky the coach's hints show in.
KEYS_PANEL=496x350+0+243 GROUND=1024x162+0+606 PAUSE_KEYS=440x250+292+300 SKY=1024x130+0+80
# says PATTERN PART [SECONDS]: the part of the window shows a line matching PATTERN.
says() { text wait "${3:-5}" "$win" "$1" "$2" >/dev/null; }

# answer HINT-PATTERN ALLOWED-KEYS: waits for the hint, checks its key is one of ALLOWED-KEYS for
# the facing, presses it, and the hint must go at once (unanswered, it would stay 6 s). On a busy
# machine the press may come while the hero is still busy (a blow lands first), which the rules
# lose: one more press is allowed, still well inside the 6 s.
answer() {
    local line key exact
    line=$(text wait 30 "$win" "$1" "$SKY") || fail "no hint /$1/ came"
    key=${line%% *}
    screenshot "$win" "$WORK/hint.png"
    keep_shot "$WORK/hint.png" "hint-$key.png"
    [[ " $2 " == *" $key "* ]] || fail "the hint '$line' names $key, not one of $2"
    # That very hint must go: the other height's may come up meanwhile, at its own moment.
    exact="^$(sed 's/[][\\.*^$()+?{}|]/\\&/g' <<<"$line")\$"
    press "$win" "${key,,}"
    if ! text gone 1.5 "$win" "$exact" "$SKY"; then
        press "$win" "${key,,}"
        text gone 1.5 "$win" "$exact" "$SKY" || fail "the hint '$line' stayed after $key, pressed twice"
    fi
    echo "hint '$line' answered"
}

need_display
GAME_ARGS=(--speed 50)
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
xdotool windowfocus --sync "$win" 2>>"$WORK/xdotool.log" || true
screenshot "$win" "$WORK/title-keys.png"
keep_shot "$WORK/title-keys.png" title.png
{ text read "$win" "$KEYS_PANEL" && text read "$win" "$GROUND"; } >"$WORK/title.txt"
while IFS='|' read -r line; do
    grep -qxE -- "$line" "$WORK/title.txt" || fail "the title does not say /$line/:
$(cat "$WORK/title.txt")"
done <<'LINES'
KEYS
the hero facing +left +right
attack or parry high +D +K
attack or parry low +F +J
evade +SPACE
carnage shot +G +H
turn around +H +G
kick behind high +K +D
kick behind low +J +F
ENTER fight +ESC quit +P pause
Speed 50% \(assisted\) +- +LEFT / RIGHT arrows: slower / faster
New here\? Most players do best starting at 60%
C: coach on for your first 5 bouts
LINES

# The coach's switch, kept in the settings at once.
settings=$XDG_CONFIG_HOME/ryke/ryke.cfg
press "$win" c
says '^C: coach off' "$GROUND" || fail "C did not switch the coach off"
grep -qx 'coach = off' "$settings" || fail "the choice was not kept: $(cat "$settings" 2>&1)"
press "$win" c
says '^C: coach on \(hints over the bout\)$' "$GROUND" || fail "C did not switch the coach on again"
grep -qx 'coach = on' "$settings" || fail "the choice was not kept: $(cat "$settings" 2>&1)"
grep -qx 'bouts_played = 0' "$settings" || fail "a bout was counted before any was played: $(cat "$settings")"

enter_bout "$win"
# The pause sign, facing left.
press "$win" p
says '^facing left$' "$PAUSE_KEYS" || fail "the pause sign does not say the hero faces left"
says '^attack or parry high +D$' "$PAUSE_KEYS" || fail "the pause sign does not give D for the high attack facing left"
says '^kick behind low +J$' "$PAUSE_KEYS" || fail "the pause sign does not give J for the low kick facing left"
screenshot "$win" "$WORK/pause-keys.png"
keep_shot "$WORK/pause-keys.png" pause.png
press "$win" p
text gone 3 "$win" '^facing left$' "$PAUSE_KEYS" || fail "P did not end the pause"

# Facing left, the swordsman in front winds up first, then the gunman behind him.
answer ' parry (high|low)$' "D F"
answer ' kick behind (high|low)$' "K J"
# Turned, the gunman is in front and the keys are mirrored. H turns only while the hero is free:
# a blow may keep him busy, so the pause sign is asked which way he faces before H is tried again.
for ((try = 0; ; try++)); do
    ((try < 5)) || fail "H never turned the hero"
    press "$win" h
    press "$win" p
    says '^facing (left|right)$' "$PAUSE_KEYS" || fail "the pause sign does not say which way the hero faces"
    says '^facing right$' "$PAUSE_KEYS" 1 && break
    press "$win" p
    text gone 3 "$win" '^facing left$' "$PAUSE_KEYS" || fail "P did not end the pause"
done
says '^attack or parry high +K$' "$PAUSE_KEYS" || fail "the pause sign does not give K for the high attack facing right"
press "$win" p
text gone 3 "$win" '^facing right$' "$PAUSE_KEYS" || fail "P did not end the pause"
answer ' strike the gunman before he fires$' "K"

escape_and_wait "$win"
expect_status 0
grep -qx 'bouts_played = 1' "$settings" || fail "the bout was not counted: $(cat "$settings")"
grep -qx 'coach = on' "$settings" || fail "the choice was lost with the count: $(cat "$settings")"
echo "PASS: the keys on the title and the pause sign follow the facing, the coach switches and is kept with the bouts played, and its hints go once done"
