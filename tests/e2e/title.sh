#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The title screen: the window shows the title picture at 1024 x 768, and ESC ends the program cleanly.
source "$(dirname "$0")/lib.sh"

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
keep_shot "$WORK/title.png" title.png

size=$(identify -format '%wx%h' "$WORK/title.png")
[[ $size == 1024x768 ]] || fail "the window is $size, expected 1024x768"

escape_and_wait "$win"
expect_status 0
echo "PASS: title shown, ESC exits 0"
