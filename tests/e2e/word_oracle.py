#!/usr/bin/env python3
"""Compares the words list-words reports on a page with pdftotext's.

usage: word_oracle.py MANUAL LISTING PAGE...   (LISTING: list-words output)

For each page, pdftotext -bbox gives the words a reader shows; list-words gives the
words of the viewer's finder, of which only those whose box centre lies in the crop box
are kept (pdftotext leaves out what stands outside the page). pdftotext's words are
put the way the finder writes them before counting: combining accents composed (the
finder composes an accent glyph drawn over a letter); characters the host's 8-bit
encoding lacks become what the finder makes of them (ligatures spelt out, '?'
otherwise), and leading opening punctuation is a word of its own, as the finder
reports it. The words are compared as multisets of their texts (see matched_count):
the share of pdftotext's words that the finder reports too. Prints one line per page and the share
over all pages; exits 1 when a page's share is below 0.95.
"""
import collections
import html
import re
import subprocess
import sys
import unicodedata

OPENERS = set("([{<\"'`\u00a1\u00ab\u00bf\u2018\u201a\u201c\u201e\u2039")
SPELT = {"\ufb00": "ff", "\ufb01": "fi", "\ufb02": "fl", "\ufb03": "ffi", "\ufb04": "ffl",
         "\ufb05": "st", "\ufb06": "st", "\u2010": "-", "\u2011": "-", "\u2212": "-",
         "\u2044": "/", "\u2215": "/", "\u2217": "*", "\u0131": "i", "\u0237": "j",
         "\u0141": "L", "\u0142": "l", "\u2423": "_"}
THRESHOLD = 0.95


def host_form(text):
    out = []
    for ch in text:
        try:
            ch.encode("cp1252")
            out.append(ch)
        except UnicodeEncodeError:
            out.append(SPELT.get(ch, "?"))
    return "".join(out)


def split_leading(word):
    words = []
    while word and word[0] in OPENERS:
        words.append(word[0])
        word = word[1:]
    if word:
        words.append(word)
    return words


def reader_words(manual, page):
    """pdftotext's words in its order, each (text, box) with box (xMin, yMin, xMax, yMax)."""
    out = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), manual, "-"],
                         capture_output=True, text=True, check=True).stdout
    words = []
    for attrs, raw in re.findall(r"<word ([^>]*)>(.*?)</word>", out):
        box = tuple(float(v) for v in re.findall(r'"([-0-9.]+)"', attrs)[:4])
        text = host_form(unicodedata.normalize("NFC", html.unescape(raw)))
        for part in text.split():
            words.extend((piece, box) for piece in split_leading(part))
    return words


def touching(a, b):
    """b follows a on its line with nothing between them (or both are pieces of one word)."""
    if a == b:
        return True
    return -0.5 <= b[0] - a[2] <= 1.0 and min(a[3], b[3]) > max(a[1], b[1])


def matched_count(expected, found):
    """pdftotext's words found among the finder's: equal texts first; then runs of up to
    four touching words of pdftotext's whose texts together make one of the finder's
    words, since pdftotext also splits at changes of font where nothing separates the
    pieces, and the finder splits only at blanks, gaps, lines and changes of size."""
    left = collections.Counter(found)
    done = [False] * len(expected)
    for i, (text, _) in enumerate(expected):
        if left[text] > 0:
            left[text] -= 1
            done[i] = True
    for i in range(len(expected)):
        if done[i]:
            continue
        text = expected[i][0]
        for j in range(i + 1, min(i + 4, len(expected))):
            if done[j] or not touching(expected[j - 1][1], expected[j][1]):
                break
            text += expected[j][0]
            if left[text] > 0:
                left[text] -= 1
                for k in range(i, j + 1):
                    done[k] = True
                break
    return sum(done), [t for (t, _), d in zip(expected, done) if not d]


def finder_words(listing):
    boxes, words = {}, collections.defaultdict(list)
    with open(listing, encoding="utf-8", errors="replace") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "page":
                boxes[int(fields[1])] = [float(v) for v in fields[2:6]]
            elif fields[0] == "word" and len(fields) >= 7:
                page = int(fields[1])
                left, bottom, right, top = (float(v) for v in fields[2:6])
                llx, lly, urx, ury = boxes[page]
                x, y = (left + right) / 2, (bottom + top) / 2
                if llx <= x <= urx and lly <= y <= ury:
                    words[page].append(fields[6])
    return words


def main():
    manual, listing, pages = sys.argv[1], sys.argv[2], [int(p) for p in sys.argv[3:]]
    found_by_page = finder_words(listing)
    total = matched = 0
    failed = False
    for page in pages:
        expected = reader_words(manual, page)
        both, missing = matched_count(expected, found_by_page.get(page, []))
        count = len(expected)
        share = both / count if count else 1.0
        total += count
        matched += both
        print(f"page {page}: {both}/{count} ({share:.1%})" + (f" missing {missing[:8]}" if missing else ""))
        if share < THRESHOLD:
            failed = True
    print(f"all: {matched}/{total} ({matched / total if total else 1:.1%})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
