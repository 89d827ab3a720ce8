#!/usr/bin/env bash
# Runs one test program of the suite under Wine:
#   wine-launch.sh [--skip-unrunnable STATUS] WINE PROGRAM [ARGUMENT...]
# Its output and exit status are the program's. With --skip-unrunnable, a
# Wine that cannot run on this machine at all (the 32-bit loader without
# 32-bit execution) makes the launch exit with STATUS, which ctest reports as
# a skipped test, instead of failing it or passing it.
#
# Once in a long while wine64 ends within milliseconds, with a failure status
# and not a word, before the program's main has run (a CI run lost its culture
# test that way after dozens of clean runs). Such a launch says nothing about
# the code under test, so it is started again, at most twice, with a notice.
# A program that reached main is never started again: every test program of
# the suite prints GoogleTest's banner first, so a test that ran and failed
# still fails.
set -uo pipefail
skip_status=
if [ "${1-}" = --skip-unrunnable ]; then
  skip_status=$2
  shift 2
fi
wine=$1
shift
if [ -n "$skip_status" ] && ! reason=$(sh "$(dirname "$0")/wine-runs.sh" "$wine"); then
  echo "SKIPPED: $reason"
  exit "$skip_status"
fi
output=$(mktemp)
trap 'rm -f "$output"' EXIT
attempt=1
while :; do
  "$wine" "$@" 2>&1 | tee "$output"
  status=${PIPESTATUS[0]}
  if [ "$status" -eq 0 ] || [ "$attempt" -ge 3 ] ||
     grep -q -e '^Running main() from' -e '^\[==========\]' "$output"; then
    exit "$status"
  fi
  echo "wine-launch: Wine ended with status $status before $(basename "$1") ran its main" \
       "(attempt $attempt of 3); starting it again" >&2
  attempt=$((attempt + 1))
done
