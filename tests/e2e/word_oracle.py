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
reports it. A word the finder reports again over itself (a shadow, a fake bold) counts once, as
pdftotext shows it once. The words are compared as multisets of their texts (see
matched_count), both ways: the share of pdftotext's words that the finder reports too
(recall), and the share of the finder's words left over, that pdftotext does not report
(against precision). Prints one line per page and the shares over all pages; exits 1
when on some page under 95% of pdftotext's words are found or over 5% of the finder's
are left over.
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
    extra = [t for t, n in left.items() for _ in range(n)]
    return sum(done), [t for (t, _), d in zip(expected, done) if not d], extra


def overlaps(a, b):
    """Boxes (left, bottom, right, top) sharing at least half of the smaller one."""
    width = min(a[2], b[2]) - max(a[0], b[0])
    height = min(a[3], b[3]) - max(a[1], b[1])
    smaller = min((a[2] - a[0]) * (a[3] - a[1]), (b[2] - b[0]) * (b[3] - b[1]))
    return width > 0 and height > 0 and width * height >= smaller / 2


def finder_words(listing):
    """The finder's words inside the crop box, page by page. A word drawn again over
    itself (a shadow, a fake bold) counts once, as a reader shows it once."""
    boxes, words = {}, collections.defaultdict(list)
    with open(listing, encoding="utf-8", errors="replace") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "page":
                boxes[int(fields[1])] = [float(v) for v in fields[2:6]]
            elif fields[0] == "word" and len(fields) >= 7:
                page = int(fields[1])
                box = tuple(float(v) for v in fields[2:6])
                llx, lly, urx, ury = boxes[page]
                x, y = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2
                if not (llx <= x <= urx and lly <= y <= ury):
                    continue
                if any(text == fields[6] and overlaps(box, other) for text, other in words[page]):
                    continue
                words[page].append((fields[6], box))
    return {page: [text for text, _ in kept] for page, kept in words.items()}


def main():
    manual, listing, pages = sys.argv[1], sys.argv[2], [int(p) for p in sys.argv[3:]]
    found_by_page = finder_words(listing)
    total = reported = matched = extras = 0
    failed = False
    for page in pages:
        expected = reader_words(manual, page)
        found = found_by_page.get(page, [])
        both, missing, extra = matched_count(expected, found)
        recall = both / len(expected) if expected else 1.0
        precision = 1 - len(extra) / len(found) if found else 1.0
        total, reported, matched, extras = total + len(expected), reported + len(found), matched + both, extras + len(extra)
        print(f"page {page}: {both}/{len(expected)} found ({recall:.1%}), {len(extra)}/{len(found)} not pdftotext's"
              + (f"; missing {missing[:8]}" if missing else "") + (f"; extra {extra[:8]}" if extra else ""))
        if recall < THRESHOLD or precision < THRESHOLD:
            failed = True
    print(f"all: {matched}/{total} of pdftotext's words found ({matched / total if total else 1:.1%}), "
          f"{extras}/{reported} of the finder's not pdftotext's ({extras / reported if reported else 0:.1%})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
