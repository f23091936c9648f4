#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Stopping the game while it loads: every picture is a large file of many empty runs, so that
# loading takes many seconds. SIGTERM ends the game with 143, ESC and the close button with 0,
# each within a second (it must be half a second; the rest is for a loaded machine), and the
# title never shows.
source "$(dirname "$0")/lib.sh"

# How long loading may go on after the request, in ms.
STOP_WITHIN=1000

need_display
mkdir -p "$WORK/game/images"
ln -s "$REPO_ROOT/sound" "$WORK/game/"
# 15 MB of runs of no length before the first row: slow to decode, yet a picture that passes.
big=$WORK/slow.pcx
/usr/bin/python3 - "$REPO_ROOT/images/w00t.pcx" "$big" <<'PY'
import sys
b = open(sys.argv[1], "rb").read()
open(sys.argv[2], "wb").write(b[:128] + b"\xc0\x00" * (15 << 19) + b[128:])
PY
for f in "$REPO_ROOT"/images/*.pcx; do ln -s "$big" "$WORK/game/images/${f##*/}"; done

now_ms() { date +%s%3N; }

for how in TERM Escape close; do
    start_game "$WORK/game"
    win=$(find_window Ryke)
    # The window is open before the first picture is read; give loading a moment to be under way.
    sleep 0.5
    alive "$GAME_PID" || fail "ryke ended before it was asked to stop"
    case $how in
        TERM) kill -TERM "$(game_pid)" ;;
        Escape) xdotool keydown --window "$win" Escape 2>/dev/null ;;
        close) close_window "$win" ;;
    esac
    asked=$(now_ms)
    while alive "$GAME_PID" && (($(now_ms) - asked < 30000)); do sleep 0.02; done
    took=$(($(now_ms) - asked))
    [[ $how != Escape ]] || xdotool keyup --window "$win" Escape 2>/dev/null || true
    wait_exit 5
    if [[ $how == TERM ]]; then expect_status 143; else expect_status 0; fi
    ((took <= STOP_WITHIN)) || fail "$how while loading: the game took $took ms to end"
    echo "ok: $how while loading ends the game in $took ms with $GAME_STATUS"
done
echo "PASS: SIGTERM, ESC and the close button while loading end the game within ${STOP_WITHIN} ms"
