#!/usr/bin/env bash
# The host failing while a banner's title is drawn: making its text, adding the text to
# the page's content, setting that content, reading the page's media or crop box. Each
# failure shows the host's own text, leaves that title out and the banner's markers in,
# and the plug-in gives back every content element, page content and page it took
# (the scripts' expect-host-objects-released); a run without failures is checked alike.
# Last, with no failure, the alignment, place and colour set in the Banner Options dialog
# are read back from the saved banners and from the Default.ban "&Close" writes.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/banner_checks.sh"
needs_tools qpdf pdftotext python3
export BANNERS_OUT BANNER_SETTINGS
BANNERS_OUT=$(fresh_output banner-host-faults)
# A copy: the scripts' "&Close" writes back to the settings file they loaded.
BANNER_SETTINGS="$BANNERS_OUT/intel-check-off.ppf"
cp "$here/banners/intel-check-off.ppf" "$BANNER_SETTINGS"

# Part A's banner becomes page 3 and Part B's page 8.
if saved_case "$here/banner-faults" no-faults; then
  expect_page no-faults 3 "Part A"
  expect_page no-faults 8 "Part B"
fi

# Each line's text is made twice (the second time centred), the markers' first: the
# calls named are those of the two titles. PDETextAdd fails Part A's title at its first
# making and Part B's at its second; the media box is also read once per banner for
# the banner's size.
for fault in text-add=PDETextAdd:5,11 content-add=PDEContentAddElem:3,6 \
             set-content=PDPageSetPDEContent:3,6 crop-box=PDPageGetCropBox:3,6 \
             media-box=PDPageGetMediaBox:4,8; do
  name=${fault%%=*}
  echo "$name: ${fault#*=} fails"
  TESSALY_FAILING_HOST_CALL=${fault#*=} saved_case "$here/banner-faults" titles-fail || continue
  mv "$BANNERS_OUT/titles-fail.pdf" "$BANNERS_OUT/$name.pdf"
  for page in 3 8; do
    [ -z "$(page_text "$name" "$page")" ] ||
      fail "$name: the banner on page $page reads [$(page_text "$name" "$page" | tr '\n' '|')]"
    page_holds "$name" "$page" 'BANNERPAGE' || fail "$name: no [BANNERPAGE] marker on page $page"
    page_holds "$name" "$page" 'BANNERLEVEL1' || fail "$name: no [BANNERLEVEL1] marker on page $page"
  done
  expect_page "$name" 4 "Page 3"
  expect_page "$name" 9 "Page 7"
done

# Options set in the Banner Options dialog (untested/banner-options.tvs): Part A's title
# starts at 72 points across and stands on the line 600 + (16 + 12) / 2 up, painted in
# 0xFF8000 (red 0, green 128, blue 255); Part B's ends at 540 across, 200 + 14 up, in
# red. "&Close" writes them back to Default.ban, after the last line drawn.
# baseline NAME N WORD: the word's baseline from the bottom of a 792-point page (its box
# reaches below it by the font's descent, a fifth of 16 points, plus a little).
baseline() { read -r _ _ _ ymax <<<"$(word_box "$1" "$2" "$3")"; awk -v y="$ymax" 'BEGIN { print 792 - y + 3.4 }'; }
if saved_case "$here/untested" banner-options; then
  expect_page banner-options 3 "Part A"
  expect_page banner-options 4 "Page 3"
  expect_page banner-options 8 "Part B"
  expect_page banner-options 9 "Page 7"
  read -r left _ <<<"$(word_box banner-options 3 Part)"
  near "${left:-none}" 72 || fail "banner-options: Part A's title starts at ${left:-nowhere}, not 72"
  near "$(baseline banner-options 3 Part)" 614 ||
    fail "banner-options: Part A's title stands on $(baseline banner-options 3 Part), not 614"
  read -r _ _ right _ <<<"$(word_box banner-options 8 B)"
  near "${right:-none}" 540 || fail "banner-options: Part B's title ends at ${right:-nowhere}, not 540"
  near "$(baseline banner-options 8 B)" 214 ||
    fail "banner-options: Part B's title stands on $(baseline banner-options 8 B), not 214"
  for probe in "3|Part A|fill rg 0 0.502 1 ca - CA -" "8|Part B|fill rg 1 0 0 ca - CA -"; do
    IFS='|' read -r page title wanted <<<"$probe"
    painted=$(python3 "$here/text_graphics.py" "$BANNERS_OUT/banner-options.pdf" "$page" "$title")
    [ "$painted" = "$wanted" ] || fail "banner-options: \"$title\" is painted with [$painted], not [$wanted]"
  done
  written="$TESSALY_BUILD/stage/viewer/plug_ins/Default.ban"
  for line in "PREFIXSTR;Part B" "VERTICAL;200" "HORIZONTAL;540" ALIGNTEXTRIGHT "TEXTCOLOR;255"; do
    grep -qx -- "$line" <(tr -d '\r' <"$written") || fail "banner-options: Default.ban holds no line \"$line\""
  done
fi
# The shipped settings files back in place of what "&Close" wrote.
cp "$here/../../plugin/data/Default.ppf" "$here/../../plugin/data/Default.ban" \
  "$TESSALY_BUILD/stage/viewer/plug_ins/"

[ "$failures" -eq 0 ] || exit 1
