#!/usr/bin/env bash
# Damaged documents end to end: each is opened through File > Open, and the viewer
# either opens it or says why not (damaged/NAME.tvs reads its alert). Over each one it
# opens, every command of the plug-in runs (damaged/every-command.steps after the
# document's own steps): reports, exports, "Find" by page size, banner pages added,
# listed and removed, and a silent print of the whole tree on the spool printer. The
# results are read back against what the document's outline gives, walked by links
# (report_oracle.py --links): the tree, the reports, the jobs printed and their pages,
# one banner per bookmark.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/banner_checks.sh"
source "$here/report_checks.sh"
needs_tools qpdf pdftotext python3
out=$(fresh_output damaged)
fixtures="$TESSALY_BUILD/fixtures"
export DAMAGED_CASE DAMAGED_PAGES DAMAGED_LETTER_PAGES TESSALY_SPOOL BANNERS_OUT

# With names as arguments, only those cases run.
CASES=("$@")
wanted() { [ "${#CASES[@]}" -eq 0 ] || [[ " ${CASES[*]} " == *" $1 "* ]]; }

# refused_case NAME: damaged/NAME.tvs opens a document the viewer must refuse.
refused_case() { wanted "$1" && run_case "$here/damaged" "$1"; }

oracle="$here/report_oracle.py"

# check_reports NAME FILE: the tree and the reports and exports of every bookmark ticked
# are what FILE's outline, walked by links, gives.
check_reports() {
  local name=$1 case_out="$out/$1" found=$DAMAGED_LETTER_PAGES
  [ "$found" = none ] && found=""
  check_report_files --links "$name: " "$case_out" "$case_out/tree.txt" "$2" "$found" --all
}

# check_banners NAME FILE: one banner page per bookmark of FILE's outline, each holding
# its marker, listed in banners.txt; once removed, the document reads as it did before.
check_banners() {
  local name=$1 case_out="$out/$1" items before with listed page
  items=$(python3 "$oracle" --links "$2" count) || { fail "$name: the bookmarks cannot be counted"; return; }
  before=$(qpdf --show-npages "$case_out/before.pdf" 2>/dev/null)
  with=$(qpdf --show-npages "$case_out/with-banners.pdf" 2>/dev/null)
  [ "$((with - before))" -eq "$items" ] ||
    fail "$name: $((with - before)) banner pages for $items bookmarks"
  listed=$(grep -v '^Level' "$case_out/banners.txt" | tr ',\r' '\n\n' | grep -v '^$')
  [ "$(wc -l <<<"$listed")" -eq "$items" ] ||
    fail "$name: banners.txt lists [${listed//$'\n'/,}] for $items bookmarks"
  for page in $listed; do
    page_holds "$name/with-banners" "$page" BANNERPAGE ||
      fail "$name: page $page of with-banners.pdf has no banner marker"
  done
  [ "$(pdftotext "$case_out/after.pdf" - 2>/dev/null)" = "$(pdftotext "$case_out/before.pdf" - 2>/dev/null)" ] ||
    fail "$name: after the banners were removed the document reads differently"
  # What qpdf finds wrong in the document itself may stay; nothing may be added to it.
  qpdf --check "$2" >/dev/null 2>&1
  [ $? -eq 2 ] && return
  local saved
  for saved in before with-banners after; do
    qpdf --check "$case_out/$saved.pdf" >/dev/null 2>&1
    [ $? -ne 2 ] || fail "$name: qpdf finds errors in the saved $saved.pdf"
  done
}

# check_print NAME FILE: the spool folder holds the jobs a print of every bookmark of
# FILE's outline sends, each page reading as FILE's page.
check_print() {
  local jobs=()
  mapfile -t jobs < <(python3 "$oracle" --links "$2" jobs --all)
  python3 "$here/oracle_print.py" --links "$TESSALY_SPOOL" "$2" "${jobs[@]}" || fail "$1: the print differs"
}

# opened_case NAME FILE: damaged/NAME.tvs opens FILE and checks what is particular to
# it; every command then runs over it and the results are read back.
opened_case() {
  local name=$1 file=$2 before=$failures
  wanted "$name" || return 0
  DAMAGED_CASE="$out/$name"
  TESSALY_SPOOL="$DAMAGED_CASE/spool"
  BANNERS_OUT=$out
  mkdir -p "$DAMAGED_CASE"
  DAMAGED_PAGES=$(qpdf --show-npages "$file" 2>/dev/null)
  DAMAGED_LETTER_PAGES=$(python3 "$here/oracle_objects.py" letter-pages "$file" 2>/dev/null)
  cat "$here/damaged/$name.tvs" "$here/damaged/every-command.steps" >"$out/$name.tvs"
  run_case "$out" "$name"
  [ "$failures" -eq "$before" ] || return 1
  check_reports "$name" "$file"
  check_banners "$name" "$file"
  check_print "$name" "$file"
}

opened_case xref-offsets "$fixtures/damaged-xref-offsets.pdf"
refused_case no-xref
refused_case truncated
opened_case next-loop "$fixtures/damaged-next-loop.pdf"
opened_case first-loop "$fixtures/damaged-first-loop.pdf"
opened_case dangling "$fixtures/damaged-dangling.pdf"
opened_case kids "$fixtures/damaged-kids.pdf"
opened_case kid-kinds "$fixtures/damaged-kid-kinds.pdf"
opened_case huge-count "$fixtures/damaged-huge-count.pdf"
opened_case removed-pages "$fixtures/damaged-removed-pages.pdf"
refused_case no-pages
opened_case content "$fixtures/damaged-content.pdf"
refused_case encrypted

[ "$failures" -eq 0 ]
