# shellcheck shell=bash
# Sourced by the shell tests that run several scripts of a folder: each case is one
# script, and says by name whether it passed; `failures` counts those that did not.
failures=0
# Every run starts from the shipped Default.ppf and Default.ban (run-script.sh), unless
# the test installs settings files of its own and says so with TESSALY_FRESH_SETTINGS=0.
export TESSALY_FRESH_SETTINGS="${TESSALY_FRESH_SETTINGS:-1}"
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

# fail WHY: counts a failure found after a case ran.
fail() {
  echo "FAILED: $1"
  failures=$((failures + 1))
}

# needs_tools TOOL...: the test fails at once when one of them is missing: the
# project's scripts/install-deps.sh installs them all.
needs_tools() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null ||
      { echo "FAILED: $tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
  done
}

# fresh_output NAME: prints the path of an empty folder for the test's output.
fresh_output() {
  local folder="$TESSALY_BUILD/e2e-out/$1"
  rm -rf "$folder"
  mkdir -p "$folder"
  echo "$folder"
}

# large_document: the path of a document of 20000 pages in a mix of sizes and 16384
# bookmarks, made by the project's generator once per build (again when it is newer).
large_document() {
  local document="$TESSALY_BUILD/e2e-out/large.pdf"
  local generator="$TESSALY_BUILD/native/tools/make-big-document"
  if [ ! -s "$document" ] || [ "$generator" -nt "$document" ]; then
    "$generator" "$document" >/dev/null || { rm -f "$document"; return 1; }
  fi
  echo "$document"
}
