#!/bin/sh
# Inspects a cross-built TELLAN program as the loader will see it:
#   check_program.sh <objdump> <tellan.exe> <pe32|pe32+> <windres>
# - the PE format (the shipping program is PE32, never PE32+);
# - the GUI subsystem (2), so that no console ever appears;
# - VSLIB.dll imported by ordinals 1 to 4 and VSLibSetMode by name, nothing else;
# - no runtime DLL of the compiler (libgcc*, libstdc++*, libwinpthread*);
# - dialog 102 and icon group 128 among the resources;
# - PE32 only: every VSLIB.dll entry point called with the C calling
#   convention of vslib/VSLib.h (see below).
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

# The imaging library's calling convention (vslib/VSLib.h: __cdecl, the caller
# removes the arguments). The names alone cannot show it: the imports come
# from VSLIB.def, so a __stdcall declaration linked against a .def with
# undecorated names would still import "VSLibSetMode". The calls can: the
# compiler sets up arguments in a stack area it keeps for the whole function,
# and after a call whose callee removed its arguments (__stdcall) it
# re-reserves them at once ("sub $N,%esp", or a "push" at -Os); after a
# __cdecl call it does neither. Each entry point must be called, through
# its import thunk ("jmp *IAT-slot") or the slot itself, and no such call may
# be followed by that re-reservation.
if [ "$format" = pe32 ]; then
  base=$(printf '%s\n' "$headers" | awk '/^ImageBase/ {print $2}')
  table=$(printf '%s\n' "$headers" | awk '
    /DLL Name:/ { if ($3 == "VSLIB.dll") print "thunk", previous; inside = ($3 == "VSLIB.dll"); next }
    NF > 0 { previous = $NF }
    inside && NF == 0 { inside = 0 }
    inside && $3 == "<none>" { printf "entry <%d>\n", $2 + 0; next }
    inside && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print "entry", $3 }')
  first=$(printf '%s\n' "$table" | awk '$1 == "thunk" {print $2}')
  slots="" labels="" i=0
  for label in $(printf '%s\n' "$table" | awk '$1 == "entry" {print $2}'); do
    slots="$slots $(printf '%x' $((0x$base + 0x$first + 4 * i)))"
    labels="$labels $label"
    i=$((i + 1))
  done
  calls=$("$objdump" -d --no-show-raw-insn "$program" | awk -v slots="$slots" -v labels="$labels" '
    BEGIN { n = split(slots, s, " "); split(labels, l, " "); for (i = 1; i <= n; i++) slot["*0x" s[i]] = l[i] }
    { line[NR] = $0 }
    function instruction(text,   f) { split(text, f, "\t"); return f[2] }
    function operand(ins,   t) { t = ins; sub(/^[a-z]+ +/, "", t); sub(/ .*/, "", t); return t }
    END {
      for (i = 1; i <= NR; i++) {
        ins = instruction(line[i])
        if (ins ~ /^jmp +\*0x/ && (operand(ins) in slot)) {
          address = line[i]; sub(/^ +/, "", address); sub(/:.*/, "", address)
          thunk[address] = slot[operand(ins)]
        }
      }
      for (i = 1; i < NR; i++) {
        ins = instruction(line[i])
        if (ins !~ /^call /) continue
        target = operand(ins)
        entry = (target in slot) ? slot[target] : ((target in thunk) ? thunk[target] : "")
        if (entry != "") print entry "\t" instruction(line[i + 1])
      }
    }')
  for label in $labels; do
    printf '%s\n' "$calls" | grep -q "^$label	" || fail "no call of the VSLIB.dll entry $label found"
  done
  callee_cleanup=$(printf '%s\n' "$calls" | grep -E '	(sub +\$0x[0-9a-f]+,%esp|push)') &&
    fail "VSLIB.dll entries called as if they removed their own arguments (__stdcall): $callee_cleanup"
fi

resources=$("$windres" -i "$program" -O rc 2>/dev/null) || fail "cannot list the resources"
printf '%s\n' "$resources" | grep -Eq '^102 DIALOGEX 0, 0, 320, 200' || fail "dialog 102 missing"
printf '%s\n' "$resources" | grep -Eq '^STYLE 0x90c000c8' || fail "dialog 102: wrong style"
printf '%s\n' "$resources" | grep -Eq '^128 14 /\* RT_GROUP_ICON' || fail "icon group 128 missing"

if [ $failures -eq 0 ]; then
  echo "OK: $program ($format, GUI, VSLIB.dll by ordinals 1-4 and VSLibSetMode, no compiler runtime)"
  [ "$format" = pe32 ] && echo "OK: every VSLIB.dll entry point called with the C calling convention"
fi
[ $failures -eq 0 ]
