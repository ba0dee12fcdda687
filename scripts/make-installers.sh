#!/usr/bin/env bash
# Builds the two setup programs from installer/tessaly.nsi, each beside its plug-in build:
#   plugin-i686/Tessaly-Setup.exe      32-bit, carrying the i686 tessaly.api (the deliverable)
#   plugin-x64/Tessaly-Setup-x64.exe   64-bit, carrying the x86_64 build
# Needs the compiled help ($TESSALY_BUILD/help/Tessaly.chm).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
B=$TESSALY_BUILD
# The version the dialog's caption shows.
version=$(sed -n 's/^CAPTION "Tessaly \([0-9.]*\)"/\1/p' "$root/plugin/ui/tessaly.rc")
[ -n "$version" ] || { echo "make-installers: no version in tessaly.rc" >&2; exit 1; }
for pair in "x86 plugin-i686 Tessaly-Setup.exe" "amd64 plugin-x64 Tessaly-Setup-x64.exe"; do
  read -r arch folder setup <<<"$pair"
  if ! log=$(makensis -V2 -DARCH="$arch" -DVERSION="$version" \
      -DPLUGIN="$B/$folder/tessaly.api" -DDATA="$root/plugin/data" -DHELP="$B/help/Tessaly.chm" \
      -DOUTFILE="$B/$folder/$setup" "$root/installer/tessaly.nsi" 2>&1); then
    echo "$log"
    exit 1
  fi
done
