#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# With a picture and a sound missing, the game shows one message box that names exactly those
# two files, waits for it to be dismissed, and then exits with status 1.
source "$(dirname "$0")/lib.sh"

missing=(images/gunDie.pcx sound/grunt.wav)

need_display
real_xmessage=$(command -v xmessage) || fail "xmessage is not installed (x11-utils)"
# The library runs "xmessage" from PATH: this stand-in records what it is asked to show.
mkdir -p "$WORK/bin" "$WORK/game"
cat >"$WORK/bin/xmessage" <<WRAPPER
#!/bin/sh
{ echo "=== box \$\$"; printf '%s\n' "\$@"; } >>"$WORK/xmessage.log"
exec "$real_xmessage" "\$@"
WRAPPER
chmod +x "$WORK/bin/xmessage"
export PATH="$WORK/bin:$PATH"

cp -r "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"
for f in "${missing[@]}"; do rm "$WORK/game/$f"; done
start_game "$WORK/game"

box=$(find_window xmessage)
mapfile -t -O "${#EXTRA_PIDS[@]}" EXTRA_PIDS < <(sed -n 's/^=== box //p' "$WORK/xmessage.log")
screenshot "$box" "$WORK/box.png"
keep_shot "$WORK/box.png" missing-asset-box.png
alive "$GAME_PID" || fail "ryke ended while its message box was still up"

hold_key "$box" Return
wait_exit 5
expect_status 1

boxes=$(grep -c '^=== box' "$WORK/xmessage.log")
((boxes == 1)) || fail "$boxes message boxes, expected one"
named=$(grep -oE '(images|sound)/[A-Za-z0-9_]+\.(pcx|wav)' "$WORK/xmessage.log" | sort -u | tr '\n' ' ')
expected=$(printf '%s\n' "${missing[@]}" | sort | tr '\n' ' ')
[[ $named == "$expected" ]] || fail "the box names [$named], expected [$expected]:
$(cat "$WORK/xmessage.log")"
echo "PASS: one box naming ${missing[*]}, then status 1"
