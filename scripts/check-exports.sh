#!/usr/bin/env bash
# Both plug-in builds export the entry point the host looks for, undecorated.
set -euo pipefail
status=0
for pair in "x86_64-w64-mingw32-objdump plugin-x64" "i686-w64-mingw32-objdump plugin-i686"; do
  read -r objdump folder <<<"$pair"
  file="$TESSALY_BUILD/$folder/tessaly.api"
  exports=$("$objdump" -p "$file")
  if grep -qE '^\s*\[\s*[0-9]+\]\s+PlugInMain\s*$' <<<"$exports"; then
    echo "$folder: exports PlugInMain"
  else
    echo "$folder: PlugInMain is not exported by $file"
    status=1
  fi
done
exit $status
