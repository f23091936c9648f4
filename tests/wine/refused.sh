#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine refuses to start, with a message box and status 1: with damaged
# and missing pictures and sounds (the box and the console name each file with why), and
# without a keyboard (DirectInput taken away), rather than running deaf.
source "$(dirname "$0")/lib.sh"

# file                    | damage                  | what the console says about it
damages=(
    "images/rykeHi_1.pcx     | shorten 128             | cut short"
    "images/background_1.pcx | claim \x1f\x4e\x1f\x4e  | claims 20000 x 20000 pixels"
    "images/gunDie.pcx       | missing                 | is missing"
    "sound/grunt.wav         | replace not-a-sound     | not a WAV sound"
)
shorten() { truncate -s "$2" "$1"; }
claim() { truncate -s 1024 "$1" && printf '%b' "$2" | dd of="$1" bs=1 seek=8 conv=notrunc status=none; }
missing() { rm "$1"; }
replace() { printf '%s\n' "$2" >"$1"; }

# said TEXT: true once the game has written TEXT to stderr.
said() { grep -qF -- "$1" "$WORK/game.err"; }

# refused DESKTOP TEXT NAME: waits for TEXT on stderr, sees the game wait with a box in the middle
# of the desktop (light grey where the game's window is black and the desktop blue), then
# dismisses the box (ENTER presses its one button) and sees the game end with status 1.
refused() {
    local light
    if ! poll 90 said "$2"; then
        timeout 10 import -window "$1" "$WORK/silent.png" && keep_shot "$WORK/silent.png" "wine-silent-$3.png"
        fail "the game never said '$2'"
    fi
    sleep 1
    alive "$GAME_PID" || fail "the game ended without waiting for its message box to be read"
    timeout 10 import -window "$1" "$WORK/box.png" || fail "could not take a screenshot of the desktop"
    keep_shot "$WORK/box.png" "wine-box-$3.png"
    light=$(convert "$WORK/box.png" -crop 160x40+560+480 -colorspace gray -format '%[fx:int(100*mean)]' info:)
    ((light > 50)) || fail "no message box in the middle of the game's window (brightness $light%)"
    gone_after Return "$1" 10 || fail "the box could not be dismissed"
    wait_exit 5
    expect_status 1
}

rm -rf "$WORK/game" && mkdir -p "$WORK/game" && cp -r "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"
for row in "${damages[@]}"; do
    IFS='|' read -r file damage _ <<<"$row"
    read -r how argument <<<"$damage"
    "$how" "$WORK/game/${file// /}" "$argument"
done
wine_game_up "$WORK/game"
desk=$DESKTOP
refused "$desk" "Ryke cannot start: these files are missing or damaged" files
names_each_damage "$WORK/game.err"
echo "ok: ${#damages[@]} damaged or missing files named with their reasons, status 1"

# The desktop goes with the prefix's processes; the next start brings a new one.
wine_stop
export RYKE_WINE_OVERRIDES="dinput="
source "$WINE_DIR/env.sh"
wine_game_up "$REPO_ROOT"
desk=$DESKTOP
refused "$desk" "ryke: the keyboard could not be installed" keyboard
echo "PASS: damaged files refused with status 1; without DirectInput the game says it has no keyboard, status 1"
