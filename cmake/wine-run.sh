#!/bin/sh
# Runs a 64-bit Windows program under Wine in the given throw-away prefix, creating it on first use.
# Usage: wine-run.sh PREFIX PROGRAM [ARGUMENT...]
set -eu
prefix=$1
shift
wine=/usr/lib/wine/wine64
# No debugger on a crash: it would wait for ever instead of letting the test fail.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# Without a window system a message box returns at once instead of waiting for a click.
unset DISPLAY WAYLAND_DISPLAY

# The temporary folder, where tests make their scratch folders, is moved from C: to the Unix root
# (Z:), so an absolute Unix path still names the same file after a test changes folder.
temp="$prefix-temp"
mkdir -p "$temp"
(
    flock 9
    if [ ! -f "$prefix/.created" ]; then
        # Creating a prefix can stall on a busy machine; a second try starts afresh.
        timeout 180 "$wine" wineboot -i 2>/dev/null || {
            /usr/lib/wine/wineserver -k 2>/dev/null || true
            timeout 180 "$wine" wineboot -i 2>/dev/null
        }
        windows_temp="Z:$(printf '%s' "$temp" | tr / '\\')"
        for variable in TEMP TMP; do
            "$wine" reg add 'HKCU\Environment' /v "$variable" /t REG_SZ /d "$windows_temp" /f >/dev/null
        done
        touch "$prefix/.created"
    fi
) 9>"$prefix.lock"

exec "$wine" "$@"
