#!/bin/sh
# Builds everything and runs every test: native, under the sanitizers, the Windows DLL (the 32-bit
# product's file checked here, the 64-bit build's tests run under Wine), and the benchmarks once.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

for preset in native asan win32 win64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# Wine's server outlives the last Windows test program by a few seconds: leave nothing running.
WINEPREFIX="$PWD/build/win64/wineprefix" /usr/lib/wine/wineserver -w

echo "== benchmarks (one short run, to keep them working)"
build/native/bench/plugin_bench --benchmark_min_time=0.01
