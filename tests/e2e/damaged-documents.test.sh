#!/usr/bin/env bash
# Damaged documents end to end: each is opened through File > Open, and the viewer
# either opens it or says why not (damaged/NAME.tvs reads its alert). Over each one it
# opens, every command of the plug-in runs (damaged/every-command.steps after the
# document's own steps): reports, exports, "Find" by page size, banner pages added,
# listed and removed, and a silent print of the whole tree on the spool printer. The
# results are read back: the reports against files worked out from the tree, the pages
# printed against the pages the tree shows, the banners against the bookmarks.
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

# letter_pages FILE: the pages (1-based, comma-separated) whose media box, their own or
# inherited, is US Letter, walking the page tree as qpdf reads the objects ("none" when
# there are none).
letter_pages() {
  qpdf --json=2 --json-key=qpdf "$1" 2>/dev/null | python3 -c '
import json, sys
objects = json.load(sys.stdin)["qpdf"][1]
def value(item):
    if isinstance(item, str) and item.endswith(" R"):
        entry = objects.get("obj:" + item, {})
        return entry.get("value", entry.get("stream", {}).get("dict"))
    return item
def leaves(node, box, seen):
    node = value(node)
    box = node.get("/MediaBox", box)
    if "/Kids" not in node:
        yield value(box)
        return
    for kid in value(node["/Kids"]):
        if kid not in seen:
            yield from leaves(kid, box, seen | {kid})
root = value(value(objects["trailer"]["value"]["/Root"]))
boxes = leaves(root["/Pages"], None, frozenset())
found = [str(n) for n, box in enumerate(boxes, 1)
         if box and [round(float(v)) for v in map(value, box)] == [0, 0, 612, 792]]
print(",".join(found) or "none")'
}

# tree_pages TREE: every page the tree's labels name, one a line, in order, once each.
tree_pages() {
  sed -E 's/.*     \(Pages?: ([0-9]+)(-([0-9]+))?\)$/\1 \3/' "$1" |
    awk '{ last = $2 == "" ? $1 : $2; for (p = $1; p <= last; p++) print p }' | sort -n | uniq
}

# printed_pages SPOOL: the pages of every job in the job list, one a line, in order.
printed_pages() {
  awk -F'\t' '{ split($3, r, "-"); last = r[2] == "" ? r[1] : r[2]; for (p = r[1]; p <= last; p++) print p }' \
    "$1/jobs.txt" | sort -n
}

# top_titles TREE: the titles of the tree's top-level items, one a line.
top_titles() { sed -n 's/^1 \(.*\)     (Pages\{0,1\}: [0-9-]*)$/\1/p' "$1"; }

# check_reports NAME: the reports and exports match what the tree says.
check_reports() {
  local name=$1 case_out="$out/$1" titles=()
  mapfile -t titles < <(top_titles "$case_out/tree.txt")
  local found=$DAMAGED_LETTER_PAGES
  [ "$found" = none ] && found=""
  check_report_files "$name: " "$case_out" "$case_out/tree.txt" "$found" "${titles[@]}"
}

# check_banners NAME FILE: one banner page per bookmark, each holding its marker, listed
# in banners.txt; once removed, the document reads as it did before.
check_banners() {
  local name=$1 case_out="$out/$1" items before with listed page
  items=$(wc -l <"$case_out/tree.txt")
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

# check_print NAME: the spool printer printed each page the tree shows, once.
check_print() {
  local name=$1 case_out="$out/$1" job pages count
  [ "$(printed_pages "$TESSALY_SPOOL" 2>/dev/null)" = "$(tree_pages "$case_out/tree.txt")" ] ||
    fail "$name: printed pages [$(printed_pages "$TESSALY_SPOOL" 2>/dev/null | paste -sd,)], not the tree's [$(tree_pages "$case_out/tree.txt" | paste -sd,)]"
  while IFS=$'\t' read -r job _ pages _; do
    count=$(qpdf --show-npages "$TESSALY_SPOOL/$(printf 'job-%04d.pdf' "$job")" 2>&1)
    [ "$count" = "$(awk -F- '{ print ($2 == "" ? 1 : $2 - $1 + 1) }' <<<"$pages")" ] ||
      fail "$name: job $job of pages $pages holds $count pages"
  done <"$TESSALY_SPOOL/jobs.txt"
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
  DAMAGED_LETTER_PAGES=$(letter_pages "$file")
  cat "$here/damaged/$name.tvs" "$here/damaged/every-command.steps" >"$out/$name.tvs"
  run_case "$out" "$name"
  [ "$failures" -eq "$before" ] || return 1
  check_reports "$name"
  check_banners "$name" "$file"
  check_print "$name"
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
