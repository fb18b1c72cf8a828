# Sourced by the Wine tests: a Wine prefix of their own in the folder $wine_scratch, made on first
# use, with no server left running from an earlier run, and stopped (and waited for) however the
# test ends.
export WINEPREFIX="$wine_scratch/prefix" WINEDEBUG=-all
# -k asks the server to go; -w waits until it has, so that a next run does not meet it dying.
stop_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
trap stop_wine EXIT
mkdir -p "$wine_scratch"
stop_wine
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY='' WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wineserver -w
fi
