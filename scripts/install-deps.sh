#!/bin/sh
# Installs everything the build and the tests need on a fresh Debian machine.
set -eu
packages="cmake g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev \
  clang llvm mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
  binutils-mingw-w64 wine wine64 xvfb hamradio-files"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
