#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The title shows the assist speed and the best score at it, under the figures: a kept score
# shows, another speed (from --speed or the arrow keys) shows its own, and a damaged score
# file or no home folder costs one line on stderr and nothing else.
source "$(dirname "$0")/lib.sh"

# title_shot NAME [PREFIX...]: starts the game, keeps its title as NAME.png, and quits with ESC.
title_shot() {
    local name=$1
    shift
    start_game "$REPO_ROOT" "$@"
    win=$(find_window Ryke)
    wait_for_title "$win" "$WORK/$name.png"
    keep_shot "$WORK/$name.png" "title-$name.png"
}
quit_title() {
    escape_and_wait "$win"
    expect_status 0
}

scores=$XDG_DATA_HOME/ryke/best-scores
need_display

title_shot none
quit_title
[[ ! -e $scores ]] || fail "a title alone wrote a score file"

mkdir -p "${scores%/*}"
printf 'ryke best scores\n100 42 2026-11-05\n70 9 2026-11-06\nend\n' >"$scores"
title_shot kept
quit_title
(($(region_diff "$WORK/kept.png" "$WORK/none.png" "$BEST_LINE") > 50)) || fail "the kept best does not show"
(($(region_diff "$WORK/kept.png" "$WORK/none.png" "$SPEED_LINE") == 0)) || fail "the speed line changed"

GAME_ARGS=(--speed 70)
title_shot seventy
quit_title
GAME_ARGS=()
(($(region_diff "$WORK/seventy.png" "$WORK/kept.png" "$SPEED_LINE") > 50)) || fail "--speed 70 does not show"
(($(region_diff "$WORK/seventy.png" "$WORK/kept.png" "$BEST_LINE") > 20)) || fail "the best at 70% is the one at 100%"

# Two steps slower and one faster with the arrows: 90%, then 80%, back to 90%, and not 70%.
title_shot arrows
for k in Left Left Right; do hold_key "$win" "$k"; sleep 0.2; done
screenshot "$win" "$WORK/arrows-after.png"
keep_shot "$WORK/arrows-after.png" title-arrows.png
quit_title
(($(region_diff "$WORK/arrows-after.png" "$WORK/none.png" "$SPEED_LINE") > 50)) || fail "the arrows did not change the speed"
(($(region_diff "$WORK/arrows-after.png" "$WORK/seventy.png" "$SPEED_LINE") > 5)) || fail "the arrows went to 70%"
GAME_ARGS=(--speed 90)
title_shot ninety
quit_title
GAME_ARGS=()
(($(region_diff "$WORK/arrows-after.png" "$WORK/ninety.png" "$SPEED_LINE") == 0)) || fail "the arrows did not end at 90%"
# The speed the arrows chose is kept for the next run; --speed is for its run alone.
title_shot kept-speed
quit_title
(($(region_diff "$WORK/kept-speed.png" "$WORK/ninety.png" "$SPEED_LINE") == 0)) || fail "the arrows' speed was not kept"
rm -rf "$XDG_CONFIG_HOME"

printf 'ryke best scores\n100 4' >"$scores"
title_shot damaged
quit_title
grep -q "best scores: .*damaged" "$WORK/game.err" || fail "a damaged file was not reported"
(($(grep -c "^ryke: " "$WORK/game.err") == 1)) || fail "not one line for the damaged file"
(($(region_diff "$WORK/damaged.png" "$WORK/none.png" "$BEST_LINE") == 0)) || fail "a score from a damaged file shows"

title_shot homeless env -u HOME -u XDG_DATA_HOME
quit_title
grep -q "best scores: no home folder" "$WORK/game.err" || fail "no home folder was not reported"
(($(grep -c "^ryke: " "$WORK/game.err") == 1)) || fail "not one line for no home folder"
echo "PASS: the best score and the speed show on the title; damage and no home cost one line"
