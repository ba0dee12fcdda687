#!/usr/bin/env bash
# The script runner itself: a bad script is refused before anything runs (exit 2, every
# bad line named), and a failing step stops the run (exit 1, the line and why); a watch
# for message boxes fails on a box that comes late.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

cat >"$work/bad.tvs" <<'SCRIPT'
expect-plugin tessaly.api loaded
no-such-command 1
expect-pages many
expect-tab-order 1075,x
expect-list 1097 ""
SCRIPT
out=$("$here/run-script.sh" "$work/bad.tvs" 2>&1); code=$?
[ "$code" -eq 2 ] || fail "a bad script exits with $code, not 2"
grep -q "bad.tvs:2:" <<<"$out" || fail "the unknown command is not reported: $out"
grep -q "bad.tvs:3:" <<<"$out" || fail "the bad number is not reported: $out"
grep -q "bad.tvs:4: IDS: '1075,x' is not a list of control ids" <<<"$out" ||
  fail "the bad id list is not reported: $out"
grep -q "bad.tvs:5: ITEMS|none: '' is not a list of items" <<<"$out" ||
  fail "the empty item list is not reported: $out"
grep -q "plug-in tessaly.api" <<<"$out" && fail "the viewer ran a refused script: $out"

cat >"$work/failing.tvs" <<'SCRIPT'
expect-plugin tessaly.api loaded
timeout 2
expect-menu Extensions "&No such item" enabled
expect-plugin tessaly.api loaded
SCRIPT
out=$("$here/run-script.sh" "$work/failing.tvs" 2>&1); code=$?
[ "$code" -eq 1 ] || fail "a failing step exits with $code, not 1"
grep -q 'failing.tvs:3: expect-menu Extensions "&No such item" enabled: ' <<<"$out" ||
  fail "the failing line is not quoted with its reason: $out"

cat >"$work/good.tvs" <<'SCRIPT'
expect-plugin tessaly.api loaded
SCRIPT
"$here/run-script.sh" "$work/good.tvs" >/dev/null 2>&1 || fail "a passing script does not exit with 0"

# The focus, the tab order and a combo box's items, read from the main dialog. Tab
# moves the focus along the tab order; a drop-down combo box's edit field counts as
# the combo box.
main_dialog='open ${TESSALY_SAMPLE}
menu Extensions &Tessaly
wait-window "Tessaly 1.16"'
tab_order=1075,1076,1077,1084,1090,1080,1087,1091,1078,1079,1099,1097,1098,1081,1003,1082,1083,1000
cat >"$work/controls.tvs" <<SCRIPT
$main_dialog
expect-tab-order $tab_order
expect-focus 1075
key tab
expect-focus 1076
key tab
key tab
key tab
expect-focus 1080
key tab
key tab
key tab
key tab
expect-focus 1097
expect-list 1097 "A0|A1|A2|A3|A4|A5|A6|ANSI A|ANSI B|ANSI C|ANSI D|ANSI E|Arch A|Arch B|Arch C|Arch D|Arch E|Arch E1|B4|B4 (JIS)|B5|B5 (JIS)|Executive|Legal|Letter|Tabloid"
key escape
wait-gone
SCRIPT
out=$("$here/run-script.sh" "$work/controls.tvs" 2>&1) ||
  fail "focus, tab order and list expectations that hold do not pass: $out"

# Each fails, saying what there is.
expect_failure() {  # NAME LINE MESSAGE
  printf '%s\ntimeout 1\n%s\n' "$main_dialog" "$2" >"$work/$1.tvs"
  out=$("$here/run-script.sh" "$work/$1.tvs" 2>&1); code=$?
  [ "$code" -eq 1 ] || fail "$1: a failing step exits with $code, not 1"
  grep -qF "$1.tvs:5: $2: timed out after 1 s: $3" <<<"$out" ||
    fail "$1: the failure does not say '$3': $out"
}
expect_failure focus "expect-focus 1003" "the focus is on control 1075 (SysTreeView32)"
expect_failure tab-order "expect-tab-order 1075,1076,1000" "the tab order is $tab_order"
expect_failure list "expect-list 1097 none" 'the list holds 26 items: "A0|A1|A2|'

# A watch for message boxes catches the box that comes after the first look: here
# "Printing Complete.", once the spool printer has written the job.
export TESSALY_SPOOL="$work/spool"
printed_box='tree-tick "Chapter 1: "
click 1003
answer-print ok'
cat >"$work/late-box.tvs" <<SCRIPT
$main_dialog
$printed_box
expect-no-box 10
SCRIPT
out=$("$here/run-script.sh" "$work/late-box.tvs" 2>&1); code=$?
[ "$code" -eq 1 ] || fail "a box within the watch exits with $code, not 1: $out"
grep -qF 'late-box.tvs:7: expect-no-box 10: a message box says "Printing Complete.", within 10 s' \
  <<<"$out" || fail "the watch does not say which box came: $out"
cat >"$work/no-late-box.tvs" <<SCRIPT
$main_dialog
$printed_box
answer-box "Printing Complete." OK
expect-no-box 0.5
key escape
wait-gone
SCRIPT
out=$("$here/run-script.sh" "$work/no-late-box.tvs" 2>&1) ||
  fail "a watch with no box does not pass: $out"

[ "$failures" -eq 0 ] && echo "script runner: all checks passed"
[ "$failures" -eq 0 ]
