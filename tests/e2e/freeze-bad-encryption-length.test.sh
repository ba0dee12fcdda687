#!/usr/bin/env bash
# A document poppler refuses at once (tests/fixtures/freezes/bad-encryption-length.pdf,
# an encryption dictionary with an invalid key length): the document, the plug-in's
# dialog (its check boxes take clicks) and the viewer's exit work as usual, and the
# page is drawn from the one-page copy qpdf writes of it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/freezes/freeze_case.sh"
needs_tools python3 timeout
out=$(fresh_output freeze-bad-encryption-length)
freeze_case bad-encryption-length "$out"
if [ -f "$out/bad-encryption-length.png" ]; then
  python3 "$here/freezes/page_picture.py" drawn "$out/bad-encryption-length.png" ||
    fail "bad-encryption-length: the page view does not show the page drawn"
fi
[ "$failures" -eq 0 ]
