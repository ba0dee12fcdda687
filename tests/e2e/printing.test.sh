#!/usr/bin/env bash
# "&Print" through the viewer's spool printer: each case runs a script of printing/
# against a spool folder of its own, then reads the job list (one line per job:
# number, document, pages, printer, copies, tab-separated) and the job files back.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
needs_tools qpdf pdftotext
source "$here/../../scripts/wine-env.sh"
out=$(fresh_output printing)

# The index goes to the temporary folder of the prefix's user.
temp_folder=$(ls -d "$WINEPREFIX"/drive_c/users/*/Temp 2>/dev/null | grep -v /Public/ | head -n 1)
index_file="$temp_folder/index.pdf"
export PRINTING_INDEX_WIN
PRINTING_INDEX_WIN="C:\\users\\$(basename "$(dirname "$temp_folder")")\\Temp\\\\index.pdf"
release_index() { chattr -i "$index_file" 2>/dev/null; chmod u+w "$index_file" 2>/dev/null; }
trap release_index EXIT

# print_case NAME PAGES...: runs printing/NAME.tvs; the jobs printed are exactly
# these page ranges, in order ("index" stands for a job of the index file).
print_case() {
  local name=$1
  shift
  export TESSALY_SPOOL="$out/$name"
  mkdir -p "$TESSALY_SPOOL"
  local before=$failures
  run_case "$here/printing" "$name"
  [ "$failures" -eq "$before" ] || return 1
  local wanted="" got="" pages document
  for pages in "$@"; do wanted+="$pages "; done
  if [ -f "$TESSALY_SPOOL/jobs.txt" ]; then
    while IFS=$'\t' read -r _ document pages _; do
      case $document in
        */index.pdf) got+="index " ;;
        *) got+="$pages " ;;
      esac
    done <"$TESSALY_SPOOL/jobs.txt"
  fi
  [ "$got" = "$wanted" ] || { fail "$name: printed [${got% }], not [${wanted% }]"; return 1; }
}

# job_text NAME N: the text of job N of case NAME.
job_text() { pdftotext -layout "$out/$1/$(printf 'job-%04d.pdf' "$2")" - 2>/dev/null; }

# expect_job_text NAME N TEXT: job N's text holds TEXT.
expect_job_text() {
  job_text "$1" "$2" | grep -qF -- "$3" || fail "$1: job $2 does not read \"$3\""
}

# expect_job_pages NAME N COUNT FIRST-TEXT: job N has COUNT pages, the first reading FIRST-TEXT.
expect_job_pages() {
  local file="$out/$1/$(printf 'job-%04d.pdf' "$2")" count
  count=$(qpdf --show-npages "$file" 2>&1)
  [ "$count" = "$3" ] || fail "$1: job $2 has $count pages, not $3"
  pdftotext -f 1 -l 1 "$file" - 2>/dev/null | grep -qxF -- "$4" ||
    fail "$1: job $2 does not start with \"$4\""
}

print_case nothing-ticked
print_case joined 1-8 && expect_job_pages joined 1 8 "Page 1"
print_case separate 1-4 5-8 && expect_job_pages separate 2 4 "Page 5"
print_case nested 1-10
print_case list-order 1-4 5-6 && expect_job_pages list-order 2 2 "Page 5"
# Rows out of page order: each ticked bookmark's own pages, one job each, in tree order.
print_case out-of-order 9-9 2-4 3-6 && expect_job_pages out-of-order 2 3 "Page 2"
print_case interactive 1-4 9-12 && expect_job_pages interactive 2 4 "Page 9"
print_case cancel-first
print_case print-again 1-4 9-12 && expect_job_pages print-again 2 4 "Page 9"
if print_case stop 1-4 index; then
  expect_job_text stop 2 "Chapter One"
  expect_job_text stop 2 "Chapter Three"
  expect_job_text stop 2 "9-12"
fi
if print_case index-only index; then
  expect_job_text index-only 1 "Chapter Two"
  expect_job_text index-only 1 "5-8"
fi
print_case index-only-without-index

# The index's font size as Setup left it: every title line is set in 14 points.
if print_case setup-font-size 5-8 index; then
  index_content=$(qpdf --qdf --object-streams=disable "$out/setup-font-size/job-0002.pdf" - 2>/dev/null)
  grep -q '/F1 14 Tf' <<<"$index_content" || fail "setup-font-size: the index is not set in 14 points"
  grep -q '/F1 10 Tf' <<<"$index_content" && fail "setup-font-size: the index still holds 10-point lines"
  expect_job_text setup-font-size 2 "Chapter Two"
fi

# Titles outside ASCII: the index page reads them back with their accents, dash and
# trade mark; the export holds them in Windows-1252.
if print_case accented-index 3-4 19-20 index; then
  expect_job_text accented-index 3 "Grüße aus Köln"
  expect_job_text accented-index 3 "Tessaly™ — PDFDoc"
  exported=$(iconv -f cp1252 -t utf-8 "$out/accented-index/names.csv" 2>/dev/null)
  for title in "Grüße aus Köln" "Tessaly™ — PDFDoc"; do
    grep -qF -- "\"$title\"" <<<"$exported" || fail "accented-index: the export does not hold \"$title\""
  done
fi

# A spool folder that cannot be made (a file stands in its way): the first print call
# fails, nothing more is tried, nothing is printed.
blocker="$out/not-a-folder"
: >"$blocker"
export TESSALY_SPOOL="$blocker/spool"
run_case "$here/printing" printer-fails
[ -e "$TESSALY_SPOOL" ] && fail "printer-fails: a spool folder was made under a file"

# An index file that cannot be written.
rm -f "$index_file"
: >"$index_file"
if [ "$(id -u)" -eq 0 ]; then chattr +i "$index_file"; else chmod a-w "$index_file"; fi
print_case index-unopenable 1-4
release_index
rm -f "$index_file"

[ "$failures" -eq 0 ]
