#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Standard streams the game cannot write to. Started with descriptors 0, 1 and 2 closed, it gets
# /dev/null in their place (not the X connection), shows its title and ends on SIGTERM and on ESC.
# With stdout and stderr a pipe whose reader has gone, its writes fail quietly: without a display
# it still says so with status 1, and with one it runs and ends on ESC with 0, not killed by
# SIGPIPE (141), leaving no shared memory behind.
source "$(dirname "$0")/lib.sh"

segments() { awk -v pid="$1" 'NR > 1 && $5 == pid { printf "%s ", $2 }' /proc/sysvipc/shm; }
# The X server lets go of a segment a moment after the game has ended: give it that moment.
no_segments() { [[ -z $(segments "$1") ]]; }

need_display
mkdir -p "$WORK/game"
ln -s "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"

# The sanitizer stage's preload goes to the game alone: a shell or Python with it crashes.
preload=${RYKE_E2E_PRELOAD:-}
for ending in TERM Escape; do
    # shellcheck disable=SC2016  # $0 and $1 belong to the inner shell
    RYKE_E2E_PRELOAD='' start_game "$WORK/game" bash -c 'exec env ${0:+LD_PRELOAD="$0"} "$1" <&- >&- 2>&-' "$preload"
    win=$(find_window Ryke)
    wait_for_title "$win" "$WORK/title.png"
    pid=$(game_pid)
    for fd in 0 1 2; do
        [[ $(readlink "/proc/$pid/fd/$fd") == /dev/null ]] ||
            fail "descriptor $fd is $(readlink "/proc/$pid/fd/$fd"), not /dev/null"
    done
    if [[ $ending == TERM ]]; then kill -TERM "$pid"; else hold_key "$win" Escape; fi
    wait_exit 10
    if [[ $ending == TERM ]]; then expect_status 143; else expect_status 0; fi
    echo "ok: started with 0, 1 and 2 closed, they are /dev/null; $ending ends it with $GAME_STATUS"
done

status=0
(cd "$WORK/game" && exec env -u DISPLAY /usr/bin/python3 "$E2E_DIR/dead_pipe.py" \
    ${RYKE_E2E_PRELOAD:+env LD_PRELOAD="$RYKE_E2E_PRELOAD"} "$RYKE" </dev/null) || status=$?
((status == 1)) || fail "without a display and with a dead pipe for stderr: status $status, expected 1"
echo "ok: no display, stderr a dead pipe: status 1"

RYKE_E2E_PRELOAD='' start_game "$WORK/game" /usr/bin/python3 "$E2E_DIR/dead_pipe.py" env ${preload:+LD_PRELOAD="$preload"}
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
pid=$(pgrep -P "$(game_pid)" | head -n1)
hold_key "$win" Escape
wait_exit 10
expect_status 0
[[ -z $pid ]] || poll 10 no_segments "$pid" || fail "shared memory left behind: $(segments "$pid")"
echo "PASS: closed standard streams become /dev/null; a dead pipe for stdout and stderr costs nothing"
