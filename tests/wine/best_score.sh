#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine keeps its best scores in %APPDATA%\ryke\: a score put there shows
# on the title, under ENTER, and neither start says a word about the scores on the console.
source "$(dirname "$0")/lib.sh"

# Wine's %APPDATA%, for the user running Wine.
appdata=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming
[[ -d $appdata ]] || fail "the prefix has no $appdata"
scores=$appdata/ryke/best-scores

# title_shot NAME: starts the game, keeps its title as NAME.png, and quits with ESC.
title_shot() {
    wine_game_up "$REPO_ROOT"
    wait_for_wine_title "$DESKTOP" "$WORK/$1.png"
    keep_shot "$WORK/$1.png" "wine-title-$1.png"
    escape_ends "$DESKTOP"
    if grep "best scores" "$WORK/game.err"; then fail "the game complained about its best scores"; fi
    wine_stop
}

rm -rf "${scores%/*}"
title_shot none
mkdir -p "${scores%/*}"
printf 'ryke best scores\n100 42 2026-11-05\nend\n' >"$scores"
title_shot kept
(($(region_diff "$WORK/kept.png" "$WORK/none.png" "$BEST_LINE") > 50)) || fail "the best kept in %APPDATA%/ryke does not show"
rm -rf "${scores%/*}"
echo "PASS: a best score kept in %APPDATA%/ryke/best-scores shows on the title"
