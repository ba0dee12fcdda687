#!/usr/bin/env bash
# With LAYEREDPDF in the installed Default.ppf, choosing a bookmark of a layered
# document performs its own action: the page view shows the bookmark's layers. Without
# it, choosing a bookmark only shows its page. The installed Default.ppf is put back as
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

cp "$here/../../plugin/data/Default.ppf" "$installed"
run_case "$here/defaults" layers-stay
{ cat "$here/../../plugin/data/Default.ppf"; printf 'LAYEREDPDF;\r\n'; } >"$installed"
run_case "$here/defaults" layers-follow-bookmarks
exit "$failures"
