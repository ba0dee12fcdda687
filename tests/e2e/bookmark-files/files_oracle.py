#!/usr/bin/env python3
"""Checks the files "Save selected bookmarks as PDF files..." wrote against the source.

    files_oracle.py SOURCE.pdf FOLDER FIRST-LAST:NAME...

For each FIRST-LAST:NAME (source pages, 1-based, and the file's expected name) the file
FOLDER/NAME must exist and pass `qpdf --check`, hold LAST-FIRST+1 pages whose text
(pdftotext) is that of the source's pages FIRST..LAST, and have an outline in which
every bookmark of the source that starts on one of those pages stands with a link to
the same page, and every other bookmark has children (an ancestor kept for them). The
folder must hold those files and nothing else. Expectations come from the source PDF
through qpdf, not from the plug-in.
"""
import json
import os
import subprocess
import sys


def qpdf_json(path, key):
    out = subprocess.run(["qpdf", "--json", "--json-key=" + key, path],
                         check=True, capture_output=True).stdout
    return json.loads(out)[key]


def page_texts(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], check=True,
                          capture_output=True).stdout.decode("latin-1")
    pages = text.split("\f")
    return [" ".join(p.split()) for p in pages[:-1]] if pages and pages[-1] == "" else [
        " ".join(p.split()) for p in pages]


def outline_starts(path):
    """(title, first page index or None, child count) for every bookmark, in pre-order."""
    pages = qpdf_json(path, "pages")
    page_of_object = {p["object"]: i for i, p in enumerate(pages)}
    found = []

    def visit(items):
        for item in items:
            page = item.get("destpageposfrom1")
            if page is None and item.get("dest"):
                dest = item["dest"]
                if isinstance(dest, list) and dest and isinstance(dest[0], str):
                    page = page_of_object.get(dest[0])
                    page = None if page is None else page + 1
            found.append((item["title"], page, len(item.get("kids", []))))
            visit(item.get("kids", []))

    visit(qpdf_json(path, "outlines"))
    return found


def main(argv):
    if len(argv) < 4:
        print(__doc__)
        return 2
    source, folder, wanted = argv[1], argv[2], argv[3:]
    problems = []
    source_text = page_texts(source)
    source_marks = outline_starts(source)
    names = []
    for item in wanted:
        span, name = item.split(":", 1)
        first, last = (int(n) for n in span.split("-"))
        names.append(name)
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            problems.append(f"{name}: missing")
            continue
        if subprocess.run(["qpdf", "--check", path], capture_output=True).returncode != 0:
            problems.append(f"{name}: qpdf --check finds faults")
        text = page_texts(path)
        if text != source_text[first - 1:last]:
            problems.append(f"{name}: {len(text)} pages, not the source's {first}-{last}"
                            if len(text) != last - first + 1 else
                            f"{name}: the pages' text is not the source's {first}-{last}")
        marks = outline_starts(path)
        for title, page, _ in source_marks:
            if page is not None and first <= page <= last and (title, page - first + 1) not in [
                    (t, p) for t, p, _ in marks]:
                problems.append(f"{name}: no bookmark \"{title}\" to page {page - first + 1}")
        for title, page, kids in marks:
            if (page is None or not 1 <= page <= last - first + 1) and kids == 0:
                problems.append(f"{name}: bookmark \"{title}\" leads to no page of the file")
    extra = sorted(set(os.listdir(folder)) - set(names))
    if extra:
        problems.append("the folder also holds " + ", ".join(extra))
    for problem in problems:
        print("FAILED: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
