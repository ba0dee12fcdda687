#!/usr/bin/env bash
# A settings file that cannot be written is refused with "Can't save to :" and its path,
# and stays as it was.
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=settings/common.sh
source "$here/settings/common.sh"
install_default "$shipped"

# The save dialog takes a name in a folder that does not exist; the file cannot be
# created there.
save_to no-such-folder/settings.ppf
run_tvs save-as-missing-folder unwritable-save-as && {
  if [ -e "$work/no-such-folder" ]; then
    failed save-as-missing-folder "$work/no-such-folder was created"
  else
    passed save-as-missing-folder
  fi
}

# An existing file that cannot be written.
use_input unwritable.ppf
cp -p "$SETTINGS_INPUT" "$work/unwritable.copy"
if ! make_unwritable "$SETTINGS_INPUT"; then
  failed save-as-read-only-file "no file can be made unwritable here"
else
  save_to unwritable.ppf
  run_tvs save-as-read-only-file unwritable-save-as &&
    check_untouched save-as-read-only-file "$SETTINGS_INPUT" "$work/unwritable.copy" &&
    passed save-as-read-only-file

  # "Save Settings" writes to the file loaded last: here it cannot.
  export SETTINGS_INPUT_WIN
  SETTINGS_INPUT_WIN=$(winpath "$SETTINGS_INPUT")
  save_to kept-after-refusal.saved.ppf
  run_tvs save-read-only-file unwritable-save &&
    check_untouched save-read-only-file "$SETTINGS_INPUT" "$work/unwritable.copy" &&
    check_bytes save-read-only-file "$SETTINGS_SAVED" kept-after-refusal.ppf &&
    passed save-read-only-file
fi

check_untouched refusals-leave-default "$installed" "$shipped" && passed refusals-leave-default
finish
