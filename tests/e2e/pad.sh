#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A pad through the library's own Linux joystick driver, reading a device of the test's making (a
# FIFO of joystick events, named in the settings file's [joystick] section, its ioctls answered by
# fakepad.so): Start leaves the title for a bout, Y winds up the high attack, the stick pushed back
# kicks high, and Start pauses the bout.
# Usage: pad.sh PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/fakepad.so
source "$(dirname "$0")/lib.sh"
REPLAY=$(realpath "${2:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/fakepad.so}")
FAKEPAD=$(realpath "${3:?usage: $0 PATH/TO/ryke PATH/TO/ryke_replay PATH/TO/fakepad.so}")
PAD=$WORK/pad

# The hero's strip, and his poses 0.06 to 0.16 s after a key went down facing left (a window
# looked at on a busy machine may show any of them): D winds up the high attack, K kicks high
# behind him (to the right). A frame that still shows him standing is no sign of either.
hero_strip=200x300+412+300
printf 'frames every 20\nlast 1\n' >"$WORK/stand.bout"
(cd "$REPO_ROOT" && "$REPLAY" shots "$WORK/stand.bout" "$WORK" 1) >/dev/null || fail "could not compose the hero standing"
convert "$WORK/frame-1.bmp" -crop "$hero_strip" +repage "rgb:$WORK/stand.rgb"
for row in "high D" "kick K"; do
    read -r pose key <<<"$row"
    printf 'frames every 20\ntap 0 %s 30\nlast 8\n' "$key" >"$WORK/$pose.bout"
    (cd "$REPO_ROOT" && "$REPLAY" shots "$WORK/$pose.bout" "$WORK" 3 4 5 6 7 8) >/dev/null || fail "could not compose the $pose"
    for frame in 3 4 5 6 7 8; do
        convert "$WORK/frame-$frame.bmp" -crop "$hero_strip" +repage "rgb:$WORK/$pose-$frame.rgb"
        cmp -s "$WORK/$pose-$frame.rgb" "$WORK/stand.rgb" && rm "$WORK/$pose-$frame.rgb"
    done
    compgen -G "$WORK/$pose-*.rgb" >/dev/null || fail "the $pose does not change the hero's strip; this test can't see it"
done
compose_fresh_hud "$REPLAY"

mkfifo "$PAD"
mkdir -p "$XDG_CONFIG_HOME/ryke"
printf '[joystick]\njoystick_device_0 = %s\n' "$PAD" >"$XDG_CONFIG_HOME/ryke/ryke.cfg"

need_display
start_game "$REPO_ROOT" env LD_PRELOAD="$FAKEPAD${RYKE_E2E_PRELOAD:+:$RYKE_E2E_PRELOAD}" RYKE_FAKE_PAD="$PAD"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"

pad() { /usr/bin/python3 "$E2E_DIR/pad.py" "$PAD" "$@"; }
fresh_bout() {
    screenshot "$win" "$WORK/bout.png"
    shows_fresh_hud "$WORK/bout.png"
}
# until_seen EVENT POSE: sends EVENT until the hero strip shows POSE.
until_seen() {
    local deadline=$((SECONDS + PATIENCE))
    until pad watch "$win" "$hero_strip" 3 "$1" "$WORK/$2"-*.rgb; do
        ((SECONDS < deadline)) || fail "the pad's $1 never showed the hero's $2"
    done
}

deadline=$((SECONDS + PATIENCE))
until fresh_bout; do
    ((SECONDS < deadline)) || fail "Start on the pad did not start a bout"
    pad button 7
    sleep 1
done
keep_shot "$WORK/bout.png" pad-bout.png
# Facing left, Y is the high attack; the stick pushed right, behind him, the high kick.
until_seen button:3 high
until_seen axis:0:32767 kick

paused() {
    screenshot "$win" "$WORK/paused.png"
    [[ $(pixel "$WORK/paused.png" 512 230) == 20,8,8 ]]
}
pad button 7
poll "$PATIENCE" paused || fail "Start did not pause the bout"
keep_shot "$WORK/paused.png" pad-paused.png
escape_and_wait "$win"
expect_status 0
if grep '^ryke:' "$WORK/game.err"; then fail "the pad cost words on stderr"; fi
echo "PASS: Start, Y and the stick through the library's joystick driver start a bout, attack, kick and pause"
