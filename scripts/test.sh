#!/usr/bin/env bash
# Builds everything, then runs every test: the native unit tests and the end-to-end
# tests that drive the viewer and the plug-in under wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TESSALY_BUILD=${TESSALY_BUILD:-$root/build}
"$root/scripts/build.sh"
cd "$TESSALY_BUILD"
ctest --output-on-failure "$@"
