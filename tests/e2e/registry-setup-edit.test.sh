#!/usr/bin/env bash
# "Edit" in Setup asks the shell to open the page-sizes file with the verb "open", by
# the path the dialog holds: text typed into the field counts only once a click has
# read it. For the test, the prefix's open command of ".ini" files (its text editor)
# is replaced by one that writes the path it is given into PATH.opened; it is put back
# afterwards, whatever happens. Other tests must not run meanwhile.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-env.sh"
key='HKCR\inifile\shell\open\command'
saved=$(mktemp -d)
reg() { "$WINE64" reg "$@" >/dev/null 2>&1; }
settle() { "$WINESERVER" -w; }

reg export "$key" "$saved/key.reg" /y || { echo "registry-setup-edit: no $key to replace"; exit 1; }
restore() {
  reg import "$saved/key.reg" || echo "registry-setup-edit: could not restore $key" >&2
  settle
  rm -rf "$saved"
}
trap restore EXIT
trap 'exit 130' INT TERM

source "$here/cases.sh"
out=$(fresh_output setup-edit)
cp "$here/../../plugin/data/PDFPageSizes.ini" "$out/member.ini"
cp "$here/page-sizes/other-sizes.ini" "$out/typed.ini"
printf 'PAGESIZESFILE;%s\r\n' "$(winpath "$out/member.ini")" >"$out/edit.ppf"
export SETUP_EDIT_OUT="$out"
SETUP_EDIT_TYPED=$(winpath "$out/typed.ini")
export SETUP_EDIT_TYPED

reg add "$key" /ve /d 'C:\windows\system32\cmd.exe /c echo %1> %1.opened' /f
settle
run_case "$here/registry" setup-edit

# opened_with FILE: the recorder was given exactly FILE's path.
opened_with() {
  local recorded
  recorded=$(tr -d '\r' <"$out/$1.opened" 2>/dev/null)
  recorded=${recorded%"${recorded##*[! ]}"}
  [ "$recorded" = "$(winpath "$out/$1")" ] ||
    fail "Edit opened \"$recorded\", not \"$(winpath "$out/$1")\""
}
opened_with member.ini
opened_with typed.ini

exit "$failures"
