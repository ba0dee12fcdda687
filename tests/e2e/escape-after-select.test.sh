#!/usr/bin/env bash
# Escape pressed right after "Select all (toggle)" closes the dialog, on documents of
# several kinds and many times over: the key may land while the tick recount (50 ms after
# the click) reads the tree and keeps the window alive, and must not be lost there; and
# right after an answered dialog or a screenshot.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
out=$(fresh_output escape-after-select)
fixtures="$TESSALY_BUILD/fixtures"
rounds=12

# escape_rounds NAME PDF ROUNDS STEPS WHEN: one viewer on PDF, the dialog opened,
# STEPS (a function given the case's name and the round's number, printing script lines)
# run and
# Escape pressed, ROUNDS times; WHEN says where the key fell, for the failure.
escape_rounds() {
  local name=$1 pdf=$2 count=$3 steps=$4 when=$5 script="$out/$1.tvs" round
  {
    echo "open $pdf"
    echo "timeout 10"
    for ((round = 1; round <= count; round++)); do
      echo "menu Extensions &Tessaly"
      echo "wait-window \"Tessaly 1.16\""
      "$steps" "$name" "$round"
      echo "key escape"
      echo "wait-gone"
    done
    echo "expect-no-window \"Tessaly 1.16\""
  } >"$script"
  if "$here/run-script.sh" "$script"; then
    echo "$name: passed"
  else
    fail "$name: Escape $when was lost in one of $count rounds"
  fi
}

# "Select all (toggle)": reading the tree takes about as long as the recount's delay,
# so the key falls now before it, now inside it.
toggle_steps() {
  echo "click 1077"
  (($2 % 2)) && echo "save-tree $out/$1-tree.txt"
  return 0
}
escape_case() { escape_rounds "$1" "$2" "$rounds" toggle_steps "after \"Select all\""; }

# Keys pressed the moment a dialog is answered or a screenshot taken, as a user types
# ahead: the dialog, active again, must get them. Each round exports the names (its file
# dialog and its "Done." box answered); every other round a screenshot of the dialog
# comes between.
export_steps() {
  echo "click 1077"
  echo "command 40051"
  echo "answer-file $out/$1-names-$2.csv"
  echo "answer-box \"Done.\" OK"
  (($2 % 2)) || echo "screenshot $out/$1-$2.png"
  return 0
}

escape_rounds after-dialog "$fixtures/three-top-level.pdf" 4 export_steps \
  "after an answered dialog or a screenshot"

escape_case small "$fixtures/three-top-level.pdf"
escape_case long-titles "$fixtures/long-titles.pdf"
escape_case layered "$fixtures/layered.pdf"
escape_case damaged-kids "$fixtures/damaged-kids.pdf"
escape_case manual "$TESSALY_BUILD/stage/sample/manual.pdf"
# 16384 bookmarks: ticking them all and the recount each keep the window alive for a
# good part of a second, so the key always falls inside.
if big=$(large_document); then
  escape_case big "$big"
else
  fail "big: the document could not be generated"
fi
[ "$failures" -eq 0 ]
