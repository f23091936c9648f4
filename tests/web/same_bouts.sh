#!/usr/bin/env bash
# The bout runner built with Emscripten plays each golden bout script under node with every
# frame's checks, and its trace (every state, sprite, sound, text and the pixels' checksum) is
# the Linux build's trace of the same script once the Linux program draws from musl's rand(),
# Emscripten's C library's. Both C libraries' rand() differ, and nothing else may.
# Usage: same_bouts.sh WEB-ryke_replay.js LINUX-ryke_replay
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ -x ${2:-} ]] || { echo "FAIL: no Linux ryke_replay to compare with (RYKE_NATIVE_REPLAY='${2:-}')" >&2; exit 1; }
web=$(realpath "$1")
linux=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/ryke-web.XXXXXX")
trap 'rm -rf "$work"' EXIT
cc -shared -fPIC -O2 -o "$work/musl_rand.so" "$here/musl_rand.c"

failed=0
for script in tests/replays/*.bout; do
    name=$(basename "$script" .bout)
    if ! node --no-experimental-fetch "$web" trace "$script" "$work/$name.web" 2>"$work/$name.err"; then
        echo "FAIL: $name: under node a frame fails its checks:" >&2
        cat "$work/$name.err" >&2
        failed=1
        continue
    fi
    if ! LD_PRELOAD=$work/musl_rand.so "$linux" trace "$script" "$work/$name.linux" 2>"$work/$name.err"; then
        echo "FAIL: $name: on Linux with musl's rand() a frame fails its checks:" >&2
        cat "$work/$name.err" >&2
        failed=1
        continue
    fi
    if ! cmp -s "$work/$name.web" "$work/$name.linux"; then
        # cmp fails here by design: with pipefail that would end the script before it says why.
        line=$(cmp "$work/$name.web" "$work/$name.linux" | sed -n 's/.* line \([0-9]*\)$/\1/p' || true)
        echo "FAIL: $name: the web trace differs from Linux's with musl's rand() at line ${line:-?}:" >&2
        diff <(sed -n "${line:-1}p" "$work/$name.web" | tr ' ' '\n') \
            <(sed -n "${line:-1}p" "$work/$name.linux" | tr ' ' '\n') >&2 || true
        failed=1
        continue
    fi
    cmp -s "$work/$name.linux" "${script%.bout}.trace" && same=", as committed" || same=", not the committed trace"
    echo "ok: $name: $(wc -l <"$work/$name.linux") lines alike$same"
done
exit "$failed"
