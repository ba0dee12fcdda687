#!/usr/bin/env bash
# Runs one end-to-end script in the staged viewer; its exit code is the test's result.
# Each test gets its own Xvfb server; the wine prefix of the build folder is shared.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
script=$1
shift
export TESSALY_XVFB=1
export TESSALY_FIXTURES="$TESSALY_BUILD/fixtures"
mkdir -p "$TESSALY_BUILD/e2e-out"
export TESSALY_OUT="$TESSALY_BUILD/e2e-out"
# TESSALY_FRESH_SETTINGS=1: the run starts from the shipped Default.ppf and Default.ban,
# whatever an earlier run's "&Close", or a test killed before its clean-up, left
# installed.
if [ "${TESSALY_FRESH_SETTINGS:-}" = 1 ]; then
  cp "$here/../../plugin/data/Default.ppf" "$here/../../plugin/data/Default.ban" \
    "$TESSALY_BUILD/stage/viewer/plug_ins/"
fi
args=()
# A script may name extra viewer options on a first line of the form "#! --opt value ...".
first=$(head -n 1 "$script")
if [[ $first == '#!'* ]]; then
  read -r -a args <<<"${first#\#!}"
fi
exec "$here/../../scripts/run-viewer.sh" "${args[@]}" "$@" --script "$script"
