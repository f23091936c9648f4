#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Windows build under Wine takes the frame cap: with --fps 30 the still title costs the game
# a small part of a core (without it the game draws as fast as Wine lets it, a whole core).
source "$(dirname "$0")/lib.sh"

GAME_ARGS=(--fps 30)
wine_game_up "$REPO_ROOT"
desk=$DESKTOP
wait_for_wine_title "$desk" "$WORK/title.png"
pid=$(game_pid)
ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
sleep 2
before=$(cpu)
sleep 5
used=$(($(cpu) - before))
# 25% of a core: five times what it takes on an idle machine, so that a busy one does not fail it.
((used * 100 < 25 * 5 * ticks)) || fail "the capped title took $((used * 100 / (5 * ticks)))% of a core"
escape_ends "$desk"
echo "PASS: with --fps 30 the title took $((used * 100 / (5 * ticks)))% of a core under Wine; ESC exited 0"
