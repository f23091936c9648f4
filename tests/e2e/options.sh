#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The command line needs no display: --help and --version print a few lines and exit 0, and an
# option the game does not know, or a speed it does not offer, is refused with status 2 and a
# line that says so, before any window opens.
source "$(dirname "$0")/lib.sh"

# run_plain OUT ERR ARGS...: the game with no display at all; prints its exit status.
run_plain() {
    local out=$1 err=$2 status=0
    shift 2
    env -u DISPLAY timeout 10 "$RYKE" "$@" >"$out" 2>"$err" </dev/null || status=$?
    echo "$status"
}

lines() { wc -l <"$1"; }

for option in --help --version; do
    status=$(run_plain "$WORK/out" "$WORK/err" "$option")
    [[ $status == 0 ]] || fail "ryke $option ended with $status"
    (($(lines "$WORK/out") >= 1 && $(lines "$WORK/out") <= 10)) || fail "ryke $option printed $(lines "$WORK/out") lines"
    [[ ! -s $WORK/err ]] || fail "ryke $option wrote to stderr: $(cat "$WORK/err")"
done
grep -q -- '--speed' "$WORK/out" && fail "--version printed the help"
run_plain "$WORK/out" "$WORK/err" --help >/dev/null
grep -q -- '--speed N' "$WORK/out" || fail "the help does not mention --speed"
grep -q -- '--fps N' "$WORK/out" || fail "the help does not mention --fps"
run_plain "$WORK/out" "$WORK/err" --version >/dev/null
grep -Eq '^ryke [0-9]+\.[0-9]+' "$WORK/out" || fail "the version line is '$(cat "$WORK/out")'"

# Refused even where a display is: nothing starts.
need_display
for args in "--fast" "--scale 9" "--speed 55" "--speed" "extra" "--fps 5" "--fps"; do
    # shellcheck disable=SC2086  # the words are the arguments
    status=$(run_plain "$WORK/out" "$WORK/err" $args)
    [[ $status == 2 ]] || fail "ryke $args ended with $status, expected 2"
    grep -q '^ryke: ' "$WORK/err" || fail "ryke $args said: $(cat "$WORK/err")"
    [[ ! -s $WORK/out ]] || fail "ryke $args wrote to stdout"
done
grep -q "speed must be" "$WORK/err" && fail "'extra' was taken for a speed"
echo "PASS: --help and --version without a display, unknown options refused with status 2"
