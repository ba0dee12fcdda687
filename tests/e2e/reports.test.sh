#!/usr/bin/env bash
# The reports and exports of the sample with two chapters ticked, their thumbnails
# selected and the US Letter pages found, compared byte for byte with files worked out
# from the sample's own outline (report_oracle.py), as is the tree the script saved; the
# exports read back with a CSV reader; the refusals, "Invalid Filename", and imports of
# page-number files.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/report_checks.sh"
needs_tools pdfinfo python3
export REPORTS_OUT REPORTS_LETTER_PAGES
REPORTS_OUT=$(fresh_output reports)
sample="$TESSALY_BUILD/stage/sample/manual.pdf"
chapters=("Chapter 2: Getting Started" "Chapter 4: Paper Handling")
letter=$(pdfinfo -f 1 -l "$(pdfinfo "$sample" | awk '/^Pages:/ { print $2 }')" "$sample" |
  awk '/^Page +[0-9]+ size: +612 x 792 / { printf "%s%s", sep, $2; sep = "," }')
REPORTS_LETTER_PAGES=$letter
printf '5\r\n  7 apples\r\n9' >"$REPORTS_OUT/numbers.txt"
: >"$REPORTS_OUT/empty.txt"

run_case "$here/reports" reports
[ -e "$REPORTS_OUT/refused.txt" ] && fail "a thumbnail report wrote a file before any thumbnails were selected"
if [ -f "$REPORTS_OUT/sample.tree" ]; then
  check_report_files "" "$REPORTS_OUT" "$REPORTS_OUT/sample.tree" "$sample" "$letter" "${chapters[@]}"
fi
run_case "$here/reports" thumbnails-again
if [ -f "$REPORTS_OUT/thumbnails-again.txt" ]; then
  for kind in "" -by-level; do
    cmp -s "$REPORTS_OUT/thumbnails-once$kind.txt" "$REPORTS_OUT/thumbnails-again$kind.txt" ||
      fail "thumbnails clicked again: thumbnails-again$kind.txt differs from a single click's"
  done
  [ -n "$(tr -d '\r\n' <"$REPORTS_OUT/thumbnails-once.txt")" ] || fail "thumbnails-once.txt lists no page"
  [ -z "$(tr ',' '\n' <"$REPORTS_OUT/thumbnails-once.txt" | tr -d '\r' | grep . | sort | uniq -d)" ] ||
    fail "thumbnails-once.txt lists a page twice"
fi
[ -e "$REPORTS_OUT/no-such-folder" ] && fail "an export made a folder"
[ "$failures" -eq 0 ]
