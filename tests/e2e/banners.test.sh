#!/usr/bin/env bash
# Banner pages put into documents by "Add banner pages before selected bookmarks" (and
# its current-level form), saved by the viewer and read back with qpdf, pdfinfo and
# pdftotext: where the banners landed, what they say and where, their markers, their
# size, opacity and rotation, and what a locked document or a missing font gives.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/banner_checks.sh"
needs_tools qpdf pdftotext pdfinfo
export BANNERS_OUT
BANNERS_OUT=$(fresh_output banners)

# banner_case NAME: runs banners/NAME.tvs; the document it saved must pass qpdf --check.
banner_case() { saved_case "$here/banners" "$1"; }

# expect_line NAME N FIRST LAST X BASELINE: the line from word FIRST to word LAST is
# centred on X and stands on the baseline BASELINE (in page units from the bottom of a
# 792-point page).
expect_line() {
  local name=$1 page=$2 word=$3 last=$4 x=$5 baseline=$6 box xmin ymin xmax ymax
  box=$(word_box "$name" "$page" "$word")
  read -r xmin ymin xmax ymax <<<"$box"
  [ -n "$box" ] || { fail "$name: no word \"$word\" on page $page"; return; }
  read -r _ _ xmax _ <<<"$(word_box "$name" "$page" "$last")"
  near "$(awk -v a="$xmin" -v b="$xmax" 'BEGIN { print (a + b) / 2 }')" "$x" ||
    fail "$name: \"$word\" spans $xmin to $xmax, not centred on $x"
  # The box reaches below the baseline by the font's descent, a fifth of 16 points.
  near "$(awk -v y="$ymax" 'BEGIN { print 792 - y + 3.4 }')" "$baseline" ||
    fail "$name: \"$word\" has its box down to $ymax, not on the baseline $baseline"
}

if banner_case three-and-seven; then
  expect_page three-and-seven 3 "Part A"
  expect_page three-and-seven 4 "Page 3"
  expect_page three-and-seven 8 "Part B"
  expect_page three-and-seven 9 "Page 7"
  page_holds three-and-seven 3 'BANNERPAGE' || fail "three-and-seven: no [BANNERPAGE] marker on page 3"
  page_holds three-and-seven 3 'BANNERLEVEL1' || fail "three-and-seven: no [BANNERLEVEL1] marker on page 3"
  # The markers stand left of the page, where no reader shows them.
  [ -z "$(word_box three-and-seven 3 '[BANNERPAGE]')" ] ||
    fail "three-and-seven: the marker is on the page"
fi
banner_case first-page && expect_page first-page 1 "Front" && expect_page first-page 2 "Page 1"
banner_case twins && expect_page twins 9 "Twin One" && expect_page twins 10 "Twin Two" &&
  expect_page twins 11 "Page 9"
if banner_case parent-and-child; then
  expect_page parent-and-child 3 "Part A"
  expect_page parent-and-child 4 "Part A" "Section A1"
  expect_page parent-and-child 5 "Page 3"
  # Two lines, 16-point text with 12 points between: 28 apart around the centre.
  expect_line parent-and-child 4 Part A 306 424
  expect_line parent-and-child 4 Section A1 306 396
  page_holds parent-and-child 4 'BANNERLEVEL2' ||
    fail "parent-and-child: no [BANNERLEVEL2] marker on page 4"
fi
# The current level alone stands one step below the last line of the full path.
banner_case current-level && expect_page current-level 3 "Section A1" &&
  expect_line current-level 3 Section A1 306 368
if banner_case no-markers; then
  expect_page no-markers 7 "Part B"
  page_holds no-markers 7 'BANNER' && fail "no-markers: the banner has markers"
fi
# The title is painted in the settings' colour (0x4080FF: red 255, green 128, blue 64)
# under an extended graphics state of half opacity, as the page's content and
# resources say; the markers are white, opacity alike.
if banner_case opacity; then
  for probe in "Front|fill rg 1 0.502 0.251 ca 0.5 CA 0.5" "[BANNERPAGE]|fill rg 1 1 1 ca 0.5 CA 0.5"; do
    painted=$(python3 "$here/text_graphics.py" "$BANNERS_OUT/opacity.pdf" 1 "${probe%%|*}")
    [ "$painted" = "${probe#*|}" ] ||
      fail "opacity: \"${probe%%|*}\" is painted with [$painted], not [${probe#*|}]"
  done
fi
if banner_case rotated; then
  # The text matrix turns the run by a little less than 90 degrees (3.14 / 180 a degree).
  matrices=$(page_content rotated 1 | grep -a ' Tm$')
  awk '$1 < 0.1 && $1 > 0 && $2 > 15.9 && $3 < -15.9 { turned = 1 } END { exit !turned }' \
    <<<"$matrices" || fail "rotated: no turned title among the matrices: ${matrices//$'\n'/ | }"
fi
# A banner's size: the page shown (page 1, Letter) unless the settings give one.
if banner_case page-shown; then
  [ "$(media_box page-shown 5)" = "0.00 0.00 612.00 792.00" ] ||
    fail "page-shown: page 5 is $(media_box page-shown 5), not Letter"
fi
if banner_case fixed-size; then
  [ "$(media_box fixed-size 5)" = "0.00 0.00 400.00 500.00" ] ||
    fail "fixed-size: page 5 is $(media_box fixed-size 5), not 400 by 500"
fi
# Titles outside ASCII read back with their accents, dash and trade mark.
banner_case accented && expect_page accented 3 "Grüße aus Köln" &&
  expect_page accented 20 "Tessaly™ — PDFDoc" && expect_page accented 21 "Page 19"
if banner_case out-of-order; then
  expect_page out-of-order 2 "Early"
  expect_page out-of-order 3 "Page 2"
  expect_page out-of-order 4 "Middle" "Back"
  expect_page out-of-order 5 "Page 3"
  expect_page out-of-order 7 "Middle"
  expect_page out-of-order 8 "Page 5"
  expect_page out-of-order 10 "Middle" "Forward"
  expect_page out-of-order 11 "Page 7"
  expect_page out-of-order 13 "Late"
  expect_page out-of-order 14 "Page 9"
  # The removal left the document's own pages, all of them.
  for page in $(seq 1 12); do expect_page out-of-order-removed "$page" "Page $page"; done
fi
if banner_case parent-after-children; then
  expect_page parent-after-children 3 "Summary" "Detail A"
  expect_page parent-after-children 4 "Page 3"
  expect_page parent-after-children 6 "Summary" "Detail B"
  expect_page parent-after-children 7 "Page 5"
  expect_page parent-after-children 10 "Summary"
  expect_page parent-after-children 11 "Summary" "Detail C"
  expect_page parent-after-children 12 "Page 8"
  for page in $(seq 1 10); do expect_page parent-after-children-removed "$page" "Page $page"; done
fi
# The host failing to make the second banner page stops that run with the host's text
# and how many went in; failing again at the first page of the next run stops that one;
# the run after works.
# Each failure leaves no error frame behind (the viewer fails the script otherwise).
if TESSALY_FAILING_HOST_CALL=PDDocCreatePage:2,3 banner_case failing-midway; then
  expect_page failing-midway 3 "Part A"
  expect_page failing-midway 4 "Part A"
  expect_page failing-midway 5 "Page 3"
  expect_page failing-midway 9 "Part B"
  expect_page failing-midway 10 "Page 7"
fi
# The page size the banners take cannot be read: the run says so and how many went in.
if TESSALY_FAILING_HOST_CALL=PDPageGetMediaBox:1 banner_case box-unread; then
  expect_page box-unread 3 "Part A"
  expect_page box-unread 8 "Part B"
  expect_page box-unread 9 "Page 7"
fi
# Without the right to change the document, without the font, or with the host failing
# to build the text: a message for each line (the scripts answer them), and the banner
# page stays, blank.
for name in locked missing-font text-fails; do
  failing=""
  [ "$name" = text-fails ] && failing=PDETextAdd
  if TESSALY_FAILING_HOST_CALL=$failing banner_case "$name"; then
    [ -z "$(page_text "$name" 3)" ] || fail "$name: the banner page is not blank"
  fi
done

[ "$failures" -eq 0 ]
