# shellcheck shell=bash
# The Wine the Windows build is tested under: the build tree's own prefix (RYKE_WINE_PREFIX),
# Wine's own messages off, and no downloads offered for .NET or the HTML engine.
export WINEPREFIX=${RYKE_WINE_PREFIX:?the Wine prefix is not set}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${RYKE_WINE_OVERRIDES:+;$RYKE_WINE_OVERRIDES}"
