#!/usr/bin/env bash
# The settings file the main dialog writes on its own: "&Close" and "Save Settings"
# write the current settings file (the installed Default.ppf until another is loaded
# or saved), Escape and the close box write nothing.
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=settings/common.sh
source "$here/settings/common.sh"

install_default "$shipped"
run_tvs close-writes-default close-writes-default &&
  check_bytes close-writes-default "$installed" close-writes-default.ppf &&
  passed close-writes-default

install_default "$shipped"
run_tvs escape-writes-nothing escape-writes-nothing &&
  check_untouched escape-writes-nothing "$installed" "$shipped" &&
  passed escape-writes-nothing

install_default "$shipped"
run_tvs save-writes-default save-writes-default &&
  check_bytes save-writes-default "$installed" save-writes-default.ppf &&
  passed save-writes-default

install_default "$shipped"
run_tvs cancelled-dialogs cancelled-dialogs &&
  check_bytes cancelled-dialogs "$installed" cancelled-dialogs.ppf &&
  passed cancelled-dialogs

rm -f "$installed"
run_tvs missing-default missing-default &&
  check_bytes missing-default "$installed" default.ppf &&
  passed missing-default

install_default "$shipped"
use_input close-current.ppf
save_to close-after-save-as.saved.ppf
if run_tvs close-writes-current-file close-writes-current-file; then
  check_bytes close-after-load "$SETTINGS_INPUT" close-after-load.ppf && passed close-after-load
  check_bytes close-after-save-as "$SETTINGS_SAVED" close-after-save-as.ppf &&
    passed close-after-save-as
  check_untouched close-leaves-default "$installed" "$shipped" && passed close-leaves-default
fi

finish
