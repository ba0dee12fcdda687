#!/usr/bin/env bash
# The main job on the bundled sample: builds everything, opens the sample manual in the
# viewer (under Xvfb when there is no display), chooses "&Tessaly" from "Extensions",
# ticks bookmarks by level and by text and writes the reports and exports of that
# selection, finds the US Letter pages by page size (reported, and the report imported
# again), shows the Setup dialog, puts banner pages in front of two chapters and a section, then
# prints them with their banners and the index page to the viewer's spool printer, saves
# them as PDF files of their own, and
# takes the banners out again. Leaves in build/demo/: screenshots, the reports
# (reports/), the sample with its
# banners (manual-with-banners.pdf) and a picture of the first (banner-page.png), the
# printed jobs (spool/job-*.pdf, listed in spool/jobs.txt), the printed chapters and
# section as PDF files of their own (files/), a picture of the index page
# (index-page.png), and the sample with its banners removed
# (manual-banners-removed.pdf) with a picture of its page 21 (banners-removed-page.png),
# where the first banner stood.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TESSALY_BUILD=${TESSALY_BUILD:-$root/build}
"$root/scripts/build.sh"
demo="$TESSALY_BUILD/demo"
mkdir -p "$demo"
export TESSALY_SPOOL="$demo/spool"
# The sample's US Letter pages, as pdfinfo measures them, for the script to expect.
sample="$TESSALY_BUILD/stage/sample/manual.pdf"
DEMO_LETTER_PAGES=$(pdfinfo -f 1 -l "$(pdfinfo "$sample" | awk '/^Pages:/ { print $2 }')" "$sample" |
  awk '/^Page +[0-9]+ size: +612 x 792 / { printf "%s%s", sep, $2; sep = "," }')
# Imported again, that report's long line is read in pieces of 254 bytes (as a
# 255-byte line buffer reads it), each selecting the page its leading number names.
DEMO_IMPORTED_PAGES=$(python3 -c '
import re, sys
line = sys.argv[1] + "\r\n"
pieces = [line[i:i + 254] for i in range(0, len(line), 254)]
pages = [int(m.group(0)) for m in (re.match(r"\s*\d+", p) for p in pieces) if m]
print(",".join(str(p) for p in dict.fromkeys(pages)))' "$DEMO_LETTER_PAGES")
export DEMO_LETTER_PAGES DEMO_IMPORTED_PAGES
rm -rf "$demo/reports" "$demo/files"
mkdir -p "$demo/reports" "$demo/files"
rm -rf "$TESSALY_SPOOL"
"$root/scripts/run-viewer.sh" --script "$root/scripts/demo.tvs"

# The index is the job whose document is the index file.
index_job=$(awk -F '\t' '$2 ~ /index\.pdf$/ { job = $1 } END { print job }' "$TESSALY_SPOOL/jobs.txt")
if [ -n "$index_job" ]; then
  pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$TESSALY_SPOOL/$(printf 'job-%04d.pdf' "$index_job")" \
    "$demo/index-page"
fi
# The first banner page, as poppler renders it.
pdftoppm -png -r 72 -f 21 -l 21 -singlefile "$demo/manual-with-banners.pdf" "$demo/banner-page"
echo "demo: screenshots in $demo/, printed jobs in $TESSALY_SPOOL/ (listed in jobs.txt)"
echo "demo: the sample with its banner pages: $demo/manual-with-banners.pdf, the first one: $demo/banner-page.png"
echo "demo: the index page: $demo/index-page.png"
# The banners removed: the sample's pages again, the first banner's place its chapter's.
pdftoppm -png -r 72 -f 21 -l 21 -singlefile "$demo/manual-banners-removed.pdf" \
  "$demo/banners-removed-page"
pages_of() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }
echo "demo: banners removed: $(pages_of "$demo/manual-banners-removed.pdf") pages" \
  "(the sample has $(pages_of "$sample")), page 21: $demo/banners-removed-page.png"
