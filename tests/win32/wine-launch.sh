#!/usr/bin/env bash
# Runs one test program of the suite under Wine: wine-launch.sh WINE PROGRAM
# [ARGUMENT...]. Its output and exit status are the program's.
#
# Once in a long while wine64 ends within milliseconds, with a failure status
# and not a word, before the program's main has run (a CI run lost its culture
# test that way after dozens of clean runs). Such a launch says nothing about
# the code under test, so it is started again, at most twice, with a notice.
# A program that reached main is never started again: every test program of
# the suite prints GoogleTest's banner first, so a test that ran and failed
# still fails.
set -uo pipefail
wine=$1
shift
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
