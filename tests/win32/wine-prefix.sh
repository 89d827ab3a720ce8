#!/bin/sh
# Creates (or refreshes) the Wine prefix of the test run and leaves its
# wineserver running, so that the tests do not each pay for the start-up.
# No Mono or Gecko installer may be offered: the prefix needs neither.
set -e
prefix=$1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wineserver -p 600
/usr/lib/wine/wine64 wineboot -u >/dev/null 2>&1 || /usr/lib/wine/wine64 wineboot -i
exit 0
