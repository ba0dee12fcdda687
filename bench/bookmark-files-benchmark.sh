#!/usr/bin/env bash
# The bookmark-files benchmark, on the tree benchmark's document (20000 pages, 16384
# bookmarks): "Save selected bookmarks as PDF files..." of 1024 ticked subsections,
# from the command to the last of the 1024 files, and the longest wait for input
# meanwhile; beside it qpdf writing the same 1024 files (`qpdf --empty --pages DOC RANGE
# -- OUT` per range: the first 8 timed and scaled to all), and the ratio. A benchmark:
# it judges nothing and fails only when it cannot run.
#   TESSALY_BUILD=build bench/bookmark-files-benchmark.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
document=$(big_document big)
keep_installed_defaults

export BENCH_FILES="$out/bookmark-files"
rm -rf "$BENCH_FILES"
mkdir -p "$BENCH_FILES"
marks="$out/bookmark-files-marks.txt"
export TESSALY_BENCH_DOCUMENT="$document"
finished=1
run_bench_script "$here/bookmark-files-benchmark.tvs" "$marks" "$out/bookmark-files-errors.txt" ||
  finished=0

# The same subsections' ranges, from the document's own outline.
listing="$out/bookmark-files-outline.txt"
python3 "$bench_root/tests/e2e/outline_oracle.py" "$document" "$listing" >/dev/null
ranges=$(grep -E '^4 Subsection (1|2|3\.1|3\.2)\.' "$listing" |
  sed -E 's/.*\(Pages?: ([0-9]+)(-([0-9]+))?\)$/\1-\3/; s/-$//' | paste -sd' ')
count=$(wc -w <<<"$ranges")
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
sampled=8
start=$(now_ms)
for range in $(cut -d' ' -f "1-$sampled" <<<"$ranges"); do
  qpdf --empty --pages "$document" "$range" -- "$out/qpdf-file.pdf"
done
qpdf_files=$(( ($(now_ms) - start) * count / sampled ))

files=$(span_ms "files: command" "files: last written" "$marks")
echo "Bookmark-files benchmark: $(basename "$document"), 20000 pages"
printf '  %-44s %10s %10s %8s\n' "" "plug-in" "qpdf" "ratio"
printf '  %-44s %10s %10s %8s\n' "$count subsections, one file each" "$(seconds "$files")" \
  "$(seconds "$qpdf_files")" "$(ratio "$files" "$qpdf_files")"
echo "  longest wait for input while saving: $(probe_wait files "$marks") (goal: 100 ms)"
echo "  (goal: at most 1.0 times qpdf; qpdf: $sampled runs timed, scaled to $count)"
memory_line "$marks" "qpdf --empty --pages, one file" \
  "$(anchor_peak bookmark-files-qpdf qpdf --empty --pages "$document" "${ranges%% *}" -- "$out/qpdf-file.pdf")"
[ "$finished" -eq 1 ] || report_early_stop "$out/bookmark-files-errors.txt"
[ "$finished" -eq 1 ]
