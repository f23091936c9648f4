# shellcheck shell=bash source-path=SCRIPTDIR
# Shared by the tests of the Windows build under Wine. On top of the end-to-end tests' helpers:
# the game runs as `wine ryke.exe` inside Wine's virtual desktop on a private X server, with
# ALSA's null device as the default (without any device Wine's sound system puts up a box), and
# keys are pressed through the X server as a keyboard would (XTEST), to the desktop's window.
# A test is run as: bash TEST.sh PATH/TO/ryke.exe   (RYKE_WINE_PREFIX names the prefix)
WINE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$WINE_DIR/../e2e/lib.sh"
source "$WINE_DIR/env.sh"

mkdir -p "$WORK/home"
echo 'pcm.!default { type null }' >"$WORK/home/.asoundrc"
export HOME=$WORK/home

# wine_stop: ends whatever the prefix still runs (a desktop on another test's display), and
# waits for its server to be gone: a program started meanwhile would hang on the dying one.
wine_stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
wine_stop
# Each test starts as a new player: no settings, coach's choice or scores that a test before it
# (all share the prefix) kept in %APPDATA%\ryke.
rm -rf "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/ryke"
wine_cleanup() {
    wine_stop
    cleanup
}
trap wine_cleanup EXIT
start_xvfb "$WORK"

# start_wine_game DIR: runs ryke.exe under Wine in DIR (which holds images/ and sound/), for at
# most 200 s: Wine alone may take 25 s to bring it up on a busy machine.
start_wine_game() {
    RYKE_E2E_LIFETIME=200
    start_game "$1" wine
}

# The desktop's X window: Wine draws every window of the game inside it.
find_desktop() {
    find_window "Default - Wine desktop"
}

# window_up DESKTOP: true once a window (the game's or a message box) is on the desktop.
window_up() {
    local w
    alive "$GAME_PID" || return 0
    timeout 10 import -window "$1" "$WORK/up.png" 2>>"$WORK/import.log" || return 1
    w=$(convert "$WORK/up.png" -fuzz 1% -trim -format '%w' info: 2>/dev/null)
    ((w > 100))
}

# wine_game_up DIR: starts the game in DIR and sets DESKTOP once a window of it shows. Now and
# then (3 starts in about 20 here, on a busy machine) Wine brings up the desktop but never the
# game (nothing on stderr, no window after minutes): such a start is given 60 s, then made again.
wine_game_up() {
    local try
    for try in 1 2; do
        start_wine_game "$1"
        DESKTOP=$(find_desktop)
        poll 60 window_up "$DESKTOP" && return 0
        echo "Wine did not bring the game up in 60 s (start $try)" >&2
        kill "$GAME_PID" 2>/dev/null || true
        wait "$GAME_PID" 2>/dev/null || true
        wine_stop
    done
    fail "Wine never brought the game up"
}

# The game's window lies somewhere on the desktop's plain background: the picture is its
# frame's inner 1024 x 768, the frame being as wide at the sides as at the bottom.
screenshot() {
    local box w h x y side
    # Its desktop goes with the game.
    alive "$GAME_PID" || { wait_exit 0; fail "ryke ended with $GAME_STATUS"; }
    timeout 10 import -window "$1" "$WORK/desktop.png" 2>>"$WORK/import.log" || fail "could not take a screenshot of the desktop"
    # A plain desktop trims to nothing, with a warning.
    box=$(convert "$WORK/desktop.png" -fuzz 1% -trim -format '%w %h %X %Y' info: 2>/dev/null)
    read -r w h x y <<<"${box//+/}"
    side=$(((w - 1024) / 2))
    if ((w < 1024 || h < 768)); then
        cp "$WORK/desktop.png" "$2"
        return 0
    fi
    convert "$WORK/desktop.png" -crop "1024x768+$((x + side))+$((y + h - 768 - side))" +repage "$2"
}

# hold_key DESKTOP KEY: a real key press to the desktop, which has the X server's focus.
hold_key() {
    xdotool windowfocus --sync "$1" 2>>"$WORK/xdotool.log" || true
    xdotool keydown "$2" 2>>"$WORK/xdotool.log" || fail "could not press $2"
    sleep 0.15
    xdotool keyup "$2" 2>>"$WORK/xdotool.log" || true
}

# click DESKTOP X Y: a click of the first mouse button at X, Y of the desktop.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1 2>>"$WORK/xdotool.log" || fail "could not click"
}

# Wine takes 10 to 25 s to bring the game up on a loaded machine.
wait_for_wine_title() {
    poll 90 shows_title "$1" "$2" && return 0
    keep_shot "$WORK/desktop.png" not-title.png
    fail "the game never showed the title picture"
}

# enter_bout_retrying DESKTOP: presses ENTER until the title goes, at most three times (the
# presses it took are left in ENTER_TRIES). When a
# press is lost (the game's window has not got the keyboard), a click on the desktop's
# background and one on the game's window make Windows hand it the keyboard again.
enter_bout_retrying() {
    local try
    for try in 1 2 3; do
        hold_key "$1" Return
        if poll 8 left_title "$1"; then
            # shellcheck disable=SC2034  # for the test to report
            ENTER_TRIES=$try
            return 0
        fi
        echo "ENTER press $try was lost: clicking away and back" >&2
        click "$1" 5 5
        sleep 0.5
        click "$1" 640 500
        sleep 0.5
    done
    fail "the title stayed up after three ENTER presses"
}

# gone_after KEY DESKTOP SECONDS: presses KEY until the game ends, at most three times, waiting
# SECONDS after each press. A press can be lost when the game does not look at the key while it
# is down (the machine being busy), or when its window does not have the keyboard; before a
# new press a click on the middle of the desktop, where the game's window and its message
# boxes are centred, gives that window the keyboard.
gone_after() {
    local try
    for try in 1 2 3; do
        hold_key "$2" "$1"
        poll "$3" bash -c "! kill -0 $GAME_PID 2>/dev/null" && return 0
        echo "$1 press $try did not end the game: clicking the window and pressing again" >&2
        click "$2" 640 500
        sleep 0.5
    done
    return 1
}

# escape_ends DESKTOP: ESC ends the game, with status 0.
escape_ends() {
    gone_after Escape "$1" 20 || fail "ESC did not end the game"
    wait_exit 5
    expect_status 0
}
