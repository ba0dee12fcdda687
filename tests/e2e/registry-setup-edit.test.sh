#!/usr/bin/env bash
# "Edit" in Setup asks the shell to open the page-sizes file with the verb "open", by
# the path the dialog holds: text typed into the field counts only once a click has
# read it. For the test, the prefix's open command of ".ini" files (its text editor)
# is replaced by a recorder (registry/record_open.cpp, built here) that writes the path
# it is given into PATH.opened; it is put back afterwards, whatever happens. Other tests must not run meanwhile.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/registry/keep-key.sh"
key='HKCR\inifile\shell\open\command'
keep_key "$key"
[ "$had_kept_key" -eq 1 ] || { echo "registry-setup-edit: no $key to replace"; exit 1; }

source "$here/cases.sh"
out=$(fresh_output setup-edit)
cp "$here/../../plugin/data/PDFPageSizes.ini" "$out/member.ini"
cp "$here/page-sizes/other-sizes.ini" "$out/typed.ini"
printf 'PAGESIZESFILE;%s\r\n' "$(winpath "$out/member.ini")" >"$out/edit.ppf"
export SETUP_EDIT_OUT="$out"
SETUP_EDIT_TYPED=$(winpath "$out/typed.ini")
export SETUP_EDIT_TYPED

x86_64-w64-mingw32-g++ -O1 -mwindows -static -o "$out/record-open.exe" "$here/registry/record_open.cpp" ||
  { echo "registry-setup-edit: cannot build the recorder"; exit 1; }
reg add "$key" /ve /d "\"$(winpath "$out/record-open.exe")\" \"%1\"" /f
settle
run_case "$here/registry" setup-edit

# opened_with FILE: the recorder was given exactly FILE's path.
opened_with() {
  local recorded
  recorded=$(cat "$out/$1.opened" 2>/dev/null)
  [ "$recorded" = "$(winpath "$out/$1")" ] ||
    fail "Edit opened \"$recorded\", not \"$(winpath "$out/$1")\""
}
opened_with member.ini
opened_with typed.ini

exit "$failures"
