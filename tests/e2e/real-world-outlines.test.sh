#!/usr/bin/env bash
# Manuals that nobody here wrote (from Debian's documentation packages) open in the
# plug-in's tree with the outline qpdf reports: every title (decoded, in the host's
# encoding), its nesting and its page range; named destinations that qpdf leaves
# unresolved are checked against the page text. The Japanese manual runs with the
# viewer in a Japanese locale (Wine's ANSI code page 932), and "Select all with text"
# finds a Japanese word there (build/e2e-out/japanese-manual-tree.png shows the tree).
# A manual that is not installed fails it (scripts/install-deps.sh installs them).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
amc=/usr/share/doc/auto-multiple-choice
# path|locale|Python codec of the ANSI code page
manuals=(
  "/usr/share/doc/gnuplot/gnuplot.pdf||cp1252"      # gnuplot-doc: LaTeX, five levels, UTF-16 titles
  "/usr/share/doc/asymptote/asymptote.pdf||cp1252"  # asymptote-doc: Texinfo, three levels
  # auto-multiple-choice-doc-pdf: accented and Japanese titles in UTF-16
  "$amc/auto-multiple-choice.fr.pdf||cp1252"
  "$amc/auto-multiple-choice.ja.pdf|ja_JP.UTF-8|cp932"
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A Japanese locale for Wine, built once into the build folder (no package needed).
japanese_locale() {
  local dir="$TESSALY_BUILD/locales"
  [ -d "$dir/ja_JP.UTF-8" ] || { mkdir -p "$dir" && localedef -i ja_JP -f UTF-8 "$dir/ja_JP.UTF-8"; } || return 1
  echo "$dir"
}

for entry in "${manuals[@]}"; do
  IFS='|' read -r manual locale encoding <<<"$entry"
  if [ ! -r "$manual" ]; then
    echo "FAILED: not installed: $manual (scripts/install-deps.sh installs it)"
    failures=$((failures + 1))
    continue
  fi
  name=$(basename "$manual" .pdf)
  listing="$work/$name.tree"
  if ! counts=$(python3 "$here/outline_oracle.py" "$manual" "$listing" --check-pages 40 --encoding "$encoding"); then
    echo "FAILED: $manual: the expected tree cannot be worked out"
    failures=$((failures + 1))
    continue
  fi
  read -r pages items <<<"$counts"
  cat >"$work/$name.tvs" <<SCRIPT
open $manual
menu Extensions &Tessaly
wait-window "Tessaly 1.16"
expect-no-box 0.5
expect-text 1081 "Pg 0/$pages"
expect-tree-count $items
expect-tree-file $listing
SCRIPT
  environment=()
  if [ -n "$locale" ]; then
    if ! locales=$(japanese_locale); then
      echo "FAILED: $manual: no $locale locale can be built"
      failures=$((failures + 1))
      continue
    fi
    environment=(LANG="$locale" LC_ALL="$locale" LOCPATH="$locales")
    # The word for software, in the code page's bytes: its section is ticked, and the
    # tree's first item ("License") is not.
    python3 - "$work/$name.tvs" <<'PYTHON'
import sys
with open(sys.argv[1], "ab") as script:
    script.write("set-text 1078 ソフトウェア\nclick 1079\n".encode("cp932"))
    script.write("expect-tree ソフトウェア ticked\nexpect-tree ライセンス unticked\n".encode("cp932"))
    script.write(b"screenshot ${TESSALY_OUT}/japanese-manual-tree.png\n")
PYTHON
  fi
  export_file=""
  if [ "$name" = auto-multiple-choice.fr ]; then
    # Every bookmark ticked and exported: the export holds the accented titles in
    # Windows-1252.
    export_file="$work/$name.csv"
    # The page count shows that the tree's timer has taken every tick in: the pages
    # that the bookmarks' ranges cover.
    covered=$(LC_ALL=C grep -ao '(Pages\?: [0-9-]*)' "$listing" | tr -dc '0-9-\n' |
      awk -F- '{ last = NF > 1 ? $2 : $1; for (p = $1; p <= last; p++) seen[p] = 1 }
               END { print length(seen) }')
    printf 'check 1077 on\nexpect-text 1081 "Pg %s/%s"\ncommand 40051\nanswer-file %s\nanswer-box "Done." OK\n' \
      "$covered" "$pages" "$export_file" >>"$work/$name.tvs"
  fi
  printf 'key escape\nwait-gone\n' >>"$work/$name.tvs"
  if env "${environment[@]}" "$here/run-script.sh" "$work/$name.tvs"; then
    echo "$name: $items bookmarks over $pages pages as qpdf reports them${locale:+ (in $locale)}"
    if [ -n "$export_file" ]; then
      # Decoded once: a "grep -q" that stops reading early would break the pipe of a
      # decoder still writing, which pipefail reports as a missing title.
      exported=$(iconv -f cp1252 -t utf-8 "$export_file") || exported=""
      for title in "Prérequis" "Système d'exploitation"; do
        grep -qF -- "\"$title\"" <<<"$exported" || {
          echo "FAILED: $manual: the export does not hold \"$title\"; its first lines:"
          head -5 <<<"$exported"
          failures=$((failures + 1))
        }
      done
    fi
  else
    echo "FAILED: $manual"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
