#!/bin/sh
# Inspects a cross-built TELLAN program as the loader will see it:
#   check_program.sh <objdump> <tellan.exe> <pe32|pe32+> <windres>
# - the PE format (the shipping program is PE32, never PE32+);
# - the GUI subsystem (2), so that no console ever appears;
# - VSLIB.dll imported by ordinals 1 to 4 and VSLibSetMode by name, nothing else;
# - no runtime DLL of the compiler (libgcc*, libstdc++*, libwinpthread*);
# - dialog 102 and icon group 128 among the resources.
set -u
objdump=$1 program=$2 format=$3 windres=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$program") || { echo "FAIL: cannot read $program"; exit 1; }

magic=$(printf '%s\n' "$headers" | awk '/^Magic/ {print $2}')
case $format in
  pe32) [ "$magic" = 010b ] || fail "expected PE32 (magic 010b), found $magic" ;;
  pe32+) [ "$magic" = 020b ] || fail "expected PE32+ (magic 020b), found $magic" ;;
esac

subsystem=$(printf '%s\n' "$headers" | awk '/^Subsystem/ {print $2}')
[ "$subsystem" = 00000002 ] || fail "expected the GUI subsystem 2, found $subsystem"

# The import list of VSLIB.dll: one line per entry, "<ordinal>" for an import
# by ordinal, "name" for one by name.
vslib=$(printf '%s\n' "$headers" | awk '
  /DLL Name:/ { inside = ($3 == "VSLIB.dll"); next }
  inside && NF == 0 { inside = 0 }
  inside && $3 == "<none>" { printf "<%d>\n", $2 + 0; next }
  inside && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }' | sort | tr '\n' ' ')
[ "$vslib" = "<1> <2> <3> <4> VSLibSetMode " ] ||
  fail "VSLIB.dll imports: expected '<1> <2> <3> <4> VSLibSetMode', found '$vslib'"

dlls=$(printf '%s\n' "$headers" | awk '/DLL Name:/ {print $3}')
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr 'A-Z' 'a-z') in
    libgcc* | libstdc++* | libwinpthread*) fail "imports the compiler runtime $dll" ;;
  esac
done

resources=$("$windres" -i "$program" -O rc 2>/dev/null) || fail "cannot list the resources"
printf '%s\n' "$resources" | grep -Eq '^102 DIALOGEX 0, 0, 320, 200' || fail "dialog 102 missing"
printf '%s\n' "$resources" | grep -Eq '^STYLE 0x90c000c8' || fail "dialog 102: wrong style"
printf '%s\n' "$resources" | grep -Eq '^128 14 /\* RT_GROUP_ICON' || fail "icon group 128 missing"

if [ $failures -eq 0 ]; then
  echo "OK: $program ($format, GUI, VSLIB.dll by ordinals 1-4 and VSLibSetMode, no compiler runtime)"
fi
[ $failures -eq 0 ]
