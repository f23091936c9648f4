#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# SIGTERM, SIGHUP, SIGINT and SIGQUIT, on the title and in a bout, end the game as the close
# button does: status 128 + the signal's number, not killed by it, and neither a core file nor
# a shared-memory segment left behind. A SIGINT the game was started with ignored stays ignored.
source "$(dirname "$0")/lib.sh"

# segments PID: the shared-memory segments PID created that still exist.
segments() { awk -v pid="$1" 'NR > 1 && $5 == pid { printf "%s ", $2 }' /proc/sysvipc/shm; }

need_display
mkdir -p "$WORK/game"
ln -s "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"
# A crash would leave its core file in the working folder, where the system writes one there.
ulimit -c unlimited 2>/dev/null || true

for where in title bout; do
    for sig in TERM HUP INT QUIT; do
        start_game "$WORK/game"
        win=$(find_window Ryke)
        wait_for_title "$win" "$WORK/title.png"
        if [[ $where == bout ]]; then enter_bout "$win"; fi
        pid=$(game_pid)
        kill -s "$sig" "$pid"
        wait_exit "$PATIENCE"
        expect_status $((128 + $(kill -l "$sig")))
        [[ -z $(segments "$pid") ]] || fail "SIG$sig in the $where left shared memory: $(segments "$pid")"
        ! compgen -G "$WORK/game/core*" >/dev/null || fail "SIG$sig in the $where left a core file"
        echo "ok: SIG$sig in the $where, status $GAME_STATUS"
    done
done

# Started from a script in the background: SIGINT ignored, on the title and in a bout alike.
start_game "$WORK/game" env --ignore-signal=INT
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
for where in title bout; do
    kill -INT "$(game_pid)"
    # The library's own handler took the game down within milliseconds.
    for ((i = 0; i < 5; i++)); do
        alive "$GAME_PID" || { wait_exit 0; fail "an ignored SIGINT in the $where ended the game with $GAME_STATUS"; }
        sleep 0.1
    done
    if [[ $where == title ]]; then enter_bout "$win"; fi
done
escape_and_wait "$win"
expect_status 0
echo "PASS: each stop signal ends the game in order with 128 + its number; an ignored SIGINT stays ignored"
