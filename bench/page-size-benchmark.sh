#!/usr/bin/env bash
# The page-size benchmark, on the tree benchmark's document (20000 pages in a repeating
# mix of Letter, A4, Legal and A3 landscape): "Find" with A4 chosen in the plug-in's
# dialog, from the click to the selected thumbnails of every A4 page, beside poppler
# reading every page's boxes of the same file (`pdfinfo -f 1 -l 20000 -box`), and their
# ratio. A benchmark: it judges nothing and fails only when it cannot run.
#   TESSALY_BUILD=build bench/page-size-benchmark.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
document=$(big_document big)
keep_installed_defaults

# The pages "Find" must select, from the generator that gave the pages their sizes.
TESSALY_A4_PAGES=$("$TESSALY_BUILD/native/tools/make-big-document" --pages-sized A4)
export TESSALY_A4_PAGES
a4_pages=$(tr , '\n' <<<"$TESSALY_A4_PAGES" | wc -l)

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# pdfinfo: the best of three warm runs.
boxes="$out/page-size-pdfinfo.txt"
best=""
for _ in 1 2 3; do
  start=$(now_ms)
  pdfinfo -f 1 -l 20000 -box "$document" >"$boxes"
  took=$(( $(now_ms) - start ))
  if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
done
pdfinfo_ms=$best
# What poppler reads as A4 (595 by 842 points), beside what the generator says.
pdfinfo_a4=$(awk '/CropBox:/ && $6 - $4 == 595 && $7 - $5 == 842' "$boxes" | wc -l)

marks="$out/page-size-marks.txt"
export TESSALY_BENCH_DOCUMENT="$document"
export TESSALY_TIMINGS=""
finished=1
run_bench_script "$here/page-size-benchmark.tvs" "$marks" "$out/page-size-errors.txt" || finished=0

find_ms=$(span_ms "find: clicked" "find: selected" "$marks")
echo "Page-size benchmark: $(basename "$document"), 20000 pages, $a4_pages of them A4" \
  "(pdfinfo reads $pdfinfo_a4 A4 crop boxes)"
printf '%-46s %10s\n' "pdfinfo -f 1 -l 20000 -box (best of 3)" "$(seconds "$pdfinfo_ms")"
printf '%-46s %10s %10s\n' "" "time" "/ pdfinfo"
printf '%-46s %10s %10s\n' "\"Find\" A4: click to selected thumbnails" "$(seconds "$find_ms")" \
  "$(ratio "$find_ms" "$pdfinfo_ms")"
echo "Goal: \"Find\" takes at most 1.0 times pdfinfo."
memory_line "$marks" "pdfinfo" "$(anchor_peak page-size-pdfinfo pdfinfo -f 1 -l 20000 -box "$document")"
[ "$finished" -eq 1 ] || report_early_stop "$out/page-size-errors.txt"
[ "$finished" -eq 1 ]
