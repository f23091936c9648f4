#!/usr/bin/env bash
# The fuzz test's time limit follows its fuzzing time: a fuzz tree configured for SECONDS (as
# scripts/fuzz.sh does) must give its test more than SECONDS. Configures only; builds nothing.
# Usage: limit.sh SCRATCH-FOLDER
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
tree=$1
rm -rf "$tree"
for seconds in 60 600 3600; do
    cmake -S "$repo" -B "$tree" -DCMAKE_CXX_COMPILER=clang++ -DRYKE_FUZZ=ON -DRYKE_TESTS=OFF \
        -DRYKE_FUZZ_SECONDS="$seconds" >"$tree.log" 2>&1 || { cat "$tree.log" >&2; exit 1; }
    limit=$(ctest --test-dir "$tree" -L fuzz --show-only=json-v1 |
        python3 -c 'import json, sys
tests = json.load(sys.stdin)["tests"]
print(next(p["value"] for p in tests[0]["properties"] if p["name"] == "TIMEOUT"))')
    if ((${limit%.*} <= seconds + 60)); then
        echo "FAIL: $seconds s of fuzzing, but the test is stopped after $limit s" >&2
        exit 1
    fi
    echo "ok: $seconds s of fuzzing, limit $limit s"
done
rm -rf "$tree" "$tree.log"
