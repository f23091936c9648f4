#!/usr/bin/env bash
# Runs the asset fuzzer: first on every input it once crashed on (found/), then for SECONDS on
# new inputs grown from the small seeds (seeds/) and the shipped pictures and sounds, half the
# time on inputs of at most 1 KB, where a change to one field of a header is soon tried, half on
# inputs as large as the shipped files. New inputs go to CORPUS, a crash's input beside it.
# Usage: run.sh FUZZER SECONDS CORPUS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
fuzzer=$1 seconds=$2 corpus=$3

for input in "$here"/found/*; do
    if [[ -f $input ]]; then "$fuzzer" "$input"; fi
done
mkdir -p "$corpus"
run() { "$fuzzer" -dict="$here/assets.dict" -artifact_prefix="$corpus/../" -print_final_stats=1 "$@" \
    "$corpus" "$here/seeds" "$repo/images" "$repo/sound"; }
run -max_len=1024 -max_total_time=$((seconds / 2))
run -max_total_time=$((seconds - seconds / 2))
