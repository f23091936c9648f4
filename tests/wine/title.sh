#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine: the title picture, ENTER starts a bout (its life bar drawn),
# ESC ends the program with status 0.
source "$(dirname "$0")/lib.sh"

wine_game_up "$REPO_ROOT"
desk=$DESKTOP
wait_for_wine_title "$desk" "$WORK/title.png"
keep_shot "$WORK/title.png" wine-title.png

enter_bout_retrying "$desk"
# The first frame that was no longer the title (a gunman's shot may take half the life at once).
keep_shot "$WORK/bout.png" wine-bout.png
life=$(pixel "$WORK/bout.png" 100 25)
[[ $life == 0,255,30 ]] || fail "no life bar in the bout (pixel 100,25 is $life, not 0,255,30)"

escape_ends "$desk"
echo "PASS: title shown under Wine, ENTER started a bout (press $ENTER_TRIES), ESC exited 0"
