#!/usr/bin/env bash
# The host or the system refusing an operation in the middle of a command: a banner
# page that cannot be deleted, a page's crop box or the page count that cannot be read
# in "Find", an index the host cannot open, an import file that cannot be opened. Each
# case's script answers the message the user sees and checks that the dialog goes on;
# here the documents it saved and the jobs it printed are read back: the command went
# as far as the failure and no further.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/banner_checks.sh"
needs_tools qpdf pdftotext pdfinfo python3
source "$here/../../scripts/wine-env.sh"
export HOST_FAULTS_OUT BANNERS_OUT
HOST_FAULTS_OUT=$(fresh_output host-faults)
BANNERS_OUT=$HOST_FAULTS_OUT
# A settings file the dialog loads is the one its "&Close" writes: a copy, not the
# source tree's own.
cp "$here/banners/intel-check-off.ppf" "$HOST_FAULTS_OUT/"

# The second deletion fails: the first banner (page 3) is out, the second still in.
if TESSALY_FAILING_HOST_CALL=PDDocDeletePages:2 saved_case "$here/host-faults" remove-fails; then
  pages=(1 2 3 4 5 6 "B" 7 8 9 10)
  for k in "${!pages[@]}"; do
    if [ "${pages[k]}" = B ]; then expect_page remove-fails $((k + 1)) "Part B"
    else expect_page remove-fails $((k + 1)) "Page ${pages[k]}"; fi
  done
  for page in $(seq 1 10); do expect_page removed-after "$page" "Page $page"; done
  [ "$(pdfinfo "$HOST_FAULTS_OUT/removed-after.pdf" | awk '/^Pages:/ { print $2 }')" = 10 ] ||
    fail "remove-fails: the second removal did not leave the document's 10 pages"
fi

TESSALY_FAILING_HOST_CALL=PDPageGetCropBox:14 run_case "$here/host-faults" find-crop-box
TESSALY_FAILING_HOST_CALL=PDDocGetNumPages:2 run_case "$here/host-faults" find-no-document

# The index goes to the temporary folder of the prefix's user; it is written there, but
# the host cannot open it: the ticked pages are the only job.
temp_folder=""
for folder in "$WINEPREFIX"/drive_c/users/*/Temp; do
  [[ $folder == */Public/* ]] || { temp_folder=$folder; break; }
done
[ -d "$temp_folder" ] || fail "the prefix has no user's temporary folder"
index_file="$temp_folder/index.pdf"
export PRINTING_INDEX_WIN TESSALY_SPOOL="$HOST_FAULTS_OUT/spool"
PRINTING_INDEX_WIN="C:\\users\\$(basename "$(dirname "$temp_folder")")\\Temp\\\\index.pdf"
mkdir -p "$TESSALY_SPOOL"
rm -f "$index_file"
if TESSALY_FAILING_HOST_CALL=AVDocOpenFromFile run_case "$here/host-faults" index-unopened; then
  python3 "$here/oracle_print.py" "$TESSALY_SPOOL" "$TESSALY_BUILD/fixtures/three-top-level.pdf" 1-4 ||
    fail "index-unopened: the jobs printed are not the ticked pages alone"
  pdftotext "$index_file" - 2>/dev/null | grep "Chapter One" >/dev/null ||
    fail "index-unopened: no index listing \"Chapter One\" was written to $index_file"
fi
rm -f "$index_file"

# The active document, asked for by "&Print" and by the host's menus every so often: it
# fails only while the script asks, so that no call count decides whose call it is.
export TESSALY_SPOOL="$HOST_FAULTS_OUT/print-spool"
mkdir -p "$TESSALY_SPOOL"
if TESSALY_FAILING_HOST_CALL=AVAppGetActiveDoc:when-asked \
  run_case "$here/host-faults" print-no-document; then
  python3 "$here/oracle_print.py" "$TESSALY_SPOOL" "$TESSALY_BUILD/fixtures/three-top-level.pdf" 1-4 ||
    fail "print-no-document: the failed \"&Print\" printed something, or the next did not print"
fi

# A socket is a file the open dialog accepts but that no program can open.
printf '5\r\n7\r\n9' >"$HOST_FAULTS_OUT/numbers.txt"
printf '12' >"$HOST_FAULTS_OUT/other.txt"
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' \
  "$HOST_FAULTS_OUT/socket.txt" || fail "import-unopenable: no socket could be made"
run_case "$here/host-faults" import-unopenable

[ "$failures" -eq 0 ]
