#!/usr/bin/env bash
# Reading a settings file: keys are case-sensitive, ";" and line feeds cut a line into
# tokens (runs count as one, those in front are skipped), a flag is set by its key
# alone, an integer is its leading decimal number, a string is the second token, and
# a line longer than 254 characters is read in pieces of 254. Each case is seen in the
# controls and in the bytes "Save Settings As" writes afterwards.
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=settings/common.sh
source "$here/settings/common.sh"

# The size of the dialog as it opens with the shipped settings, and maximised.
install_default "$shipped"
normal_size=""
maximised_size=""
if run_tvs window-sizes window-sizes; then
  normal_size=$(png_size "$work/normal.png")
  maximised_size=$(png_size "$work/maximised.png")
  [ "$normal_size" != "$maximised_size" ] ||
    failed window-sizes "the dialog is as large maximised as it opens ($normal_size)"
fi

# Case NAME passes when the dialog opened maximised, as NAME.png shows it.
opened_maximised() {
  local name=$1 size
  [ -n "$maximised_size" ] || { failed "$name" "no maximised size to compare with"; return 1; }
  size=$(png_size "$work/$name.png")
  [ "$size" = "$maximised_size" ] && return 0
  failed "$name" "the dialog opened at $size, not maximised ($maximised_size; normal $normal_size)"
  return 1
}

# A Default.ppf of the one line STARTUPMAX;1 maximises the dialog as it opens; every
# other value is what a new dialog holds.
open_case startup-max-alone "$settings_dir/input/startup-max-alone.ppf" startup-max-alone.ppf \
  off off off Example && opened_maximised startup-max-alone && passed startup-max-alone

# Turned on by a loaded file and saved as the installed Default.ppf, it maximises the
# dialog at its next opening.
install_default "$shipped"
use_input startup-max-alone.ppf
export SETTINGS_PICTURE="$work/startup-max-next-opening.png"
run_tvs startup-max-next-opening startup-max-next-opening &&
  check_bytes startup-max-next-opening "$installed" startup-max-alone.ppf &&
  opened_maximised startup-max-next-opening && passed startup-max-next-opening

# Loaded again once the tree is built, AUTOEXPANDTREE opens the dialog expanded.
open_case auto-expand-at-opening "$settings_dir/input/auto-expand-at-opening.ppf" \
  auto-expand-at-opening.ppf on off off Example && passed auto-expand-at-opening

# A page-sizes file named in Default.ppf replaces the installation's.
open_case page-sizes-file-in-default "$settings_dir/input/page-sizes-file-in-default.ppf" \
  page-sizes-file-in-default.ppf off off off Example && passed page-sizes-file-in-default

# A line feed alone ends a line too, and the last line needs no line end; a flag's key
# needs no value.
load_case lf-line-ends off off on end

# The key alone sets a flag, whatever its value says.
load_case thumbs-one-zero off off off Example

# Separators in front of the key are skipped; a run of them separates key and value.
load_case leading-separators off off off Two

# Keys are upper case: the same words in lower or mixed case are not keys.
load_case lower-case-key off off off Example

# With no page sizes listed, the page size loaded stays as it was written.
load_case page-size-kept off off off Example

load_case select-text-empty off off off ""
load_case select-text-two-values off off off a

# An integer is its leading digits; no digits read as 0.
load_case font-size-12pt off off off Example
load_case font-size-x off off off Example

# The first 254 characters of a longer line are one line, the rest the next one; a
# line of exactly 254 characters leaves its line end as an empty line.
load_case long-lines off off off "$(printf 'L%.0s' {1..243})"

# A flag of the Setup dialog stays on when the next file loaded does not name it; the
# auto expand, print and blank-line flags go off.
install_default "$shipped"
use_input setup-flags-first.ppf
use_input setup-flags-second.ppf
save_to setup-flags-stick.saved.ppf
run_tvs setup-flags-stick setup-flags-stick &&
  check_bytes setup-flags-stick "$SETTINGS_SAVED" setup-flags-stick.ppf &&
  passed setup-flags-stick

finish
