#!/usr/bin/env bash
# "&Print" through the viewer's spool printer: each case runs a script of printing/
# against a spool folder of its own, then reads every job file back: its pages against
# the document's, an index page against the ticked bookmarks (oracle_print.py).
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

# print_case NAME JOB... [-- TITLE...]: runs printing/NAME.tvs; its spool folder then
# holds exactly these jobs, in order (oracle_print.py): each range "F-L" with the pages
# of the document the script opens, "index" an index page listing the bookmarks that
# ticking the top-level TITLE... gives, as that document's outline has them.
print_case() {
  local name=$1
  shift
  export TESSALY_SPOOL="$out/$name"
  mkdir -p "$TESSALY_SPOOL"
  local before=$failures document
  run_case "$here/printing" "$name"
  [ "$failures" -eq "$before" ] || return 1
  # shellcheck disable=SC2016 # the script's own variable, as it stands in the file
  document=$(sed -n 's/^open \${TESSALY_FIXTURES}\///p' "$here/printing/$name.tvs")
  python3 "$here/oracle_print.py" "$TESSALY_SPOOL" "$TESSALY_BUILD/fixtures/$document" "$@" ||
    { fail "$name: the jobs printed differ"; return 1; }
}

print_case nothing-ticked
print_case joined 1-8
print_case separate 1-4 5-8
print_case nested 1-10
print_case list-order 1-4 5-6
# Rows out of page order: each ticked bookmark's own pages, one job each, in tree order.
print_case out-of-order 9-9 2-4 3-6
print_case interactive 1-4 9-12
print_case progress-closed 1-4 9-12
print_case cancel-first
print_case print-again 1-4 9-12
print_case stop 1-4 index -- "Chapter One" "Chapter Three"
print_case index-only index -- "Chapter Two"
print_case index-only-without-index
print_case nested-index 1-10 index -- "Chapter 1"

# The index's font size as Setup left it: every title line is set in 14 points.
if print_case setup-font-size 5-8 index -- "Chapter Two"; then
  index_content=$(qpdf --qdf --object-streams=disable "$out/setup-font-size/job-0002.pdf" - 2>/dev/null)
  grep -q '/F1 14 Tf' <<<"$index_content" || fail "setup-font-size: the index is not set in 14 points"
  grep -q '/F1 10 Tf' <<<"$index_content" && fail "setup-font-size: the index still holds 10-point lines"
fi

# Titles outside ASCII: the index page reads them back with their accents, dash and
# trade mark; the export holds them in Windows-1252.
if print_case accented-index 3-4 19-20 index -- "Grüße aus Köln" "Tessaly™ — PDFDoc"; then
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
