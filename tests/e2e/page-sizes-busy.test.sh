#!/usr/bin/env bash
# "Find" by page size taken again while an earlier "Find" still searches or still
# selects its pages: on a document of 20000 pages, Letter is found and A4 asked for
# right after (now at once, now a little later), and the selection is then exactly the
# A4 pages, in page order, never a mix of the two.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
out=$(fresh_output page-sizes-busy)
LARGE_DOCUMENT=$(large_document) || { echo "FAILED: the document could not be generated"; exit 1; }
A4_PAGES=$("$TESSALY_BUILD/native/tools/make-big-document" --pages-sized A4)
export LARGE_DOCUMENT A4_PAGES

script="$out/find-while-busy.tvs"
{
  echo "open \${LARGE_DOCUMENT}"
  echo "menu Extensions &Tessaly"
  echo "wait-window \"Tessaly 1.16\""
  echo "expect-tree-count 16384"
  for delay in 0 1 2 3 4 5; do
    echo "choose 1097 Letter"
    echo "click 1098"
    # Reading the whole tree takes a while: the second "Find" comes that much later.
    for ((k = 0; k < delay; k++)); do echo "expect-tree-count 16384"; done
    echo "choose 1097 A4"
    echo "click 1098"
    echo "expect-thumbs \${A4_PAGES}"
  done
  echo "close-box"
  echo "wait-gone"
} >"$script"
if "$here/run-script.sh" "$script"; then
  echo "find-while-busy: passed"
else
  fail "find-while-busy: the selection is not the later Find's alone"
fi
[ "$failures" -eq 0 ]
