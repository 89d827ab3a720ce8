#!/usr/bin/env bash
# Checks the launcher of the Wine tests with stand-ins for Wine: a launch that
# died before main is started again, a program that ran is never started
# again, and a launch that keeps dying fails with its status.
set -u
launcher=$(dirname "$0")/wine-launch.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A stand-in Wine: each start appends to a count and then runs the script of
# that attempt (attempt-1, attempt-2, ...), or the last one there is.
cat >"$work/wine" <<'WINE'
#!/bin/sh
dir=$(dirname "$0")
echo x >>"$dir/starts"
n=$(wc -l <"$dir/starts")
while [ "$n" -gt 1 ] && [ ! -e "$dir/attempt-$n" ]; do n=$((n - 1)); done
exec sh "$dir/attempt-$n" "$@"
WINE
chmod +x "$work/wine"

# expect NAME STATUS STARTS GREP-PATTERN, with attempt scripts already written
expect() {
  rm -f "$work/starts"
  out=$(bash "$launcher" "$work/wine" program.exe --flag 2>&1)
  status=$?
  starts=$(wc -l <"$work/starts")
  if [ "$status" -ne "$2" ] || [ "$starts" -ne "$3" ] || ! printf '%s\n' "$out" | grep -q -e "$4"; then
    echo "FAIL $1: status $status (want $2), starts $starts (want $3), output:"
    printf '%s\n' "$out"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
  rm -f "$work"/attempt-*
}

echo 'exit 3' >"$work/attempt-1"
printf 'echo "Running main() from gtest_main.cc"; echo "args: $*"; exit 0\n' >"$work/attempt-2"
expect "silent death, then a run" 0 2 "args: program.exe --flag"

printf 'echo "Running main() from gtest_main.cc"; echo "[  FAILED  ] A.B"; exit 1\n' >"$work/attempt-1"
expect "a failing test is not run again" 1 1 "FAILED  \] A.B"

printf 'echo "[==========] Running 1 test from 1 test suite."; exit 1\n' >"$work/attempt-1"
expect "the banner alone marks a run" 1 1 "Running 1 test"

echo 'exit 5' >"$work/attempt-1"
expect "a launch that keeps dying fails" 5 3 "attempt 2 of 3"

[ "$failures" -eq 0 ]
