"""A PDF read through its objects as qpdf lists them (`qpdf --json=2 --json-key=qpdf`),
for documents whose outline or page tree is damaged in ways qpdf's own outline reading
does not survive (it loops for ever on a /Next loop) or reads differently from a walk
by links.

The outline walk is the one a bookmark walk by links makes: a bookmark's children are
the chain from its /First along /Next, and the chain ends at the first link that is not
a bookmark dictionary (null, a freed object, a number, a string, an array, a name or a
stream) or that leads back to a bookmark already met; /Last and /Count are not read. A
destination that names no page of the page tree counts as page 1.
"""
import json
import subprocess

from outline_oracle import CAPACITY, DEEPEST, Unsupported, shown_title


class Objects:
    def __init__(self, path):
        run = subprocess.run(["qpdf", "--json=2", "--json-key=qpdf", path],
                             capture_output=True)
        # 3 is qpdf's "succeeded with warnings": a damaged file still lists its objects.
        if run.returncode not in (0, 3) or not run.stdout:
            raise Unsupported("qpdf lists no objects: " + run.stderr.decode(errors="replace")[:200])
        self.table = json.loads(run.stdout)["qpdf"][1]

    def entry(self, ref):
        return self.table.get("obj:" + ref)

    def value(self, item):
        """A direct value; a reference is followed (null when it names no object; a
        stream gives its dictionary)."""
        if isinstance(item, str) and item.endswith(" R"):
            entry = self.entry(item) or {}
            return entry.get("value", entry.get("stream", {}).get("dict"))
        return item

    def is_stream(self, item):
        return isinstance(item, str) and item.endswith(" R") and "stream" in (self.entry(item) or {})

    def root(self):
        return self.value(self.value(self.table["trailer"]["value"]).get("/Root")) or {}


def page_leaves(objects):
    """The page objects in page-tree order, each (reference, media box as numbers)."""
    leaves = []

    def walk(node, box, seen):
        found = objects.value(node)
        if not isinstance(found, dict):
            return
        box = found.get("/MediaBox", box)
        if "/Kids" not in found:
            leaves.append((node, [float(objects.value(v)) for v in objects.value(box) or []]))
            return
        for kid in objects.value(found["/Kids"]) or []:
            if kid not in seen:
                walk(kid, box, seen | {kid})

    walk(objects.root().get("/Pages"), None, frozenset())
    return leaves


def letter_pages(path):
    """The 1-based numbers of the pages whose media box, own or inherited, is US Letter."""
    return [n for n, (_, box) in enumerate(page_leaves(Objects(path)), 1)
            if [round(v) for v in box] == [0, 0, 612, 792]]


def _title(objects, item):
    title = objects.value(item.get("/Title"))
    if not isinstance(title, str) or not title.startswith("u:"):
        raise Unsupported("a title qpdf does not decode to text: %r" % (title,))
    return title[2:]


def _destination(objects, item):
    dest = item.get("/Dest")
    if dest is None:
        action = objects.value(item.get("/A"))
        if not isinstance(action, dict) or objects.value(action.get("/S")) != "/GoTo":
            raise Unsupported("a bookmark without a destination: %r" % (item,))
        dest = action.get("/D")
    dest = objects.value(dest)
    if isinstance(dest, str) and dest.startswith("/"):
        dest = objects.value((objects.value(objects.root().get("/Dests")) or {}).get(dest))
    elif isinstance(dest, str):
        raise Unsupported("a destination named by a string: %r" % dest)
    dest = objects.value(dest)
    if isinstance(dest, dict):
        dest = objects.value(dest.get("/D"))
    return dest


def link_entries(path, encoding):
    """The bookmarks a walk by links finds, in pre-order, each {level, title, first},
    and the page count."""
    objects = Objects(path)
    page_of = {ref: n for n, (ref, _) in enumerate(page_leaves(objects), 1)}
    entries, met = [], set()

    def is_bookmark(link):
        return (isinstance(link, str) and link.endswith(" R") and link not in met
                and not objects.is_stream(link) and isinstance(objects.value(link), dict))

    def visit_children(node, level):
        link = node.get("/First")
        while is_bookmark(link):
            if len(entries) >= CAPACITY or level > DEEPEST:
                raise Unsupported("outline beyond %d bookmarks or %d levels" % (CAPACITY, DEEPEST))
            met.add(link)
            item = objects.value(link)
            dest = _destination(objects, item)
            target = dest[0] if isinstance(dest, list) and dest else None
            entries.append({"level": level, "title": shown_title(_title(objects, item), encoding),
                            "first": page_of.get(target, 1)})
            visit_children(item, level + 1)
            link = item.get("/Next")

    outline = objects.value(objects.root().get("/Outlines"))
    if isinstance(outline, dict):
        visit_children(outline, 1)
    return entries, len(page_of)


if __name__ == "__main__":
    import sys
    # oracle_objects.py letter-pages PDF: the US Letter pages, comma-separated ("none").
    if sys.argv[1:2] != ["letter-pages"] or len(sys.argv) != 3:
        sys.exit("usage: oracle_objects.py letter-pages PDF")
    print(",".join(map(str, letter_pages(sys.argv[2]))) or "none")
