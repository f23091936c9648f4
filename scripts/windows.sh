#!/usr/bin/env bash
# Builds the Windows release on Debian 12: the library from Debian's source, static, then the
# game and the bout runner with mingw-w64, then build-win/ryke-VERSION-windows-x86_64.zip.
#   scripts/windows.sh          the zip
#   scripts/windows.sh --test   the zip, then the tests that run the Windows build under Wine
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
OUT=$ROOT/build-win
# Where the library's source and its builds are kept: the build tree, or a folder that outlives
# it (CI's clones are new every time).
CACHE=${RYKE_WINDOWS_CACHE:-$OUT}
mkdir -p "$OUT" "$CACHE"
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
PATCHES=(dist/windows/allegro-patches/*.patch)
JOBS=2
PACKAGES=(cmake make patch zip binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64 mingw-w64-common)
# The tests also build the Linux bout runner, to compare its traces with the Windows one's, and
# the unit tests with GoogleTest's source.
TEST_PACKAGES=(wine wine64 "${WINDOW_PACKAGES[@]}" python3 "${BUILD_PACKAGES[@]}" googletest)
# A static library only: no examples, tools, tests, documentation or add-ons.
ALLEGRO_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DSHARED=OFF -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF
    -DWANT_DOCS=OFF -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF)

step() { echo "=== $* ($SECONDS s)"; }

# Prints the library's install folder, building it first unless the build tree already holds
# one made from the same tarball, patches, toolchain file and options.
allegro() {
    local key dir src
    key=$(
        sha256sum "$CACHE/allegro-source/$ALLEGRO_TARBALL" "${PATCHES[@]}" "$TOOLCHAIN" | cut -d' ' -f1
        printf '%s\n' "${ALLEGRO_OPTIONS[@]}"
    )
    key=$(sha256sum <<<"$key" | cut -c1-16)
    dir=$CACHE/allegro-$key
    if [[ -f $dir/install/lib/liballeg.a ]]; then
        echo "the library built before, in $dir" >&2
        echo "$dir/install"
        return 0
    fi
    # Builds made from anything else are of no more use.
    find "$CACHE" -maxdepth 1 -name 'allegro-*' ! -name allegro-source -exec rm -rf {} +
    src=$dir/src
    mkdir -p "$src"
    tar -xzf "$CACHE/allegro-source/$ALLEGRO_TARBALL" -C "$src" --strip-components=1
    local patch
    for patch in "${PATCHES[@]}"; do
        patch -d "$src" -p1 --forward --quiet <"$ROOT/$patch" >&2
    done
    # The library's CMake looks for MinGW's headers and libraries under MINGDIR.
    MINGDIR=/usr/x86_64-w64-mingw32 cmake -S "$src" -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_INSTALL_PREFIX="$dir/install" "${ALLEGRO_OPTIONS[@]}" >"$dir/configure.log" 2>&1 ||
        { cat "$dir/configure.log" >&2; return 1; }
    nice -n 10 cmake --build "$dir/build" -j"$JOBS" >"$dir/build.log" 2>&1 ||
        { tail -n 40 "$dir/build.log" >&2; return 1; }
    cmake --install "$dir/build" >"$dir/install.log" 2>&1 || { cat "$dir/install.log" >&2; return 1; }
    mkdir -p "$dir/install/share"
    cp "$src/docs/txt/license.txt" "$dir/install/share/allegro-license.txt"
    rm -rf "$src" "$dir/build"
    echo "$dir/install"
}

# The licence of the game and the notices of what ryke.exe has linked in.
notices() {
    local allegro=$1
    if [[ -f LICENSE ]]; then
        echo "================ Ryke ================"
        echo
        cat LICENSE
        echo
    fi
    cat <<'EOF'
ryke.exe contains, linked in, the Allegro 4.4 game programming library (built from Debian's
source package allegro4.4), the mingw-w64 runtime with its winpthreads library, and the GCC
runtime libraries (libgcc, libstdc++). Their licences follow.

================ Allegro 4.4 ================
EOF
    cat "$allegro/share/allegro-license.txt"
    printf '\n================ mingw-w64 runtime ================\n\n'
    cat /usr/share/doc/mingw-w64-common/copyright
    printf '\n================ GCC runtime libraries ================\n\n'
    cat <<'EOF'
libgcc and libstdc++ are licensed under the GNU General Public License, version 3 or later,
with version 3.1 of the GCC Runtime Library Exception, which lets a program compiled with GCC
carry them under terms of its own choice:

EOF
    awk '/^GCC RUNTIME LIBRARY EXCEPTION/ { on = 1 } /^libquadmath/ { exit } on' /usr/share/doc/gcc-mingw-w64-base/copyright
}

# pack ALLEGRO GAME-TREE: writes the zip and prints its path.
pack() {
    local allegro=$1 tree=$2 version name stage zip
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
    name=ryke-$version-windows-x86_64
    stage=$OUT/stage/$name
    zip=$OUT/$name.zip
    rm -rf "$OUT/stage" "$zip"
    mkdir -p "$stage"
    x86_64-w64-mingw32-strip -o "$stage/ryke.exe" "$tree/ryke.exe"
    cp -r images sound "$stage/"
    notices "$allegro" >"$stage/LICENSE.txt"
    cp dist/windows/README.txt "$stage/README.txt"
    # Windows' own editors and every unzip tool read CRLF text.
    sed -i 's/$/\r/' "$stage/LICENSE.txt" "$stage/README.txt"
    (cd "$OUT/stage" && zip -q -r -X "$zip" "$name")
    echo "$zip"
}

# Fails unless the program needs only DLLs that come with Windows itself.
only_system_dlls() {
    local dll bad=()
    while read -r dll; do
        case ${dll,,} in
        kernel32.dll | user32.dll | gdi32.dll | comdlg32.dll | ole32.dll | winmm.dll | msvcrt.dll | \
            dinput.dll | ddraw.dll | dsound.dll | advapi32.dll | shell32.dll | api-ms-win-*) ;;
        *) bad+=("$dll") ;;
        esac
    done < <(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p')
    if ((${#bad[@]})); then
        echo "$1 needs DLLs that Windows does not have: ${bad[*]}" >&2
        return 1
    fi
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
# A tree configured with another toolchain file would keep its cached compilers: it starts anew.
toolchain_key=$(sha256sum "$TOOLCHAIN" | cut -c1-16)
[[ $(cat "$GAME/toolchain.key" 2>/dev/null) == "$toolchain_key" ]] || rm -rf "$GAME"
mkdir -p "$GAME" && echo "$toolchain_key" >"$GAME/toolchain.key"
cmake -S . -B "$GAME" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DRYKE_ALLEGRO_PREFIX="$ALLEGRO" -DRYKE_WINE_TESTS=$((TEST ? 1 : 0)) \
    -DRYKE_NATIVE_REPLAY="$NATIVE/ryke_replay" >"$OUT/game-configure.log" 2>&1 ||
    { cat "$OUT/game-configure.log" >&2; exit 1; }
TARGETS=(ryke ryke_replay_cli)
((TEST)) && TARGETS+=(ryke_unit_tests)
nice -n 10 cmake --build "$GAME" -j"$JOBS" --target "${TARGETS[@]}"
only_system_dlls "$GAME/ryke.exe"
only_system_dlls "$GAME/ryke_replay.exe"

step "the zip"
ZIP=$(pack "$ALLEGRO" "$GAME")
echo "$ZIP: $(du -k "$ZIP" | cut -f1) KB"

if ((TEST)); then
    step "tests under Wine"
    ctest --test-dir "$GAME" -L wine --output-on-failure --no-tests=error
fi
step "done"
