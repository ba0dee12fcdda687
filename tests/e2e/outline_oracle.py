#!/usr/bin/env python3
"""The bookmark tree a PDF's outline should give, worked out from what qpdf reports.

    outline_oracle.py DOCUMENT.pdf LISTING [--check-pages N]

Writes LISTING, one tree item a line in pre-order: its depth, a blank, its label
("TITLE     (Page: P)" or "TITLE     (Pages: F-L)"), as the script runner's
expect-tree-file reads it. Prints the document's page count and the item count.

Titles, nesting and first pages come from `qpdf --json --json-key=outlines`. qpdf
leaves a named destination unresolved when its value is a dictionary with /D (LaTeX
writes them so); such a first page is taken from the page object in that /D, looked
up in `qpdf --json --json-key=pages`. With --check-pages N, N bookmarks spread over
the outline are checked against the text of their first page (pdftotext): the title
must be on it, so the page resolution above is not taken on trust.

A title is shown as the plug-in shows it: a UTF-16 title keeps the printable ASCII
bytes after its first zero byte; a single-byte title loses a last byte below 15 or
above 0x7F. Raw title bytes are read with `qpdf --show-object` when the decoded title
is not plain printable ASCII.
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
    out = subprocess.run(["qpdf", "--json", "--json-key=" + key, path],
                         check=True, capture_output=True).stdout
    return json.loads(out)[key]


def show_object(path, ref):
    number = ref.split()[0]
    return subprocess.run(["qpdf", "--show-object=" + number, path],
                          check=True, capture_output=True).stdout


def parse_string(text):
    """The bytes of a PDF string object as qpdf --show-object prints it."""
    text = text.strip()
    if text.startswith(b"<") and not text.startswith(b"<<"):
        digits = re.sub(rb"[^0-9A-Fa-f]", b"", text[1:text.index(b">")])
        if len(digits) % 2:
            digits += b"0"
        return bytes.fromhex(digits.decode())
    if not text.startswith(b"("):
        raise Unsupported("title is not a string: %r" % text[:40])
    out = bytearray()
    depth = 0
    i = 1
    escapes = {ord("n"): 10, ord("r"): 13, ord("t"): 9, ord("b"): 8, ord("f"): 12}
    while i < len(text):
        c = text[i]
        if c == ord("\\"):
            i += 1
            e = text[i]
            if e in escapes:
                out.append(escapes[e])
            elif ord("0") <= e <= ord("7"):
                digits = text[i:i + 3]
                m = re.match(rb"[0-7]{1,3}", digits)
                out.append(int(m.group(0), 8) & 0xFF)
                i += len(m.group(0)) - 1
            elif e in (10, 13):
                pass
            else:
                out.append(e)
        elif c == ord("("):
            depth += 1
            out.append(c)
        elif c == ord(")"):
            if depth == 0:
                break
            depth -= 1
            out.append(c)
        else:
            out.append(c)
        i += 1
    return bytes(out)


def raw_title(path, item_ref):
    dictionary = show_object(path, item_ref)
    m = re.search(rb"/Title\s*(\d+ \d+ R|\(|<)", dictionary)
    if not m:
        return b""
    if m.group(1).endswith(b"R"):
        return parse_string(show_object(path, m.group(1).decode()))
    return parse_string(dictionary[m.start(1):])


def plugin_title(raw):
    """The title as the tree shows it, from the bytes the document stores."""
    zero = raw.find(b"\0")
    if zero >= 0:
        kept = raw[zero:4095]
        return bytes(b for b in kept if 0x20 <= b <= 0x7E)
    if any(b >= 0x80 for b in raw[:-1]):
        raise Unsupported("title with bytes above 0x7F in the middle: %r" % raw)
    if raw and (raw[-1] < 15 or raw[-1] >= 0x80):
        raw = raw[:-1]
    return raw


def title_of(path, outline):
    text = outline["title"]
    if all(0x20 <= ord(c) <= 0x7E for c in text):
        return text.encode("ascii")
    return plugin_title(raw_title(path, outline["object"]))


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


def entries_of(path, outlines, page_of_object):
    entries = []

    def visit(items, level):
        for item in items:
            if len(entries) >= CAPACITY or level > DEEPEST:
                raise Unsupported("outline beyond %d bookmarks or %d levels"
                                  % (CAPACITY, DEEPEST))
            entries.append({"level": level, "title": title_of(path, item),
                            "first": first_page(item, page_of_object)})
            visit(item["kids"], level + 1)

    visit(outlines, 1)
    return entries


def set_ranges(entries, page_count):
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


def check_pages(path, entries, count):
    if not entries or count <= 0:
        return
    step = max(1, len(entries) // count)
    misses = []
    for entry in entries[::step][:count]:
        page_text = subprocess.run(
            ["pdftotext", "-f", str(entry["first"]), "-l", str(entry["first"]), path, "-"],
            check=True, capture_output=True).stdout.decode("utf-8", "replace")
        if normalised(entry["title"].decode("ascii")) not in normalised(page_text):
            misses.append("%r is not on page %d" % (entry["title"], entry["first"]))
    if misses:
        raise Unsupported("first pages do not match the page text: " + "; ".join(misses))


def main(argv):
    if len(argv) not in (3, 5) or (len(argv) == 5 and argv[3] != "--check-pages"):
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    path, listing = argv[1], argv[2]
    pages = qpdf_json(path, "pages")
    page_of_object = {page["object"]: page["pageposfrom1"] for page in pages}
    try:
        entries = entries_of(path, qpdf_json(path, "outlines"), page_of_object)
        set_ranges(entries, len(pages))
        if len(argv) == 5:
            check_pages(path, entries, int(argv[4]))
    except Unsupported as e:
        print("outline_oracle: %s: %s" % (path, e), file=sys.stderr)
        return 1
    with open(listing, "wb") as out:
        out.write(tree_listing(entries))
    print("%d %d" % (len(pages), len(entries)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
