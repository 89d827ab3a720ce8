#!/usr/bin/env bash
# The main job on the shipped example data: builds TELLAN, writes a photo list
# naming the example photos (one of which the imaging library rejects) and
# runs `tellan fcc <list>` as the product's caller does. The message box
# appears on this terminal; press Enter to dismiss it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash tools/install-deps.sh
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build" -j2 --target tellan vslib >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
list="$work/photos.txt"
find "$root/examples/photos" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.png' -o -iname '*.bmp' -o -iname '*.gif' \) \
  | sort >"$list"

export TELLAN_REGISTRY_FILE=${TELLAN_REGISTRY_FILE:-$root/build/examples/vistello.reg}
export VSLIB_JOB_DIR=${VSLIB_JOB_DIR:-$root/build/jobs}
export VSLIB_TRACE=${VSLIB_TRACE:-$work/trace.txt}

echo "Photo list $list:"
sed 's/^/  /' "$list"
status=0
"$root/build/bin/tellan" fcc "$list" || status=$?
echo
echo "tellan exited with status $status"
if [[ -e $list ]]; then echo "The photo list is still there."; else echo "The photo list was deleted."; fi
echo "Calls on the imaging library ($VSLIB_TRACE):"
sed 's/^/  /' "$VSLIB_TRACE"
