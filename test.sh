#!/usr/bin/env bash
# Sets up and runs every test: the unit, asset and end-to-end tests on a normal build, the unit
# and end-to-end tests again under AddressSanitizer + UndefinedBehaviorSanitizer, the clock's
# tests under ThreadSanitizer, and a minute of fuzzing the asset checks. Exits non-zero if any
# stage fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/need_packages.sh
source scripts/stages.sh

# The package test checks with file, lintian, appstream and man-db what Debian would check.
PACKAGES=("${BUILD_PACKAGES[@]}" "${PNG_LINK_PACKAGES[@]}" "${WINDOW_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    googletest libgtest-dev python3-xlib python3-numpy dpkg-dev file desktop-file-utils lintian appstream man-db)
JOBS=2
LOGS=$(mktemp -d "${TMPDIR:-/tmp}/ryke-test.XXXXXX")
source tests/e2e/xvfb.sh

CTEST_GROUP=

cleanup() {
    if [[ -n $CTEST_GROUP ]]; then kill -- "-$CTEST_GROUP" 2>/dev/null || true; fi
    stop_xvfb
    rm -rf "$LOGS"
}
trap cleanup EXIT
# Ctrl-C (or a TERM or HUP) ends the whole run at once; cleanup then stops ctest and Xvfb.
interrupted() {
    echo "=== interrupted" >&2
    exit 130
}
trap interrupted INT TERM HUP

# build DIR CMAKE-ARGS...: configures one tree and builds it (only the targets BUILD_TARGET names, if set).
build() {
    local dir=$1
    shift
    # shellcheck disable=SC2086  # BUILD_TARGET may name several targets
    cmake -S . -B "$dir" -DRYKE_TESTS=ON "$@" && cmake --build "$dir" -j"$JOBS" ${BUILD_TARGET:+--target $BUILD_TARGET}
}

# run_ctest DIR CTEST-ARGS...: runs ctest and adds its counts to the totals.
run_ctest() {
    local dir=$1 log status=0
    shift
    log="$LOGS/ctest-$(basename "$dir").log"
    # A process group of its own, so that cleanup can end ctest together with its tests.
    # shellcheck disable=SC2016  # $@ and $LOG belong to the inner shell
    LOG=$log setsid --wait bash -o pipefail -c 'ctest "$@" 2>&1 | tee "$LOG"' ctest \
        --test-dir "$dir" -j"$JOBS" --output-on-failure --no-tests=error "$@" &
    CTEST_GROUP=$!
    wait "$CTEST_GROUP" || status=$?
    CTEST_GROUP=
    count_tests "$log"
    return "$status"
}

# tests_with_display DIR CTEST-ARGS...: run_ctest with an X server for the end-to-end tests,
# one that lives only as long as the tests run.
tests_with_display() {
    start_xvfb "$LOGS" || return 1
    local status=0
    run_ctest "$@" || status=$?
    stop_xvfb
    return "$status"
}

writable_trees build build-asan build-tsan build-fuzz

stage "packages" need_packages "${PACKAGES[@]}" || { summary; exit 1; }

# Each test stage runs only when its build succeeded; a failure doesn't stop the later stages.
if stage "build" build build; then
    stage "tests (unit, assets, e2e)" tests_with_display build || true
fi

# The sanitizer trees build only what their tests run, at -O1 (a third faster to build than
# -O2, and the sanitizers' usual level).
ASAN_TARGETS="ryke ryke_tests ryke_replay_cli bot_test clock_test assetgen fakepad seed_rand play_voices"
SANITIZED=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g")
if BUILD_TARGET=$ASAN_TARGETS stage "build asan+ubsan" build build-asan "${SANITIZED[@]}" -DRYKE_SANITIZE="address;undefined"; then
    # The library installs its own SIGSEGV handler; let ASan report faults itself.
    ASAN_OPTIONS=allow_user_segv_handler=0 UBSAN_OPTIONS=print_stacktrace=1 \
        stage "tests asan+ubsan" run_ctest build-asan -LE e2e || true
    # The real game in a window too. The library unloads its ALSA driver module at exit, and
    # with it the sound library, whose cached configuration the leak checker would then report,
    # through stacks it cannot read, taking 10 s an exit: the game is started with the sound
    # library and that module (with the library it needs) preloaded, so they stay. Loaded first,
    # they need ASan's link-order check off. A sanitizer's report ends the game with 99, a status
    # no test expects. Packing is the normal build's job, so that test is left out here.
    alsa_module=$(echo "$(pkg-config --variable=libdir allegro)"/allegro/*/alleg-alsadigi.so)
    ASAN_OPTIONS=allow_user_segv_handler=0:verify_asan_link_order=0:exitcode=99 \
        UBSAN_OPTIONS=print_stacktrace=1 RYKE_E2E_PRELOAD="libasound.so.2:liballeg.so.4.4:$alsa_module" \
        stage "e2e asan+ubsan" tests_with_display build-asan -L e2e -LE package || true
fi

if BUILD_TARGET=clock_test stage "build tsan (clock)" build build-tsan "${SANITIZED[@]}" -DRYKE_SANITIZE=thread; then
    stage "tests tsan (clock)" run_ctest build-tsan -L tsan || true
fi

stage "fuzz the asset checks (1 min)" logged fuzz scripts/fuzz.sh 60 || true

summary
