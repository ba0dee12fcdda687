# shellcheck shell=bash
# Sourced by the banner tests (after cases.sh): documents the scripts saved into
# $BANNERS_OUT, read back with qpdf, pdftotext and pdfinfo.

# saved_case FOLDER NAME: runs FOLDER/NAME.tvs; the document it saved as NAME.pdf must
# pass qpdf --check.
saved_case() {
  local before=$failures
  run_case "$1" "$2"
  [ "$failures" -eq "$before" ] || return 1
  qpdf --check "$BANNERS_OUT/$2.pdf" >/dev/null 2>&1 || { fail "$2: qpdf --check finds faults"; return 1; }
}

# page_text NAME N: the text of page N of the saved document, one line a row.
page_text() {
  pdftotext -f "$2" -l "$2" -layout "$BANNERS_OUT/$1.pdf" - 2>/dev/null | tr -d '\f' |
    sed 's/^ *//; s/ *$//' | grep -v '^$'
}

# expect_page NAME N LINE...: page N reads exactly these lines.
expect_page() {
  local name=$1 page=$2 got wanted
  shift 2
  got=$(page_text "$name" "$page")
  wanted=$(printf '%s\n' "$@")
  [ "$got" = "$wanted" ] || fail "$name: page $page reads [${got//$'\n'/|}], not [${wanted//$'\n'/|}]"
}

# page_content NAME N: page N's content streams and resources, uncompressed.
page_content() {
  qpdf "$BANNERS_OUT/$1.pdf" --pages . "$2" -- --qdf --object-streams=disable - 2>/dev/null
}

# page_holds NAME N TEXT: page N's content or resources hold TEXT.
page_holds() { page_content "$1" "$2" | grep -aF -- "$3" >/dev/null; }

# word_box NAME N WORD: "xMin yMin xMax yMax" of the word on page N (top-down y).
word_box() {
  pdftotext -f "$2" -l "$2" -bbox "$BANNERS_OUT/$1.pdf" - 2>/dev/null |
    awk -v w="$3" -F'"' 'index($0, "<word") && index($0, ">" w "</word>") { print $2, $4, $6, $8; exit }'
}

# near A B: the two numbers are at most 2 apart.
near() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d <= 2 && d >= -2) }'; }

# media_box NAME N: the media box of page N of the saved document, as pdfinfo says it.
media_box() { pdfinfo -f "$2" -l "$2" -box "$BANNERS_OUT/$1.pdf" | awk '/MediaBox:/ { print $4, $5, $6, $7 }'; }
