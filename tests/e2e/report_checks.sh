# shellcheck shell=bash
# Sourced by tests that write every report and export (after cases.sh).
#
#   check_report_files LABEL FOLDER TREE FOUND TITLE...
# The reports and exports a script wrote into FOLDER (selected.txt, found.txt,
# thumbnails.txt, thumbnails-by-level.txt, names.csv, names-nested.csv) hold exactly what
# report_oracle.py works out from TREE (the tree the script saved) with the top-level
# bookmarks TITLE... ticked and FOUND (the pages "Find" found, comma-separated); both
# exports read back with a CSV reader. Failures are counted, prefixed with LABEL.
check_report_files() {
  local label=$1 folder=$2 tree=$3 found=$4
  shift 4
  local oracle
  oracle="$(dirname "${BASH_SOURCE[0]}")/report_oracle.py"
  python3 "$oracle" expect "$tree" "$folder" "$found" "$@"
  local file
  for file in selected.txt found.txt thumbnails.txt thumbnails-by-level.txt names.csv names-nested.csv; do
    cmp -s "$folder/expected-$file" "$folder/$file" || fail "$label$file differs from expected-$file"
  done
  python3 "$oracle" csv "$folder/names.csv" "$tree" flat "$@" || fail "${label}names.csv does not read back"
  python3 "$oracle" csv "$folder/names-nested.csv" "$tree" nested "$@" ||
    fail "${label}names-nested.csv does not read back"
}
