#!/bin/sh
# Creates (or refreshes) the Wine prefix of the test run and leaves its
# wineserver running for a while, so that the tests do not each pay for the
# start-up. No Mono or Gecko installer may be offered: the prefix needs
# neither. The server and the prefix's services outlive this script, so they
# must not keep its output open: ctest waits for that to close.
#   wine-prefix.sh PREFIX [WINE SKIP-STATUS]
# With WINE, the loader the tests run with: where it cannot run at all, no
# prefix is made and the script exits with SKIP-STATUS (a skipped test).
prefix=$1
if [ $# -ge 3 ] && ! reason=$(sh "$(dirname "$0")/wine-runs.sh" "$2"); then
  echo "SKIPPED: $reason"
  exit "$3"
fi
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix" || exit 1
wineserver -p 600 </dev/null >/dev/null 2>&1
/usr/lib/wine/wine64 wineboot -u </dev/null >"$prefix.wineboot.log" 2>&1 || {
  cat "$prefix.wineboot.log"
  exit 1
}
echo "Wine prefix ready: $prefix"
