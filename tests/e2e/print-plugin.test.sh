#!/usr/bin/env bash
# The plug-in's Print through the viewer's print service, on the spool printer: each
# case runs against a spool folder of its own, whose job files are then read back
# (oracle_print.py): the pages against the document's, the index against the ticked
# bookmarks; the job list for the printer and the copies each job went to.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
needs_tools pdftotext python3
out=$(fresh_output print-plugin)
fixtures="$TESSALY_BUILD/fixtures"
T=$'\t'

# plugin_case NAME JOB... [-- TITLE...]: runs print-cases/NAME.tvs over three-top-level.pdf;
# its spool folder holds exactly these jobs.
plugin_case() {
  local name=$1
  shift
  export TESSALY_SPOOL="$out/$name"
  run_case "$here/print-cases" "$name"
  python3 "$here/oracle_print.py" "$TESSALY_SPOOL" "$fixtures/three-top-level.pdf" "$@" ||
    fail "$name: the jobs printed differ"
}

plugin_case plugin-interactive 5-8
[ "$(cat "$out/plugin-interactive/jobs.txt" 2>/dev/null)" = \
  "1${T}$fixtures/three-top-level.pdf${T}5-8${T}Spool printer${T}1" ] ||
  fail "plugin-interactive/jobs.txt reads: $(cat "$out/plugin-interactive/jobs.txt" 2>/dev/null)"

plugin_case plugin-silent-index 1-4 9-12 index -- "Chapter One" "Chapter Three"
grep -q "index.pdf${T}1-1${T}Spool printer${T}1\$" "$out/plugin-silent-index/jobs.txt" ||
  fail "the job list does not name the index: $(cat "$out/plugin-silent-index/jobs.txt")"

[ "$failures" -eq 0 ]
