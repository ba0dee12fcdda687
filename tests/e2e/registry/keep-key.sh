# shellcheck shell=bash
# Sourced by the registry-* tests, which change the build's wine prefix: `keep_key KEY`
# saves a key and puts it back as it was when the test ends, whatever happens (a key
# that was not there is deleted again). `reg` runs the prefix's reg quietly; `settle`
# waits for the prefix's server to end, so that the viewer's own start brings it and
# its desktop up on the viewer's X server.
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
reg() { "$WINE64" reg "$@" >/dev/null 2>&1; }
settle() { "$WINESERVER" -w; }

keep_key() {
  kept_key=$1
  kept_copy=$(mktemp -d)
  had_kept_key=0
  reg export "$kept_key" "$kept_copy/key.reg" /y && had_kept_key=1
  trap put_key_back EXIT
  # Interrupted or timed out, the key is still put back.
  trap 'exit 130' INT TERM
}

put_key_back() {
  reg delete "$kept_key" /f
  if [ "$had_kept_key" -eq 1 ]; then
    reg import "$kept_copy/key.reg" || echo "$(basename "$0"): could not restore $kept_key" >&2
  fi
  settle
  rm -rf "$kept_copy"
}
