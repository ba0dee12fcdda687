#!/usr/bin/env bash
# Lays out what an installer would put on a machine, inside the build folder:
#   stage/viewer/viewer.exe.so         the host viewer
#   stage/viewer/plug_ins/tessaly.api  the plug-in (x86_64 build) and its files
#   stage/win32/tessaly.api            the 32-bit Windows deliverable
#   stage/sample/manual.pdf            the sample document
#   wineprefix/                        created once, with the plug-in's "App Paths" key
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
B=$TESSALY_BUILD
S=$B/stage
mkdir -p "$S/viewer/plug_ins" "$S/win32" "$S/sample"

cp -f "$B/viewer/viewer.exe.so" "$S/viewer/"
cp -f "$B/plugin-x64/tessaly.api" "$S/viewer/plug_ins/tessaly.api"
cp -f "$B/plugin-i686/tessaly.api" "$S/win32/tessaly.api"
root=$(cd "$here/.." && pwd)
cp -f "$root/plugin/data/Default.ppf" "$root/plugin/data/Default.ban" "$root/plugin/data/PDFPageSizes.ini" \
  "$S/viewer/plug_ins/"

# The help file, compiled from its HTML sources.
rm -rf "$B/help" && mkdir -p "$B/help"
cp "$root"/plugin/help/* "$B/help/"
if ! log=$(cd "$B/help" && chmcmd tessaly.hhp 2>&1); then
  echo "$log"
  exit 1
fi
cp -f "$B/help/Tessaly.chm" "$S/viewer/plug_ins/Tessaly.chm"

if [ ! -f "$S/sample/manual.pdf" ] || [ "$B/native/tools/make-sample" -nt "$S/sample/manual.pdf" ]; then
  "$B/native/tools/make-sample" "$S/sample/manual.pdf"
fi

# The documents the end-to-end tests open (the scripts see them as ${TESSALY_FIXTURES}).
"$B/native/tools/make-fixtures" "$B/fixtures" >/dev/null

if [ ! -f "$WINEPREFIX/.tessaly-prefix-ready" ]; then
  echo "creating the wine prefix in $WINEPREFIX (once)"
  "$WINE64" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  # One virtual desktop per X display: Wine then draws every window's frame and
  # caption itself, as Windows would, also on an X server without a window manager.
  "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.tessaly-prefix-ready"
fi

# Window captions draw their minimise, maximise and close glyphs with the Marlett font,
# which Wine ships but this prefix does not find on its own: without it the captions show
# the letters "0 1 r". Put it where Windows keeps its fonts.
marlett=""
for candidate in /usr/share/wine/fonts/marlett.ttf \
  "$(dirname "$(readlink -f "$WINE64")")/../../share/wine/fonts/marlett.ttf"; do
  if [ -f "$candidate" ]; then marlett=$candidate; break; fi
done
if [ -n "$marlett" ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -f "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
else
  echo "stage: Wine's marlett.ttf was not found; window captions will show letters" >&2
fi

# The key a Windows installer writes, by which the plug-in finds its folder.
key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Tessaly.api'
"$WINE64" reg add "$key" /ve /d "$(winpath "$S/viewer/plug_ins")\\Tessaly.api" /f >/dev/null 2>&1
"$WINESERVER" -w
