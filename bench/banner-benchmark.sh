#!/usr/bin/env bash
# The banner benchmark, on the tree benchmark's document (20000 pages, 16384 bookmarks):
# "Add banner pages before selected bookmarks" for 1024 ticked subsections, then the
# document saved, timed from the command to the saved file, with the longest time the
# dialog kept input waiting meanwhile; beside it, in the same run, one qpdf run that puts
# a one-page separator in front of the same 1024 pages of a copy (`qpdf --pages` with
# the document's ranges interleaved with a separator file). Then "Select ALL banner
# thumbnails" and "&Remove ALL banner pages" on the saved state, beside pdftotext reading
# every page of the saved document. A benchmark: it judges nothing and fails only when
# it cannot run.
#   TESSALY_BUILD=build bench/banner-benchmark.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
keep_installed_defaults
document=$(big_document big)
export TESSALY_BENCH_OUT="$out/banners"
rm -rf "$TESSALY_BENCH_OUT"
mkdir -p "$TESSALY_BENCH_OUT"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# The first pages of the ticked subsections, from the document's outline.
pages=$(qpdf --json --json-key=outlines "$document" | python3 -c '
import json, sys
wanted = ("Subsection 1.", "Subsection 2.", "Subsection 3.1.", "Subsection 3.2.")
found = []
def walk(items):
    for item in items:
        if item["title"].startswith(wanted):
            found.append(item["destpageposfrom1"])
        walk(item["kids"])
walk(json.load(sys.stdin)["outlines"])
print(" ".join(str(p) for p in sorted(found)))')
count=$(wc -w <<<"$pages")
# Where the banners land: each in front of its page, after the banners before it.
export TESSALY_BENCH_BANNER_PAGES
TESSALY_BENCH_BANNER_PAGES=$(awk '{ for (i = 1; i <= NF; i++) printf "%s%d", (i > 1 ? "," : ""), $i + i - 1 }' <<<"$pages")
# qpdf: the document's pages with the separator (its first page) in front of each.
separator="$out/banner-separator.pdf"
qpdf --empty --pages "$document" 1 -- "$separator"
arguments=()
previous=1
for page in $pages; do
  [ "$page" -gt "$previous" ] && arguments+=("$document" "$previous-$((page - 1))")
  arguments+=("$separator" 1)
  previous=$page
done
arguments+=("$document" "$previous-z")
start=$(now_ms)
qpdf --empty --pages "${arguments[@]}" -- "$out/qpdf-with-separators.pdf"
qpdf_ms=$(( $(now_ms) - start ))

marks="$out/banner-marks.txt"
export TESSALY_BENCH_DOCUMENT="$document"
export TESSALY_TIMINGS="${TESSALY_TIMINGS:-}"
finished=1
run_bench_script "$here/banner-benchmark.tvs" "$marks" "$out/banner-errors.txt" || finished=0

# pdftotext reading the text of every page of the document with its banners.
pdftotext_ms=-
if [ -f "$TESSALY_BENCH_OUT/with-banners.pdf" ]; then
  start=$(now_ms)
  pdftotext "$TESSALY_BENCH_OUT/with-banners.pdf" /dev/null
  pdftotext_ms=$(( $(now_ms) - start ))
fi

inserted=$(span_ms "banners: chosen" "banners: inserted" "$marks")
rebuilt=$(span_ms "banners: chosen" "banners: tree rebuilt" "$marks")
# To the saved document: the run, then the save (the selection timed between them apart).
saving=$(span_ms "save: start" "banners: saved" "$marks")
saved=$( [ "$rebuilt" = - ] || [ "$saving" = - ] && echo - || echo $((rebuilt + saving)) )
echo "Banner benchmark: $(basename "$document"), 20000 pages, $count ticked subsections"
printf '%-50s %10s %10s\n' "" "time" "/ qpdf"
printf '%-50s %10s\n' "qpdf --pages, a separator in front of each" "$(seconds "$qpdf_ms")"
printf '%-50s %10s %10s\n' "\"Add banner pages\": command to the last banner" "$(seconds "$inserted")" \
  "$(ratio "$inserted" "$qpdf_ms")"
printf '%-50s %10s %10s\n' "  to the rebuilt tree" "$(seconds "$rebuilt")" "$(ratio "$rebuilt" "$qpdf_ms")"
printf '%-50s %10s %10s\n' "  to the saved document" "$(seconds "$saved")" "$(ratio "$saved" "$qpdf_ms")"
echo "Longest wait for the dialog to answer input meanwhile: $(probe_wait banners "$marks")"
echo "Goals: at most 1.5 times qpdf to the saved document; the dialog answers within 100 ms."
memory_line "$marks" "qpdf --pages" "$(anchor_peak banner-qpdf qpdf --empty --pages "${arguments[@]}" -- "$out/qpdf-with-separators.pdf")"
echo
selected=$(span_ms "select: chosen" "select: done" "$marks")
removed_pages=$(span_ms "remove: chosen" "remove: pages" "$marks")
removed=$(span_ms "remove: chosen" "remove: done" "$marks")
printf '%-50s %10s %10s\n' "" "time" "/ pdftotext"
printf '%-50s %10s\n' "pdftotext of the document with its banners" "$(seconds "$pdftotext_ms")"
printf '%-50s %10s %10s\n' "\"Select ALL banner thumbnails\"" "$(seconds "$selected")" \
  "$(ratio "$selected" "$pdftotext_ms")"
printf '%-50s %10s %10s\n' "\"&Remove ALL banner pages\": to the last deletion" "$(seconds "$removed_pages")" \
  "$(ratio "$removed_pages" "$pdftotext_ms")"
printf '%-50s %10s %10s\n' "  to the rebuilt tree" "$(seconds "$removed")" "$(ratio "$removed" "$pdftotext_ms")"
echo "Longest wait for the dialog to answer input meanwhile: $(probe_wait remove "$marks")"
echo "Goals: removing at most 1.0 times pdftotext; the dialog answers within 100 ms."
[ "$finished" -eq 1 ] || report_early_stop "$out/banner-errors.txt"
[ "$finished" -eq 1 ]
