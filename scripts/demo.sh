#!/usr/bin/env bash
# The main job on the bundled sample: builds everything, opens the sample manual in the
# viewer (under Xvfb when there is no display), chooses "&Tessaly" from "Extensions"
# and leaves a screenshot of the plug-in's dialog over the document in build/demo/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TESSALY_BUILD=${TESSALY_BUILD:-$root/build}
"$root/scripts/build.sh"
mkdir -p "$TESSALY_BUILD/demo"
"$root/scripts/run-viewer.sh" --script "$root/scripts/demo.tvs"
echo "demo: screenshots in $TESSALY_BUILD/demo/"
