#!/usr/bin/env bash
# What the frame cap (--fps) costs and saves, side by side in one run: the game without a cap,
# and capped at 60 and at 120 frames a second, each on a private X server (Xvfb). For each: the
# CPU the game and the X server take on the still title and in a bout where D is pressed every
# half second (in % of one core), the frames a second the window shows, and the key-to-screen
# latency (D pressed, the window grabbed until the hero's pose changes; median and 90th
# percentile of PRESSES presses, 30 by default). A benchmark, not a test: run it on a quiet
# machine (here: /work/bin/slot --all scripts/frame-cap-benchmark.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/need_packages.sh
need_packages "${BUILD_PACKAGES[@]}" "${WINDOW_PACKAGES[@]}" python3-xlib
source tests/e2e/xvfb.sh

SECONDS_EACH=${SECONDS_EACH:-10}
PRESSES=${1:-30}
BUILD=build-benchmark

cmake -S . -B "$BUILD" -DRYKE_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target ryke >/dev/null
WORK=$(mktemp -d)
GAME=
cleanup() {
    if [[ -n $GAME ]]; then kill "$GAME" 2>/dev/null || true; fi
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
export XDG_DATA_HOME=$WORK/data

printf '| %-9s | %-23s | %-23s | %-14s |\n' "cap" "title: game, X, frames/s" "bout: game, X, frames/s" "key to screen"
printf '|%s|%s|%s|%s|\n' "-----------" "-------------------------" "-------------------------" "----------------"
for cap in none 60 120; do
    start_xvfb "$WORK"
    args=()
    [[ $cap == none ]] || args=(--fps "$cap")
    "$BUILD/ryke" "${args[@]}" </dev/null >"$WORK/game.out" 2>&1 &
    GAME=$!
    window=
    for ((i = 0; i < 100; i++)); do
        sleep 0.1
        window=$(xdotool search --onlyvisible --name '^Ryke$' 2>/dev/null | head -n1) || true
        [[ -z $window ]] || break
    done
    [[ -n $window ]] || { cat "$WORK/game.out" >&2; exit 1; }
    sleep 2 # the title settles
    read -r tg tx tf bg bx bf lm l90 < <(/usr/bin/python3 scripts/frame_cap_measure.py "$GAME" "$XVFB_PID" "$window" \
        "$SECONDS_EACH" "$PRESSES")
    printf '| %-9s | %5s%%, %5s%%, %6s | %5s%%, %5s%%, %6s | %5s, %5s ms |\n' \
        "$([[ $cap == none ]] && echo "no cap" || echo "--fps $cap")" "$tg" "$tx" "$tf" "$bg" "$bx" "$bf" "$lm" "$l90"
    kill "$GAME" 2>/dev/null || true
    wait "$GAME" 2>/dev/null || true
    GAME=
    stop_xvfb
done
