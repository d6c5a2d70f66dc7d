#!/bin/sh
# The main job: builds the plug-in and the host tool, then replays a contest log through the
# plug-in and prints its summary and a report. With no argument it replays the bundled
# sample log; any other arguments go to the host tool (see build/native/gacw-replay --help).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target gacw-replay >/dev/null

if [ "$#" -eq 0 ]; then
  set -- "$root/tools/sample/sample-contest.adi" --folder "$root/build/replay-out"
fi
exec "$root/build/native/gacw-replay" "$@"
