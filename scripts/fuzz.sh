#!/usr/bin/env bash
# Builds the asset checks' fuzzer with clang (AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs it, first on every input it once crashed on (tests/fuzz/found), then for
# SECONDS (60 unless given) on new ones grown from the shipped pictures and sounds.
# Run as root it installs clang and its sanitizer runtime besides the game's own packages.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/need_packages.sh
seconds=${1:-60}
writable_trees build-fuzz
need_packages "${FUZZ_PACKAGES[@]}" "${BUILD_PACKAGES[@]}"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DRYKE_FUZZ=ON -DRYKE_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" -DRYKE_FUZZ_SECONDS="$seconds" >/dev/null
nice -n 10 cmake --build build-fuzz -j2 --target asset_fuzz
ctest --test-dir build-fuzz -L fuzz --output-on-failure --no-tests=error
