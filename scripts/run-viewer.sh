#!/usr/bin/env bash
# Runs the staged viewer with the given arguments, under Xvfb when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export TESSALY_BUILD=${TESSALY_BUILD:-$(cd "$here/.." && pwd)/build}
source "$here/wine-env.sh"
export TESSALY_SAMPLE="$TESSALY_BUILD/stage/sample/manual.pdf"
viewer=("$WINE64" "$TESSALY_BUILD/stage/viewer/viewer.exe.so" "$@")
if [ -n "${DISPLAY:-}" ] && [ -z "${TESSALY_XVFB:-}" ]; then
  exec "${viewer[@]}"
fi
# A wine server still lingering after the last run belongs to that run's X server,
# which is gone: this run's windows must not be handed to it.
"$WINESERVER" -w
exec xvfb-run -a -s "-screen 0 1280x1024x24" "${viewer[@]}"
