#!/usr/bin/env bash
# "Save Settings As" writes the settings file byte for byte: one "KEY;value" line per
# value in a fixed order, CR LF line ends, flags only when on, integers with their sign.
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=settings/common.sh
source "$here/settings/common.sh"

# The shipped Default.ppf leaves the page-sizes file to the installation folder: the
# eight lines of a dialog with every value at its default.
open_case default "$shipped" default.ppf off off off Example && passed default

# Every flag named, in another order than the writer's: all twenty lines come out,
# in the writer's order.
load_case every-flag on on on Chapter

load_case negative-integer off off off Example

# Blanks and a sign before the digits are read; the sign is written only when negative.
load_case integer-blanks-and-sign off off off Example

# An existing file is replaced without a question, and no byte of it is left.
head -c 2000 /dev/zero | tr '\0' 'x' >"$work/replace-existing.saved.ppf"
open_case replace-existing "$shipped" default.ppf off off off Example &&
  passed replace-existing

finish
