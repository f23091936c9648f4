#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Missing and damaged pictures and sounds, all in one start: one message box names each refused
# file with its reason, nothing crashes, and once the box is dismissed the game exits 1. Without
# a whole folder the box says so and where to start the game from, and lists at most 20 files; a
# SIGTERM while that box is up ends the game, once the box is dismissed, with 143. A file in a
# folder's place is named as not a folder, and the player is not sent elsewhere.
source "$(dirname "$0")/lib.sh"

# Ways to damage FILE in the game's copy: damage-name FILE [ARGUMENT].
claim() { truncate -s 1024 "$1" && poke "$1" 8 "$2"; }  # a 1 KB picture claiming another size
shorten() { truncate -s "$2" "$1"; }
halve() { truncate -s $(($(stat -c %s "$1") / 2)) "$1"; }
append() { printf '%s' "$2" >>"$1"; }
replace() { printf '%s\n' "$2" >"$1"; }
poke() { printf '%b' "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }  # at a byte offset
unreadable() { chmod 000 "$1"; }
folder() { rm "$1" && mkdir "$1"; }
pipe() { rm "$1" && mkfifo "$1"; }  # opening it would wait for a writer for ever
missing() { rm "$1"; }

# file                    | damage                       | what the box says about it
damages=(
    "images/rykeStick.pcx    | claim \xff\xff\xff\xff        | claims 65536 x 65536 pixels"
    "images/background_1.pcx | claim \x1f\x4e\x1f\x4e        | claims 20000 x 20000 pixels"
    "images/rykeHi_1.pcx     | shorten 128                   | cut short"
    "images/rykeHi_2.pcx     | halve                         | cut short"
    "images/rykeHi_3.pcx     | append garbage                | has data after its last row"
    "images/rykeLo_1.pcx     | replace not-a-picture         | not a PCX picture"
    "images/int_life.pcx     | poke 65 \x01                  | has 8-bit colour (1 x 8), not 24-bit (3 x 8)"
    "images/rykeLo_2.pcx     | unreadable                    | cannot be read: permission denied"
    "images/rykeLo_3.pcx     | folder                        | is a folder"
    "images/rykeCS_1.pcx     | pipe                          | is not a plain file"
    "images/gunDie.pcx       | missing                       | is missing"
    "sound/grunt.wav         | halve                         | cut short"
    "sound/evade.wav         | append garbage                | has data after its end"
    "sound/gunCock.wav       | replace not-a-sound           | not a WAV sound"
    "sound/gunShot.wav       | poke 40 \xf0\xff\xff\x7f      | damaged: a part runs past its end"
    "sound/carnageShot.wav   | poke 24 \x00\x00\x00\x00      | plays at 0 samples a second"
    "sound/rykeDeath.wav     | poke 12 junk                  | has no sound format"
    "sound/swordClash.wav    | poke 20 \x03                  | is not plain PCM sound (format 3)"
)

need_display
real_xmessage=$(command -v xmessage) || fail "xmessage is not installed (x11-utils)"
# The library runs "xmessage" from PATH: this stand-in records what it is asked to show.
mkdir -p "$WORK/bin"
cat >"$WORK/bin/xmessage" <<WRAPPER
#!/bin/sh
{ echo "=== box \$\$"; printf '%s\n' "\$@"; } >>"$WORK/xmessage.log"
exec "$real_xmessage" "\$@"
WRAPPER
chmod +x "$WORK/bin/xmessage"
export PATH="$WORK/bin:$PATH"
touch "$WORK/xmessage.log"

# copy_assets: a fresh copy of images/ and sound/ in $WORK/game.
copy_assets() {
    rm -rf "$WORK/game"
    mkdir -p "$WORK/game"
    cp -r "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"
}

# show_box SHOT: waits for the game's message box and sets BOX to its window id.
show_box() {
    BOX=$(find_window xmessage)
    mapfile -t -O "${#EXTRA_PIDS[@]}" EXTRA_PIDS < <(sed -n 's/^=== box //p' "$WORK/xmessage.log")
    screenshot "$BOX" "$WORK/box.png"
    keep_shot "$WORK/box.png" "$1"
    alive "$GAME_PID" || fail "ryke ended while its message box was still up"
}

copy_assets
# Root reads whatever the permissions say: the game then runs as nobody, to be refused for real,
# from a copy nobody can reach.
as=()
if ((EUID == 0)); then
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    cp "$RYKE" "$WORK/ryke"
    RYKE=$WORK/ryke
    chmod -R a+rX "$WORK"
    chmod a+w "$WORK/xmessage.log"
fi
for row in "${damages[@]}"; do
    IFS='|' read -r file damage _ <<<"$row"
    read -ra how <<<"$damage"
    "${how[0]}" "$WORK/game/${file// /}" "${how[@]:1}" || fail "could not damage $file"
done
start_game "$WORK/game" "${as[@]}"
show_box bad-assets-box.png
hold_key "$BOX" Return
wait_exit "$PATIENCE"
expect_status 1
boxes=$(grep -c '^=== box' "$WORK/xmessage.log")
((boxes == 1)) || fail "$boxes message boxes, expected one"
names_each_damage "$WORK/xmessage.log"
! grep -q 'Run the game from' "$WORK/xmessage.log" || fail "the box sends the player to another folder"
echo "ok: ${#damages[@]} missing or damaged files named with their reasons, status 1"

: >"$WORK/xmessage.log"
copy_assets
rm -r "$WORK/game/sound"
# 49 pictures refused too: more than a box may list.
for f in "$WORK"/game/images/*.pcx; do shorten "$f" 128; done
start_game "$WORK/game"
show_box no-sound-folder-box.png
grep -qxF '  sound/: the whole folder is missing' "$WORK/xmessage.log" || fail "the box does not name sound/"
grep -q 'Run the game from the folder that holds images/ and sound/' "$WORK/xmessage.log" ||
    fail "the box does not say where to start the game"
grep -qxF '  ... and 30 more, listed on the terminal' "$WORK/xmessage.log" || fail "the box lists more than 20 files:
$(cat "$WORK/xmessage.log")"
named=$(grep -cE '^  (images|sound)/' "$WORK/xmessage.log")
((named == 20)) || fail "the box names $named files, not 20"
[[ $(grep -c '^  images/.*: cut short$' "$WORK/game.err") == 49 ]] || fail "stderr does not list all 49 pictures"
kill -TERM "$(game_pid)"
for ((i = 0; i < 5; i++)); do
    alive "$GAME_PID" || fail "SIGTERM took the game away under its message box"
    sleep 0.1
done
hold_key "$BOX" Return
wait_exit "$PATIENCE"
expect_status 143
echo "ok: without sound/ the box says where to start, and SIGTERM under it gives 143"

: >"$WORK/xmessage.log"
copy_assets
rm -r "$WORK/game/images" "$WORK/game/sound"
echo "not pictures" >"$WORK/game/images"
ln -s /dev/null "$WORK/game/sound"
start_game "$WORK/game"
show_box not-a-folder-box.png
hold_key "$BOX" Return
wait_exit 5
expect_status 1
for folder in images sound; do
    grep -qxF "  $folder/: is not a folder" "$WORK/xmessage.log" || fail "the box does not say $folder/ is not a folder:
$(cat "$WORK/xmessage.log")"
done
! grep -qE 'Run the game from|folder is missing' "$WORK/xmessage.log" || fail "the box calls a file in a folder's place missing:
$(cat "$WORK/xmessage.log")"
echo "PASS: damaged files named with their reasons (status 1); without sound/ the box says where to start, and SIGTERM under it gives 143; a file in a folder's place is not a folder"
