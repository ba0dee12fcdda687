#!/usr/bin/env bash
# With LAYEREDPDF in the installed Default.ppf, choosing a bookmark of a layered
# document performs its own action: the page view shows the bookmark's layers; and
# printing prints each ticked bookmark with its own layers. Without it, choosing a
# bookmark only shows its page. The installed Default.ppf is put back as
# it was afterwards, whatever happens; other tests must not run meanwhile.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
installed="$TESSALY_BUILD/stage/viewer/plug_ins/Default.ppf"
if [ ! -f "$installed" ]; then
  echo "FAILED: nothing is staged: $installed does not exist"
  exit 1
fi
saved=$(mktemp)
cp -p "$installed" "$saved"
restore() {
  cp -p "$saved" "$installed" || echo "defaults-layered: could not restore $installed" >&2
  rm -f "$saved"
}
trap restore EXIT
trap 'exit 130' INT TERM

source "$here/cases.sh"
# Its own settings files are installed for its cases.
export TESSALY_FRESH_SETTINGS=0

cp "$here/../../plugin/data/Default.ppf" "$installed"
run_case "$here/defaults" layers-stay
{ cat "$here/../../plugin/data/Default.ppf"; printf 'LAYEREDPDF;\r\n'; } >"$installed"
run_case "$here/defaults" layers-follow-bookmarks

# Printed silently, one box at a time, to a spool folder of its own.
{ cat "$here/../../plugin/data/Default.ppf"; printf 'LAYEREDPDF;\r\nSILENTPRINT;\r\nINTELCHECKOFF;\r\n'; } \
  >"$installed"
export TESSALY_SPOOL="$TESSALY_BUILD/e2e-out/defaults-layered/spool"
rm -rf "$TESSALY_SPOOL"
before=$failures
run_case "$here/defaults" layers-print
if [ "$failures" -eq "$before" ]; then
  # job PAGES LAYER-LINES...: the next job printed PAGES showing exactly these layers.
  job=0
  expect_job() {
    local pages=$1 text line wanted got
    shift
    job=$((job + 1))
    got=$(awk -F '\t' -v n="$job" '$1 == n { print $3 }' "$TESSALY_SPOOL/jobs.txt")
    [ "$got" = "$pages" ] || { echo "FAILED: layers-print: job $job printed [$got], not [$pages]"; failures=$((failures + 1)); return; }
    text=$(pdftotext "$TESSALY_SPOOL/$(printf 'job-%04d.pdf' "$job")" - | grep -E '^[A-Z]+: ' | cut -d: -f1 | paste -sd, -)
    wanted=$(IFS=,; echo "$*")
    [ "$text" = "$wanted" ] || { echo "FAILED: layers-print: job $job shows [$text], not [$wanted]"; failures=$((failures + 1)); }
  }
  expect_job 1-1 WALLS WIRING PLUMBING
  expect_job 1-1 WALLS WIRING
  expect_job 3-3 WALLS
  jobs=$(wc -l <"$TESSALY_SPOOL/jobs.txt")
  [ "$jobs" -eq 3 ] || { echo "FAILED: layers-print: $jobs jobs, not 3"; failures=$((failures + 1)); }
fi
[ "$failures" -eq 0 ]
