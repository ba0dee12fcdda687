#!/usr/bin/env bash
# The 32-bit deliverable as shipped, checked without running it (no 32-bit process can
# run on these machines): Tessaly-Setup.exe is a 32-bit installer carrying exactly the
# i686 tessaly.api; that file is a 32-bit DLL exporting PlugInMain undecorated, imports
# only DLLs every 32-bit Windows has (no compiler runtime DLLs), and the host's record
# layouts hold for the 32-bit target (the compile-time assertions of host_records.h).
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

# The assertions hold only where they are compiled for the 32-bit target.
i686-w64-mingw32-g++ -std=c++20 -fsyntax-only -x c++ -I"$root/sdk/include" \
  - <<<'#include "host_records.h"' || fail "the host's record layouts do not hold for 32-bit Windows"

[ "$failures" -eq 0 ] && echo "the 32-bit deliverable: checked"
exit "$failures"
