"""What the reports and exports of ticked top-level bookmarks must hold, worked out from
the tree as the script runner saved it (one item a line: depth, blank, label), and the
exports read back with Python's csv module.

  report_oracle.py expect TREE OUT FOUND TITLE...   writes OUT/expected-*.txt|csv
  report_oracle.py csv FILE TREE flat|nested TITLE...  reads an export back; exit 1 if wrong
"""
import csv
import sys


def read_tree(path):
    """The items in pre-order: (depth, title, first page, last page)."""
    items = []
    with open(path, encoding="latin-1") as tree:
        for line in tree:
            depth, label = line.rstrip("\r\n").split(" ", 1)
            title, pages = label.rsplit("     (", 1)
            pages = pages.rstrip(")").split(": ", 1)[1]
            first, _, last = pages.partition("-")
            items.append((int(depth), title, int(first), int(last or first)))
    return items


def ticked_subtrees(items, titles):
    """Each named item with every item under it, as ticking it in the tree does."""
    ticked = [False] * len(items)
    for i, (depth, title, _, _) in enumerate(items):
        if title not in titles:
            continue
        ticked[i] = True
        for j in range(i + 1, len(items)):
            if items[j][0] <= depth:
                break
            ticked[j] = True
    return ticked


def top_of_ticked(items, ticked):
    """The ticked items that no ticked item holds (the selection after its refresh)."""
    kept = list(ticked)
    for i, (depth, _, first, last) in enumerate(items):
        if not ticked[i]:
            continue
        for j, (d, _, f, l) in enumerate(items):
            if j != i and ticked[j] and d < depth and f <= first and l >= last:
                kept[i] = False
    return kept


def widened(items, ticked):
    out = list(ticked)
    for i, (depth, _, first, last) in enumerate(items):
        if ticked[i]:
            for j, (d, _, f, l) in enumerate(items):
                if not out[j] and depth <= d and first <= f and last >= l:
                    out[j] = True
    return out


def pages_field(first, last):
    return str(first) if first == last else f"{first}-{last}"


def expect(tree, out, found, titles):
    items = read_tree(tree)
    ticked = ticked_subtrees(items, titles)
    deepest = max(depth for depth, _, _, _ in items)
    text = ""
    for level in range(1, deepest + 1):
        numbers, previous = [], None
        for (depth, _, first, _), tick in zip(items, ticked):
            if depth == level and tick and first != previous:
                numbers.append(str(first))
                previous = first
        text += f"Level {level}\r\n" + ",".join(numbers) + "\r\n\r\n"
    write(out, "selected.txt", text)
    write(out, "found.txt", found + "\r\n\r\n")
    top = top_of_ticked(items, ticked)
    # A page already selected is not selected again: each page once, where it first came.
    pages = list(dict.fromkeys(
        str(p) for (_, _, first, last), t in zip(items, top) if t for p in range(first, last + 1)))
    write(out, "thumbnails.txt", ",".join(pages) + "\r\n\r\n\r\n")
    write(out, "thumbnails-by-level.txt", "Level 0\r\n" + ",".join(pages) + "\r\n\r\n")
    rows = [item for item, t in zip(items, widened(items, top)) if t]
    flat = "".join(f'"{title}"," {pages_field(first, last)}"\r\n' for _, title, first, last in rows)
    write(out, "names.csv", flat)
    nested = "".join(f'"{depth - 1}"," {pages_field(first, last)}"' + ',\" \"' * max(depth - 2, 0) +
                     f',"{title}"\r\n' for depth, title, first, last in rows)
    write(out, "names-nested.csv", nested)


def write(out, name, text):
    with open(f"{out}/expected-{name}", "wb") as file:
        file.write(text.encode("latin-1"))


def check_csv(path, tree, titles, nested):
    items = read_tree(tree)
    rows = [item for item, t in zip(items, widened(items, top_of_ticked(items, ticked_subtrees(items, titles)))) if t]
    with open(path, newline="", encoding="latin-1") as file:
        read = list(csv.reader(file))
    if nested:
        got = [(int(r[0]) + 1, r[-1], r[1]) for r in read]
        want = [(d, title, " " + pages_field(f, l)) for d, title, f, l in rows]
    else:
        got = [tuple(r) for r in read]
        want = [(title, " " + pages_field(f, l)) for _, title, f, l in rows]
    if got != want:
        print(f"{path}: read back as {got[:3]}..., not {want[:3]}...")
        return 1
    return 0


if __name__ == "__main__":
    if sys.argv[1] == "expect":
        expect(sys.argv[2], sys.argv[3], sys.argv[4], set(sys.argv[5:]))
    else:
        sys.exit(check_csv(sys.argv[2], sys.argv[3], set(sys.argv[5:]), sys.argv[4] == "nested"))
