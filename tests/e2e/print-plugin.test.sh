#!/usr/bin/env bash
# The plug-in's Print through the viewer's print service, on the spool printer: each
# case runs against a spool folder of its own, whose jobs are then read back.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
needs_tools pdftotext
out=$(fresh_output print-plugin)

# expect_text FILE TEXT: the job's text, its lines joined by blanks, is TEXT.
expect_text() {
  local got
  got=$(pdftotext "$1" - 2>&1 | tr -s '\n\f' ' ' | sed 's/ *$//')
  [ "$got" = "$2" ] || fail "$1 reads \"$got\", not \"$2\""
}

run_print_case() {
  export TESSALY_SPOOL="$out/$1"
  run_case "$here/print-cases" "$1"
}

fixtures="$TESSALY_BUILD/fixtures"
T=$'\t'

run_print_case plugin-interactive
expect_text "$out/plugin-interactive/job-0001.pdf" "Page 5 Page 6 Page 7 Page 8"
[ "$(cat "$out/plugin-interactive/jobs.txt" 2>/dev/null)" = \
  "1${T}$fixtures/three-top-level.pdf${T}5-8${T}Spool printer${T}1" ] ||
  fail "plugin-interactive/jobs.txt reads: $(cat "$out/plugin-interactive/jobs.txt" 2>/dev/null)"

run_print_case plugin-silent-index
spool="$out/plugin-silent-index"
expect_text "$spool/job-0001.pdf" "Page 1 Page 2 Page 3 Page 4"
expect_text "$spool/job-0002.pdf" "Page 9 Page 10 Page 11 Page 12"
pdftotext "$spool/job-0003.pdf" - | grep -q "Chapter Three" || fail "job 3 is not the index"
[ -e "$spool/job-0004.pdf" ] && fail "more than three jobs"
grep -q "index.pdf${T}1-1${T}Spool printer${T}1\$" "$spool/jobs.txt" ||
  fail "the job list does not name the index: $(cat "$spool/jobs.txt")"

[ "$failures" -eq 0 ]
