#!/usr/bin/env python3
"""The bookmark tree a PDF's outline should give, worked out from what qpdf reports.

    outline_oracle.py DOCUMENT.pdf LISTING [--check-pages N] [--encoding CODEC]

Writes LISTING, one tree item a line in pre-order: its depth, a blank, its label
("TITLE     (Page: P)" or "TITLE     (Pages: F-L)"), as the script runner's
expect-tree-file reads it. Prints the document's page count and the item count.

Titles, nesting and first pages come from `qpdf --json --json-key=outlines`. qpdf
leaves a named destination unresolved when its value is a dictionary with /D (LaTeX
writes them so); such a first page is taken from the page object in that /D, looked
up in `qpdf --json --json-key=pages`. With --check-pages N, N bookmarks spread over
the outline are checked against the text of their first page (pdftotext): the title
must be on it, so the page resolution above is not taken on trust.

A title is the one qpdf decodes (from UTF-16, UTF-8 or PDFDocEncoding), as the tree
shows it in the host's encoding (--encoding, a Python codec: cp1252 unless told, cp932
for a Japanese system): control characters as blanks, what the encoding lacks as "?".
"""
import json
import re
import subprocess
import sys

CAPACITY = 16384
DEEPEST = 49


class Unsupported(Exception):
    pass


def qpdf_json(path, key):
    run = subprocess.run(["qpdf", "--json", "--json-key=" + key, path], capture_output=True)
    # 3 is qpdf's "succeeded with warnings".
    if run.returncode not in (0, 3):
        raise Unsupported("qpdf --json fails: " + run.stderr.decode(errors="replace")[:200])
    return json.loads(run.stdout)[key]


def shown_title(text, encoding):
    """The title as the tree shows it, from the text qpdf decoded: control characters
    as blanks, in the host's encoding (a Python codec), "?" for what it lacks."""
    blanked = "".join(" " if ord(c) < 0x20 or 0x7F <= ord(c) <= 0x9F else c for c in text)
    return blanked.encode(encoding, errors="replace")


def first_page(outline, page_of_object):
    if outline["destpageposfrom1"] is not None:
        return outline["destpageposfrom1"]
    dest = outline["dest"]
    if isinstance(dest, dict) and "/D" in dest:
        dest = dest["/D"]
    if isinstance(dest, list) and dest and dest[0] in page_of_object:
        return page_of_object[dest[0]]
    raise Unsupported("bookmark %r has a destination qpdf does not resolve: %r"
                      % (outline["title"], outline["dest"]))


def entries_of(outlines, page_of_object, encoding):
    entries = []

    def visit(items, level):
        for item in items:
            if len(entries) >= CAPACITY or level > DEEPEST:
                raise Unsupported("outline beyond %d bookmarks or %d levels"
                                  % (CAPACITY, DEEPEST))
            entries.append({"level": level, "title": shown_title(item["title"], encoding),
                            "first": first_page(item, page_of_object)})
            visit(item["kids"], level + 1)

    visit(outlines, 1)
    return entries


def bookmarks(path, encoding):
    """The bookmarks of the outline qpdf reads, in pre-order, each {level, title, first,
    last}, and the document's page count."""
    pages = qpdf_json(path, "pages")
    page_of_object = {page["object"]: page["pageposfrom1"] for page in pages}
    entries = entries_of(qpdf_json(path, "outlines"), page_of_object, encoding)
    set_ranges(entries, len(pages))
    return entries, len(pages)


def set_ranges(entries, page_count):
    """A bookmark runs to the page before the next bookmark at its own or a shallower
    level, never ending before its first page; with no such bookmark, to the end."""
    for i, entry in enumerate(entries):
        entry["last"] = page_count
        for later in entries[i + 1:]:
            if later["level"] <= entry["level"]:
                entry["last"] = max(later["first"] - 1, entry["first"])
                break


def label(entry):
    if entry["first"] == entry["last"]:
        suffix = "     (Page: %d)" % entry["first"]
    else:
        suffix = "     (Pages: %d-%d)" % (entry["first"], entry["last"])
    return entry["title"] + suffix.encode("ascii")


def tree_listing(entries):
    """Pre-order of the tree the entries are inserted into: each one as the last child
    of the item inserted last one level up."""
    root = {"children": [], "depth": 0}
    parents = [root] * 50
    for entry in entries:
        parent = parents[entry["level"] - 1]
        node = {"children": [], "depth": parent["depth"] + 1, "label": label(entry)}
        parent["children"].append(node)
        parents[entry["level"]] = node
    lines = []

    def walk(node):
        for child in node["children"]:
            lines.append(b"%d " % child["depth"] + child["label"] + b"\n")
            walk(child)

    walk(root)
    return b"".join(lines)


def normalised(text):
    return re.sub(r"[^a-z0-9]", "", text.lower())


def check_pages(path, entries, count, encoding):
    if not entries or count <= 0:
        return
    step = max(1, len(entries) // count)
    misses = []
    for entry in entries[::step][:count]:
        page_text = subprocess.run(
            ["pdftotext", "-f", str(entry["first"]), "-l", str(entry["first"]), path, "-"],
            check=True, capture_output=True).stdout.decode("utf-8", "replace")
        if normalised(entry["title"].decode(encoding)) not in normalised(page_text):
            misses.append("%r is not on page %d" % (entry["title"], entry["first"]))
    if misses:
        raise Unsupported("first pages do not match the page text: " + "; ".join(misses))


def main(argv):
    encoding = "cp1252"
    if len(argv) >= 3 and argv[-2] == "--encoding":
        encoding = argv[-1]
        argv = argv[:-2]
    if len(argv) not in (3, 5) or (len(argv) == 5 and argv[3] != "--check-pages"):
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    path, listing = argv[1], argv[2]
    try:
        entries, page_count = bookmarks(path, encoding)
        if len(argv) == 5:
            check_pages(path, entries, int(argv[4]), encoding)
    except Unsupported as e:
        print("outline_oracle: %s: %s" % (path, e), file=sys.stderr)
        return 1
    with open(listing, "wb") as out:
        out.write(tree_listing(entries))
    print("%d %d" % (page_count, len(entries)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
