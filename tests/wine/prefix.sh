#!/usr/bin/env bash
# Makes the Wine prefix the tests share, once per Wine version, with a virtual desktop: every
# window of the game, its message boxes too, then lies in one X window, which takes the keys.
# The desktop is larger than the game's window: in one only as large, Wine pushes the window's
# frame off the desktop as it opens and the game never gets its keyboard back (2 of 2 runs
# were deaf).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/env.sh"
stamp=$WINEPREFIX/ryke-prefix
want="$(wine --version) desktop 1280x1000, no crash dialog"
[[ -f $stamp && $(cat "$stamp") == "$want" ]] && exit 0
rm -rf "$WINEPREFIX"
# Setting up needs no display; without one no stray window is left on any.
unset DISPLAY
wine wineboot -i
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1000 /f
# A program that crashes is reported on stderr, with a backtrace, not in a box that waits.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
# The explorer that reg started runs without the desktop: it must not be the one the tests meet.
wineserver -k || true
wineserver -w
echo "$want" >"$stamp"
