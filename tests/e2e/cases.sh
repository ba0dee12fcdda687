# shellcheck shell=bash
# Sourced by the shell tests that run several scripts of a folder: each case is one
# script, and says by name whether it passed; `failures` counts those that did not.
failures=0
# run_case FOLDER NAME: runs FOLDER/NAME.tvs in the staged viewer.
run_case() {
  local folder=$1 name=$2
  if "$(dirname "${BASH_SOURCE[0]}")/run-script.sh" "$folder/$name.tvs"; then
    echo "$name: passed"
  else
    echo "FAILED: $name"
    failures=$((failures + 1))
  fi
}
