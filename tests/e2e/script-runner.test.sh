#!/usr/bin/env bash
# The script runner itself: a bad script is refused before anything runs (exit 2, every
# bad line named), and a failing step stops the run (exit 1, the line and why).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

cat >"$work/bad.tvs" <<'SCRIPT'
expect-plugin tessaly.api loaded
no-such-command 1
expect-pages many
SCRIPT
out=$("$here/run-script.sh" "$work/bad.tvs" 2>&1); code=$?
[ "$code" -eq 2 ] || fail "a bad script exits with $code, not 2"
grep -q "bad.tvs:2:" <<<"$out" || fail "the unknown command is not reported: $out"
grep -q "bad.tvs:3:" <<<"$out" || fail "the bad number is not reported: $out"
grep -q "plug-in tessaly.api" <<<"$out" && fail "the viewer ran a refused script: $out"

cat >"$work/failing.tvs" <<'SCRIPT'
expect-plugin tessaly.api loaded
timeout 2
expect-menu Extensions "&No such item" enabled
expect-plugin tessaly.api loaded
SCRIPT
out=$("$here/run-script.sh" "$work/failing.tvs" 2>&1); code=$?
[ "$code" -eq 1 ] || fail "a failing step exits with $code, not 1"
grep -q 'failing.tvs:3: expect-menu Extensions "&No such item" enabled: ' <<<"$out" ||
  fail "the failing line is not quoted with its reason: $out"

cat >"$work/good.tvs" <<'SCRIPT'
expect-plugin tessaly.api loaded
SCRIPT
"$here/run-script.sh" "$work/good.tvs" >/dev/null 2>&1 || fail "a passing script does not exit with 0"

[ "$failures" -eq 0 ] && echo "script runner: all checks passed"
exit "$failures"
