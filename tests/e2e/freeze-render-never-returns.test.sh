#!/usr/bin/env bash
# A page poppler never finishes drawing (tests/fixtures/freezes/render-never-returns.pdf):
# the viewer gives it up after the time limit and shows "This page could not be drawn."
# in its place, while the document, the plug-in's dialog and the viewer's exit work as
# usual.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/freezes/freeze_case.sh"
needs_tools python3 timeout
out=$(fresh_output freeze-render-never-returns)
freeze_case render-never-returns "$out"
if [ -f "$out/render-never-returns.png" ]; then
  python3 "$here/freezes/page_picture.py" placeholder "$out/render-never-returns.png" ||
    fail "render-never-returns: the page view does not show the placeholder"
fi
[ "$failures" -eq 0 ]
