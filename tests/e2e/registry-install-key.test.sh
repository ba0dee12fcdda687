#!/usr/bin/env bash
# The plug-in finds its folder through the "App Paths" key that its installer writes.
# Runs registry/key-absent.tvs with the key deleted and registry/key-without-value.tvs
# with the key holding no value, in the build's wine prefix, and puts the key back as
# it was afterwards, whatever happens. Other tests must not run meanwhile.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/registry/keep-key.sh"
key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Tessaly.api'
# Every build writes the key again too.
keep_key "$key"

source "$here/cases.sh"

# The key-absent script looks for what only a missing key does: with the key there,
# it fails.
settle
if "$here/run-script.sh" "$here/registry/key-absent.tvs" >/dev/null 2>&1; then
  fail "key-absent passes with the key present: it checks nothing the key changes"
fi
settle
reg delete "$key" /f || fail "the key could not be deleted"
reg query "$key" && fail "the key is still there after its deletion"
settle
run_case "$here/registry" key-absent

{ reg add "$key" /f && reg delete "$key" /ve /f; } || fail "the key could not be emptied"
settle
run_case "$here/registry" key-without-value

[ "$failures" -eq 0 ]
