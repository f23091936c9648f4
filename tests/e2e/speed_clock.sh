#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A speed chosen with the arrows on the title reaches the bout's clock: standing idle, the hero
# is killed and the title comes back about 13 s into a bout at full speed (his last life goes
# 10.3 s in, and the bout lingers 3 s on his death), twice as long at 50%.
source "$(dirname "$0")/lib.sh"

# idle_bout: enters a bout from the title and prints how many milliseconds it lasted, idle,
# until the title came back.
idle_bout() {
    local start
    enter_bout "$win"
    start=$(date +%s%3N)
    poll 120 shows_title "$win" "$WORK/back.png" || fail "the title did not come back after an idle bout"
    echo $(($(date +%s%3N) - start))
}

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
full=$(idle_bout)
# Five steps slower: 90, 80, 70, 60, 50%.
for _ in 1 2 3 4 5; do hold_key "$win" Left; sleep 0.2; done
half=$(idle_bout)
escape_and_wait "$win"
expect_status 0
echo "idle bouts: $full ms at 100%, $half ms at 50%"
# The title is looked for a few times a second, and a busy machine may add a second.
((full >= 11000 && full <= 17000)) || fail "an idle bout at full speed lasted $full ms, not about 13 s"
ratio=$((100 * half / full))
((ratio >= 170 && ratio <= 230)) ||
    fail "the bout at 50% lasted $ratio% of the one at 100% ($half and $full ms), not twice as long"
echo "PASS: the speed chosen with the arrows sets the bout's clock (50%: $ratio% of the time)"
