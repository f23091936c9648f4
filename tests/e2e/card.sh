#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The card after a death, in the real window: a scripted bout ends with a gunman's low shot from
# behind, and the title's card says so, with how the bout went. The bout is the bout runner's
#   seed 23 / down 0 K / up 20 K
# the enemies' choices seeded as there, K held as the bout starts (facing left, the hero kicks the
# gunman behind him at once, which puts off the gunman's shots by a few tenths), then nothing: the
# swordsman in front strikes high five times, the gunman behind shoots high, then low, and that
# low shot lands half a second before the swordsman's sixth blow would.
# Usage: card.sh PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/seed_rand.so
source "$(dirname "$0")/lib.sh"
SEED_RAND=$(realpath "${3:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/seed_rand.so}")
export RYKE_TEST_SEED=23
preload=${RYKE_E2E_PRELOAD:+$RYKE_E2E_PRELOAD:}$SEED_RAND
text() { /usr/bin/python3 "$E2E_DIR/screen_text.py" "$@"; }
# The title's right-hand panel: how a bout goes, then the last bout's card.
PANEL=520x350+500+243

need_display
RYKE_E2E_PRELOAD=$preload start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
text wait 5 "$win" '^HOW A BOUT GOES$' "$PANEL" >/dev/null || fail "the title's panel does not tell how a bout goes"
xdotool windowfocus --sync "$win" 2>>"$WORK/xdotool.log" || true
xdotool keydown --window "$win" k 2>>"$WORK/xdotool.log" || fail "could not hold K"
enter_bout "$win"
xdotool keyup --window "$win" k 2>>"$WORK/xdotool.log" || true
text wait 90 "$win" '^YOUR LAST BOUT$' "$PANEL" >/dev/null || fail "no card after the hero's death"
screenshot "$win" "$WORK/card.png"
keep_shot "$WORK/card.png" card.png
text read "$win" "$PANEL" >"$WORK/card.txt"
for line in "Killed by a gunman's low shot," "from behind" "Kills: 0" "Clashes won: 0" \
    "Kicks that stunned: 1" "Carnage shots fired: 0 of 0" "Best at 100%: none yet"; do
    grep -qxF -- "$line" "$WORK/card.txt" || fail "the card does not say '$line':
$(cat "$WORK/card.txt")"
done
grep -qE '^Time survived: 0:(09|1[0-9])$' "$WORK/card.txt" || fail "the time survived is not some ten seconds:
$(cat "$WORK/card.txt")"
escape_and_wait "$win"
expect_status 0
echo "PASS: the card names the gunman's low shot from behind that killed the idle hero"
