#!/usr/bin/env bash
# run-fuzzer.sh FUZZER SEEDS WORK [DICT]: fuzzes for a bounded time over a fresh copy of
# the seed corpus in WORK (the repository's seeds are never written to). Fails on any
# crash, leak, sanitizer report or timeout; what libFuzzer wrote stays in WORK.
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 dict=${4:-}
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp "$seeds"/* "$work/corpus/"
options=(-max_total_time="${FUZZ_SECONDS:-20}" -rss_limit_mb=2048 -timeout=10
         -print_final_stats=1 -artifact_prefix="$work/artifacts/")
[[ -n "$dict" ]] && options+=(-dict="$dict")
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
"$fuzzer" "${options[@]}" "$work/corpus" || status=$?
if (( status != 0 )); then
  echo "run-fuzzer: $(basename "$fuzzer") failed (exit $status); inputs in $work/artifacts" >&2
  exit 1
fi
