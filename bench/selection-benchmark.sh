#!/usr/bin/env bash
# The selection benchmark, on the tree benchmark's document (20000 pages, 16384
# bookmarks five levels deep): "Select all (toggle)", "Select bookmark level:" 1 and a
# text that every label holds, each with the refresh that follows it, in the real tree
# control collapsed and fully expanded; how long the dialog kept input waiting
# meanwhile; and the refresh itself away from the control, the dialog's way beside
# the plain way. A benchmark: it judges nothing and fails only when it cannot run.
#   TESSALY_BUILD=build bench/selection-benchmark.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
document=$(big_document big)

echo "Selection benchmark: $(basename "$document"), 20000 pages, 16384 bookmarks"
echo
"$TESSALY_BUILD/native/refresh-benchmark"
echo

timings="$out/selection-timings.txt"
: >"$timings"
marks="$out/selection-marks.txt"
export TESSALY_TIMINGS="$timings"
export TESSALY_BENCH_DOCUMENT="$document"
finished=1
run_bench_script "$here/selection-benchmark.tvs" "$marks" "$out/selection-errors.txt" || finished=0

# The plain way: the same tools writing each box into the shown tree, one at a time.
plain_marks="$out/selection-plain-marks.txt"
plain_finished=1
TESSALY_PLAIN_CHECKS=1 TESSALY_TIMINGS='' run_bench_script "$here/selection-benchmark-plain.tvs" \
  "$plain_marks" "$out/selection-plain-errors.txt" || plain_finished=0

span() { seconds "$(span_ms "$1" "$2" "${3:-$marks}")"; }
probe() { probe_wait "$1" "${2:-$marks}"; }

echo "In the tree control, from the click to the new \"Pg\" (the refresh waits 50 ms"
echo "after the last change), and the longest time the dialog kept input waiting; the"
echo "plain way (each box written into the shown tree, the queue drained before each)"
echo "beside it where it was run:"
printf '  %-40s %9s %11s %11s %11s\n' "" "time" "longest" "plain" "longest"
row() {
  local plain="" plain_wait=""
  if [ -n "${4:-}" ]; then
    plain=$(span "$2: clicked" "$2: counted" "$plain_marks")
    plain_wait=$(probe "$3" "$plain_marks")
  fi
  printf '  %-40s %9s %11s %11s %11s\n' "$1" "$(span "$2: clicked" "$2: counted")" \
    "$(probe "$3")" "$plain" "$plain_wait"
}
row "collapsed tree: Select all" "collapsed all" "collapsed: select all" plain
row "expanded tree: Select all" "expanded all" "expanded: select all" plain
row "expanded tree: Select all cleared" "expanded none" "expanded: select all cleared"
row "expanded tree: Select bookmark level: 1" "expanded level" "expanded: level 1"
row "expanded tree: text in every label" "expanded text" "expanded: text"
memory_line "$marks"
if [ "$finished" -eq 0 ] || [ "$plain_finished" -eq 0 ]; then
  report_early_stop "$out/selection-errors.txt" "$out/selection-plain-errors.txt"
fi
echo
echo "Where the time goes (the plug-in's TESSALY_TIMINGS):"
if [ -s "$timings" ]; then
  grep -E '^(checks|refresh) ' "$timings" | sed 's/^/  /'
else
  echo "  (the plug-in wrote no timings)"
fi
[ "$finished" -eq 1 ]
