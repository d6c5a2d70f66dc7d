#!/bin/sh
# Runs a 64-bit Windows test program under Wine on a virtual screen of its own, for tests whose
# windows must really appear. The prefix is prepared as for every other Windows test.
# Usage: run-on-screen.sh WINE_RUN PREFIX PROGRAM [ARGUMENT...]
set -eu
wine_run=$1
prefix=$2
shift 2

"$wine_run" "$prefix" cmd /c exit >/dev/null 2>&1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
wineserver=/usr/lib/wine/wineserver
# That ran without a screen; its Wine server must not serve the windows of the run below.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w

# Xvfb picks a free display and writes its number once it takes connections.
display_number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_number" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -f "$display_number"' EXIT
tries=0
until grep -q '^[0-9][0-9]*$' "$display_number"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "run-on-screen.sh: Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.1
done
export DISPLAY=":$(cat "$display_number")"

status=0
/usr/lib/wine/wine64 "$@" || status=$?
# Leave nothing running: the server outlives the program by a few seconds.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
exit "$status"
