#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine: Ctrl-C (Wine turns a SIGINT into the console's Ctrl-C event)
# ends the game in order, with 130 as on Linux, not with Windows' own status for Ctrl-C.
source "$(dirname "$0")/lib.sh"

wine_game_up "$REPO_ROOT"
desk=$DESKTOP
wait_for_wine_title "$desk" "$WORK/title.png"
kill -INT "$(game_pid)"
wait_exit 30
expect_status 130
echo "PASS: Ctrl-C on the title ended the game with 130"
