#!/usr/bin/env bash
# Runs every test of TELLAN: the Linux build (unit and end-to-end tests), the
# same under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of
# every fuzz harness, and the Windows builds: the shipping i686 program and its
# x64 twin, each inspected and tested under Wine (the i686 runs are reported as
# skipped on a machine that cannot execute 32-bit programs); and the packages a
# user installs (built, checked, installed and removed).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${TELLAN_JOBS:-2}

bash tools/install-deps.sh

run_linux() {
  local dir=$1
  shift
  echo "=== Linux build: $dir $*"
  cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  cmake --build "$root/$dir" -j"$jobs"
  (cd "$root/$dir" && ctest --output-on-failure -j"$jobs")
}

run_linux build
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_linux build-asan -DTELLAN_SANITIZE=ON

bash tests/fuzz/run.sh

echo "=== Windows builds"
bash tests/win32/run.sh

# After the Windows builds: the zip is made from the same build-win32.
echo "=== Packages"
bash tools/make-packages.sh
bash tests/packaging/check-packages.sh
echo "All test suites passed."
