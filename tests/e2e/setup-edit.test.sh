#!/usr/bin/env bash
# "Edit" in Setup opens the page-sizes file as text in Notepad, by the path the dialog
# holds: text typed into the field counts only once a click has read it, and a path
# naming a program is shown, never run. For the test, the prefix's Notepad is replaced
# by a recorder (setup-edit/record_open.cpp, built here) that writes the path it is
# given into PATH.opened; it is put back afterwards, whatever happens. Other tests must
# not run meanwhile.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/../../scripts/wine-env.sh"
source "$here/cases.sh"
out=$(fresh_output setup-edit)

notepad="$WINEPREFIX/drive_c/windows/notepad.exe"
[ -f "$notepad" ] || { echo "setup-edit: the prefix has no $notepad"; exit 1; }
cp -p "$notepad" "$out/notepad.kept"
put_notepad_back() { cp -p "$out/notepad.kept" "$notepad"; }
trap put_notepad_back EXIT
trap 'exit 130' INT TERM

compile() { x86_64-w64-mingw32-g++ -O1 -mwindows -static -o "$2" "$here/setup-edit/$1"; }
compile record_open.cpp "$out/record-open.exe" &&
  compile record_run.cpp "$out/program.exe" ||
  { echo "setup-edit: cannot build the recorders"; exit 1; }
cp "$out/record-open.exe" "$notepad"

cp "$here/../../plugin/data/PDFPageSizes.ini" "$out/member.ini"
cp "$here/page-sizes/other-sizes.ini" "$out/typed.ini"
printf 'PAGESIZESFILE;%s\r\n' "$(winpath "$out/member.ini")" >"$out/edit.ppf"
export SETUP_EDIT_OUT="$out"
SETUP_EDIT_TYPED=$(winpath "$out/typed.ini")
SETUP_EDIT_PROGRAM=$(winpath "$out/program.exe")
export SETUP_EDIT_TYPED SETUP_EDIT_PROGRAM
run_case "$here/setup-edit" setup-edit

# opened_with FILE: Notepad was given exactly FILE's path.
opened_with() {
  local recorded
  recorded=$(cat "$out/$1.opened" 2>/dev/null)
  [ "$recorded" = "$(winpath "$out/$1")" ] ||
    fail "Edit opened \"$recorded\", not \"$(winpath "$out/$1")\""
}
opened_with member.ini
opened_with typed.ini
opened_with program.exe
[ ! -e "$out/program.exe.ran" ] || fail "Edit ran the program the settings named"
[ "$failures" -eq 0 ]
