#!/usr/bin/env bash
# The print benchmark, on the tree benchmark's document (20000 pages, 16384 bookmarks):
# "&Print", silently, of 1024 ticked subsections as separate jobs (SEPBOOKMARKS) and of
# the whole document as one job, to the viewer's spool printer; beside them, in the
# same run, `qpdf --empty --pages` writing the same ranges: one run per job (as many
# runs as jobs would take too long: the first 8 are timed and the time scaled to all),
# all the ranges in one run, and the whole document, beside which also a plain copy
# (`qpdf DOC OUT`). A benchmark: it judges nothing and fails only when it cannot run.
#   TESSALY_BUILD=build bench/print-benchmark.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
document=$(big_document big)

export TESSALY_SPOOL="$out/print-spool"
rm -rf "$TESSALY_SPOOL"
marks="$out/print-marks.txt"
export TESSALY_BENCH_DOCUMENT="$document"
# The plug-in's own account of each "&Print": its host print calls, its progress windows.
export TESSALY_TIMINGS="$out/print-timings.txt"
rm -f "$TESSALY_TIMINGS"
finished=1
run_bench_script "$here/print-benchmark.tvs" "$marks" "$out/print-errors.txt" || finished=0

jobs="$TESSALY_SPOOL/jobs.txt"
separate_jobs=$(($(wc -l <"$jobs" 2>/dev/null || echo 1) - 1))
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# The ranges of the separate jobs: every job line but the first (the whole document).
ranges=$(tail -n +2 "$jobs" 2>/dev/null | cut -f 3 | paste -sd, -)
# qpdf_ms ARGS...: how long one qpdf run takes.
qpdf_ms() {
  local start
  start=$(now_ms)
  qpdf "$@"
  echo $(( $(now_ms) - start ))
}
# The anchors start from an empty document (`--empty`): qpdf then writes only the pages
# asked for, where `qpdf DOC --pages ...` keeps the whole source's structure too.
extract="$out/qpdf-extract.pdf"
qpdf_separate=-
qpdf_one_run=-
sampled=8
if [ -n "$ranges" ]; then
  qpdf_one_run=$(qpdf_ms --empty --pages "$document" "$ranges" -- "$extract")
  start=$(now_ms)
  for range in $(tr , ' ' <<<"$ranges" | cut -d' ' -f "1-$sampled"); do
    qpdf --empty --pages "$document" "$range" -- "$extract"
  done
  qpdf_separate=$(( ($(now_ms) - start) * separate_jobs / sampled ))
fi
qpdf_whole=$(qpdf_ms --empty --pages "$document" 1-z -- "$extract")
qpdf_copy=$(qpdf_ms "$document" "$extract")

separate=$(span_ms "separate: clicked" "separate: printed" "$marks")
whole=$(span_ms "whole: clicked" "whole: printed" "$marks")

echo "Print benchmark: $(basename "$document"), 20000 pages; spool printer"
printf '  %-48s %10s %10s %8s\n' "" "plug-in" "qpdf" "ratio"
printf '  %-48s %10s %10s %8s\n' "$separate_jobs subsections, one job each" "$(seconds "$separate")" \
  "$(seconds "$qpdf_separate")" "$(ratio "$separate" "$qpdf_separate")"
printf '  %-48s %10s %10s %8s\n' "  beside qpdf writing all the ranges as one file" "" \
  "$(seconds "$qpdf_one_run")" "$(ratio "$separate" "$qpdf_one_run")"
printf '  %-48s %10s %10s %8s\n' "the whole document, one job" "$(seconds "$whole")" \
  "$(seconds "$qpdf_whole")" "$(ratio "$whole" "$qpdf_whole")"
printf '  %-48s %10s %10s %8s\n' "  beside a plain copy (qpdf DOC OUT)" "" \
  "$(seconds "$qpdf_copy")" "$(ratio "$whole" "$qpdf_copy")"
echo "  (the plug-in: one spool file per job, from the click on \"&Print\" to the last"
echo "  job's file; qpdf --empty --pages per job: $sampled runs timed, scaled to $separate_jobs)"
# The separate run's line: "print jobs=N print=Xms progress=Yms list=Zms total=Tms".
if job_timing=$(grep "^print jobs=$separate_jobs " "$TESSALY_TIMINGS" 2>/dev/null | tail -n 1); then
  echo "  where the $separate_jobs jobs' time went, in the plug-in: ${job_timing#print }"
fi
echo "  goals: the whole document at most 1.0 times the plain copy; the $separate_jobs jobs at"
echo "  most 5 times the one-file run"
memory_line "$marks" "qpdf --empty --pages 1-z" \
  "$(anchor_peak print-qpdf qpdf --empty --pages "$document" 1-z -- "$extract")"
[ "$finished" -eq 1 ] || report_early_stop "$out/print-errors.txt"
[ "$finished" -eq 1 ]
