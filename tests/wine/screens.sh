#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build's screens under Wine: the title in the 1024 x 768 window is the picture the
# others are checked against; F11 fills the prefix's 1280 x 1000 desktop with it fitted
# (1280 x 960) and black above and below, and goes back to the window; --fullscreen starts there;
# in a desktop of 2200 x 1700 of its own, --scale 2 opens a 2048 x 1536 window showing the title
# with each pixel doubled.
# An X server large enough for the second desktop.
XVFB_SCREEN=2400x1800x24
source "$(dirname "$0")/lib.sh"

# desktop_shot DESKTOP SHOT: the whole desktop, as it is.
desktop_shot() {
    alive "$GAME_PID" || { wait_exit 0; fail "ryke ended with $GAME_STATUS"; }
    timeout 10 import -window "$1" "$2" 2>>"$WORK/import.log" || fail "could not take a screenshot of the desktop"
}
# like_title SHOT GEOMETRY W H: whether that part of SHOT is the window's title ($WORK/title.png)
# stretched to W x H (ImageMagick and the library round a fractional scale's edges apart: 3% may
# differ).
like_title() {
    local diff
    convert "$WORK/title.png" -sample "$3x$4!" "$WORK/expected.png"
    convert "$1" -crop "$2" +repage "$WORK/part.png"
    diff=$(compare -metric AE -fuzz 5% "$WORK/part.png" "$WORK/expected.png" null: 2>&1 | awk '{ printf "%d\n", $1 }') || true
    [[ $diff =~ ^[0-9]+$ ]] && ((diff <= $3 * $4 * 3 / 100))
}
fullscreen_now() {
    desktop_shot "$desk" "$WORK/full.png"
    like_title "$WORK/full.png" 1280x960+0+20 1280 960 && [[ $(pixel "$WORK/full.png" 640 5) == 0,0,0 ]]
}
window_now() {
    desktop_shot "$desk" "$WORK/window.png"
    [[ $(pixel "$WORK/window.png" 640 5) != 0,0,0 ]] && ! fullscreen_now
}

# switch_to CHECK: F11 until CHECK holds, at most three presses; before each a click on the
# game's window, which Wine may not have handed the keyboard yet.
switch_to() {
    local try
    for try in 1 2 3; do
        click "$desk" 640 500
        sleep 0.5
        hold_key "$desk" F11
        poll 15 "$1" && return 0
        echo "F11 press $try was lost" >&2
    done
    return 1
}

# The window first: its title is what the larger screens must show.
GAME_ARGS=(--window)
wine_game_up "$REPO_ROOT"
desk=$DESKTOP
wait_for_wine_title "$desk" "$WORK/title.png"
keep_shot "$WORK/title.png" wine-title.png
switch_to fullscreen_now || { keep_shot "$WORK/full.png" wine-not-fullscreen.png; fail "F11 did not fill the desktop with the title"; }
keep_shot "$WORK/full.png" wine-fullscreen.png
switch_to window_now || fail "F11 again did not go back to a window"
escape_ends "$desk"

GAME_ARGS=(--fullscreen)
wine_game_up "$REPO_ROOT"
desk=$DESKTOP
poll 90 fullscreen_now || { keep_shot "$WORK/full.png" wine-not-fullscreen.png; fail "--fullscreen did not fill the desktop with the title"; }
escape_ends "$desk"

# A desktop of its own, large enough for a window twice as large.
GAME_ARGS=(--scale 2 --window)
start_game "$REPO_ROOT" wine explorer /desktop=Large,2200x1700
desk=$(find_window "Large - Wine desktop" 90)
scaled_now() {
    local box w h x y side
    desktop_shot "$desk" "$WORK/large.png"
    box=$(convert "$WORK/large.png" -fuzz 1% -trim -format '%w %h %X %Y' info: 2>/dev/null)
    read -r w h x y <<<"${box//+/}"
    ((w >= 2048 && h >= 1536)) || return 1
    # The window's frame is as wide at the sides as at the bottom.
    side=$(((w - 2048) / 2))
    like_title "$WORK/large.png" "2048x1536+$((x + side))+$((y + h - 1536 - side))" 2048 1536
}
poll 90 scaled_now || { keep_shot "$WORK/large.png" wine-not-scaled.png; fail "--scale 2 did not show the title twice as large"; }
keep_shot "$WORK/large.png" wine-scale2.png
echo "PASS: under Wine, fullscreen fills the desktop, F11 switches, --scale 2 doubles the window"
