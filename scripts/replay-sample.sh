#!/bin/sh
# The main job: builds the plug-in (the Windows DLLs too) and the host tool, then replays a
# contest log through the plug-in and prints its summary and a report. With no argument it
# replays the bundled sample log; any other arguments go to the host tool
# (see build/native/gacw-replay --help).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
(
  cd "$root"
  scripts/install-deps.sh
  for preset in native win32; do
    cmake --preset "$preset" >/dev/null
  done
  cmake --build --preset native --target gacw-replay >/dev/null
  cmake --build --preset win32 --target gacw_plugin >/dev/null
)

if [ "$#" -eq 0 ]; then
  set -- "$root/tools/sample/sample-contest.adi" --folder "$root/build/replay-out"
fi
status=0
"$root/build/native/gacw-replay" "$@" || status=$?
cat <<INSTALL

The plug-in for the host: $root/build/win32/GACW-WWSA-CW.dll
To install it, close the host, copy the DLL into the host's Plugins folder and start the host again.
INSTALL
exit "$status"
