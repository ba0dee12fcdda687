#!/usr/bin/env bash
# The viewer's word finder (through the native list-words tool, no viewer started) over
# real manuals and over the test fixtures: every fixture the viewer opens is read whole,
# and on a sample of pages of each manual the words it reports inside the page agree
# with pdftotext's.
#
# The comparison (word_oracle.py): pdftotext -bbox reports the words a reader shows, so
# only the finder's words whose box centre lies in the crop box count. pdftotext's words
# are first put the way the finder writes text (the host's 8-bit encoding, ligatures
# spelt out, combining accents composed, leading opening punctuation split off as a
# word of its own; a word the finder reports again over itself counts once), and both
# sides are then compared as multisets of texts: on each sampled page at least 95% of
# pdftotext's words must be among the finder's, and at most 5% of the finder's may be
# words pdftotext does not report. Order and positions are left out, since the two read
# a page in different orders (content order against reading order). A manual that is
# not installed fails it (scripts/install-deps.sh installs them).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
tool=$TESSALY_BUILD/native/tools/list-words
manuals=(
  /usr/share/doc/gnuplot/gnuplot.pdf        # gnuplot-doc: LaTeX, Type 1 fonts with ToUnicode maps
  /usr/share/doc/asymptote/asymptote.pdf    # asymptote-doc: Texinfo, /Differences without ToUnicode
)
samples_per_manual=15
if [ ! -x "$tool" ]; then
  echo "FAILED: no $tool"
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Every fixture is read to its end and lists each of its pages (as many as qpdf counts).
# Only the fixtures the viewer refuses to open (damaged-documents.test.sh) may not be
# read: each is answered with exit 1 and a message, never a crash.
unreadable=" damaged-encrypted damaged-no-xref damaged-truncated "
for fixture in "$TESSALY_BUILD"/fixtures/*.pdf; do
  [ -e "$fixture" ] || continue
  name=$(basename "$fixture" .pdf)
  "$tool" "$fixture" >"$work/fixture.words" 2>"$work/fixture.err"
  rc=$?
  if [[ $unreadable == *" $name "* ]]; then
    if [ "$rc" -ne 1 ] || [ ! -s "$work/fixture.err" ]; then
      echo "FAILED: $fixture: exit $rc, not 1 with a message, for a file that cannot be opened"
      failures=$((failures + 1))
    fi
  elif [ "$rc" -ne 0 ]; then
    echo "FAILED: $fixture: exit $rc: $(head -c 200 "$work/fixture.err")"
    failures=$((failures + 1))
  elif [ "$(grep -c '^page' "$work/fixture.words")" != "$(qpdf --show-npages "$fixture" 2>/dev/null)" ]; then
    echo "FAILED: $fixture: $(grep -c '^page' "$work/fixture.words") pages listed, qpdf counts $(qpdf --show-npages "$fixture" 2>/dev/null)"
    failures=$((failures + 1))
  fi
done

for manual in "${manuals[@]}"; do
  if [ ! -r "$manual" ]; then
    echo "FAILED: not installed: $manual (scripts/install-deps.sh installs it)"
    failures=$((failures + 1))
    continue
  fi
  name=$(basename "$manual" .pdf)
  listing="$work/$name.words"
  if ! "$tool" "$manual" >"$listing"; then
    echo "FAILED: $manual: list-words failed"
    failures=$((failures + 1))
    continue
  fi
  pages=$(pdfinfo "$manual" | awk '/^Pages:/ { print $2 }')
  listed=$(grep -c '^page' "$listing")
  if [ "$listed" != "$pages" ]; then
    echo "FAILED: $manual: $listed of $pages pages listed"
    failures=$((failures + 1))
  fi
  # Evenly spread pages, the first and the last among them.
  sample=$(awk -v n="$pages" -v k="$samples_per_manual" \
    'BEGIN { for (i = 0; i < k; i++) { p = 1 + int(i * (n - 1) / (k - 1)); if (!(p in s)) { s[p]; print p } } }')
  # shellcheck disable=SC2086
  if python3 "$here/word_oracle.py" "$manual" "$listing" $sample >"$work/$name.report"; then
    echo "$name: $(tail -n 1 "$work/$name.report")"
  else
    cat "$work/$name.report"
    echo "FAILED: $manual: the finder's words differ from pdftotext's"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
