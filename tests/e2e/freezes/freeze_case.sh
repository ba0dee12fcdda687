# shellcheck shell=bash
# Sourced by freezes.test.sh (after cases.sh). freeze_case NAME OUT runs
# freezes/open-select-close.tvs over tests/fixtures/freezes/NAME.pdf and leaves the
# screenshot in OUT/NAME.png. The case fails when a step fails or times out, when the
# viewer has to be ended because it did not exit when asked, or when the whole run
# hangs (a user-interface thread that never answers blocks the script runner itself).
freeze_case() {
  local name=$1 out=$2 code log
  local folder
  folder=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  log="$out/$name.log"
  # A page given up after 2 s comes well within the steps' timeouts.
  FREEZE_PDF="$folder/../../fixtures/freezes/$name.pdf" FREEZE_PICTURE="$out/$name.png" \
    TESSALY_RENDER_LIMIT_MS=2000 \
    timeout --kill-after=10 120 "$folder/../run-script.sh" "$folder/open-select-close.tvs" \
    >"$log" 2>&1
  code=$?
  cat "$log"
  if [ "$code" -eq 124 ] || [ "$code" -eq 137 ]; then
    fail "$name: the viewer hung and was ended after 120 s"
  elif [ "$code" -ne 0 ]; then
    fail "$name: the script failed (exit $code)"
  elif grep -q "had not exited" "$log"; then
    fail "$name: the viewer did not exit when asked"
  else
    echo "$name: passed"
  fi
}
