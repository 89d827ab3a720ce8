#!/bin/sh
# Tells whether Wine programs can run here with the given loader:
# wine-runs.sh WINE. Wine's 32-bit loader is itself an i386 program, so where
# the kernel cannot execute 32-bit programs (no IA32 emulation) it does not
# start at all, and no 32-bit Windows program can run either. Exits 0 when
# the loader starts; otherwise prints the reason in one line and exits 1.
wine=$1
if reason=$("$wine" --version 2>&1 >/dev/null); then
  exit 0
fi
echo "$wine cannot be run on this machine ($(printf '%s\n' "$reason" | tail -n 1))"
exit 1
