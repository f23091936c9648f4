#!/usr/bin/env bash
# Makes the Wine prefix the tests share, once per Wine version: a virtual desktop larger than
# the game's window. In a desktop only as large as the window, Wine moves the window's frame
# off the desktop as it opens and the game never gets its keyboard back; 2 of 2 such runs ended
# deaf, and without any virtual desktop the library can hang as the game exits.
set -euo pipefail
source "$(dirname "$0")/env.sh"
stamp=$WINEPREFIX/ryke-prefix
want="$(wine --version) desktop 1280x1000, no crash dialog"
[[ -f $stamp && $(cat "$stamp") == "$want" ]] && exit 0
rm -rf "$WINEPREFIX"
# wineboot needs no display; unset, so that no stray window is left on any.
DISPLAY= wine wineboot -i
DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1000 /f
# A program that crashes is reported on stderr, with a backtrace, not in a box that waits.
DISPLAY= wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
# The explorer that reg started runs without the desktop: it must not be the one the tests meet.
wineserver -k || true
wineserver -w
echo "$want" >"$stamp"
