#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The Debian package: cpack builds it from the build tree with the library among its
# dependencies; lintian has nothing to say about it; it carries its licence, changelog, manual
# page, AppStream metadata and an icon at each size, every file dated by the last commit; it
# installs (dpkg -i when root in CI, removed again at the end; else unpacked into a scratch root
# whose path holds a space); the validator accepts its menu entry; and the entry's command starts
# the game from an unrelated folder: the title shows, and ESC exits 0. Installed under a prefix
# holding spaces, quotes, $ and %, the menu entry still validates and its command still reaches
# the game.
source "$(dirname "$0")/lib.sh"
BUILD=$(realpath "${2:?usage: $0 PATH/TO/ryke BUILD_DIR}")

# On failure, cpack's whole output, and the end of every log it names (the build or the install
# that failed under it).
if ! cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1; then
    details=$(
        cat "$WORK/cpack.log"
        sed -n 's/.*Please check \(.*\) for errors.*/\1/p' "$WORK/cpack.log" | while read -r log; do
            echo "--- the end of $log:"
            tail -n 60 "$log"
        done
    )
    fail "cpack failed:"$'\n'"$details"
fi
deb=$(echo "$WORK"/package/ryke_*.deb)
[[ -f $deb ]] || fail "cpack made no ryke_*.deb: $(ls "$WORK/package")"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *liballegro4.4* ]] || fail "the package does not depend on the library: $depends"
version=$(dpkg-deb -f "$deb" Version)

# Anything lintian says, even a pedantic or experimental remark, is a fault to fix.
if command -v lintian >/dev/null; then
    lintian -I -E --pedantic "$deb" >"$WORK/lintian.log" 2>&1 || true
    ! grep -q '^[EWIPXO]: ' "$WORK/lintian.log" || fail "lintian:"$'\n'"$(cat "$WORK/lintian.log")"
else
    echo "note: lintian is not installed; its checks are skipped"
fi

# Every packed file carries one date: SOURCE_DATE_EPOCH, else the last commit's.
expected=${SOURCE_DATE_EPOCH:-$(git -c safe.directory='*' -C "$REPO_ROOT" log -1 --format=%ct 2>/dev/null)} ||
    expected=
dates=$(/usr/bin/python3 "$E2E_DIR/deb_dates.py" "$deb" | tr '\n' ' ')
if [[ -n $expected ]]; then
    [[ $dates == "$expected " ]] || fail "the package's files are dated $dates, not only $expected (the last commit)"
else
    [[ $dates =~ ^[0-9]+\ $ ]] || fail "the package's files carry several dates: $dates"
fi

if [[ ${CI:-} == true && $EUID == 0 ]] && ! dpkg-query -W ryke >/dev/null 2>&1; then
    root=
    trap 'dpkg -r ryke >/dev/null 2>&1; cleanup' EXIT
    dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$WORK/dpkg.log")"
else
    root="$WORK/unpacked root"
    dpkg -x "$deb" "$root"
fi

# What the package must hold, as file(1) describes it: gzip's -n leaves no name or date in the
# header, which would come between "data," and "max".
while read -r path what; do
    [[ -f $root/$path ]] || fail "the package has no $path"
    [[ $(file -b "$root/$path") == "$what"* ]] ||
        fail "$path is not $what: $(file -b "$root/$path")"
done <<'EOF'
usr/share/doc/ryke/copyright                        ASCII text
usr/share/doc/ryke/changelog.gz                     gzip compressed data, max compression
usr/share/man/man6/ryke.6.gz                        gzip compressed data, max compression
usr/share/metainfo/org.rykegame.ryke.metainfo.xml   XML 1.0 document
usr/share/icons/hicolor/48x48/apps/ryke.png         PNG image data, 48 x 48,
usr/share/icons/hicolor/64x64/apps/ryke.png         PNG image data, 64 x 64,
usr/share/icons/hicolor/128x128/apps/ryke.png       PNG image data, 128 x 128,
usr/share/icons/hicolor/256x256/apps/ryke.png       PNG image data, 256 x 256,
EOF
doc=$root/usr/share/doc/ryke
[[ $(head -n 1 "$doc/copyright") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
    fail "the copyright file is not in Debian's machine-readable format"
grep -q '^License: Expat$' "$doc/copyright" || fail "the copyright file gives no MIT (Expat) licence"
zcat "$doc/changelog.gz" >"$WORK/changelog"
[[ $(dpkg-parsechangelog -l "$WORK/changelog" -SVersion) == "$version" ]] ||
    fail "the changelog's latest entry is not version $version"
manpage=$root/usr/share/man/man6/ryke.6.gz
zcat "$manpage" >"$WORK/ryke.6"
for section in KEYS "EXIT STATUS" ENVIRONMENT FILES; do
    grep -q "^\.SH \"\?$section\"\?\$" "$WORK/ryke.6" || fail "the manual page has no $section section"
done
if command -v man >/dev/null; then
    man --warnings -l "$manpage" >/dev/null 2>"$WORK/man.err" || fail "the manual page does not render: $(cat "$WORK/man.err")"
    [[ ! -s $WORK/man.err ]] || fail "the manual page renders with warnings: $(cat "$WORK/man.err")"
fi
metainfo=$root/usr/share/metainfo/org.rykegame.ryke.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream metadata has no release $version"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$metainfo" >"$WORK/appstream.log" 2>&1 ||
        fail "appstreamcli rejects the metadata: $(cat "$WORK/appstream.log")"
fi

entry=$root/usr/share/applications/ryke.desktop
desktop-file-validate "$entry" || fail "the menu entry does not validate"
command=$(sed -n 's/^Exec=//p' "$entry")
[[ $command == /usr/games/ryke ]] || fail "the menu entry runs '$command', not the launcher in /usr/games"

# Installed under an odd prefix, the menu entry's command is still the launcher, which still
# finds the program and its data: without a display, the game itself says so.
prefix="$WORK/odd \"prefix\" \$HOME 100%"
cmake --install "$BUILD" --prefix "$prefix" >"$WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
desktop-file-validate "$prefix/share/applications/ryke.desktop" ||
    fail "the menu entry does not validate under the prefix $prefix"
mapfile -t argv < <(/usr/bin/python3 "$E2E_DIR/desktop_exec.py" "$prefix/share/applications/ryke.desktop")
[[ ${argv[*]} == "$prefix/games/ryke" ]] ||
    fail "under the prefix $prefix, the menu entry runs: $(grep '^Exec=' "$prefix/share/applications/ryke.desktop")"
status=0
(cd "$WORK" && env -u DISPLAY timeout -k 2 20 "${argv[@]}" >"$WORK/odd.out" 2>"$WORK/odd.err") || status=$?
if [[ $status != 1 ]] || ! grep -q '^ryke: no display' "$WORK/odd.err"; then
    fail "the launcher under $prefix ended with $status, not the game's 'no display': $(cat "$WORK/odd.err")"
fi

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
echo "PASS: the package is clean, complete and dated by its commit; it installs, its menu entry validates, and its command starts the game anywhere"
