#!/usr/bin/env bash
# Makes the wine prefix of a build folder ($TESSALY_BUILD/wineprefix) look like a
# Windows machine to the viewer's windows: created once, with a virtual desktop, and with
# the font that window captions draw their buttons with.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
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
  echo "make-prefix: Wine's marlett.ttf was not found; window captions will show letters" >&2
fi

