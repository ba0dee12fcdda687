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

# An X server of this run's own: it takes a free display itself and names it
# (-displayfd), so runs one after another, or side by side, or after a server that
# another user left behind, never race for a display number; it is gone, its display
# free again, before this script ends.
xvfb_dir=$(mktemp -d)
# There before the server's redirection is, so that the first look finds it.
: >"$xvfb_dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$xvfb_dir/display" 2>"$xvfb_dir/log" &
xvfb=$!
stop_xvfb() {
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
  rm -rf "$xvfb_dir"
}
trap stop_xvfb EXIT
display=""
for ((tries = 0; tries < 200; tries++)); do
  # The number is whole once its line ends.
  if [ "$(wc -l <"$xvfb_dir/display")" -ge 1 ]; then
    display=$(head -n 1 "$xvfb_dir/display" | tr -dc '0-9')
    break
  fi
  if ! kill -0 "$xvfb" 2>/dev/null; then
    echo "run-viewer: Xvfb did not start:" >&2
    cat "$xvfb_dir/log" >&2
    exit 1
  fi
  sleep 0.05
done
if [ -z "$display" ]; then
  echo "run-viewer: Xvfb named no display within 10 s:" >&2
  cat "$xvfb_dir/log" >&2
  exit 1
fi
status=0
DISPLAY=":$display" "${viewer[@]}" || status=$?
[ "$status" -eq 0 ] || echo "run-viewer: the viewer ended with status $status" >&2
exit "$status"
