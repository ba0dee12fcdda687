#!/usr/bin/env bash
# Tessaly-Setup-x64.exe on a machine of its own (a fresh wine prefix and a copy of the
# viewer): a silent installation puts the files and the "App Paths" key there and the
# viewer's dialog loads the installed settings; an installation over a changed
# Default.ppf keeps it (this version's defaults go beside it); the silent uninstaller
# takes away exactly what was installed and the keys, and nothing else, a Default.ppf
# that was the user's before any installation included. "HTML Help" opens the installed
# help file.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
# Its own settings files are installed for its cases.
export TESSALY_FRESH_SETTINGS=0
setup="$TESSALY_BUILD/plugin-x64/Tessaly-Setup-x64.exe"
data="$root/plugin/data"

# The machine: what a build folder holds for the viewer, with a prefix of its own.
machine=$(fresh_output installer)/machine
plug_ins="$machine/stage/viewer/plug_ins"
mkdir -p "$plug_ins" "$machine/stage/sample"
cp "$TESSALY_BUILD/stage/viewer/viewer.exe.so" "$machine/stage/viewer/"
cp "$TESSALY_BUILD/stage/sample/manual.pdf" "$machine/stage/sample/"
export TESSALY_BUILD=$machine
source "$root/scripts/wine-env.sh"
"$root/scripts/make-prefix.sh" >/dev/null
plug_ins_win=$(winpath "$plug_ins")
app_paths='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Tessaly.api'
uninstall='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessaly'

# What the host's plug-ins folder held before: another plug-in and a page-sizes file of
# the user's own.
printf 'another plug-in' >"$plug_ins/other.api"
{ cat "$data/PDFPageSizes.ini"; grep '^SIZE;Letter;' "$data/PDFPageSizes.ini" | sed 's/;Letter;/;Installed here;/'; } \
  >"$plug_ins/PDFPageSizes.ini"
before=$(mktemp -d)
cp -p "$plug_ins"/* "$before/"
trap 'rm -rf "$before"' EXIT

install() { "$WINE64" "$setup" /S "/D=$plug_ins_win" && "$WINESERVER" -w; }
# key_value KEY [VALUE]: the data of the key's value (its default value without VALUE).
key_value() {
  local query
  if [ $# -eq 2 ]; then query=$("$WINE64" reg query "$1" /v "$2" 2>/dev/null)
  else query=$("$WINE64" reg query "$1" /ve 2>/dev/null); fi
  sed -n 's/^ *[^ ].*REG_[A-Z_]* *//p' <<<"$query" | tr -d '\r'
}

install || fail "the silent installation failed"
for file in tessaly.api Tessaly.chm Default.ppf Default.ban Tessaly-Uninstall.exe; do
  [ -f "$plug_ins/$file" ] || fail "the installation left no $file"
done
cmp -s "$plug_ins/tessaly.api" "$(dirname "$setup")/tessaly.api" ||
  fail "the installed tessaly.api is not the x86_64 build"
cmp -s "$plug_ins/Default.ppf" "$data/Default.ppf" || fail "the installed Default.ppf is not the shipped one"
cmp -s "$plug_ins/PDFPageSizes.ini" "$before/PDFPageSizes.ini" || fail "the user's PDFPageSizes.ini was replaced"
cmp -s "$plug_ins/PDFPageSizes.ini.new" "$data/PDFPageSizes.ini" || fail "the new page sizes are not beside the user's"
[ "$(key_value "$app_paths")" = "$plug_ins_win\\Tessaly.api" ] ||
  fail "the App Paths key holds \"$(key_value "$app_paths")\", not the installed plug-in's path"
[ "$(key_value "$uninstall" UninstallString)" = "\"$plug_ins_win\\Tessaly-Uninstall.exe\"" ] ||
  fail "the uninstaller is not registered in the list of programs"

# The dialog finds the installation folder and loads the settings installed there; its
# "HTML Help" has the shell open the installed Tessaly.chm, which the prefix's help
# viewer, replaced by a recorder (setup-edit/record_open.cpp), notes in
# Tessaly.chm.opened beside it.
sed -i 's/^SELECTTEXT;.*/SELECTTEXT;Installed here/' "$plug_ins/Default.ppf"
x86_64-w64-mingw32-g++ -O1 -mwindows -static -o "$WINEPREFIX/drive_c/windows/hh.exe" \
  "$here/setup-edit/record_open.cpp" || fail "the help viewer's recorder cannot be built"
run_case "$here/installer" installed
opened=$(cat "$plug_ins/Tessaly.chm.opened" 2>/dev/null)
[ "$opened" = "$plug_ins_win\\Tessaly.chm" ] ||
  fail "HTML Help opened \"$opened\", not \"$plug_ins_win\\Tessaly.chm\""
rm -f "$plug_ins/Tessaly.chm.opened"

# Installed again over the changed Default.ppf: it is kept, the defaults go beside it.
changed=$(mktemp)
cp "$plug_ins/Default.ppf" "$changed"
install || fail "the second installation failed"
cmp -s "$plug_ins/Default.ppf" "$changed" || fail "the second installation replaced the changed Default.ppf"
cmp -s "$plug_ins/Default.ppf.new" "$data/Default.ppf" || fail "the second installation put no Default.ppf.new beside it"
rm -f "$changed"

# Uninstalled silently: what was there before the installation is left, byte for byte.
"$WINE64" "$plug_ins_win\\Tessaly-Uninstall.exe" /S
# The uninstaller goes on from a copy of itself: wait until it has ended.
"$WINESERVER" -w
left=$(cd "$plug_ins" && ls -A | sort | tr '\n' ' ')
[ "$left" = "PDFPageSizes.ini other.api " ] || fail "after the uninstallation the folder holds: $left"
for file in other.api PDFPageSizes.ini; do
  cmp -s "$plug_ins/$file" "$before/$file" || fail "the uninstallation changed $file"
done
[ -f "$machine/stage/viewer/viewer.exe.so" ] || fail "the uninstallation removed the viewer"
"$WINE64" reg query "$app_paths" >/dev/null 2>&1 && fail "the App Paths key is still there"
"$WINE64" reg query "$uninstall" >/dev/null 2>&1 && fail "the uninstaller is still registered"

# A Default.ppf of the user's own, there before Tessaly is installed: the installation
# keeps it (the defaults beside it) and notes it, and the uninstaller leaves it.
printf 'SELECTTEXT;Mine\r\nSELECTLEVEL;2\r\n' >"$plug_ins/Default.ppf"
cp -p "$plug_ins/Default.ppf" "$before/Default.ppf"
install || fail "the installation beside the user's Default.ppf failed"
cmp -s "$plug_ins/Default.ppf" "$before/Default.ppf" || fail "the installation replaced the user's Default.ppf"
cmp -s "$plug_ins/Default.ppf.new" "$data/Default.ppf" || fail "the installation put no Default.ppf.new beside the user's"
[ "$(key_value "$uninstall" "Kept Default.ppf")" = 0x1 ] ||
  fail "the installation did not note the user's Default.ppf as kept"
"$WINE64" "$plug_ins_win\\Tessaly-Uninstall.exe" /S
"$WINESERVER" -w
left=$(cd "$plug_ins" && ls -A | sort | tr '\n' ' ')
[ "$left" = "Default.ppf PDFPageSizes.ini other.api " ] ||
  fail "after uninstalling beside the user's Default.ppf the folder holds: $left"
cmp -s "$plug_ins/Default.ppf" "$before/Default.ppf" || fail "the uninstallation changed the user's Default.ppf"
[ "$failures" -eq 0 ]
