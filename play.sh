#!/usr/bin/env bash
# Installs what the game needs, builds it into build/ and plays it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/need_packages.sh

# Say so before spending minutes on packages and a build that could not be shown.
if [[ -z ${DISPLAY:-} ]]; then
    echo "ryke needs a display: run it from a desktop session (DISPLAY is not set)." >&2
    exit 1
fi
if ! display_reachable; then
    echo "ryke needs a display: no X server answers at DISPLAY=$DISPLAY." >&2
    exit 1
fi
writable_trees build

need_packages "${BUILD_PACKAGES[@]}"
# Configure once; a build/ that test.sh set up (with tests) is reused as it is.
if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRYKE_TESTS=OFF
fi
cmake --build build --target ryke -j2
# The game reads images/ and sound/ relative to the working directory: the repo root.
exec build/ryke
