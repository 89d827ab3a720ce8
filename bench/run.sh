#!/usr/bin/env bash
# Measures TELLAN against the floor of each job it does and prints one table
# of ratios (medians of wall-clock time, and peak memory against the size of
# the line read). It builds a Release tree of its own in build-bench/, writes
# its inputs there and builds an imaging library whose calls return at once,
# so that a list run measures the program and not the stand-in's file checks.
#
#   bash bench/run.sh            # on a quiet machine: other jobs skew every ratio
#
# TELLAN_BENCH_RUNS sets the runs per command (default 10).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-bench
runs=${TELLAN_BENCH_RUNS:-10}

prepare() {
  bash "$root/tools/install-deps.sh"
  local missing=()
  for package in hyperfine time libxml2-utils gcc python3; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi

  cmake -S "$root" -B "$out/release" -DCMAKE_BUILD_TYPE=Release -DTELLAN_BUILD_TESTS=OFF >/dev/null
  cmake --build "$out/release" -j2 --target tellan vslib >/dev/null

  # The program loads libVSLIB.so from its own folder first, so a copy of it
  # beside the do-nothing library runs with that one.
  mkdir -p "$out/null" "$out/work"
  gcc -O2 -shared -fPIC -fvisibility=hidden -Wl,-soname,libVSLIB.so \
    -o "$out/null/libVSLIB.so" "$root/bench/NullImagingLibrary.c"
  cp "$out/release/bin/tellan" "$out/null/tellan"
  gcc -O2 -o "$out/minimal" "$root/bench/Minimal.c"

  if [[ ! -f $out/inputs/cultures-10000.xml || $root/bench/make_inputs.py -nt $out/inputs/cultures-10000.xml ]]; then
    python3 "$root/bench/make_inputs.py" "$out/inputs" 0409
  fi
}

rows=()
# compare NAME TARGET PREPARE PROGRAM_COMMAND FLOOR_COMMAND FLOOR_NAME
# The ratio is of CPU time (user + system, means), which other work on the
# machine disturbs less than wall-clock time; the wall-clock medians follow.
compare() {
  local name=$1 target=$2 prep=$3 program=$4 floor=$5 floorName=$6
  local json=$out/work/$name.json
  hyperfine -N --style basic --warmup 2 --runs "$runs" --prepare "$prep" \
    --export-json "$json" "$program" "$floor" >"$out/work/$name.log" 2>&1
  rows+=("$(python3 - "$json" "$name" "$target" "$floorName" <<'PY'
import json, sys
path, name, target, floor = sys.argv[1:5]
program, base = json.load(open(path))["results"]
cpu = lambda r: (r["user"] + r["system"]) * 1000
print(f"{name:<30} {cpu(program):8.1f} {floor:<18} {cpu(base):8.1f} {cpu(program) / cpu(base):6.2f}x"
      f"   {program['median'] * 1000:8.1f} {base['median'] * 1000:8.1f} {program['median'] / base['median']:6.2f}x  {target}")
PY
)")
}

# peak NAME PROGRAM_DIR LINE_FILE
peak() {
  local name=$1 dir=$2 input=$3
  cp "$input" "$out/work/line.txt"
  local kib
  kib=$( { /usr/bin/time -f '%M' "$dir/tellan" fcc "$out/work/line.txt" 2>&1 >/dev/null; } | tail -n 1)
  local bytes
  bytes=$(stat -c %s "$input")
  rows+=("$(python3 -c 'import sys
name, kib, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
print(f"{name:<30} peak {kib/1024:.1f} MiB for a line of {size/1048576:.0f} MiB: {kib*1024/size:.2f}x  (target: about 1x)")' \
    "$name" "$kib" "$bytes")")
}

measure() {
  local work=$out/work inputs=$out/inputs
  # No box may wait for Enter at a terminal or for a click on a desktop:
  # boxes go to standard error.
  unset DISPLAY WAYLAND_DISPLAY
  export TELLAN_REGISTRY_FILE=$inputs/none.reg
  unset VSLIB_TRACE
  export VSLIB_JOB_DIR=$work/jobs
  compare list-1m-lines-null-library "<= 1.5x" "cp $inputs/lines-1m.txt $work/list.txt" \
    "$out/null/tellan fcc $work/list.txt" "wc -l $work/list.txt" "wc -l"
  compare list-1m-lines-stand-in "(info)" "cp $inputs/lines-1m.txt $work/list.txt" \
    "$out/release/bin/tellan fcc $work/list.txt" "wc -l $work/list.txt" "wc -l"

  export LC_ALL=en_US.UTF-8
  for cultures in 1000 10000; do
    local target="(info)"
    [[ $cultures == 10000 ]] && target="<= 1.3x"
    export TELLAN_REGISTRY_FILE=$inputs/cultures-$cultures.reg
    # The box must come from the last culture, the user's.
    cp "$inputs/empty.txt" "$work/empty.txt"
    "$out/null/tellan" fcc "$work/empty.txt" 2>&1 | grep -q "Ordex Vistello (MRV)" ||
      { echo "the box of $cultures cultures does not show the user's culture" >&2; exit 1; }
    compare "box-from-$cultures-cultures" "$target" "cp $inputs/empty.txt $work/empty.txt" \
      "$out/null/tellan fcc $work/empty.txt" "xmllint --noout $inputs/cultures-$cultures.xml" "xmllint --noout"
  done
  unset LC_ALL
  export TELLAN_REGISTRY_FILE=$inputs/none.reg

  compare start-up-no-box "<= 1.5x" "true" "$out/null/tellan x y" "$out/minimal" "minimal C program"
  compare start-up-no-box-vs-true "(info)" "true" "$out/null/tellan x y" "/bin/true" "/bin/true"

  peak one-100mib-line-null-library "$out/null" "$inputs/line-100mb.txt"
  peak one-100mib-line-stand-in "$out/release/bin" "$inputs/line-100mb.txt"

  echo "TELLAN benchmark: $runs runs per command, $(nproc) cores, load average before: $load_before"
  printf '%-30s %8s %-18s %8s %7s   %8s %8s %7s  %s\n' "job" "CPU ms" "floor" "CPU ms" "ratio" \
    "wall ms" "floor" "ratio" "target"
  printf '%s\n' "${rows[@]}"
}

if [[ ${1:-} == --measure ]]; then
  load_before=$2
  measure
else
  prepare
  load_before=$(cut -d' ' -f1-3 /proc/loadavg)
  # A new session has no controlling terminal, so no box waits for Enter.
  setsid -w bash "$0" --measure "$load_before" </dev/null
fi
