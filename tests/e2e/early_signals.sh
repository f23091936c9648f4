#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A stop signal in the game's first milliseconds, while the library is still starting: 36 starts,
# each with SIGTERM, SIGINT or SIGHUP 0 to 50 ms in. Each run ends with 128 + the signal, or, if
# the signal came before the game's first instruction, is ended by it as any program would be;
# never an abort, a segfault or a hang, never a core file, never a shared-memory segment left.
source "$(dirname "$0")/lib.sh"

RUNS=36

# segments PID: the shared-memory segments PID created that still exist.
segments() { awk -v pid="$1" 'NR > 1 && $5 == pid { printf "%s ", $2 }' /proc/sysvipc/shm; }
# The X server lets go of a segment a moment after the game has ended: give it that moment.
no_segments() { [[ -z $(segments "$1") ]]; }

need_display
mkdir -p "$WORK/game"
ln -s "$REPO_ROOT/images" "$REPO_ROOT/sound" "$WORK/game/"
ulimit -c unlimited 2>/dev/null || true
(cd "$WORK/game" && exec /usr/bin/python3 "$E2E_DIR/early_signals.py" "$RUNS" 50 \
    ${RYKE_E2E_PRELOAD:+env LD_PRELOAD="$RYKE_E2E_PRELOAD"} "$RYKE") >"$WORK/runs.log" ||
    fail "the sweep did not run"
exits=0
killed=0
while read -r delay _ number pid how code; do
    [[ $how != hung ]] || fail "a signal at $delay ms: the game hung"
    if [[ $how == exit && $code == $((128 + number)) ]]; then
        exits=$((exits + 1))
    elif [[ $how == signal && $code == "$number" ]]; then
        killed=$((killed + 1))
    else
        fail "signal $number at $delay ms: the game ended with $how $code"
    fi
    poll 10 no_segments "$pid" || fail "signal $number at $delay ms left shared memory: $(segments "$pid")"
done <"$WORK/runs.log"
(($(wc -l <"$WORK/runs.log") == RUNS)) || fail "only $(wc -l <"$WORK/runs.log") of $RUNS runs reported"
! compgen -G "$WORK/game/core*" >/dev/null || fail "a run left a core file"
echo "PASS: $RUNS stop signals 0 to 50 ms in: $exits ended in order with 128 + the signal, $killed before the game's first instruction"
