#!/usr/bin/env bash
# Builds the fuzz harnesses in a build folder of their own, runs each over its
# seed corpus and then fuzzes it for a short fixed time. A crash, leak,
# timeout or memory blow-up fails the run and leaves the input that caused it
# in <build>/fuzz-artifacts/<harness>/.
#   TELLAN_FUZZ_BUILD    build folder (default build-fuzz)
#   TELLAN_FUZZ_SECONDS  fuzzing time per harness (default 30)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=${TELLAN_FUZZ_BUILD:-$root/build-fuzz}
seconds=${TELLAN_FUZZ_SECONDS:-30}
jobs=${TELLAN_JOBS:-2}

echo "=== Fuzz build: $build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTELLAN_FUZZ=ON -DTELLAN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target tellan_fuzzers

# A message file may not cost more than this; an entity expansion would.
declare -A rss_limit_mb=([msgfile]=512)

for name in regfile textmode msgfile codeformat lcid; do
  fuzzer=$build/fuzz/fuzz_$name
  corpus=$root/tests/fuzz/corpus/$name
  artifacts=$build/fuzz-artifacts/$name
  work=$build/fuzz-work/$name
  rm -rf "$work"
  mkdir -p "$artifacts" "$work"
  options=(-artifact_prefix="$artifacts/" -rss_limit_mb="${rss_limit_mb[$name]:-2048}"
           -timeout=10 -print_final_stats=1)
  log=$build/fuzz-work/$name.log
  echo "=== fuzz_$name: seed corpus"
  # The failing seed is the last one the log names.
  if ! "$fuzzer" "${options[@]}" "$corpus"/* >"$log" 2>&1; then
    cat "$log"
    echo "fuzz_$name FAILED on a seed of $corpus/" >&2
    exit 1
  fi
  grep -E "^Executed" "$log" | tail -n 1
  echo "=== fuzz_$name: ${seconds}s"
  # New inputs go to the work folder; the seed corpus in the tree stays as it is.
  if ! "$fuzzer" "${options[@]}" -max_total_time="$seconds" "$work" "$corpus" >"$log" 2>&1; then
    cat "$log"
    echo "fuzz_$name FAILED; the input is in $artifacts/" >&2
    exit 1
  fi
  grep -E "^Done|stat::(new_units_added|peak_rss_mb)" "$log"
done
echo "All fuzz harnesses passed."
