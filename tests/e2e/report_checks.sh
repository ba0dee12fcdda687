# shellcheck shell=bash
# Sourced by tests that write every report and export (after cases.sh).
#
#   check_report_files [--links] LABEL FOLDER TREE PDF FOUND TITLE...|--all
# The tree the script saved (TREE) and the reports and exports it wrote into
# FOLDER (selected.txt, found.txt, thumbnails.txt, thumbnails-by-level.txt, names.csv,
# names-nested.csv) hold exactly what report_oracle.py works out from PDF's own outline
# (--links: walked by links, for damaged outlines) with the top-level bookmarks TITLE...
# (or all of them) ticked and FOUND (the pages "Find" found, comma-separated); both
# exports read back with a CSV reader. Failures are counted, prefixed with LABEL.
check_report_files() {
  local walk=()
  [ "$1" = --links ] && { walk=(--links); shift; }
  local label=$1 folder=$2 tree=$3 pdf=$4 found=$5
  shift 5
  local oracle
  oracle="$(dirname "${BASH_SOURCE[0]}")/report_oracle.py"
  if ! python3 "$oracle" "${walk[@]}" "$pdf" tree "$folder/expected-tree.txt" ||
    ! python3 "$oracle" "${walk[@]}" "$pdf" expect "$folder" "$found" "$@"; then
    fail "${label}the expected reports cannot be worked out from $pdf"
    return
  fi
  tr -d '\r' <"$tree" | cmp -s "$folder/expected-tree.txt" - ||
    fail "${label}the saved tree differs from expected-tree.txt"
  local file
  for file in selected.txt found.txt thumbnails.txt thumbnails-by-level.txt names.csv names-nested.csv; do
    cmp -s "$folder/expected-$file" "$folder/$file" || fail "$label$file differs from expected-$file"
  done
  python3 "$oracle" "${walk[@]}" "$pdf" csv "$folder/names.csv" flat "$@" || fail "${label}names.csv does not read back"
  python3 "$oracle" "${walk[@]}" "$pdf" csv "$folder/names-nested.csv" nested "$@" ||
    fail "${label}names-nested.csv does not read back"
}
