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

# A Wine that this machine cannot execute (as the 32-bit loader where the
# kernel runs no 32-bit programs): skipped with the given status when asked,
# a failure otherwise; never a pass.
printf '\177ELF\001\001\001\000garbage' >"$work/unrunnable"
chmod +x "$work/unrunnable"
out=$(bash "$launcher" --skip-unrunnable 77 "$work/unrunnable" program.exe 2>&1)
status=$?
if [ "$status" -eq 77 ] && printf '%s\n' "$out" | grep -q "^SKIPPED: .*unrunnable cannot be run"; then
  echo "ok   an unrunnable Wine is a skip"
else
  echo "FAIL an unrunnable Wine is a skip: status $status, output: $out"
  failures=$((failures + 1))
fi
bash "$launcher" "$work/unrunnable" program.exe >/dev/null 2>&1
status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "ok   an unrunnable Wine fails without the option"
else
  echo "FAIL an unrunnable Wine fails without the option: status $status"
  failures=$((failures + 1))
fi
echo 'echo "Running main() from gtest_main.cc"; exit 0' >"$work/attempt-1"
rm -f "$work/starts"
out=$(bash "$launcher" --skip-unrunnable 77 "$work/wine" program.exe 2>&1)
status=$?
if [ "$status" -eq 0 ] && [ "$(grep -c . "$work/starts")" -ge 1 ]; then
  echo "ok   a runnable Wine runs the program despite the option"
else
  echo "FAIL a runnable Wine runs the program despite the option: status $status, output: $out"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
