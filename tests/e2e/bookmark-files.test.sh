#!/usr/bin/env bash
# "Save selected bookmarks as PDF files...": the files' names, pages, text and outlines
# read back with qpdf and pdftotext against the source document; an existing name
# answered No and Yes, a folder that cannot be written to, and long titles in a deep
# folder, titles that are no file names, Stop, and commands refused while it runs.
# Exits 1 on any failure.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
needs_tools qpdf pdftotext python3
export BOOKMARK_FILES_OUT BOOKMARK_FILES_SETTINGS BOOKMARK_FILES_DEEP
BOOKMARK_FILES_OUT=$(fresh_output bookmark-files)
BOOKMARK_FILES_SETTINGS="$here/banners/intel-check-off.ppf"
sample="$TESSALY_BUILD/stage/sample/manual.pdf"
oracle="$here/bookmark-files/files_oracle.py"

# The three files of the sample's Contents, Chapter 1 and section 2.2.
sample_files=("2-4:001 Contents.pdf" "5-20:002 Chapter 1_ Safety and Regulatory Information.pdf"
  "30-35:003 2.2 Choosing a Location.pdf")

mkdir -p "$BOOKMARK_FILES_OUT/sample"
run_case "$here/bookmark-files" sample &&
  { python3 "$oracle" "$sample" "$BOOKMARK_FILES_OUT/sample" "${sample_files[@]}" ||
    fail "sample: the files are not the bookmarks' pages"; }

# Twins keep apart by their numbers; the rest are made legal file names.
mkdir -p "$BOOKMARK_FILES_OUT/file-names"
run_case "$here/bookmark-files" file-names &&
  { python3 "$oracle" "$TESSALY_BUILD/fixtures/file-name-titles.pdf" "$BOOKMARK_FILES_OUT/file-names" \
      "1-2:001 Notes.pdf" "3-4:002 Notes.pdf" "5-5:003 CON_.pdf" "6-6:004 Bookmark.pdf" \
      "7-8:005 a_b_c_d__e _q_ __.pdf" "9-10:006 Prn_.txt.pdf" "11-12:007 Tab here.pdf" ||
    fail "file-names: the files are not the bookmarks' pages under legal names"; }

mkdir -p "$BOOKMARK_FILES_OUT/replace-no"
echo "kept" >"$BOOKMARK_FILES_OUT/replace-no/002 Chapter 1_ Safety and Regulatory Information.pdf"
run_case "$here/bookmark-files" replace-no &&
  { [ "$(ls "$BOOKMARK_FILES_OUT/replace-no")" = "002 Chapter 1_ Safety and Regulatory Information.pdf" ] &&
    [ "$(cat "$BOOKMARK_FILES_OUT/replace-no/"*)" = kept ] ||
    fail "replace-no: the folder changed after No"; }

mkdir -p "$BOOKMARK_FILES_OUT/replace"
echo "kept" >"$BOOKMARK_FILES_OUT/replace/001 Contents.pdf"
run_case "$here/bookmark-files" replace &&
  { python3 "$oracle" "$sample" "$BOOKMARK_FILES_OUT/replace" "${sample_files[@]}" ||
    fail "replace: the files are not the bookmarks' pages"; }

# A folder whose files cannot be created (immutable for root): nothing in it afterwards.
locked="$BOOKMARK_FILES_OUT/unwritable"
mkdir -p "$locked"
lock() {
  if [ "$(id -u)" -eq 0 ]; then chattr "$1i" "$locked"
  elif [ "$1" = + ]; then chmod a-w "$locked"
  else chmod u+w "$locked"; fi
}
if ! lock + 2>/dev/null || touch "$locked/probe" 2>/dev/null; then
  fail "unwritable: the folder cannot be made unwritable here"
else
  run_case "$here/bookmark-files" unwritable
  [ -z "$(ls -A "$locked")" ] || fail "unwritable: something was written"
fi
lock - 2>/dev/null

# A folder 150 characters deep: every path, in its Windows form, within MAX_PATH.
BOOKMARK_FILES_DEEP="$BOOKMARK_FILES_OUT/deep/$(printf 'd%.0s' {1..60})/$(printf 'e%.0s' {1..60})"
mkdir -p "$BOOKMARK_FILES_DEEP"
if run_case "$here/bookmark-files" long-titles; then
  count=0
  for file in "$BOOKMARK_FILES_DEEP"/*.pdf; do
    count=$((count + 1))
    [ "${#file}" -le $((259 - 2)) ] || fail "long-titles: $file is longer than MAX_PATH allows"
    qpdf --check "$file" >/dev/null 2>&1 || fail "long-titles: $(basename "$file") fails qpdf --check"
  done
  [ "$count" -eq 5 ] || fail "long-titles: $count files, not 5"
fi
# Stop during a long run: some files, each whole, numbered from the first on.
if LARGE_DOCUMENT=$(large_document); then
  export LARGE_DOCUMENT
  mkdir -p "$BOOKMARK_FILES_OUT/stop"
  if run_case "$here/bookmark-files" stop; then
    stopped=$(find "$BOOKMARK_FILES_OUT/stop" -name '*.pdf' | wc -l)
    [ "$stopped" -ge 1 ] && [ "$stopped" -lt 1024 ] ||
      fail "stop: $stopped files after Stop, not between 1 and 1023"
    for ((k = 1; k <= stopped; k++)); do
      file=$(printf '%s/%04d Subsection' "$BOOKMARK_FILES_OUT/stop" "$k")
      set -- "$file"*.pdf
      [ -f "$1" ] && qpdf --check "$1" >/dev/null 2>&1 ||
        fail "stop: file $k is missing or damaged"
    done
  fi
else
  fail "stop: the large document could not be generated"
fi
[ "$failures" -eq 0 ]
