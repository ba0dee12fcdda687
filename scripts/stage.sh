#!/usr/bin/env bash
# Lays out a machine with Tessaly installed, inside the build folder:
#   plugin-*/Tessaly-Setup*.exe        the setup programs (scripts/make-installers.sh)
#   stage/viewer/viewer.exe.so         the host viewer
#   stage/viewer/plug_ins/             the plug-in (x86_64 build) and its files, installed
#                                      by Tessaly-Setup-x64.exe run silently under Wine
#   stage/win32/tessaly.api            the 32-bit Windows deliverable
#   stage/sample/manual.pdf            the sample document
#   wineprefix/                        created once; the installer writes the plug-in's
#                                      "App Paths" key into it
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
B=$TESSALY_BUILD
S=$B/stage
mkdir -p "$S/viewer/plug_ins" "$S/win32" "$S/sample"

cp -f "$B/viewer/viewer.exe.so" "$S/viewer/"
cp -f "$B/plugin-i686/tessaly.api" "$S/win32/tessaly.api"
root=$(cd "$here/.." && pwd)

# The help file, compiled from its HTML sources.
rm -rf "$B/help" && mkdir -p "$B/help"
cp "$root"/plugin/help/* "$B/help/"
if ! log=$(cd "$B/help" && chmcmd tessaly.hhp 2>&1); then
  echo "$log"
  exit 1
fi
"$here/make-installers.sh"

if [ ! -f "$S/sample/manual.pdf" ] || [ "$B/native/tools/make-sample" -nt "$S/sample/manual.pdf" ]; then
  "$B/native/tools/make-sample" "$S/sample/manual.pdf"
fi

# The documents the end-to-end tests open (the scripts see them as ${TESSALY_FIXTURES}).
"$B/native/tools/make-fixtures" "$B/fixtures" >/dev/null

"$here/make-prefix.sh"

# Installed as a user would, silently. The installer keeps the settings files it finds
# (they may be a user's): those of the previous build go first, so that the staging
# carries this build's.
plug_ins_win=$(winpath "$S/viewer/plug_ins")
for file in tessaly.api Tessaly.chm Default.ppf Default.ban PDFPageSizes.ini; do
  rm -f "$S/viewer/plug_ins/$file" "$S/viewer/plug_ins/$file.new"
done
"$WINE64" "$B/plugin-x64/Tessaly-Setup-x64.exe" /S "/D=$plug_ins_win"
"$WINESERVER" -w
for file in tessaly.api Tessaly.chm Default.ppf Default.ban PDFPageSizes.ini; do
  if [ ! -f "$S/viewer/plug_ins/$file" ]; then
    echo "stage: the silent installation left no $file in $S/viewer/plug_ins" >&2
    exit 1
  fi
done
