#!/bin/sh
# Makes the Wine prefix the Windows tests share, in the folder $1, on first use, and leaves no
# server running. Usage: wine_prefix.sh FOLDER
export WINEPREFIX="$1/prefix" WINEDEBUG=-all
command -v wine >/dev/null || { echo "SKIPPED: no wine"; exit 77; }
mkdir -p "$1"
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY='' WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wineserver -w
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "FAIL: no Wine prefix made in $1"; exit 1; }
