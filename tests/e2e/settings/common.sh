# shellcheck shell=bash
# Sourced by the settings-*.test.sh scripts. Each case runs the staged viewer once with
# a script of this folder and says by name whether it passed. The installed
# Default.ppf and Default.ban, which every opening of the main dialog loads and
# "&Close" rewrites, are the shipped ones when the test starts and again when it ends.
set -uo pipefail
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
settings_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_dir=$(dirname "$settings_dir")
root_dir=$(cd "$e2e_dir/../.." && pwd)
# shellcheck source=/dev/null
source "$root_dir/scripts/wine-env.sh"

plug_ins="$TESSALY_BUILD/stage/viewer/plug_ins"
installed="$plug_ins/Default.ppf"
shipped="$root_dir/plugin/data/Default.ppf"
if [ ! -f "$installed" ]; then
  echo "FAILED: nothing is staged: $installed does not exist"
  exit 1
fi

test_name=$(basename "$0" .test.sh)
# Kept after the run, so that a failure can be looked into.
work="$TESSALY_BUILD/e2e-out/$test_name"
unwritable_files=()
if [ -d "$work" ]; then
  command -v chattr >/dev/null && chattr -R -i "$work" 2>/dev/null
  chmod -R u+w "$work"
  rm -rf "$work"
fi
mkdir -p "$work"

# "&Close" writes the banner settings back to the installed Default.ban too. The test
# starts from the shipped files, whatever a test killed before its clean-up left, and
# puts them back when it ends.
installed_banner="$plug_ins/Default.ban"
shipped_banner="$root_dir/plugin/data/Default.ban"
cp "$shipped" "$installed"
cp "$shipped_banner" "$installed_banner"
restore_installed() {
  cp "$shipped" "$installed" || echo "$test_name: could not restore $installed" >&2
  cp "$shipped_banner" "$installed_banner" ||
    echo "$test_name: could not restore $installed_banner" >&2
  local file
  for file in "${unwritable_files[@]}"; do
    chattr -i "$file" 2>/dev/null
    chmod u+w "$file" 2>/dev/null
  done
}
trap restore_installed EXIT
trap 'exit 130' INT TERM

# What the scripts of this folder see.
export SETTINGS_WORK="$work"
SETTINGS_WORK_WIN=$(winpath "$work")
export SETTINGS_WORK_WIN
SETTINGS_INSTALLED=$installed
SETTINGS_INSTALLED_WIN=$(winpath "$installed")
export SETTINGS_INSTALLED SETTINGS_INSTALLED_WIN
plug_ins_win=$(winpath "$plug_ins")

failures=0
passed() { echo "$1: passed"; }
failed() {
  echo "FAILED: $1: $2"
  failures=$((failures + 1))
}

# Exit code for ctest: 0 when every case passed.
finish() {
  if [ "$failures" -eq 0 ]; then
    echo "$test_name: all cases passed"
    exit 0
  fi
  echo "$test_name: $failures case(s) failed"
  exit 1
}

install_default() { cp "$1" "$installed"; }

# The file a case saves to, in Linux and Windows form, for the scripts.
save_to() {
  export SETTINGS_SAVED="$work/$1"
  # Not through winpath: the file's folder need not exist.
  export SETTINGS_SAVED_WIN="$SETTINGS_WORK_WIN\\${1//\//\\}"
}

# An input file of this folder, copied into the work folder (so that nothing a case
# does can write into the sources); sets SETTINGS_INPUT to the copy.
use_input() {
  cp "$settings_dir/input/$1" "$work/$1"
  export SETTINGS_INPUT="$work/$1"
}

# Runs SCRIPT.tvs for case NAME; on failure says where the script stopped.
run_tvs() {
  local name=$1 script=$2
  local log="$work/$name.log"
  if "$e2e_dir/run-script.sh" "$settings_dir/$script.tvs" >"$log" 2>&1; then
    return 0
  fi
  failed "$name" "the script stopped: $(grep -m1 "\.tvs:[0-9]*:" "$log" || tail -n 3 "$log")"
  return 1
}

# The expected file NAME of this folder with the installation folder filled in.
expected_file() {
  local out="$work/$1.expected"
  PLUG_INS_WIN="$plug_ins_win" perl -pe 's/\@PLUGINS\@/$ENV{PLUG_INS_WIN}/g' \
    <"$settings_dir/expected/$1" >"$out"
  printf '%s' "$out"
}

# Case NAME passes when FILE holds exactly the bytes of expected file EXPECTED.
check_bytes() {
  local name=$1 file=$2 expected
  expected=$(expected_file "$3")
  if [ ! -f "$file" ]; then
    failed "$name" "$file was not written"
    return 1
  fi
  same_bytes "$name" "$file" "$expected" "differs from $expected"
}

# Case NAME passes when FILE is byte for byte the same as COPY.
check_untouched() {
  same_bytes "$1" "$2" "$3" "was changed"
}

# same_bytes NAME FILE REFERENCE WHAT: case NAME fails, showing both with their line
# ends, unless FILE holds exactly the bytes of REFERENCE.
same_bytes() {
  local name=$1 file=$2 reference=$3 what=$4
  cmp -s "$file" "$reference" && return 0
  failed "$name" "$file $what:"
  diff <(cat -A "$reference") <(cat -A "$file") | sed 's/^/    /'
  return 1
}

# Makes FILE impossible to write for the viewer. Root writes read-only files all the
# same, so root makes it immutable instead.
make_unwritable() {
  unwritable_files+=("$1")
  if [ "$(id -u)" -eq 0 ]; then
    chattr +i "$1" 2>/dev/null || return 1
  else
    chmod a-w "$1"
  fi
  # Opening it to append nothing must fail now.
  ! { : >>"$1"; } 2>/dev/null
}

# Width and height of a PNG picture.
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ printf "%d %d", ((($1*256+$2)*256+$3)*256+$4), ((($5*256+$6)*256+$7)*256+$8) }'
}

# The states the scripts expect of the main dialog's controls that hold settings:
# auto expand (also whether the tree is expanded), silent print, print index, and the
# text of "Select all with text".
expect_controls() {
  export SETTINGS_AUTO_EXPAND=$1 SETTINGS_SILENT_PRINT=$2 SETTINGS_PRINT_INDEX=$3
  export SETTINGS_SELECT_TEXT=$4
  if [ "$1" = on ]; then
    export SETTINGS_TREE_EXPANDED=all
  else
    export SETTINGS_TREE_EXPANDED=none
  fi
}

# Case NAME: the dialog opens with the shipped settings, "Load Settings" reads
# input/NAME.ppf, the controls show AUTO SILENT INDEX TEXT (see expect_controls), and
# "Save Settings As" then writes exactly expected/NAME.ppf.
load_case() {
  local name=$1
  shift
  install_default "$shipped"
  use_input "$name.ppf"
  save_to "$name.saved.ppf"
  expect_controls "$@"
  run_tvs "$name" load-and-save &&
    check_bytes "$name" "$SETTINGS_SAVED" "$name.ppf" &&
    passed "$name"
}

# Case NAME: the dialog opens with DEFAULT installed as Default.ppf, shows the controls
# given after EXPECTED (see expect_controls), and "Save Settings As" writes exactly
# expected/EXPECTED into NAME.saved.ppf (which may exist already). The dialog's picture
# as it opened is left in NAME.png; the caller says whether the case passed.
open_case() {
  local name=$1 default=$2 expected=$3
  shift 3
  install_default "$default"
  save_to "$name.saved.ppf"
  export SETTINGS_PICTURE="$work/$name.png"
  expect_controls "$@"
  run_tvs "$name" open-and-save &&
    check_bytes "$name" "$SETTINGS_SAVED" "$expected"
}
