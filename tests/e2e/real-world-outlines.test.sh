#!/usr/bin/env bash
# Manuals that nobody here wrote (from Debian's documentation packages) open in the
# plug-in's tree with the outline qpdf reports: every title, its nesting and its page
# range; named destinations that qpdf leaves unresolved are checked against the page
# text. Exit 77 (skipped) when none of the manuals is installed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
manuals=(
  /usr/share/doc/gnuplot/gnuplot.pdf        # gnuplot-doc: LaTeX, five levels, UTF-16 titles
  /usr/share/doc/asymptote/asymptote.pdf    # asymptote-doc: Texinfo, three levels
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
ran=0
for manual in "${manuals[@]}"; do
  if [ ! -r "$manual" ]; then
    echo "not installed: $manual"
    continue
  fi
  name=$(basename "$manual" .pdf)
  listing="$work/$name.tree"
  if ! counts=$(python3 "$here/outline_oracle.py" "$manual" "$listing" --check-pages 40); then
    echo "FAILED: $manual: the expected tree cannot be worked out"
    failures=$((failures + 1))
    continue
  fi
  read -r pages items <<<"$counts"
  cat >"$work/$name.tvs" <<SCRIPT
open $manual
menu Extensions &Tessaly
wait-window "Tessaly 1.16"
expect-no-box
expect-text 1081 "Pg 0/$pages"
expect-tree-count $items
expect-tree-file $listing
key escape
wait-gone
SCRIPT
  ran=$((ran + 1))
  if "$here/run-script.sh" "$work/$name.tvs"; then
    echo "$name: $items bookmarks over $pages pages as qpdf reports them"
  else
    echo "FAILED: $manual"
    failures=$((failures + 1))
  fi
done
[ "$ran" -eq 0 ] && [ "$failures" -eq 0 ] && exit 77
exit "$failures"
