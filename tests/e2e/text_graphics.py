#!/usr/bin/env python3
"""How a text is painted on a page of a PDF, read from the page's content and resources.

    text_graphics.py DOCUMENT.pdf PAGE TEXT

Finds the text-showing operator whose string is exactly TEXT on page PAGE (1-based)
and prints the fill colour and the extended graphics state in force there:

    fill rg 1 0.502 0.251 ca 0.5 CA 0.5

"fill OP C..." is the last fill-colour operator (g, rg or k) before it, its components
rounded to three places; "ca"/"CA" are the fill and stroke opacities of the /ExtGState
that the last "gs" before it names ("-" when there is none). The graphics state stack
(q and Q) is followed, so a colour set inside a closed q ... Q does not count. Prints
nothing and exits 1 when the text is not on the page.
"""
import base64
import json
import re
import subprocess
import sys

TOKEN = re.compile(rb"\((?:\\.|[^\\)])*\)|/[^\s/\[\]()<>]+|\[|\]|<<|>>|<[0-9A-Fa-f\s]*>|[^\s/\[\]()<>]+")


def objects(path):
    out = subprocess.run(["qpdf", "--json=2", "--json-key=qpdf", "--decode-level=all",
                          "--json-stream-data=inline", path],
                         check=True, capture_output=True).stdout
    return json.loads(out)["qpdf"][1]


def resolve(table, value):
    while isinstance(value, str) and value.endswith(" R"):
        entry = table["obj:" + value]
        value = entry.get("value", entry.get("stream", {}).get("dict"))
    return value


def stream_data(table, ref):
    stream = table["obj:" + ref]["stream"]
    return base64.b64decode(stream.get("data", ""))


def page_refs(table, node_ref):
    node = resolve(table, node_ref)
    if node.get("/Type") == "/Page":
        return [node_ref]
    refs = []
    for kid in node.get("/Kids", []):
        refs += page_refs(table, kid)
    return refs


def literal(token):
    text = token[1:-1]
    return re.sub(rb"\\(.)", lambda m: {b"n": b"\n", b"r": b"\r", b"t": b"\t"}.get(m.group(1), m.group(1)), text)


def main():
    path, page_number, wanted = sys.argv[1], int(sys.argv[2]), sys.argv[3].encode("latin-1")
    table = objects(path)
    trailer = table["trailer"]["value"]
    catalog = resolve(table, trailer["/Root"])
    page_ref = page_refs(table, catalog["/Pages"])[page_number - 1]
    page = resolve(table, page_ref)
    contents = page.get("/Contents", [])
    if isinstance(contents, str):
        contents = [contents] if contents.endswith(" R") and "stream" in table["obj:" + contents] else resolve(table, contents)
    data = b"\n".join(stream_data(table, ref) for ref in contents)
    resources = resolve(table, page.get("/Resources", {})) or {}
    states = resolve(table, resources.get("/ExtGState", {})) or {}

    state = {"fill": "-", "gs": None}
    stack = []
    operands = []
    for token in TOKEN.findall(data):
        if token in (b"q",):
            stack.append(dict(state))
        elif token == b"Q":
            state = stack.pop() if stack else state
        elif token in (b"g", b"rg", b"k"):
            values = " ".join("%g" % round(float(v), 3) for v in operands)
            state["fill"] = token.decode() + " " + values
        elif token == b"gs":
            state["gs"] = operands[-1].decode()[1:] if operands else None
        elif token in (b"Tj", b"'", b'"') and operands and operands[-1].startswith(b"("):
            if literal(operands[-1]) == wanted:
                opacity = "ca - CA -"
                if state["gs"] is not None:
                    gs = resolve(table, states.get("/" + state["gs"], {})) or {}
                    opacity = "ca %s CA %s" % (gs.get("/ca", "-"), gs.get("/CA", "-"))
                print("fill %s %s" % (state["fill"], opacity))
                return 0
        if re.fullmatch(rb"[A-Za-z'\"*]+", token) and token not in (b"true", b"false", b"null"):
            operands = []
        else:
            operands.append(token)
    return 1


if __name__ == "__main__":
    sys.exit(main())
