# shellcheck shell=bash
# Stages of a run (test.sh, CI): each timed, its tests counted, and one summary whose last line
# never reads like success when anything failed.
SUMMARY=()
FAILED_STAGES=()
TESTS_PASSED=0
TESTS_FAILED=0

# Status of a step that could not run here for a cause outside the project (no network).
CANNOT_RUN=75

# stage NAME COMMAND...: runs one step, times it and records the outcome. A stage that fails
# without a failed test to show for it (a build, an install) counts as one failed test itself;
# one that ends with CANNOT_RUN is shown as not run.
stage() {
    local name=$1 start=$SECONDS status=0 failed_before=$TESTS_FAILED
    shift
    echo "=== $name"
    "$@" || status=$?
    if ((status == 0)); then
        SUMMARY+=("$(printf '%-36s %4ds  ok' "$name" $((SECONDS - start)))")
    elif ((status == CANNOT_RUN)); then
        SUMMARY+=("$(printf '%-36s %4ds  NOT RUN (could not run here)' "$name" $((SECONDS - start)))")
    else
        SUMMARY+=("$(printf '%-36s %4ds  FAILED' "$name" $((SECONDS - start)))")
        FAILED_STAGES+=("$name")
        ((TESTS_FAILED > failed_before)) || TESTS_FAILED=$((TESTS_FAILED + 1))
    fi
    echo "=== $name: $((SECONDS - start)) s"
    return "$status"
}

# count_tests LOG: adds the counts a run wrote to LOG: the last "tests: P passed, F failed" of a
# whole run (test.sh's), or else ctest's "N% tests passed, F tests failed out of T" lines.
count_tests() {
    local counts passed failed
    counts=$(sed -n 's/^tests: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$1" | tail -n 1)
    [[ -n $counts ]] || counts=$(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$1" |
        awk '{ failed += $1; total += $2 } END { if (NR) print total - failed, failed }')
    [[ -n $counts ]] || return 0
    read -r passed failed <<<"$counts"
    TESTS_PASSED=$((TESTS_PASSED + passed))
    TESTS_FAILED=$((TESTS_FAILED + failed))
}

# logged NAME COMMAND...: runs COMMAND with its output shown and kept in $LOGS/NAME.log, and
# counts the tests it reports.
logged() {
    local log=$LOGS/$1.log status=0
    shift
    "$@" 2>&1 | tee "$log" || status=$?
    count_tests "$log"
    return "$status"
}

# summary: the stages with their times, what failed, and the counts; fails when a stage did.
summary() {
    echo
    echo "=== summary"
    printf '%s\n' "${SUMMARY[@]}"
    echo "total: ${SECONDS} s"
    if ((${#FAILED_STAGES[@]})); then
        printf 'failed stages: %s' "${FAILED_STAGES[0]}"
        printf '; %s' "${FAILED_STAGES[@]:1}"
        echo
    fi
    echo "tests: $TESTS_PASSED passed, $TESTS_FAILED failed"
    ((${#FAILED_STAGES[@]} == 0))
}
