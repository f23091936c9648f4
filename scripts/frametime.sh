#!/usr/bin/env bash
# Frame times on the title, side by side: another build of the game (today's main, say) and this
# one, at each scale that fits and fullscreen, on Xvfb desktops of four sizes. Each run lasts a
# few seconds; build/libframetime.so, preloaded, times every frame (tools/frametime). Run it on an
# otherwise idle machine (here: under /work/bin/slot --all).
# Usage: scripts/frametime.sh OTHER/ryke [SECONDS]    (prints a table, markdown)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/xvfb.sh
OTHER=$(realpath "${1:?usage: $0 OTHER/ryke [SECONDS]}")
SECONDS_EACH=${2:-6}
OURS=$(realpath build/ryke)
SHIM=$(realpath build/libframetime.so)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/ryke-frametime.XXXXXX")
trap 'stop_xvfb; rm -rf "$WORK"' EXIT
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data

# run NAME GAME ARGS...: the game on the title for SECONDS_EACH, then its line.
run() {
    local name=$1 game=$2 pid
    shift 2
    RYKE_FRAMETIME=$WORK/$name.txt LD_PRELOAD=$SHIM "$game" "$@" </dev/null >/dev/null 2>&1 &
    pid=$!
    sleep "$SECONDS_EACH"
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    cat "$WORK/$name.txt" 2>/dev/null || echo "frames 0  frame-ms -  copy-ms -"
}
ms() { awk '{ print $4 " ms (copy " $6 ")" }'; }

echo "| desktop | screen | other build | this build |"
echo "|---|---|---|---|"
for desktop in 1366x768 1920x1080 2560x1440 3840x2160; do
    unset DISPLAY
    XVFB_SCREEN=${desktop}x24 start_xvfb "$WORK"
    other=$(run other "$OTHER" | ms)
    echo "| $desktop | window 1x | $other | $(run ours1 "$OURS" --scale 1 | ms) |"
    if [[ $desktop == 3840x2160 ]]; then
        echo "| $desktop | window 2x (2048 x 1536) | - | $(run ours2 "$OURS" --scale 2 | ms) |"
    fi
    echo "| $desktop | fullscreen | - | $(run full "$OURS" --fullscreen | ms) |"
    stop_xvfb
done
