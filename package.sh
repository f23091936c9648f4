#!/usr/bin/env bash
# Installs what the package build needs, builds the Debian package into build-deb/ (or the
# folder given) and prints the .deb's path. Install it as root with:
#   apt-get install ./build-deb/ryke_*.deb
# Two builds of one commit give the same bytes: every packed file carries the date of the last
# commit (see dist/cpack_dates.cmake.in).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/need_packages.sh

# cpack needs `file` to tell programs from data, and dpkg-dev's dpkg-shlibdeps, dpkg-buildflags
# and dpkg-parsechangelog for the dependencies, Debian's hardening flags and the fallback date.
PACKAGES=("${BUILD_PACKAGES[@]}" "${PNG_LINK_PACKAGES[@]}" file dpkg-dev)
BUILD=${1:-build-deb}

writable_trees "$BUILD"
need_packages "${PACKAGES[@]}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DRYKE_TESTS=OFF
# A package of an older version left there would make ryke_*.deb ambiguous.
rm -f "$BUILD"/ryke_*.deb
cmake --build "$BUILD" -j2 --target package
deb=$(echo "$BUILD"/ryke_*.deb)
[[ -f $deb ]] || { echo "package.sh: cpack made no ryke_*.deb in $BUILD" >&2; exit 1; }
echo "package: $deb"
