#!/usr/bin/env bash
# Installs what the machine lacks, then configures and builds everything into ./build
# (or $TESSALY_BUILD): both plug-in builds, the viewer, the native tools and tests,
# and the staged installation.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${TESSALY_BUILD:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
