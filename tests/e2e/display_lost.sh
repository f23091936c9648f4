#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The X server dies under the game, on the title and in a bout, as when a desktop session ends:
# each time the game ends at once with status 1 and one line on stderr saying the display was
# lost; never an abort or a segfault, never a core file, never a shared-memory segment left.
source "$(dirname "$0")/lib.sh"

segments() { awk -v pid="$1" 'NR > 1 && $5 == pid { printf "%s ", $2 }' /proc/sysvipc/shm; }
# The X server lets go of a segment a moment after the game has ended: give it that moment.
no_segments() { [[ -z $(segments "$1") ]]; }

mkdir -p "$WORK/game"
ln -s "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"
ulimit -c unlimited 2>/dev/null || true

for where in title bout bout bout; do
    # A server of its own each time, to be killed.
    unset DISPLAY
    start_xvfb "$WORK" || fail "no Xvfb"
    start_game "$WORK/game"
    win=$(find_window Ryke)
    wait_for_title "$win" "$WORK/title.png"
    if [[ $where == bout ]]; then
        enter_bout "$win"
        # A few blows, so that the fight is drawn when the server goes.
        hold_key "$win" d
    fi
    pid=$(game_pid)
    kill -KILL "$XVFB_PID"
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
    wait_exit 10
    expect_status 1
    lines=$(grep -c 'display was lost' "$WORK/game.err" || true)
    ((lines == 1)) || fail "stderr says $lines times that the display was lost:
$(cat "$WORK/game.err")"
    ! grep -qiE 'AddressSanitizer|runtime error|XIO' "$WORK/game.err" || fail "the end was not clean"
    poll 10 no_segments "$pid" || fail "the display lost in the $where left shared memory: $(segments "$pid")"
    ! compgen -G "$WORK/game/core*" >/dev/null || fail "the display lost in the $where left a core file"
    echo "ok: the display lost in the $where, status 1, one line on stderr"
done
echo "PASS: a lost display ends the game with status 1 and one line, leaving nothing behind"
