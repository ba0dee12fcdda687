#!/usr/bin/env bash
# Printing through a real CUPS scheduler, started here with a cups-pdf printer of its
# own: the plug-in's silent print (to the default printer, made that printer) and the
# viewer's File > Print with the printer picked in its Print dialog. The PDF each job
# leaves in cups-pdf's output folder is read back: its page count and its text.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/cups_scheduler.sh"
needs_tools qpdf pdftotext
out=$(fresh_output cups-printing)
printer=TessalyPDF

# A socket path must stay short (108 bytes), so the scheduler lives under /tmp.
scheduler=$(mktemp -d /tmp/tessaly-cups.XXXXXX)
finish() {
  stop_cups_scheduler
  # The scheduler's logs stay with the output when something failed.
  [ "$failures" -eq 0 ] || cp -r "$scheduler/log" "$out/scheduler-log" 2>/dev/null
  rm -rf "$scheduler"
}
trap finish EXIT
if ! start_cups_scheduler "$scheduler"; then
  echo "FAILED: no scheduler of our own: $CUPS_START_PROBLEM"
  exit 1
fi
add_cups_pdf_printer "$printer" || { fail "lpadmin could not add the cups-pdf printer $printer"; exit 1; }
export CUPS_TEST_PRINTER=$printer

# arrived_job NAME: waits (60 s at most) until the scheduler has no job left and one PDF
# has arrived in the output folder; moves it to $out/NAME.pdf.
arrived_job() {
  local name=$1 tries files
  for tries in $(seq 200); do
    files=("$CUPS_PDF_OUT"/*.pdf)
    if [ -z "$(lpstat -o 2>/dev/null)" ] && [ -f "${files[0]}" ]; then
      [ "${#files[@]}" -eq 1 ] || { fail "$name: ${#files[@]} PDFs arrived, not one"; return 1; }
      mv "${files[0]}" "$out/$name.pdf"
      return 0
    fi
    sleep 0.3
  done
  fail "$name: no PDF arrived in $CUPS_PDF_OUT (jobs left: $(lpstat -o 2>/dev/null | wc -l))"
  return 1
}

# expect_printed NAME TEXT...: the job's PDF has one page per TEXT, page i reading the
# i-th TEXT as its first line.
expect_printed() {
  local name=$1 file="$out/$1.pdf" count page=1 text first
  shift
  count=$(qpdf --show-npages "$file" 2>&1)
  [ "$count" = "$#" ] || { fail "$name: $count pages printed, not $#"; return; }
  for text; do
    first=$(pdftotext -f "$page" -l "$page" "$file" - 2>/dev/null | grep -v '^\s*$' | head -n 1)
    [ "$first" = "$text" ] || fail "$name: page $page reads \"$first\", not \"$text\""
    page=$((page + 1))
  done
}

TESSALY_DEFAULT_PRINTER=$printer run_case "$here/cups-printing" plugin-silent &&
  arrived_job plugin-silent && expect_printed plugin-silent "Page 5" "Page 6" "Page 7" "Page 8"

run_case "$here/cups-printing" viewer-dialog &&
  arrived_job viewer-dialog && expect_printed viewer-dialog "Page 2" "Page 3"

[ "$failures" -eq 0 ]
