#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Without an X display the game says so on stderr and exits with status 1, without crashing:
# both with DISPLAY unset and with DISPLAY naming a server that isn't there.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/game"
cp -r "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"

# run_without_display ENV-ARGS...: runs the game to its end under env ENV-ARGS.
run_without_display() {
    GAME_STATUS=0
    (cd "$WORK/game" && exec env "$@" timeout -k 2 20 "$RYKE" \
        </dev/null >"$WORK/game.out" 2>"$WORK/game.err") || GAME_STATUS=$?
    ((GAME_STATUS != 124)) || fail "ryke hung without a display ($*)"
    expect_status 1
    grep -qi 'no display' "$WORK/game.err" || fail "stderr does not say 'no display' ($*)"
}

run_without_display -u DISPLAY
echo "ok: DISPLAY unset"

# A display number no server listens on.
n=7000
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
run_without_display DISPLAY=":$n"
echo "PASS: no display, status 1 with a message, DISPLAY unset or unreachable"
