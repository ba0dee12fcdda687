#!/usr/bin/env bash
# Documents that once froze the viewer (tests/fixtures/freezes/): each is opened, the
# plug-in's dialog ticks and unticks "Select all (toggle)" and closes, and the viewer
# exits when asked, while the page shows what it can.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/freezes/freeze_case.sh"
needs_tools python3 timeout
out=$(fresh_output freezes)

# A page poppler never finishes drawing: given up after the time limit, it shows "This
# page could not be drawn." in its place.
freeze_case render-never-returns "$out"
if [ -f "$out/render-never-returns.png" ]; then
  python3 "$here/freezes/page_picture.py" placeholder "$out/render-never-returns.png" ||
    fail "render-never-returns: the page view does not show the placeholder"
fi

# A document poppler refuses at once (an encryption dictionary with an invalid key
# length): the page is drawn from the one-page copy qpdf writes of it.
freeze_case bad-encryption-length "$out"
if [ -f "$out/bad-encryption-length.png" ]; then
  python3 "$here/freezes/page_picture.py" drawn "$out/bad-encryption-length.png" ||
    fail "bad-encryption-length: the page view does not show the page drawn"
fi
[ "$failures" -eq 0 ]
