#!/bin/sh
# The Windows part of the test command, from a fresh clone. Both builds get
# the same tests: the unit tests, the end-to-end runs and the inspection of
# the program as the loader sees it, run by ctest under Wine with an X server
# of their own (Xvfb).
#  1. the shipping program, i686 (PE32): run by Wine's 32-bit loader as a
#     WOW64 process of a 64-bit prefix. Where this machine cannot execute
#     32-bit programs, one line says so and ctest reports those tests as
#     skipped; the inspection of the shipped program runs in any case.
#  2. its x64 twin, run under wine64.
# Exits nonzero on any failure.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
jobs=${TELLAN_JOBS:-2}
win32=$root/build-win32
win64=$root/build-win64

echo "== i686 shipping build with tests"
cmake -S "$root" -B "$win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win32" -j"$jobs"

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
cleanup() {
  WINEPREFIX=$win32/wineprefix wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$win64/wineprefix wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
i=0
while [ ! -e "/tmp/.X11-unix/X$display" ] && [ $i -lt 50 ]; do
  sleep 0.1
  i=$((i + 1))
done

wine32=$(sed -n 's/^TELLAN_WINE32:FILEPATH=//p' "$win32/CMakeCache.txt")
echo "== i686 ctest under ${wine32:-wine} (WOW64, DISPLAY=:$display)"
if ! reason=$(sh "$here/wine-runs.sh" "${wine32:-wine}"); then
  echo "i686 Wine tests SKIPPED: $reason; only the inspection of the shipping program runs"
fi
(cd "$win32" && DISPLAY=":$display" ctest --output-on-failure --timeout 900)

echo "== x64 ctest under wine64 (DISPLAY=:$display)"
(cd "$win64" && DISPLAY=":$display" ctest --output-on-failure --timeout 900)
