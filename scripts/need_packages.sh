# shellcheck shell=bash
# What play.sh, test.sh and the other scripts share before they build: the Debian packages they
# need, build trees they may write, and a display to show the game on.

# The package lists the scripts install from, each written once here.
# Building the game: CMake's configuration looks for the PNG add-on as well as the library.
BUILD_PACKAGES=(build-essential cmake pkg-config liballegro4-dev libloadpng4-dev)
# Linking the tools that write PNG (the generator's icon, the contact sheet): libloadpng4-dev's
# pkg-config file asks for -lpng and -lz without the package depending on their -dev packages.
PNG_LINK_PACKAGES=(libpng-dev zlib1g-dev)
# A real window for the end-to-end tests: an X server of their own, key presses, screenshots.
WINDOW_PACKAGES=(xvfb xdotool imagemagick x11-utils)
# The fuzzer: clang and its sanitizers' runtime.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# need_packages PACKAGE...: installs the Debian packages that are missing when run as root;
# otherwise prints the one line to run as root first and stops.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    if ((EUID != 0)); then
        echo "Missing packages. Install them as root, then try again:" >&2
        if command -v sudo >/dev/null; then
            echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        else
            echo "  su -c 'apt-get update && apt-get install -y ${missing[*]}'" >&2
        fi
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q && apt-get install -y -q "${missing[@]}"
}

# writable_trees DIR...: stops with one line when a build tree is not ours to write (made by an
# earlier run as root), instead of CMake's screenfuls of write errors.
writable_trees() {
    local dir blocked
    for dir in "$@"; do
        [[ -e $dir ]] || continue
        blocked=$(find "$dir" -maxdepth 1 ! -writable -print -quit 2>/dev/null)
        if [[ -n $blocked ]]; then
            echo "$dir/ was made by another user (root?) and is not yours to write: remove it as that user (rm -rf $dir) or run as root." >&2
            exit 1
        fi
    done
}

# display_reachable: whether an X server listens where DISPLAY points, checked without the X
# tools, which may not be installed yet: a local socket (named or abstract) or a TCP port.
display_reachable() {
    local host=${DISPLAY%%:*} number=${DISPLAY##*:}
    number=${number%%.*}
    [[ $number =~ ^[0-9]+$ ]] || return 1
    if [[ -z $host || $host == unix ]]; then
        grep -qE "[ @]/tmp/\.X11-unix/X$number\$" /proc/net/unix
    else
        # shellcheck disable=SC2016  # $0 and $1 belong to the inner shell
        timeout 5 bash -c 'exec 3<>"/dev/tcp/$0/$1"' "$host" $((6000 + number)) 2>/dev/null
    fi
}
