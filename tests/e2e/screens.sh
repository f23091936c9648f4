#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The window at each scale that fits, and fullscreen, on four desktops (each an X server of its own,
# with no window manager): the window's size, and its pixels the title repeated pixel for pixel;
# fullscreen fills the desktop with the frame fitted and centred on black; F11 and Alt+ENTER switch
# there and back; the choice survives a restart; a desktop too small for the window says so.
# Usage: screens.sh PATH/TO/ryke
source "$(dirname "$0")/lib.sh"

# window_size WINDOW: its width x height, as the X server has it.
window_size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# title_at NAME [ARGS...]: starts the game with ARGS, waits for its window and the title in it
# (the first 1024 x 768 of a larger window are the title's top-left corner only, so the wait is
# for a whole frame by time), and keeps the shot as $WORK/NAME.png.
title_at() {
    local name=$1
    shift
    GAME_ARGS=("$@")
    start_game "$REPO_ROOT"
    win=$(find_window Ryke)
    poll "$PATIENCE" settled "$win" "$WORK/$name.png" || fail "$name: the window never settled"
    keep_shot "$WORK/$name.png" "screens-$DESKTOP-$name.png"
}
# settled WINDOW SHOT: two shots a moment apart are alike (the title is still), and not all black.
settled() {
    screenshot "$1" "$2"
    sleep 0.3
    screenshot "$1" "$WORK/again.png"
    [[ $(compare -metric AE "$2" "$WORK/again.png" null: 2>&1) == 0 ]] &&
        [[ $(convert "$2" -format '%[fx:maxima.r]' info:) != 0 ]]
}
quit_game() {
    escape_and_wait "$win"
    expect_status 0
}

# same_as_scaled SHOT ONE W H: how many pixels of SHOT differ from the scale-1 shot ONE repeated
# pixel for pixel (ImageMagick's -sample) to W x H.
same_as_scaled() {
    convert "$2" -sample "$3x$4!" "$WORK/expected.png"
    # compare says 1 when the pictures differ: the count tells how much.
    { compare -metric AE "$1" "$WORK/expected.png" null: 2>&1 || true; } | awk '{ printf "%d\n", $1 }'
}

# Each desktop, the scales whose windows fit it, and where a fullscreen frame lands.
desktops=(
#   desktop    scales  frame in fullscreen
    "1366x768  1       1024x768+171+0"
    "1920x1080 1       1440x1080+240+0"
    "2560x1440 1       1920x1440+320+0"
    "3840x2160 1,2     2880x2160+480+0"
)
export XDG_CONFIG_HOME=$WORK/config
for row in "${desktops[@]}"; do
    read -r DESKTOP scales frame <<<"$row"
    unset DISPLAY
    XVFB_SCREEN=${DESKTOP}x24 start_xvfb "$WORK" || fail "no Xvfb at $DESKTOP"
    rm -rf "$XDG_CONFIG_HOME"
    dw=${DESKTOP%x*} dh=${DESKTOP#*x}

    IFS=, read -ra fitting <<<"$scales"
    for n in "${fitting[@]}"; do
        title_at "scale$n" --scale "$n"
        [[ $(window_size "$win") == "$((1024 * n))x$((768 * n))" ]] ||
            fail "$DESKTOP: --scale $n opened a $(window_size "$win") window"
        if ((n == 1)); then
            shows_title "$win" "$WORK/check.png" || fail "$DESKTOP: the window does not show the title"
        fi
        quit_game
        diff=$(same_as_scaled "$WORK/scale$n.png" "$WORK/scale1.png" $((1024 * n)) $((768 * n)))
        ((diff == 0)) || fail "$DESKTOP: at scale $n, $diff pixels are not the title's pixels repeated"
    done
    # One scale more than fits opens the largest that does, and says so.
    n=$((${fitting[-1]} + 1))
    title_at "toolarge" --scale "$n"
    [[ $(window_size "$win") == "$((1024 * ${fitting[-1]}))x$((768 * ${fitting[-1]}))" ]] ||
        fail "$DESKTOP: --scale $n opened a $(window_size "$win") window"
    quit_game
    grep -q "does not fit the $dw x $dh desktop" "$WORK/game.err" || fail "$DESKTOP: a window too large went unsaid"

    title_at "fullscreen" --fullscreen
    [[ $(window_size "$win") == "$DESKTOP" ]] || fail "$DESKTOP: fullscreen is $(window_size "$win")"
    read -r fx fy <<<"$(xwininfo -id "$win" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')"
    [[ $fx == 0 && $fy == 0 ]] || fail "$DESKTOP: fullscreen window at $fx,$fy"
    fw=${frame%%x*} rest=${frame#*x} fh=${rest%%+*}
    convert "$WORK/fullscreen.png" -crop "$frame" +repage "$WORK/frame.png"
    # ImageMagick and the library round a fractional scale's pixel edges apart, by a pixel at
    # most: sampled back to 1024 x 768, the frame is the title but for the letters' edges (under
    # 5% of the pixels at 1920 x 1080; a frame shifted or scaled wrongly differs in most of them).
    convert "$WORK/frame.png" -sample '1024x768!' "$WORK/frame-back.png"
    diff=$({ compare -metric AE "$WORK/frame-back.png" "$WORK/scale1.png" null: 2>&1 || true; } | awk '{ printf "%d\n", $1 }')
    ((diff <= 1024 * 768 * 8 / 100)) || fail "$DESKTOP: fullscreen's frame differs from the title in $diff pixels"
    # The frame's edges exactly where centring puts them: black up to them, the title from them.
    fx=${frame#*+} fx=${fx%%+*}
    for edge in "$((fx - 1)) black" "$fx title" "$((fx + fw - 1)) title" "$((fx + fw)) black"; do
        read -r column want <<<"$edge"
        ((column >= 0 && column < dw)) || continue
        brightest=$(convert "$WORK/fullscreen.png" -crop "1x${dh}+${column}+0" +repage -format '%[fx:maxima]' info:)
        if [[ $want == black ]]; then
            [[ $brightest == 0 ]] || fail "$DESKTOP: column $column should be black beside the frame"
        else
            [[ $brightest != 0 ]] || fail "$DESKTOP: column $column should be the frame's, and is black"
        fi
    done
    # Black around the frame, where there is room for it.
    for spot in "0,0" "$((dw - 1)),$((dh - 1))"; do
        if ((fw < dw)); then
            [[ $(pixel "$WORK/fullscreen.png" "${spot%,*}" "${spot#*,}") == 0,0,0 ]] || fail "$DESKTOP: not black at $spot"
        fi
    done
    quit_game
    [[ ! -e $XDG_CONFIG_HOME/ryke/ryke.cfg ]] || fail "$DESKTOP: the command line's choice was kept"

    # F11 fills the desktop and goes back; Alt+ENTER fills it again, and that is kept.
    title_at "window"
    [[ $(window_size "$win") == 1024x768 ]] || fail "$DESKTOP: the default window is $(window_size "$win")"
    hold_key "$win" F11
    poll "$PATIENCE" eval '[[ $(window_size "$win") == "$DESKTOP" ]]' || fail "$DESKTOP: F11 did not fill the desktop"
    poll "$PATIENCE" settled "$win" "$WORK/f11.png" || fail "$DESKTOP: F11's screen never settled"
    keep_shot "$WORK/f11.png" "screens-$DESKTOP-f11.png"
    diff=$(region_diff "$WORK/f11.png" "$WORK/fullscreen.png" "${DESKTOP}+0+0" || true)
    ((diff == 0)) || fail "$DESKTOP: F11's fullscreen differs from --fullscreen's in $diff pixels"
    hold_key "$win" F11
    poll "$PATIENCE" eval '[[ $(window_size "$win") == 1024x768 ]]' || fail "$DESKTOP: F11 again did not bring the window back"
    hold_key "$win" alt+Return
    poll "$PATIENCE" eval '[[ $(window_size "$win") == "$DESKTOP" ]]' || fail "$DESKTOP: Alt+ENTER did not fill the desktop"
    poll "$PATIENCE" settled "$win" "$WORK/alt-enter.png" || fail "$DESKTOP: Alt+ENTER's screen never settled"
    diff=$(region_diff "$WORK/alt-enter.png" "$WORK/fullscreen.png" "${DESKTOP}+0+0" || true)
    ((diff == 0)) || fail "$DESKTOP: after Alt+ENTER the screen is not the fullscreen title ($diff pixels differ)"
    quit_game
    title_at "restarted"
    [[ $(window_size "$win") == "$DESKTOP" ]] || fail "$DESKTOP: fullscreen was not kept: $(window_size "$win")"
    hold_key "$win" F11
    poll "$PATIENCE" eval '[[ $(window_size "$win") == 1024x768 ]]' || fail "$DESKTOP: F11 did not leave the kept fullscreen"
    quit_game
    title_at "window-again"
    [[ $(window_size "$win") == 1024x768 ]] || fail "$DESKTOP: the window was not kept"
    quit_game

    # Only a desktop with no room for a title bar above the window hints at fullscreen.
    [[ -f $WORK/enterScreen.png ]] || convert "$REPO_ROOT/images/enterScreen.pcx" "$WORK/enterScreen.png"
    hinted=$(region_diff "$WORK/window-again.png" "$WORK/enterScreen.png" 1024x18+0+26 || true)
    if ((dh < 768 + 64)); then
        ((hinted > 200)) || fail "$DESKTOP: the title does not say to play fullscreen"
    else
        ((hinted < 200)) || fail "$DESKTOP: the title hints at fullscreen with room to spare"
    fi
    stop_xvfb
done
echo "PASS: each scale that fits, fullscreen, F11 and Alt+ENTER, kept across a restart, on four desktops"
