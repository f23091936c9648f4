#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The card after a death, in the real window: a scripted bout (the enemies' choices seeded as a
# bout script's are, the hero standing idle) ends with a gunman's low shot from behind, and the
# title's card says so, with how the bout went.
# Usage: card.sh PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/seed_rand.so
source "$(dirname "$0")/lib.sh"
SEED_RAND=$(realpath "${3:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/seed_rand.so}")
# The seed under which an idle hero facing left dies of the gunman behind him (the bout runner
# shows it: "seed 23", no keys).
export RYKE_TEST_SEED=23
preload=${RYKE_E2E_PRELOAD:+$RYKE_E2E_PRELOAD:}$SEED_RAND
text() { /usr/bin/python3 "$E2E_DIR/screen_text.py" "$@"; }
# The title's right-hand panel: how a bout goes, then the last bout's card.
PANEL=476x350+548+243

need_display
RYKE_E2E_PRELOAD=$preload start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
text wait 5 "$win" '^HOW A BOUT GOES$' "$PANEL" >/dev/null || fail "the title's panel does not tell how a bout goes"
enter_bout "$win"
text wait 90 "$win" '^YOUR LAST BOUT$' "$PANEL" >/dev/null || fail "no card after the hero's death"
screenshot "$win" "$WORK/card.png"
keep_shot "$WORK/card.png" card.png
text read "$win" "$PANEL" >"$WORK/card.txt"
for line in "Killed by a gunman's low shot," "from behind" "Kills: 0" "Clashes won: 0" \
    "Kicks that stunned: 0" "Carnage shots fired: 0 of 0" "Best at 100%: 0"; do
    grep -qxF -- "$line" "$WORK/card.txt" || fail "the card does not say '$line':
$(cat "$WORK/card.txt")"
done
grep -qE '^Time survived: 0:(09|1[0-9])$' "$WORK/card.txt" || fail "the time survived is not some ten seconds:
$(cat "$WORK/card.txt")"
escape_and_wait "$win"
expect_status 0
echo "PASS: the card names the gunman's low shot from behind that killed the idle hero"
