#!/usr/bin/env python3
"""What the tree, the reports, the exports and a print of ticked bookmarks must hold,
worked out from the PDF itself: the bookmarks' levels, titles and first pages as qpdf
reads the outline (outline_oracle.py), or, with --links, as a walk by links reads a
damaged one (oracle_objects.py); their last pages by the range rule of set_ranges.

  report_oracle.py [--links] PDF tree LISTING          the tree, as save-tree writes it
  report_oracle.py [--links] PDF count                 prints the number of bookmarks
  report_oracle.py [--links] PDF expect OUT FOUND SEL   writes OUT/expected-*.txt|csv
  report_oracle.py [--links] PDF csv FILE flat|nested SEL   reads an export back; exit 1 if wrong
  report_oracle.py [--links] PDF jobs [--separate] SEL   prints the page ranges a print of
                                                       SEL sends, one job a line ("F-L")
SEL is the titles of the top-level bookmarks ticked, or --all for every bookmark.
Titles are shown in Windows-1252, the host's code page in these tests.
"""
import csv
import sys

import oracle_objects
import outline_oracle

ENCODING = "cp1252"


def load(path, links):
    if links:
        entries, page_count = oracle_objects.link_entries(path, ENCODING)
        outline_oracle.set_ranges(entries, page_count)
        return entries
    return outline_oracle.bookmarks(path, ENCODING)[0]


def ticked_subtrees(items, titles):
    """Each named top-level item with every item under it, as ticking it in the tree
    does; every item for None."""
    if titles is None:
        return [True] * len(items)
    wanted = {outline_oracle.shown_title(t, ENCODING) for t in titles}
    ticked = [False] * len(items)
    inside = False
    for i, item in enumerate(items):
        if item["level"] == 1:
            inside = item["title"] in wanted
        ticked[i] = inside
    return ticked


def within(outer, inner):
    return outer["first"] <= inner["first"] and outer["last"] >= inner["last"]


def top_of_ticked(items, ticked):
    """The selection as its refresh leaves it before printing and listing thumbnails:
    in outline order, each item still ticked unticks every other ticked item whose range
    lies inside its own (of two with the same range the earlier stays)."""
    kept = list(ticked)
    for outer, item in enumerate(items):
        if kept[outer]:
            for j, other in enumerate(items):
                if j != outer and kept[j] and within(item, other):
                    kept[j] = False
    return kept


def widened(items, ticked):
    """Every unticked item at a ticked item's level or deeper within its range joins it."""
    return [t or any(ti and i["level"] <= j["level"] and within(i, j)
                     for i, ti in zip(items, ticked))
            for j, t in zip(items, ticked)]


def pages_field(item):
    first, last = item["first"], item["last"]
    return b"%d" % first if first == last else b"%d-%d" % (first, last)


def pages_of(items, chosen):
    for item, c in zip(items, chosen):
        if c:
            yield from range(item["first"], item["last"] + 1)


def print_jobs(items, ticked, separate):
    """The rows of a print: each kept item's range in outline order, tidied in one pass
    over every ordered pair (a, b): a row inside an earlier-tested row dies, and unless
    each bookmark goes out on its own, a row that starts right after row a is joined
    onto it."""
    rows = [[i["first"], i["last"]] for i, t in zip(items, top_of_ticked(items, ticked)) if t]
    for a in rows:
        for b in rows:
            if a is b or a[0] <= 0 or b[0] <= 0:
                continue
            if a[0] <= b[0] and a[1] >= b[1]:
                b[:] = [0, 0]
            elif not separate and a[1] == b[0] - 1:
                a[1] = b[1]
                b[:] = [0, 0]
    return [(first, last) for first, last in rows if first > 0 and last > 0]


def expect(items, ticked, out, found):
    deepest = max((item["level"] for item in items), default=0)
    text = b""
    for level in range(1, deepest + 1):
        numbers, previous = [], None
        for item, tick in zip(items, ticked):
            if item["level"] == level and tick and item["first"] != previous:
                numbers.append(b"%d" % item["first"])
                previous = item["first"]
        text += b"Level %d\r\n" % level + b",".join(numbers) + b"\r\n\r\n"
    write(out, "selected.txt", text)
    write(out, "found.txt", found.encode() + b"\r\n\r\n")
    # A page already selected is not selected again: each page once, where it first came.
    pages = b",".join(b"%d" % p for p in dict.fromkeys(pages_of(items, top_of_ticked(items, ticked))))
    write(out, "thumbnails.txt", pages + b"\r\n\r\n\r\n")
    write(out, "thumbnails-by-level.txt", b"Level 0\r\n" + pages + b"\r\n\r\n")
    rows = exported(items, ticked)
    write(out, "names.csv", b"".join(b'"%s"," %s"\r\n' % (r["title"], pages_field(r)) for r in rows))
    write(out, "names-nested.csv", b"".join(
        b'"%d"," %s"' % (r["level"] - 1, pages_field(r)) + b',\" \"' * max(r["level"] - 2, 0) +
        b',"%s"\r\n' % r["title"] for r in rows))


def exported(items, ticked):
    return [item for item, t in zip(items, widened(items, top_of_ticked(items, ticked))) if t]


def write(out, name, data):
    with open(f"{out}/expected-{name}", "wb") as file:
        file.write(data)


def check_csv(path, items, ticked, nested):
    rows = exported(items, ticked)
    with open(path, newline="", encoding=ENCODING) as file:
        read = list(csv.reader(file))
    decoded = [(r["level"], r["title"].decode(ENCODING), " " + pages_field(r).decode()) for r in rows]
    if nested:
        got = [(int(r[0]) + 1, r[-1], r[1]) for r in read]
        want = decoded
    else:
        got = [tuple(r) for r in read]
        want = [(title, pages) for _, title, pages in decoded]
    if got != want:
        print(f"{path}: read back as {got[:3]}..., not {want[:3]}...")
        return 1
    return 0


def main(argv):
    links = argv[:1] == ["--links"]
    if links:
        argv = argv[1:]
    path, command, args = argv[0], argv[1], argv[2:]
    try:
        items = load(path, links)
    except outline_oracle.Unsupported as e:
        print(f"report_oracle: {path}: {e}", file=sys.stderr)
        return 1

    def selection(titles):
        return ticked_subtrees(items, None if titles == ["--all"] else titles)

    if command == "tree":
        with open(args[0], "wb") as listing:
            listing.write(outline_oracle.tree_listing(items))
    elif command == "count":
        print(len(items))
    elif command == "expect":
        expect(items, selection(args[2:]), args[0], args[1])
    elif command == "csv":
        return check_csv(args[0], items, selection(args[2:]), args[1] == "nested")
    elif command == "jobs":
        separate = args[:1] == ["--separate"]
        for first, last in print_jobs(items, selection(args[separate:]), separate):
            print(f"{first}-{last}")
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
