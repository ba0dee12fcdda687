#!/usr/bin/env bash
# Builds everything, then runs every test: the native unit tests and the end-to-end
# tests that drive the viewer and the plug-in under wine. A test must leave the source
# tree as it found it (a settings file loaded from it and saved back by "&Close", say):
# the run fails when the tree differs afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TESSALY_BUILD=${TESSALY_BUILD:-$root/build}
"$root/scripts/build.sh"
# The tree's state: what differs from the last commit, and the files git does not know.
tree_state() {
  git -C "$root" diff HEAD --binary 2>/dev/null
  git -C "$root" ls-files --others --exclude-standard 2>/dev/null
}
before=$(tree_state | sha256sum)
cd "$TESSALY_BUILD"
status=0
ctest --output-on-failure "$@" || status=$?
if [ "$(tree_state | sha256sum)" != "$before" ]; then
  echo "FAILED: the tests changed the source tree:" >&2
  git -C "$root" status --short >&2
  status=1
fi
exit "$status"
