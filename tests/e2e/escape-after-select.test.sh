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

# escape_case NAME PDF: one viewer on PDF, the dialog opened, toggled and escaped
# `rounds` times.
escape_case() {
  local name=$1 pdf=$2 script="$out/$1.tvs" round
  {
    echo "open $pdf"
    echo "timeout 10"
    for ((round = 1; round <= rounds; round++)); do
      echo "menu Extensions &Tessaly"
      echo "wait-window \"Tessaly 1.16\""
      echo "click 1077"
      # Reading the tree takes about as long as the recount's delay, so the key
      # falls now before it, now inside it.
      ((round % 2)) && echo "save-tree $out/$name-tree.txt"
      echo "key escape"
      echo "wait-gone"
    done
    echo "expect-no-window \"Tessaly 1.16\""
  } >"$script"
  if "$here/run-script.sh" "$script"; then
    echo "$name: passed"
  else
    fail "$name: Escape was lost in one of $rounds rounds"
  fi
}

# Keys pressed the moment a dialog is answered or a screenshot taken, as a user types
# ahead: the dialog, active again, must get them. Each round exports the names (its file
# dialog and its "Done." box answered), then Escape; every other round a screenshot of
# the dialog comes between.
after_dialog_case() {
  local name=$1 pdf=$2 script="$out/$1.tvs" round
  {
    echo "open $pdf"
    echo "timeout 10"
    for ((round = 1; round <= 4; round++)); do
      echo "menu Extensions &Tessaly"
      echo "wait-window \"Tessaly 1.16\""
      echo "click 1077"
      echo "command 40051"
      echo "answer-file $out/$name-names-$round.csv"
      echo "answer-box \"Done.\" OK"
      ((round % 2)) || echo "screenshot $out/$name-$round.png"
      echo "key escape"
      echo "wait-gone"
    done
    echo "expect-no-window \"Tessaly 1.16\""
  } >"$script"
  if "$here/run-script.sh" "$script"; then
    echo "$name: passed"
  else
    fail "$name: Escape after an answered dialog or a screenshot was lost"
  fi
}

after_dialog_case after-dialog "$fixtures/three-top-level.pdf"
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
