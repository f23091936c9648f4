#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The README's commands, exactly as written there, on a fresh minimal Debian 12, in a new user's
# order: a debootstrap chroot where root clones the repo, plays (under an X server of ours the
# title shows and ESC gives 0), runs the tests and builds the package; the package then goes into
# a second fresh chroot, where a plain user starts the game from /tmp. Last, in the first chroot,
# the README's Windows commands build the Windows release and test it under Wine, and its Web
# commands build the web page and test it in headless Chromium.
#
# Usage, as root: scripts/fresh-debian.sh
# Exits 0 when every command passed, 1 when one failed, and 75 when debootstrap could not reach
# Debian's packages (a network fault, not the project's: the caller may test on the host instead).
# RYKE_FRESH_KEEP=1 keeps the chroots for a look afterwards (unmounted).
set -euo pipefail
REPO=$(cd "$(dirname "$0")/.." && pwd)
source "$REPO/scripts/need_packages.sh"
source "$REPO/scripts/stages.sh"

((EUID == 0)) || { echo "fresh-debian: run as root (it makes chroots)" >&2; exit 1; }
MIRROR=http://deb.debian.org/debian
# Downloaded packages are kept between runs, so a second run fetches nothing again.
CACHE=/var/cache/ryke-fresh
# Everything the harness itself uses on this machine; the chroots get only what the README says.
need_packages debootstrap "${WINDOW_PACKAGES[@]}" python3 git

FRESH=$(mktemp -d /var/tmp/ryke-fresh.XXXXXX)
LOGS=$FRESH/logs
mkdir "$LOGS"
# Until the chroots exist (and the full clean-up below takes over), the folder alone is removed.
trap 'rm -rf --one-file-system "$FRESH"' EXIT

# Every mount below a chroot, deepest first.
mounts_under() { findmnt -rn -o TARGET | grep "^$1/" | sort -r || true; }

# release ROOT: ends whatever still runs inside ROOT and unmounts all it has mounted.
release() {
    local root=$1 p target i
    for ((i = 0; i < 2; i++)); do
        for p in /proc/[0-9]*; do
            [[ $(readlink "$p/root" 2>/dev/null) == "$root" ]] && kill -9 "${p#/proc/}" 2>/dev/null
        done
        sleep 0.2
    done
    for target in $(mounts_under "$root"); do
        umount "$target" 2>/dev/null || umount -l "$target"
    done
}

fresh_cleanup() {
    local root
    for root in "$FRESH"/*/; do
        [[ -d $root ]] && release "${root%/}"
    done
    if [[ -n $(mounts_under "$FRESH") ]]; then
        echo "fresh-debian: still mounted, $FRESH left in place:" >&2
        mounts_under "$FRESH" >&2
    elif [[ ${RYKE_FRESH_KEEP:-} == 1 ]]; then
        echo "fresh-debian: the chroots are kept in $FRESH"
    else
        rm -rf --one-file-system "$FRESH"
    fi
}

# step NAME COMMAND...: one stage of the run; like a new user, the run stops at the first that fails.
step() {
    local status=0
    stage "$@" || status=$?
    ((status == 0)) && return 0
    summary || true
    exit "$status"
}

# new_root NAME: a fresh copy of the minimal system, with what a booted machine has mounted.
new_root() {
    local root=$FRESH/$1
    cp -a "$FRESH/base" "$root"
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs shm "$root/dev/shm"
    mount --bind "$CACHE/archives" "$root/var/cache/apt/archives"
}

# in_root ROOT COMMAND: runs a shell command inside ROOT as root, with a login's plain environment.
in_root() {
    chroot "$1" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb ${DISPLAY:+DISPLAY=$DISPLAY} \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$2"
}

bootstrap() {
    mkdir -p "$CACHE/archives/partial"
    if ! debootstrap --variant=minbase --cache-dir="$CACHE/archives" bookworm "$FRESH/base" "$MIRROR" \
        >"$FRESH/debootstrap.log" 2>&1; then
        tail -n 20 "$FRESH/debootstrap.log" >&2
        if grep -qE "Failed getting release file|Couldn't download|Could not resolve|Temporary failure" \
            "$FRESH/debootstrap.log"; then
            echo "fresh-debian: DEBOOTSTRAP COULD NOT REACH DEBIAN'S PACKAGES ($MIRROR)" >&2
            return "$CANNOT_RUN"
        fi
        return 1
    fi
    # As Debian's installer sets it up: the point release's updates and security too.
    cat >"$FRESH/base/etc/apt/sources.list" <<EOF
deb $MIRROR bookworm main
deb $MIRROR bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
    cp /etc/resolv.conf "$FRESH/base/etc/resolv.conf"
}

# readme_commands SECTION: sets COMMANDS to the lines of the first sh block in the README's
# section of that title; a section without any stops the check.
readme_commands() {
    mapfile -t COMMANDS < <(awk -v title="## $1" '$0 == title { section = 1 } section && /^```sh/ { block = 1; next }
         block && /^```/ { exit } block' "$REPO/README.md" | sed -E 's/[[:space:]]*#.*//; /^[[:space:]]*$/d')
    ((${#COMMANDS[@]})) || { echo "fresh-debian: no commands in the README's \"$1\"" >&2; exit 1; }
}

# The repo as a new user gets it: a clone of its commits, made in the chroot with its own git.
clone() {
    local root=$1
    mkdir -p "$root/mnt/origin"
    mount --bind -o ro "$REPO" "$root/mnt/origin"
    in_root "$root" "apt-get update -q && apt-get install -y -q git && git clone -q /mnt/origin /root/ryke" \
        >"$FRESH/clone.log" 2>&1 || { tail -n 20 "$FRESH/clone.log" >&2; return 1; }
    umount "$root/mnt/origin"
}

# run_in_repo ROOT COMMAND: a README command as root in the clone; the tests it runs are counted.
run_in_repo() {
    logged "$(basename "$1")" in_root "$1" "cd /root/ryke && $2"
}

# play_in_root ROOT COMMAND [USER]: the game, started by COMMAND in ROOT (as USER if given),
# shows the title on this machine's X server, and ESC ends it with status 0. In a subshell, so
# that a failure ends only this step.
play_in_root() (
    local root=$1 command=$2 user=${3:-} home=/root win
    [[ -z $user ]] || home=/home/$user
    cat >"$FRESH/start" <<EOF
#!/bin/sh
exec chroot ${user:+--userspec=$user:$user} $root /usr/bin/env -i HOME=$home LANG=C.UTF-8 \\
    DISPLAY=$DISPLAY PATH=/usr/local/bin:/usr/bin:/bin:/usr/games /bin/sh -c $(printf %q "$command")
EOF
    start_game /
    # The first start installs packages and builds the game: minutes, not seconds.
    win=$(find_window Ryke 900)
    wait_for_title "$win" "$WORK/title.png"
    escape_and_wait "$win"
    expect_status 0
)

# The end-to-end helpers (windows, keys, screenshots, the game's status) drive what the chroots
# show; the game they start is the script play_in_root writes.
cp /bin/true "$FRESH/start"
source "$REPO/tests/e2e/lib.sh" "$FRESH/start"
trap 'fresh_cleanup; cleanup' EXIT
export RYKE_E2E_LIFETIME=1200
need_display

step "debootstrap (minbase)" bootstrap
new_root user
step "apt-get install git; git clone" clone "$FRESH/user"
readme_commands "Play and test"
for command in "${COMMANDS[@]}"; do
    case $command in
        ./play.sh) step "$command" play_in_root "$FRESH/user" "cd /root/ryke && exec $command" ;;
        "apt-get install ./build-deb/"*)
            new_root player
            mkdir -p "$FRESH/player/root/ryke/build-deb"
            cp "$FRESH"/user/root/ryke/build-deb/ryke_*.deb "$FRESH/player/root/ryke/build-deb/"
            # apt-get asks before it installs; the user answers yes.
            step "$command (a second chroot)" run_in_repo "$FRESH/player" "apt-get update -q && $command" < <(yes)
            in_root "$FRESH/player" "useradd --create-home player"
            step "/usr/games/ryke as a user, in /tmp" play_in_root "$FRESH/player" "cd /tmp && exec /usr/games/ryke" player
            ;;
        *) step "$command" run_in_repo "$FRESH/user" "$command" ;;
    esac
done

# Then the Windows release, made and tested under Wine in the same chroot.
readme_commands Windows
for command in "${COMMANDS[@]}"; do
    step "$command" run_in_repo "$FRESH/user" "$command"
done

# Then the web page, made and tested in headless Chromium in the same chroot.
readme_commands Web
for command in "${COMMANDS[@]}"; do
    step "$command" run_in_repo "$FRESH/user" "$command"
done

echo "=== fresh: every README command passed on a fresh Debian 12"
summary
