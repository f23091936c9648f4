#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Debian package: cpack builds it from the build tree with the library among its
# dependencies; it installs (dpkg -i when root in CI, removed again at the end; else unpacked
# into a scratch root); the validator accepts its menu entry; and the entry's command starts the
# game from an unrelated folder: the title shows, and ESC exits 0.
source "$(dirname "$0")/lib.sh"
BUILD=$(realpath "${2:?usage: $0 PATH/TO/ryke BUILD_DIR}")

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$WORK/cpack.log")"
deb=$(echo "$WORK"/package/ryke_*.deb)
[[ -f $deb ]] || fail "cpack made no ryke_*.deb: $(ls "$WORK/package")"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *liballegro4.4* ]] || fail "the package does not depend on the library: $depends"

if [[ ${CI:-} == true && $EUID == 0 ]] && ! dpkg-query -W ryke >/dev/null 2>&1; then
    root=
    trap 'dpkg -r ryke >/dev/null 2>&1; cleanup' EXIT
    dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$WORK/dpkg.log")"
else
    root=$WORK/root
    dpkg -x "$deb" "$root"
fi
entry=$root/usr/share/applications/ryke.desktop
desktop-file-validate "$entry" || fail "the menu entry does not validate"
command=$(sed -n 's/^Exec=//p' "$entry")
[[ $command == /usr/games/ryke ]] || fail "the menu entry runs '$command', not the launcher in /usr/games"
[[ $(head -c 4 "$root/usr/share/icons/hicolor/128x128/apps/ryke.png" 2>/dev/null | tail -c 3) == PNG ]] ||
    fail "no PNG icon in the hicolor theme"

# A display of its own, so that this test runs beside the others.
unset DISPLAY
need_display
RYKE=$root$command
mkdir "$WORK/elsewhere"
start_game "$WORK/elsewhere"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
escape_and_wait "$win"
expect_status 0
echo "PASS: the package installs, its menu entry validates, and its command starts the game anywhere"
