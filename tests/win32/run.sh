#!/bin/sh
# The Windows part of the test command, from a fresh clone:
#  1. the shipping program, i686 (PE32), built and inspected;
#  2. its x64 twin with the unit tests and the end-to-end runs, built and
#     run by ctest under wine64, with an X server of its own (Xvfb).
# Exits nonzero on any failure.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
jobs=${TELLAN_JOBS:-2}
win32=$root/build-win32
win64=$root/build-win64

echo "== i686 shipping build"
cmake -S "$root" -B "$win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTELLAN_BUILD_TESTS=OFF >/dev/null
cmake --build "$win32" -j"$jobs"
sh "$root/tests/win32/check_program.sh" i686-w64-mingw32-objdump "$win32/bin/tellan.exe" pe32 \
  i686-w64-mingw32-windres

echo "== x64 build with tests"
cmake -S "$root" -B "$win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win64" -j"$jobs"

# An X display of our own for Wine's windows: the first free number from 90.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$win64/xvfb.log" 2>&1 &
xvfb=$!
prefix=$win64/wineprefix
cleanup() {
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
i=0
while [ ! -e "/tmp/.X11-unix/X$display" ] && [ $i -lt 50 ]; do
  sleep 0.1
  i=$((i + 1))
done

echo "== ctest under wine64 (DISPLAY=:$display)"
cd "$win64"
DISPLAY=":$display" ctest --output-on-failure --timeout 900
