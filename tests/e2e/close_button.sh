#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The window's close button ends the program cleanly, on the title screen and in a bout.
source "$(dirname "$0")/lib.sh"

need_display

start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
close_window "$win"
wait_exit 5
expect_status 0
echo "ok: close button on the title exits 0"

start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
hold_key "$win" Return
# Wait until the title is gone, so the close lands in the bout.
for ((i = 0; i < 50; i++)); do
    screenshot "$win" "$WORK/bout.png"
    [[ $(differing_pixels "$WORK/bout.png" "$WORK/enterScreen.png") -gt 3932 ]] 2>/dev/null && break
    sleep 0.1
done
((i < 50)) || fail "the title stayed up after ENTER"
close_window "$win"
wait_exit 5
expect_status 0
echo "PASS: close button exits 0 on the title and in a bout"
