#!/usr/bin/env bash
# Banner settings files (".ban"): what the Banner Options dialog saves, byte for byte,
# and the installed Default.ban that the main dialog's "&Close" writes.
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=settings/common.sh
source "$here/settings/common.sh"

# A font the machine has, as the viewer names it, for the font list.
export BANNER_SYSTEM_FONT=${BANNER_SYSTEM_FONT:-LiberationSans}

mkdir -p "$work/banner"
install_default "$shipped"
cp "$root_dir/plugin/data/Default.ban" "$installed_banner"
: >"$work/locked.ban"
make_unwritable "$work/locked.ban" || failed banner-options "cannot make locked.ban unwritable"
if run_tvs banner-options banner-options; then
  check_bytes banner-red "$work/red.ban" banner/red.ban && passed banner-red
  check_bytes banner-cancelled "$work/cancelled.ban" banner/cancelled.ban &&
    passed banner-cancelled
fi

cp "$root_dir/plugin/data/Default.ban" "$installed_banner"
run_tvs banner-close banner-close &&
  check_bytes banner-close "$installed_banner" banner/blue-as-written.ban && passed banner-close

finish
