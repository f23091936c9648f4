#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The window's close button ends the program cleanly, on the title screen and in a bout.
source "$(dirname "$0")/lib.sh"

need_display

start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
close_window "$win"
wait_exit "$PATIENCE"
expect_status 0
echo "ok: close button on the title exits 0"

start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
enter_bout "$win"
close_window "$win"
wait_exit "$PATIENCE"
expect_status 0
echo "PASS: close button exits 0 on the title and in a bout"
