#!/usr/bin/env bash
# Builds the web page on Debian 12 with Debian's Emscripten: the library from Debian's source
# with the browser's drivers (src/platform/web/), then the game and the bout runner, then
# build-web/ryke-VERSION-web/ (index.html, ryke.js, ryke.wasm, ryke.data) and its zip.
#   scripts/web.sh          the page and its zip
#   scripts/web.sh --test   the same, then the tests in headless Chromium and under node
# Run as root it installs the Debian packages it needs; otherwise it names them and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/need_packages.sh
source scripts/allegro_source.sh

TEST=0
case ${1:-} in
"") ;;
--test) TEST=1 ;;
*) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

ROOT=$PWD
OUT=$ROOT/build-web
# Where the library's source and its builds are kept: the build tree, or a folder that outlives
# it (CI's clones are new every time).
CACHE=${RYKE_WEB_CACHE:-$OUT}
mkdir -p "$OUT" "$CACHE"
PATCHES=(dist/web/*.patch)
# The library's browser platform: its drivers, headers and the build of both with the core.
PLATFORM=(src/platform/web/CMakeLists.txt src/platform/web/*.[ch] src/platform/web/include/allegro/platform/*.h)
JOBS=2
PACKAGES=(emscripten cmake make patch zip)
# The tests also build the Linux bout runner, to compare its traces with the one under node.
TEST_PACKAGES=(chromium chromium-driver python3-selenium python3-pil build-essential pkg-config
    liballegro4-dev libloadpng4-dev)
ALLEGRO_OPTIONS=(-DCMAKE_BUILD_TYPE=Release)
# Debian's node does not look in Debian's own folder of node modules, where Emscripten's are.
export NODE_PATH=/usr/share/nodejs

step() { echo "=== $* ($SECONDS s)"; }

# Prints the library's install folder, building it first unless the cache already holds one
# made from the same tarball, patches, platform, compiler and options.
allegro() {
    local key dir src
    key=$(
        sha256sum "$CACHE/allegro-source/$ALLEGRO_TARBALL" "${PATCHES[@]}" "${PLATFORM[@]}" | cut -d' ' -f1
        emcc --version | head -n 1
        printf '%s\n' "${ALLEGRO_OPTIONS[@]}"
    )
    key=$(sha256sum <<<"$key" | cut -c1-16)
    dir=$CACHE/allegro-web-$key
    if [[ -f $dir/install/lib/liballeg.a ]]; then
        echo "the library built before, in $dir" >&2
        echo "$dir/install"
        return 0
    fi
    # Builds made from anything else are of no more use.
    find "$CACHE" -maxdepth 1 -name 'allegro-web-*' -exec rm -rf {} +
    src=$dir/src
    mkdir -p "$src"
    tar -xzf "$CACHE/allegro-source/$ALLEGRO_TARBALL" -C "$src" --strip-components=1
    local patch
    for patch in "${PATCHES[@]}"; do
        patch -d "$src" -p1 --forward --quiet <"$ROOT/$patch" >&2
    done
    emcmake cmake -S "$ROOT/src/platform/web" -B "$dir/build" -DALLEGRO_SOURCE="$src" \
        -DCMAKE_INSTALL_PREFIX="$dir/install" "${ALLEGRO_OPTIONS[@]}" >"$dir/configure.log" 2>&1 ||
        { cat "$dir/configure.log" >&2; return 1; }
    nice -n 10 cmake --build "$dir/build" -j"$JOBS" >"$dir/build.log" 2>&1 ||
        { tail -n 40 "$dir/build.log" >&2; return 1; }
    cmake --install "$dir/build" >"$dir/install.log" 2>&1 || { cat "$dir/install.log" >&2; return 1; }
    rm -rf "$src" "$dir/build"
    echo "$dir/install"
}

# The licence of the game and the notices of what the page carries compiled in.
notices() {
    local allegro=$1
    if [[ -f LICENSE ]]; then
        echo "================ Ryke ================"
        echo
        cat LICENSE
        echo
    fi
    cat <<'EOF'
ryke.wasm and ryke.js contain, compiled in, the Allegro 4.4 game programming library (built
from Debian's source package allegro4.4), and Emscripten's runtime and system libraries
(its JavaScript runtime, musl, libc++, libc++abi and compiler-rt), from Debian's package
emscripten. Their licences follow.

================ Allegro 4.4 ================
EOF
    cat "$allegro/share/allegro-license.txt"
    printf '\n================ Emscripten ================\n\n'
    cat /usr/share/doc/emscripten/copyright
}

# pack ALLEGRO GAME-TREE: writes the page's folder and its zip, and prints the folder's path.
pack() {
    local allegro=$1 tree=$2 version name stage zip
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
    name=ryke-$version-web
    stage=$OUT/$name
    zip=$OUT/$name.zip
    rm -rf "$stage" "$zip"
    mkdir -p "$stage"
    cp dist/web/index.html "$tree/ryke.js" "$tree/ryke.wasm" "$tree/ryke.data" "$stage/"
    notices "$allegro" >"$stage/LICENSE.txt"
    (cd "$OUT" && zip -q -r -X "$zip" "$name")
    echo "$stage"
}

# sizes FOLDER: what the page loads, plain and gzipped (a server's usual encoding).
sizes() {
    local plain=0 packed=0 f
    for f in "$1"/index.html "$1"/ryke.*; do
        plain=$((plain + $(stat -c %s "$f")))
        packed=$((packed + $(gzip -9 -c "$f" | wc -c)))
    done
    echo "the page loads $((plain / 1024)) KB, $((packed / 1024)) KB gzipped"
}

PACKAGES_NOW=("${PACKAGES[@]}")
((TEST)) && PACKAGES_NOW+=("${TEST_PACKAGES[@]}")
step "packages"
need_packages "${PACKAGES_NOW[@]}"

step "the library's source"
fetch_allegro_source "$CACHE/allegro-source"
step "the library"
ALLEGRO=$(allegro)

NATIVE=$OUT/native
if ((TEST)); then
    step "the Linux bout runner"
    cmake -S . -B "$NATIVE" -DCMAKE_BUILD_TYPE=Release -DRYKE_TESTS=OFF >"$OUT/native-configure.log" 2>&1 ||
        { cat "$OUT/native-configure.log" >&2; exit 1; }
    nice -n 10 cmake --build "$NATIVE" -j"$JOBS" --target ryke_replay_cli
fi

step "the game and the bout runner"
GAME=$OUT/game
emcmake cmake -S . -B "$GAME" -DCMAKE_BUILD_TYPE=Release -DRYKE_ALLEGRO_PREFIX="$ALLEGRO" \
    -DRYKE_WEB_TESTS=$((TEST ? 1 : 0)) -DRYKE_NATIVE_REPLAY="$NATIVE/ryke_replay" \
    >"$OUT/game-configure.log" 2>&1 || { cat "$OUT/game-configure.log" >&2; exit 1; }
nice -n 10 cmake --build "$GAME" -j"$JOBS" --target ryke ryke_replay_cli

step "the page"
PAGE=$(pack "$ALLEGRO" "$GAME")
echo "$PAGE, $PAGE.zip"
sizes "$PAGE"

if ((TEST)); then
    step "tests in headless Chromium and under node"
    ctest --test-dir "$GAME" -L web --output-on-failure --no-tests=error
fi
step "done"
