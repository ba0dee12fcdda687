#!/usr/bin/env bash
# The plug-in finds its folder through the "App Paths" key that its installer writes.
# Runs registry/key-absent.tvs with the key deleted and registry/key-without-value.tvs
# with the key holding no value, in the build's wine prefix, and puts the key back as
# it was afterwards, whatever happens. Other tests must not run meanwhile.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-env.sh"
key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Tessaly.api'
saved=$(mktemp -d)
reg() { "$WINE64" reg "$@" >/dev/null 2>&1; }
# reg starts the prefix's server and desktop without a display; the viewer must find
# them gone, so that its own start brings them up on its X server.
settle() { "$WINESERVER" -w; }

had_key=0
reg export "$key" "$saved/key.reg" /y && had_key=1
restore() {
  reg delete "$key" /f
  if [ "$had_key" -eq 1 ]; then
    reg import "$saved/key.reg" || echo "registry-install-key: could not restore $key" >&2
  fi
  settle
  rm -rf "$saved"
}
trap restore EXIT
# Interrupted or timed out, the key is still put back (and every build writes it again).
trap 'exit 130' INT TERM

source "$here/cases.sh"

settle
reg delete "$key" /f
settle
run_case "$here/registry" key-absent

reg add "$key" /f && reg delete "$key" /ve /f
settle
run_case "$here/registry" key-without-value

exit "$failures"
