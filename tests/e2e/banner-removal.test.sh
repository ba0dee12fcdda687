#!/usr/bin/env bash
# Banner pages found again by their markers and taken out ("&Remove ALL banner pages",
# "&Remove last added banner pages"), selected ("Select ALL banner thumbnails") and
# listed by level (the banner page numbers file), on documents whose banners the
# plug-in inserted; the saved documents read back with qpdf and pdftotext.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/banner_checks.sh"
needs_tools qpdf pdftotext
export BANNERS_OUT
BANNERS_OUT=$(fresh_output banner-removal)
fixtures="$TESSALY_BUILD/fixtures"

removal_case() { saved_case "$here/banners" "$1"; }

# page_count FILE: the number of pages qpdf counts.
page_count() { qpdf --show-npages "$1" 2>/dev/null; }

# text_of FILE N: the text of page N of any document.
text_of() { pdftotext -f "$2" -l "$2" -layout "$1" - 2>/dev/null | tr -d '\f'; }

# same_pages NAME ORIGINAL PAGE...: the saved document NAME holds, in order, exactly the
# given pages of ORIGINAL, each with the same text.
same_pages() {
  local name=$1 original=$2 saved="$BANNERS_OUT/$1.pdf" index=0 page
  shift 2
  [ "$(page_count "$saved")" = "$#" ] ||
    { fail "$name: $(page_count "$saved") pages, not $#"; return; }
  for page; do
    index=$((index + 1))
    [ "$(text_of "$saved" "$index")" = "$(text_of "$original" "$page")" ] ||
      fail "$name: page $index does not read as page $page of $(basename "$original")"
  done
}

# expect_file FILE BYTES: FILE holds exactly BYTES (printf escapes allowed).
expect_file() {
  local wanted
  wanted=$(printf "$2" | od -c)
  [ -f "$1" ] || { fail "no file $(basename "$1")"; return; }
  [ "$(od -c <"$1")" = "$wanted" ] || fail "$(basename "$1") holds [$(od -c <"$1" | head -3)]"
}

if removal_case remove-round-trip; then
  same_pages remove-round-trip "$fixtures/banners.pdf" 1 2 3 4 5 6 7 8 9 10
  expect_file "$BANNERS_OUT/remove-round-trip.txt" ""
  cmp -s "$BANNERS_OUT/remove-round-trip-before.tree" "$BANNERS_OUT/remove-round-trip-after.tree" ||
    fail "remove-round-trip: the tree differs from the one before the banners"
  # The banners were there before: full path at level 1, the current level at level 2.
  expect_page remove-round-trip-with 3 "Part A"
  expect_page remove-round-trip-with 4 "Section A1"
  expect_page remove-round-trip-with 11 "Section B1"
  qpdf --check "$BANNERS_OUT/remove-round-trip-with.pdf" >/dev/null 2>&1 ||
    fail "remove-round-trip-with: qpdf --check finds faults"
fi
removal_case remove-last-added &&
  same_pages remove-last-added "$fixtures/banners.pdf" 1 2 3 4 5 6 7 8 9 10
if removal_case remove-level-text; then
  same_pages remove-level-text "$fixtures/banners.pdf" 1 2 3 4 5 6 7 8 9 10
  expect_file "$BANNERS_OUT/remove-level-text.txt" ""
fi
removal_case remove-own-word &&
  same_pages remove-own-word "$fixtures/banner-words.pdf" 1 2 3 4 6 7 8 9 10
# The pages cannot be read for their markers: no file, and a message that says so.
TESSALY_FAILING_HOST_CALL=PDDocCreateWordFinder run_case "$here/banners" numbers-unread &&
  [ -e "$BANNERS_OUT/numbers-unread.txt" ] &&
  fail "numbers-unread: a file was saved from a scan that could not read the pages"
if removal_case remove-numbers; then
  expect_file "$BANNERS_OUT/remove-numbers-none.txt" ""
  expect_file "$BANNERS_OUT/remove-numbers-two-levels.txt" \
    'Level 1 Banners\r\n3\r\n\r\nLevel 2 Banners\r\n9\r\n\r\n'
  expect_file "$BANNERS_OUT/remove-numbers-level-two.txt" \
    'Level 1 Banners\r\n\r\n\r\nLevel 2 Banners\r\n5\r\n\r\n'
fi

[ "$failures" -eq 0 ]
