#!/usr/bin/env bash
# The 32-bit deliverable as shipped, checked without running it (no 32-bit process can
# run on these machines): Tessaly-Setup.exe is a 32-bit installer carrying exactly the
# i686 tessaly.api; that file is a 32-bit DLL exporting PlugInMain undecorated, imports
# only DLLs every 32-bit Windows has (no compiler runtime DLLs), and the host's record
# layouts hold for the 32-bit target (the compile-time assertions of host_records.h);
# PlugInMain pops its four arguments (__stdcall, as the host calls it), and error frames
# jump back with the C runtime's setjmp/longjmp, which restore the thread's structured
# exception chain.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
plugin="$TESSALY_BUILD/plugin-i686/tessaly.api"
setup="$TESSALY_BUILD/plugin-i686/Tessaly-Setup.exe"
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }

# The DLLs of Windows itself; anything else would have to travel with the plug-in.
system_dlls="ADVAPI32.dll COMCTL32.dll COMDLG32.dll GDI32.dll KERNEL32.dll msvcrt.dll
  SHELL32.dll USER32.dll OLE32.dll OLEAUT32.dll SHLWAPI.dll VERSION.dll WINSPOOL.DRV"

"$objdump" -f "$setup" 2>/dev/null | grep -q 'file format pei-i386' ||
  fail "$setup is not a 32-bit Windows program"
"$objdump" -f "$plugin" 2>/dev/null | grep -q 'file format pei-i386' ||
  fail "$plugin is not a 32-bit Windows DLL"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
if ! 7z x -o"$unpacked" "$setup" >/dev/null 2>&1; then
  fail "$setup cannot be unpacked"
else
  carried=$(find "$unpacked" -maxdepth 1 -iname tessaly.api)
  [ -n "$carried" ] && cmp -s "$carried" "$plugin" ||
    fail "Tessaly-Setup.exe does not carry the i686 build $plugin"
  for file in Tessaly.chm Default.ppf Default.ban PDFPageSizes.ini; do
    [ -f "$unpacked/$file" ] || fail "Tessaly-Setup.exe does not carry $file"
  done
fi

exports=$("$objdump" -p "$plugin")
grep -qE '^\s*\[\s*[0-9]+\]\s+PlugInMain\s*$' <<<"$exports" ||
  fail "the i686 tessaly.api does not export PlugInMain undecorated"
while read -r dll; do
  grep -qiwF -- "$dll" <<<"$system_dlls" || fail "the i686 tessaly.api imports $dll, which Windows does not have"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$exports")

# PlugInMain, from its export address to the next symbol (at most 512 bytes): every
# return in it is "ret $0x10". A __cdecl one would return with a plain "ret" and leave
# 16 bytes on the host's stack at every load.
base=$(sed -n 's/^ImageBase\s\+\([0-9a-fA-F]\+\)$/\1/p' <<<"$exports")
rva=$(awk '/^Export Address Table -- Ordinal Base/ { getline; print $(NF-2); exit }' <<<"$exports")
if [ -z "$base" ] || [ -z "$rva" ]; then
  fail "the i686 tessaly.api has no export address for PlugInMain"
else
  start=$((0x$base + 0x$rva))
  returns=$("$objdump" -d --no-show-raw-insn --start-address=$start --stop-address=$((start + 512)) "$plugin" |
    awk '/^[0-9a-f]+ <.*>:$/ { if (seen++) exit } /\tret/ { print $2, $3 }')
  [ -n "$returns" ] || fail "no return found in PlugInMain"
  while read -r instruction operand; do
    found="$instruction${operand:+ $operand}"
    [ "$found" = 'ret $0x10' ] || fail "PlugInMain returns with \"$found\", not \"ret \$0x10\" (__stdcall)"
  done <<<"$returns"
fi

# The jump back into a handler is the C runtime's (msvcrt's _setjmp3 and longjmp),
# whose longjmp puts FS:[0] back; the compiler's builtin jump would not.
msvcrt_imports=$(awk '/DLL Name: msvcrt.dll/ { inside = 1; next } /DLL Name:/ { inside = 0 } inside { print $NF }' <<<"$exports")
for routine in _setjmp3 longjmp; do
  grep -qx -- "$routine" <<<"$msvcrt_imports" ||
    fail "the i686 tessaly.api does not take $routine from msvcrt.dll: its error frames would not restore the exception chain"
done

# The assertions hold only where they are compiled for the 32-bit target.
i686-w64-mingw32-g++ -std=c++20 -fsyntax-only -x c++ -I"$root/sdk/include" \
  - <<<'#include "host_records.h"' || fail "the host's record layouts do not hold for 32-bit Windows"

[ "$failures" -eq 0 ] && echo "the 32-bit deliverable: checked"
exit "$failures"
