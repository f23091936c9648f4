#!/usr/bin/env bash
# The Windows build plays each golden bout script under Wine with every frame's checks, and its
# trace (every state, sprite, sound, text and the pixels' checksum) is the Linux build's trace
# of the same script once the Linux program draws from Windows' rand(). Both C libraries' rand()
# differ, and nothing else may.
# Usage: same_bouts.sh WINDOWS-ryke_replay.exe LINUX-ryke_replay
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ -x ${2:-} ]] || { echo "FAIL: no Linux ryke_replay to compare with (RYKE_NATIVE_REPLAY='${2:-}')" >&2; exit 1; }
windows=$(realpath "$1")
linux=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/ryke-wine.XXXXXX")
trap 'rm -rf "$work"' EXIT
cc -shared -fPIC -O2 -o "$work/msvcrt_rand.so" "$here/msvcrt_rand.c"

failed=0
for script in tests/replays/*.bout; do
    name=$(basename "$script" .bout)
    if ! bash "$here/wine.sh" "$windows" trace "$script" "$work/$name.windows" 2>"$work/$name.err"; then
        echo "FAIL: $name: under Wine a frame fails its checks:" >&2
        cat "$work/$name.err" >&2
        failed=1
        continue
    fi
    LD_PRELOAD=$work/msvcrt_rand.so "$linux" trace "$script" "$work/$name.linux" 2>/dev/null
    # Windows writes its text files with CRLF.
    tr -d '\r' <"$work/$name.windows" >"$work/$name.windows.lf"
    if ! cmp -s "$work/$name.windows.lf" "$work/$name.linux"; then
        line=$(cmp "$work/$name.windows.lf" "$work/$name.linux" | sed -n 's/.* line \([0-9]*\)$/\1/p')
        echo "FAIL: $name: the Windows trace differs from Linux's with Windows' rand() at line ${line:-?}:" >&2
        diff <(sed -n "${line:-1}p" "$work/$name.windows.lf" | tr ' ' '\n') \
            <(sed -n "${line:-1}p" "$work/$name.linux" | tr ' ' '\n') >&2 || true
        failed=1
        continue
    fi
    cmp -s "$work/$name.linux" "${script%.bout}.trace" && same=", as committed" || same=", not the committed trace"
    echo "ok: $name: $(wc -l <"$work/$name.linux") lines alike$same"
done
exit "$failed"
