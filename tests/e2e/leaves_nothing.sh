#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A failing end-to-end test leaves nothing running: a test that fails, one that a command's
# failure ends, and one stopped by SIGTERM (as a runner that gives up on it does), each with the
# game up and helpers of its own running, leave no process behind and no window on the display;
# and a test run right after them passes.
# Usage: leaves_nothing.sh PATH/TO/ryke
source "$(dirname "$0")/lib.sh"

need_display
mark=leaves-nothing-$$-$RANDOM
# A test that starts the game and helpers the way tests do (and one that nothing records), and
# then ends as $1 says.
cat >"$WORK/failing.sh" <<SCRIPT
source "$E2E_DIR/lib.sh"
start_game "$REPO_ROOT"
find_window Ryke >/dev/null
sleep 600 &
EXTRA_PIDS+=(\$!)
( sleep 600 ) &
bash -c 'sleep 600' &
touch "$WORK/ready"
# Ends only once the processes were seen: a quick ending would take them along first.
while [[ ! -e "$WORK/go" ]]; do sleep 0.05; done
case \$2 in
fail) fail "on purpose" ;;
error) false ;;
term) while :; do sleep 0.1; done ;;
esac
SCRIPT

# left_behind: the pids of the processes any of those tests started that are still there.
left_behind() {
    grep -lzx "RYKE_E2E_MARK=$mark" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 || true
}

for ending in fail error term; do
    rm -f "$WORK/ready" "$WORK/go"
    RYKE_E2E_MARK=$mark bash "$WORK/failing.sh" "$RYKE" "$ending" >"$WORK/failing.out" 2>&1 &
    failing=$!
    poll "$PATIENCE" test -e "$WORK/ready" || fail "the failing test ($ending) never got its game up: $(cat "$WORK/failing.out")"
    [[ -n $(left_behind) ]] || fail "the marked processes cannot be seen"
    touch "$WORK/go"
    [[ $ending == term ]] && kill -TERM "$failing"
    status=0
    wait "$failing" || status=$?
    ((status != 0)) || fail "the failing test ($ending) passed"
    pids=$(left_behind)
    [[ -z $pids ]] || fail "the failing test ($ending) left behind: $(ps -o pid=,args= -p "${pids//$'\n'/,}")"
    [[ -z $(xdotool search --name '^Ryke$' 2>/dev/null) ]] || fail "the failing test ($ending) left the game's window"
    echo "ok: a test ending by $ending (status $status) left nothing behind"
done

bash "$E2E_DIR/title.sh" "$RYKE" >"$WORK/next.out" 2>&1 || fail "the next test failed: $(cat "$WORK/next.out")"
echo "PASS: failing tests leave no process behind, and the next test passes"
