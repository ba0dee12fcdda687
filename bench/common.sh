# shellcheck shell=bash
# Sourced by the benchmarks: the large document, running a UI script in the staged
# viewer, and figures from the "mark LABEL: N ms" and "probe LABEL: longest wait N ms
# ..." lines it prints.
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
TESSALY_BUILD=$(cd "$TESSALY_BUILD" && pwd)
export TESSALY_BUILD
bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$TESSALY_BUILD/bench"
mkdir -p "$out"

# big_document NAME [GENERATOR FLAGS...]: the path of the benchmark document NAME.pdf,
# generated again when the generator is newer.
big_document() {
  local name=$1
  shift
  local document="$out/$name.pdf" generator="$TESSALY_BUILD/native/tools/make-big-document"
  if [ ! -f "$document" ] || [ "$generator" -nt "$document" ]; then
    "$generator" "$document" "$@" >/dev/null
  fi
  echo "$document"
}

# keep_installed_defaults: the installed Default.ppf and Default.ban, which a script's
# "&Close" rewrites, are put back as they are now when the benchmark ends, and by
# restore_installed_defaults before a run that must start as the first did.
keep_installed_defaults() {
  installed_folder="$TESSALY_BUILD/stage/viewer/plug_ins"
  saved_defaults=$(mktemp -d)
  cp -p "$installed_folder/Default.ppf" "$installed_folder/Default.ban" "$saved_defaults/"
  trap 'restore_installed_defaults; rm -rf "$saved_defaults"' EXIT
}
restore_installed_defaults() {
  cp -p "$saved_defaults/Default.ppf" "$saved_defaults/Default.ban" "$installed_folder/"
}

# run_bench_script SCRIPT MARKS ERRORS: runs the UI script over $TESSALY_BENCH_DOCUMENT,
# its marks into MARKS and its errors into ERRORS; fails when the run stopped early.
# GNU time's report of the run goes into MARKS.rss, for memory_line.
run_bench_script() {
  /usr/bin/time -v -o "$2.rss" "$bench_root/tests/e2e/run-script.sh" "$1" >"$2" 2>"$3"
}

# peak_mib REPORT: the peak resident set in a report of `/usr/bin/time -v` ("412 MiB"),
# or - when there is none. Of a process tree it is that of its largest process.
peak_mib() {
  awk -F': ' '/Maximum resident set size/ { printf "%.0f MiB", $2 / 1024; found = 1 }
              END { if (!found) print "-" }' "$1" 2>/dev/null || echo "-"
}

# anchor_peak NAME COMMAND...: runs the anchor command once more under GNU time (its
# output thrown away) and prints its peak resident set.
anchor_peak() {
  local report="$out/$1.rss"
  /usr/bin/time -v -o "$report" "${@:2}" >/dev/null 2>&1 || true
  peak_mib "$report"
}

# memory_line MARKS [ANCHOR PEAK]: the benchmark's line on memory: the peak of the run
# whose marks are MARKS (that of the viewer, the largest process of its run), beside the
# anchor's where there is one.
memory_line() {
  echo "  peak memory (resident): viewer $(peak_mib "$1.rss")${2:+, $2 $3}"
}

# span_ms FROM TO MARKS: the milliseconds between two marks, or - when one is missing.
span_ms() {
  awk -v from="$1" -v to="$2" '
    /^mark / { label = $0; sub(/^mark /, "", label); sub(/: [0-9.]+ ms$/, "", label)
               value = $(NF - 1); at[label] = value }
    END { if ((from in at) && (to in at)) printf "%.0f", at[to] - at[from]; else printf "-" }
  ' "$3"
}

# seconds MS: "1.23 s", or - for -.
seconds() { [ "$1" = "-" ] && echo "-" || awk -v ms="$1" 'BEGIN { printf "%.2f s", ms / 1000 }'; }

# probe_wait LABEL MARKS: the longest wait a probe saw ("31.6 ms"), or -.
probe_wait() {
  awk -v label="$1" '{ prefix = "probe " label ": longest wait " }
                     index($0, prefix) == 1 { rest = substr($0, length(prefix) + 1)
                       sub(/ over .*/, "", rest); print rest; found = 1 }
                     END { if (!found) print "-" }' "$2"
}

# ratio A B: A / B to two places, or - when either is -.
ratio() {
  if [ "$1" = "-" ] || [ "$2" = "-" ]; then echo "-"; return; fi
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# report_early_stop ERRORS...: says that the viewer run stopped early, with what it
# printed to the ERRORS files.
report_early_stop() {
  echo "(the viewer run stopped early; figures shown as - were not reached:"
  cat "$@" | grep -v '^X connection' | sed 's/^/  /'
  echo ")"
}
