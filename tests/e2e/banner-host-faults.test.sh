#!/usr/bin/env bash
# The host failing while a banner's title is drawn: making its text, adding the text to
# the page's content, setting that content, reading the page's media or crop box. Each
# failure shows the host's own text, leaves that title out and the banner's markers in,
# and the plug-in gives back every content element, page content and page it took
# (the scripts' expect-host-objects-released); a run without failures is checked alike.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/banner_checks.sh"
needs_tools qpdf pdftotext
export BANNERS_OUT BANNER_SETTINGS
BANNERS_OUT=$(fresh_output banner-host-faults)
BANNER_SETTINGS="$here/banners/intel-check-off.ppf"

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

[ "$failures" -eq 0 ] || exit 1
