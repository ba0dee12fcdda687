#!/usr/bin/env bash
# File > Print on the spool printer: each case runs a script against a spool folder of
# its own and then reads the job files and the job list back.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
needs_tools qpdf pdftotext
out=$(fresh_output print-spool)

# expect_pages FILE N TEXT...: FILE has N pages, page i's text holds the i-th TEXT.
expect_pages() {
  local file=$1 count=$2
  shift 2
  local got
  got=$(qpdf --show-npages "$file" 2>&1)
  [ "$got" = "$count" ] || { fail "$file has $got pages, not $count"; return; }
  local page=1 text
  for text in "$@"; do
    pdftotext -f "$page" -l "$page" "$file" - | grep -x "$text" >/dev/null ||
      fail "$file page $page does not read \"$text\""
    page=$((page + 1))
  done
  qpdf --check "$file" >/dev/null 2>&1 || fail "qpdf --check finds fault with $file"
}

# expect_jobs SPOOL LINE...: the job list holds exactly these lines.
expect_jobs() {
  local spool=$1
  shift
  local expected
  expected=$(printf '%s\n' "$@")
  [ "$(cat "$spool/jobs.txt" 2>/dev/null)" = "$expected" ] ||
    fail "$spool/jobs.txt reads: $(cat "$spool/jobs.txt" 2>/dev/null)"
}

# run_print_case NAME: runs print-cases/NAME.tvs with a fresh spool folder.
run_print_case() {
  export TESSALY_SPOOL="$out/$1"
  run_case "$here/print-cases" "$1"
}

fixtures="$TESSALY_BUILD/fixtures"
T=$'\t'

run_print_case no-document
[ -e "$out/no-document" ] && fail "the spool folder was made without a job"

run_print_case chosen-pages
expect_pages "$out/chosen-pages/job-0001.pdf" 3 "Page 3" "Page 4" "Page 5"
expect_jobs "$out/chosen-pages" "1${T}$fixtures/three-top-level.pdf${T}3-5${T}Spool printer${T}1"

run_print_case cancel-then-print
expect_pages "$out/cancel-then-print/job-0001.pdf" 2 "Page 7" "Page 7"
[ -e "$out/cancel-then-print/job-0002.pdf" ] && fail "more than one job after Cancel"
expect_jobs "$out/cancel-then-print" \
  "1${T}$fixtures/three-top-level.pdf${T}7-7${T}Spool printer${T}2"

run_print_case bad-range
[ -e "$out/bad-range" ] && fail "the refused pages made a spool folder"

touch "$out/plain-file"
export TESSALY_SPOOL="$out/plain-file/spool"
run_case "$here/print-cases" unwritable-spool

run_print_case layered
job="$out/layered/job-0001.pdf"
expect_pages "$job" 4 "Ground floor plan" "Plan sheet 2" "Plan sheet 3" "Plan sheet 4"
text=$(pdftotext -f 1 -l 1 "$job" -)
for line in "WALLS: outer and inner walls" "WIRING: sockets and switches" \
  "PLUMBING: supply and drains"; do
  grep -qx "$line" <<<"$text" || fail "the layered job lacks \"$line\""
done
grep -q FURNITURE <<<"$text" && fail "the layered job shows the hidden Furniture layer"
# The default configuration names each layer as shown or hidden.
layers=$(qpdf --json --json-key=qpdf "$job" | python3 -c '
import json, sys
objects = json.load(sys.stdin)["qpdf"][1]
def get(value):
    if isinstance(value, str) and value.endswith(" R"):
        value = objects["obj:" + value]
        return value.get("value", value)
    return value
config = get(get(get(objects["trailer"]["value"]["/Root"])["/OCProperties"])["/D"])
def names(key):
    return ",".join(get(ocg)["/Name"].removeprefix("u:") for ocg in get(config.get(key, [])))
print("ON=" + names("/ON") + " OFF=" + names("/OFF"))
')
[ "$layers" = "ON=Walls,Wiring,Plumbing OFF=Furniture" ] || fail "the layered job's layers: $layers"

[ "$failures" -eq 0 ]
