# shellcheck shell=bash source-path=SCRIPTDIR
# Shared by the end-to-end tests: a scratch folder, a display, the game's process and window,
# held keys, screenshots and the game's exit status.
# A test is run as: bash TEST.sh PATH/TO/ryke   (from any folder)
set -euo pipefail

# Each test leads a process group of its own (made here, unless it already leads one), so that
# its end takes everything it started with it, however it ends.
if [[ $(cut -d' ' -f5 "/proc/$$/stat") != "$$" ]]; then
    exec setsid bash "$0" "$@"
fi

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_ROOT=$(cd "$E2E_DIR/../.." && pwd)
source "$E2E_DIR/xvfb.sh"

RYKE=$(realpath "${1:?usage: $0 PATH/TO/ryke}")
[[ -x $RYKE ]] || { echo "not an executable: $RYKE" >&2; exit 1; }
# How long a test waits for what it expects (a window, a picture, an exit) before it fails:
# generous, because the machine may be busy with builds; a passing test never waits it out.
PATIENCE=30
WORK=$(mktemp -d "${TMPDIR:-/tmp}/ryke-e2e.XXXXXX")
# The game keeps its best scores here, never in the home folder of whoever runs the tests.
export XDG_DATA_HOME=$WORK/data
# And its settings here.
export XDG_CONFIG_HOME=$WORK/config
# Arguments given to the game after its path (--speed 50, ...).
GAME_ARGS=()
GAME_PID=
GAME_STATUS=
EXTRA_PIDS=()

# The pids of this test's process group, but for the test itself.
group_members() {
    local stat rest group pid
    for stat in /proc/[0-9]*/stat; do
        read -r rest 2>/dev/null <"$stat" || continue
        # The fields after the command's name, which may hold spaces: state, parent, group.
        rest=${rest##*) }
        read -r _ _ group _ <<<"$rest"
        pid=${stat//[^0-9]/}
        # This function runs in a subshell of the test's own.
        if [[ $group == "$$" && $pid != "$$" && $pid != "$BASHPID" ]]; then echo "$pid"; fi
    done
}

# end_group: ends every process the test started and that is still there (TERM, then KILL
# after 5 s), the test itself aside.
end_group() {
    local pids i
    trap '' TERM
    kill -TERM -- "-$$" 2>/dev/null || true
    for ((i = 0; i < 50; i++)); do
        pids=$(group_members)
        [[ -z $pids ]] && return 0
        sleep 0.1
    done
    # shellcheck disable=SC2086  # one pid a word
    kill -KILL $pids 2>/dev/null || true
}

cleanup() {
    local pid
    for pid in $GAME_PID "${EXTRA_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_xvfb
    end_group
    rm -rf "$WORK"
}
trap cleanup EXIT
# A stop signal ends the test as a failure would, through cleanup.
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

# Screenshots are kept here when RYKE_E2E_SHOTS names a folder, to look at by eye.
keep_shot() {
    if [[ -n ${RYKE_E2E_SHOTS:-} ]]; then
        mkdir -p "$RYKE_E2E_SHOTS" && cp "$1" "$RYKE_E2E_SHOTS/$2"
    fi
}

fail() {
    local f
    echo "FAIL: $*" >&2
    for f in "$WORK/game.out" "$WORK/game.err"; do
        if [[ -s $f ]]; then echo "--- ${f##*/}:" >&2; cat "$f" >&2; fi
    done
    exit 1
}

# Uses the display test.sh started, or starts a private one so that plain ctest works too.
need_display() {
    if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    start_xvfb "$WORK"
}

# start_game DIR [PREFIX...]: runs ryke in DIR (which holds images/ and sound/) in the
# background, under the command PREFIX if one is given (env, setpriv, ...), with the libraries
# RYKE_E2E_PRELOAD names preloaded (test.sh's sanitizer stage sets it). The game is stopped
# after RYKE_E2E_LIFETIME seconds (180 unless set).
start_game() {
    local dir=$1
    shift
    rm -f "$WORK/game.status" "$WORK/game.status.pid"
    # The runner ends the game even if ctest kills this script before its trap can.
    (cd "$dir" && exec /usr/bin/python3 "$E2E_DIR/run_game.py" "$WORK/game.status" "${RYKE_E2E_LIFETIME:-180}" \
        ${RYKE_E2E_PRELOAD:+env LD_PRELOAD="$RYKE_E2E_PRELOAD"} "$@" "$RYKE" "${GAME_ARGS[@]}" \
        </dev/null >"$WORK/game.out" 2>"$WORK/game.err") &
    GAME_PID=$!
}

# record_sound FILE: for programs started with HOME=$WORK/home, ALSA's default device becomes a
# file: the real mixed output lands in FILE (16-bit stereo at 44.1 kHz), taken no faster than a
# sound card would play it.
record_sound() {
    mkdir -p "$WORK/home"
    cat >"$WORK/home/.asoundrc" <<EOF
pcm.!default { type plug; slave { pcm "recorder"; format S16_LE; channels 2; rate 44100 } }
pcm.recorder { type file; slave.pcm "null"; format "raw"; file "|/usr/bin/python3 $E2E_DIR/mix.py pace $1" }
EOF
}

# Prints the pid of the game itself (GAME_PID is its runner's).
game_pid() {
    local i
    for ((i = 0; i < 50; i++)); do
        [[ -s $WORK/game.status.pid ]] && { cat "$WORK/game.status.pid"; return 0; }
        sleep 0.1
    done
    fail "the game never started"
}

# True while the process runs (a zombie has already ended).
alive() {
    local state
    read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" || return 1
    [[ $state != Z ]]
}

# find_window TITLE [SECONDS]: prints the id of the visible window titled TITLE (any case),
# waiting up to SECONDS (PATIENCE unless given). The title is the only handle: the library sets no
# _NET_WM_PID on its window.
find_window() {
    local deadline=$((SECONDS + ${2:-$PATIENCE})) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        if [[ -n $id ]]; then echo "$id"; return 0; fi
        alive "$GAME_PID" || fail "ryke ended before a '$1' window appeared"
        sleep 0.1
    done
    fail "no '$1' window after ${2:-$PATIENCE} s"
}

# press WINDOW KEY: the game polls key state 35 times a second, so a press must last a few
# ticks. hold_key is the same, failing the test when the key cannot be pressed.
press() {
    xdotool keydown --window "$1" "$2" 2>>"$WORK/xdotool.log" || return 1
    sleep 0.15
    # The key may well have closed the window already; a press sent to the focused window goes
    # through the server itself, so it is then let go there, or the next game finds it down.
    xdotool keyup --window "$1" "$2" 2>>"$WORK/xdotool.log" || xdotool keyup "$2" 2>>"$WORK/xdotool.log" || true
}
hold_key() { press "$1" "$2" || fail "could not press $2"; }

# press_until WINDOW KEY COMMAND...: presses KEY until COMMAND succeeds, again every 2 s: a busy
# machine can starve the game for longer than one press lasts. Fails after PATIENCE seconds.
press_until() {
    local win=$1 key=$2 deadline=$((SECONDS + PATIENCE))
    shift 2
    while ((SECONDS < deadline)); do
        # The window may have gone with the first press already.
        press "$win" "$key" || true
        poll 2 "$@" && return 0
    done
    return 1
}

# Whether the game has ended.
game_ended() { ! alive "$GAME_PID"; }

# escape_and_wait WINDOW: ESC, and the game's exit status in GAME_STATUS.
escape_and_wait() {
    press_until "$1" Escape game_ended || fail "ryke still running $PATIENCE s after ESC"
    wait_exit 0
}

# Clicks the window's close button (Xvfb has no window manager to do it).
close_window() {
    /usr/bin/python3 "$E2E_DIR/close_window.py" "$1" || fail "could not send WM_DELETE_WINDOW"
}

# wait_exit SECONDS: waits for the game to end and sets GAME_STATUS to its exit status, or to
# "signal N" when a signal killed it.
wait_exit() {
    local deadline=$((SECONDS + $1))
    while alive "$GAME_PID"; do
        ((SECONDS < deadline)) || fail "ryke still running $1 s later"
        sleep 0.1
    done
    wait "$GAME_PID" || true
    GAME_PID=
    GAME_STATUS=$(cat "$WORK/game.status" 2>/dev/null) || GAME_STATUS="no status"
}

expect_status() {
    [[ $GAME_STATUS == "$1" ]] || fail "ryke ended with $GAME_STATUS, expected status $1"
}

screenshot() {
    # import waits for ever on a window that has gone.
    timeout 10 import -window "$1" "$2" 2>>"$WORK/import.log" || fail "could not take a screenshot of window $1"
}

# pixel IMAGE X Y: prints the colour as r,g,b.
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# Two of the lines the title adds: the speed under the figures' feet, the best under ENTER.
# shellcheck disable=SC2034  # for the tests that compare them
SPEED_LINE=1024x16+0+610 BEST_LINE=1024x16+0+712

# The HUD's strip across the top of the screen: the bars, the shot pips and the kill count.
HUD_STRIP=1024x50+0+0

# compose_fresh_hud REPLAY: composes a bout's first frames with the game's own frame composer
# (the bout runner REPLAY) and keeps the frame as $WORK/fresh.bmp: full life, no carnage, no kills.
compose_fresh_hud() {
    printf 'frames every 20\nlast 2\n' >"$WORK/fresh.bout"
    (cd "$REPO_ROOT" && "$1" shots "$WORK/fresh.bout" "$WORK" 2) >/dev/null ||
        fail "the replay tool could not compose a bout's first frame"
    mv "$WORK/frame-2.bmp" "$WORK/fresh.bmp"
}

# shows_fresh_hud SHOT: whether SHOT's HUD is exactly a fresh bout's, as compose_fresh_hud made it.
shows_fresh_hud() {
    (($(region_diff "$1" "$WORK/fresh.bmp" "$HUD_STRIP") == 0))
}

# region_diff A B GEOMETRY: how many pixels of that part of A and B differ.
region_diff() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}

# differing_pixels A B: how many pixels of A's top-left corner the size of B differ from B by
# more than 5% (the title is copied as is; the fuzz only absorbs colour-depth rounding).
differing_pixels() {
    local size out status=0
    size=$(identify -format '%wx%h' "$2")
    convert "$1" -crop "$size+0+0" +repage "$WORK/cropped.png"
    # compare exits 0 (alike) or 1 (different) with the count; 2 is an error such as unequal sizes.
    out=$(compare -metric AE -fuzz 5% "$WORK/cropped.png" "$2" null: 2>&1) || status=$?
    if ((status > 1)); then echo "error: $out"; else awk '{ printf "%d\n", $1 }' <<<"$out"; fi
}

# The title's logo band, which the game draws nothing over (its panels and lines lie below).
TITLE_BAND=1024x240+0+0
# Up to 0.5% of the band may differ from the title picture's and still be the title.
TITLE_TOLERANCE=1228

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds (status 0) or
# SECONDS have passed (status 1).
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The strip of hints across the top of the title (keys, fullscreen, a larger window).
HINT_STRIP=1024x40+0+6

# shows_title WINDOW SHOT: takes a screenshot and tells whether it is the title picture (the
# strip of hints aside: they change with the screen).
shows_title() {
    local diff
    [[ -f $WORK/enterScreen.png ]] ||
        convert "$REPO_ROOT/images/enterScreen.pcx" -crop "$TITLE_BAND" +repage "$WORK/enterScreen.png"
    screenshot "$1" "$2"
    convert "$2" -crop 1024x768+0+0 +repage -fill black -draw "rectangle 0,6 1023,45" "$WORK/unhinted.png"
    convert "$WORK/enterScreen.png" -fill black -draw "rectangle 0,6 1023,45" "$WORK/enterScreen-unhinted.png"
    diff=$(differing_pixels "$WORK/unhinted.png" "$WORK/enterScreen-unhinted.png")
    [[ $diff =~ ^[0-9]+$ ]] && ((diff <= TITLE_TOLERANCE))
}

# wait_for_title WINDOW SHOT: waits for the window to show the title picture.
wait_for_title() {
    [[ -f $REPO_ROOT/images/enterScreen.pcx ]] || fail "images/enterScreen.pcx is missing"
    poll "$PATIENCE" shows_title "$1" "$2" && return 0
    keep_shot "$2" not-title.png
    fail "the window never showed the title picture"
}

# left_title WINDOW: true once the game runs and its window no longer shows the title.
left_title() {
    alive "$GAME_PID" || { wait_exit 0; fail "ryke ended with $GAME_STATUS on its way into a bout"; }
    ! shows_title "$1" "$WORK/bout.png"
}

# enter_bout WINDOW: presses ENTER on the title and waits for the title to go.
enter_bout() {
    press_until "$1" Return left_title "$1" || fail "the title stayed up after ENTER"
}

# names_each_damage LOG: fails unless LOG names each file of the test's damages table (rows of
# "file | damage | reason") with its reason, and names no other file.
# shellcheck disable=SC2154  # damages is the calling test's table
names_each_damage() {
    local row file reason line named
    for row in "${damages[@]}"; do
        IFS='|' read -r file _ reason <<<"$row"
        line="  ${file// /}: $(sed 's/^ *//; s/ *$//' <<<"$reason")"
        grep -qF -- "$line" "$1" || fail "'$line' was not said:
$(cat "$1")"
    done
    named=$(grep -cE '^  (images|sound)/' "$1")
    ((named == ${#damages[@]})) || fail "$named files were named, expected ${#damages[@]}"
}
