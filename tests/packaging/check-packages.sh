#!/usr/bin/env bash
# Checks the packages that tools/make-packages.sh wrote, as a user meets them:
#   check-packages.sh [dist folder]
# - the .deb: lintian finds no error; version, dependencies, conffile, files;
#   installed with apt-get, the program run from PATH with nothing but LANG set
#   (no display, no terminal: the box goes to standard error) finds
#   /etc/tellan/registry.reg and shows the German box; purged, nothing is
#   left. When tellan is on the machine already, that part is skipped (and
#   said so), so that the machine is left as found.
# - the manual page renders without warnings and shows the version;
# - the zip: its files, tellan.exe's version resource, and tellan.exe run
#   under 32-bit Wine where this machine can run 32-bit programs.
# Exits nonzero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(cd "${1:-$root/dist}" && pwd)
version=$(sed -n 's/^project(TELLAN VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
deb=$dist/tellan_${version}_$(dpkg --print-architecture).deb
zip=$dist/tellan-${version}-win32.zip
messages=$root/examples/messages

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

work=$(mktemp -d)
installed_here=0
purge() { flock /tmp/tellan-apt.lock apt-get purge -y -qq tellan >"$work/purge.log" 2>&1; }
cleanup() {
  if ((installed_here)); then purge; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Files of a package or archive, one per line, sorted, without folders.
sorted_files() { grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort; }

echo "== Debian package $deb"
[[ -n $version && -f $deb ]] || { echo "FAIL: no package $deb (run tools/make-packages.sh)"; exit 1; }

if lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1; then
  pass "lintian reports no error"
else
  fail "lintian:"
  grep -v 'root privileges' "$work/lintian.log"
fi

[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] && pass "version $version" ||
  fail "package version $(dpkg-deb -f "$deb" Version), expected $version"
depends=$(dpkg-deb -f "$deb" Depends)
missing_libraries=0
for library in libc6 libstdc++6 libxml2 libicu; do
  [[ $depends == *"$library"* ]] || { fail "Depends lacks $library (found: $depends)"; missing_libraries=1; }
done
((missing_libraries)) || pass "Depends found from the shared libraries: $depends"
[[ $(dpkg-deb -f "$deb" Recommends) == *libgtk-3-0* ]] || fail "GTK for the desktop boxes is not recommended"
[[ $(dpkg-deb -I "$deb" conffiles 2>/dev/null) == /etc/tellan/registry.reg ]] &&
  pass "the settings store is the one conffile" || fail "conffiles: $(dpkg-deb -I "$deb" conffiles 2>&1)"

expected_files="etc/tellan/registry.reg
usr/bin/tellan
usr/lib/$multiarch/tellan/libVSLIB.so
usr/share/doc/tellan/changelog.gz
usr/share/doc/tellan/copyright
usr/share/man/man1/tellan.1.gz
usr/share/tellan/messages/messages-neutral.xml
usr/share/tellan/messages/messages.xml"
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sorted_files)
[[ $files == "$expected_files" ]] && pass "package files" ||
  fail "package files:"$'\n'"$files"$'\n'"expected:"$'\n'"$expected_files"

echo "== Manual page"
dpkg-deb -x "$deb" "$work/deb"
page=$work/deb/usr/share/man/man1/tellan.1.gz
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] && pass "man -l renders tellan.1 without warnings" || fail "man warnings: $warnings"
rendered=$(MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
for text in "TELLAN $version" "/etc/tellan/registry.reg" TELLAN_REGISTRY_FILE LC_MESSAGES DISPLAY \
  WAYLAND_DISPLAY VSLIB_JOB_DIR VSLIB_TRACE VSLIB_CREATE_RESULT "EXIT STATUS" "/usr/share/tellan/messages/messages.xml"; do
  [[ $rendered == *"$text"* ]] || fail "the manual page does not mention $text"
done

echo "== Installed from the package"
state=$(dpkg-query -W -f='${db:Status-Status}' tellan 2>/dev/null)
if [[ -n $state && $state != not-installed ]] || [[ -e /usr/bin/tellan || -e /etc/tellan ]]; then
  echo "SKIPPED: tellan is on this machine already (dpkg state '${state:-none}'); not installing over it"
else
  if flock /tmp/tellan-apt.lock apt-get install -y -qq --no-install-recommends "$deb" >"$work/install.log" 2>&1; then
    installed_here=1
    pass "apt-get install $(basename "$deb")"
  else
    fail "apt-get install:"
    cat "$work/install.log"
  fi
fi

if ((installed_here)); then
  # A photo the library accepts and one it rejects (20:1): the job starts
  # with one image and the user is told of the other in German.
  run=$work/run
  mkdir -p "$run"
  list=$run/photos.txt
  printf '%s\n' "$root/examples/photos/harbour.jpg" "$root/examples/photos/panorama.jpg" >"$list"
  # setsid: no controlling terminal, so the box goes to standard error.
  (cd "$run" && env -i PATH=/usr/bin:/bin LANG=de_DE.UTF-8 setsid -w tellan fcc "$list" \
    </dev/null >"$run/stdout" 2>"$run/stderr")
  status=$?
  [[ $(env -i PATH=/usr/bin:/bin sh -c 'command -v tellan') == /usr/bin/tellan ]] ||
    fail "tellan on PATH is not /usr/bin/tellan"
  [[ $status == 0 ]] || fail "exit status $status"
  # The box as the installed message file words it for de-DE (LCID 0407).
  expected_box=$(python3 - /usr/share/tellan/messages/messages.xml <<'EOF'
import sys
import xml.etree.ElementTree as ET
culture = next(c for c in ET.parse(sys.argv[1]).getroot().iter("Culture") if c.get("LCID") == "0407")
print("(X) " + culture.findtext("MsgBoxTitle").strip())
print(culture.findtext("ErrVSTIncNoSupportFile").strip())
EOF
)
  [[ $(cat "$run/stderr") == "$expected_box" ]] && pass "German box from /etc/tellan/registry.reg" ||
    fail "box on standard error:"$'\n'"$(cat "$run/stderr")"$'\n'"expected:"$'\n'"$expected_box"
  grep -Eq '^VSLIB: job started in vslib-jobs/job-[0-9]{8}-[0-9]{6} with 1 image\(s\)$' "$run/stdout" &&
    grep -q "harbour.jpg\" JPEG 640x480" "$run"/vslib-jobs/job-*/manifest.txt &&
    pass "the installed library started the job" || fail "no job: $(cat "$run/stdout")"
  [[ ! -e $list ]] || fail "the photo list was not deleted"

  if purge; then
    installed_here=0
    left=$(ls -d /usr/bin/tellan /etc/tellan /usr/share/tellan /usr/share/doc/tellan \
      /usr/share/man/man1/tellan.1.gz "/usr/lib/$multiarch/tellan" 2>/dev/null)
    state=$(dpkg-query -W -f='${db:Status-Status}' tellan 2>/dev/null)
    [[ -z $left && ( -z $state || $state == not-installed ) ]] && pass "purged, nothing left" ||
      fail "after the purge: dpkg state '$state', left: $left"
  else
    fail "apt-get purge: $(cat "$work/purge.log")"
  fi
fi

echo "== Windows zip $zip"
[[ -f $zip ]] || { echo "FAIL: no zip $zip"; exit 1; }
top=tellan-$version-win32
expected_entries="$top/README.txt
$top/VSLIB/VSLIB.dll
$top/messages/messages-neutral.xml
$top/messages/messages.xml
$top/tellan.exe
$top/vistello.reg"
entries=$(cmake -E tar tf "$zip" | sorted_files)
[[ $entries == "$expected_entries" ]] && pass "zip entries" ||
  fail "zip entries:"$'\n'"$entries"$'\n'"expected:"$'\n'"$expected_entries"
mkdir -p "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
unpacked=$work/zip/$top

for file in messages.xml messages-neutral.xml; do
  cmp -s "$messages/$file" "$unpacked/messages/$file" || fail "messages/$file differs from the shipped one"
done
sh "$root/tests/win32/check_program.sh" i686-w64-mingw32-objdump "$unpacked/tellan.exe" pe32 \
  i686-w64-mingw32-windres || fail "tellan.exe is not the shipping program"
vslib_headers=$(i686-w64-mingw32-objdump -p "$unpacked/VSLIB/VSLIB.dll" 2>&1)
grep -Eq '^Magic[[:space:]]+010b' <<<"$vslib_headers" && grep -q 'VSLibSetMode' <<<"$vslib_headers" &&
  pass "VSLIB/VSLIB.dll is the 32-bit stand-in" || fail "VSLIB/VSLIB.dll is not the 32-bit stand-in"

resources=$(i686-w64-mingw32-windres -i "$unpacked/tellan.exe" -O rc 2>/dev/null)
commas="${version//./, }, 0"
missing_lines=0
for line in "FILEVERSION $commas" "PRODUCTVERSION $commas" "VALUE \"FileVersion\", \"$version\"" \
  "VALUE \"ProductVersion\", \"$version\"" "VALUE \"ProductName\", \"TELLAN\"" \
  "VALUE \"FileDescription\", \"TELLAN photo hand-off of Vistello\""; do
  grep -Fq "$line" <<<"$resources" || { fail "version resource lacks: $line"; missing_lines=1; }
done
((missing_lines)) || pass "tellan.exe's version resource says $version"

head -n 1 "$unpacked/vistello.reg" | grep -q $'^Windows Registry Editor Version 5.00\r$' ||
  fail "vistello.reg is not a regedit file with CR LF line ends"
for name in tellan.exe messages VSLIB.dll vistello.reg "TELLAN $version"; do
  grep -Fq "$name" "$unpacked/README.txt" || fail "README.txt does not mention $name"
done

# 32-bit Wine needs a kernel that runs 32-bit programs.
if reason=$(sh "$root/tests/win32/wine-runs.sh" /usr/lib/wine/wine); then
  cp "$unpacked/VSLIB/VSLIB.dll" "$unpacked/"
  # Without its two parameters the program checks its command line and ends
  # at once; it starts at all only when VSLIB.dll is found beside it. Its
  # hidden dialog needs an X display: xvfb-run finds a free one.
  WINEPREFIX=$work/wineprefix WINEDEBUG=-all timeout 300 xvfb-run -a wine "$unpacked/tellan.exe" >/dev/null 2>&1
  status=$?
  WINEPREFIX=$work/wineprefix wineserver -k >/dev/null 2>&1
  [[ $status == 0 ]] && pass "the zip's tellan.exe runs under 32-bit Wine" || fail "tellan.exe under Wine: status $status"
else
  echo "SKIPPED: the zip's tellan.exe is not run under Wine: $reason"
fi

if ((failures)); then
  echo "$failures package check(s) failed"
  exit 1
fi
echo "All package checks passed."
