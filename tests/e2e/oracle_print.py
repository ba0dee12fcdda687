#!/usr/bin/env python3
"""Reads a spool folder back: every job file it holds, against what was meant to print.

  oracle_print.py [--links] SPOOL SOURCE JOB... [-- TITLE...|--all]

JOB is "F-L", a job of the pages F to L of SOURCE, or "index", a job of the index page.
The folder must hold exactly job-0001.pdf to job-N.pdf for the N jobs. A page job must
have L-F+1 pages, each reading (pdftotext) as the matching page of SOURCE does. An index
job must list, line by line and nothing else, the bookmarks the ticked top-level
bookmarks TITLE... give (report_oracle.py works them out from SOURCE's outline; --links
for a damaged one): each title indented by its level, with its pages at the right.
The job list the viewer writes beside the jobs is not read. Prints each fault; exit 1
on any.
"""
import html
import os
import re
import subprocess
import sys

import report_oracle

INDENT_STEP = 20  # points of indent per level on the index page


def page_texts(path):
    """The text of each page, as pdftotext reads it (form feeds end the pages)."""
    run = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True)
    if run.returncode != 0:
        return None
    return run.stdout.decode("utf-8", "replace").split("\f")[:-1]


def index_lines(path):
    """The index's lines in reading order, each (x of its first word, its text), from
    pdftotext's word boxes, pages one after the other."""
    out = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True,
                         text=True).stdout
    lines = []
    for page in re.findall(r"<page [^>]*>(.*?)</page>", out, re.S):
        rows = {}
        for attrs, word in re.findall(r"<word ([^>]*)>(.*?)</word>", page):
            x_min, y_min, _, _ = (float(v) for v in re.findall(r'"([-0-9.]+)"', attrs)[:4])
            rows.setdefault(round(y_min, 1), []).append((x_min, html.unescape(word)))
        for _, words in sorted(rows.items()):
            words.sort()
            lines.append((words[0][0], words))
    return lines


def expected_index(source, links, titles):
    items = report_oracle.load(source, links)
    ticked = report_oracle.ticked_subtrees(items, None if titles == ["--all"] else titles)
    return [(row["level"], row["title"].decode(report_oracle.ENCODING),
             report_oracle.pages_field(row).decode())
            for row in report_oracle.exported(items, ticked)]


def check_index(job, want):
    """Each line: title words, then the pages as the last word; indents step by level."""
    lines = index_lines(job)
    # The indent of the shallowest level listed is the setting's; the rest step from it.
    base = min((x for x, _ in lines), default=0)
    shallowest = min((level for level, _, _ in want), default=1)
    got = [(shallowest + round((x - base) / INDENT_STEP), " ".join(w for _, w in words[:-1]), words[-1][1])
           for x, words in lines]
    want = [(level, " ".join(title.split()), pages) for level, title, pages in want]
    return [] if got == want else [f"{job}: the index lists {got}, not {want}"]


def check_pages(job, source_pages, first, last):
    texts = page_texts(job)
    if texts is None:
        return [f"{job}: pdftotext cannot read it"]
    want = source_pages[first - 1:last]
    if len(texts) != last - first + 1 or len(want) != len(texts):
        return [f"{job}: {len(texts)} pages, not the {last - first + 1} of {first}-{last}"]
    return [f"{job}: page {n} does not read as page {first + n - 1} of the document"
            for n, (got, exp) in enumerate(zip(texts, want), 1) if got != exp]


def main(argv):
    links = argv[:1] == ["--links"]
    argv = argv[links:]
    spool, source = argv[0], argv[1]
    rest = argv[2:]
    jobs, titles = (rest[:rest.index("--")], rest[rest.index("--") + 1:]) if "--" in rest else (rest, [])
    files = sorted(f for f in os.listdir(spool) if re.fullmatch(r"job-\d+\.pdf", f)) if os.path.isdir(spool) else []
    wanted = ["job-%04d.pdf" % n for n in range(1, len(jobs) + 1)]
    faults = [] if files == wanted else [f"{spool}: holds {files}, not {wanted}"]
    source_pages = page_texts(source)
    for name, job in zip(wanted, jobs):
        path = os.path.join(spool, name)
        if name not in files:
            continue
        if job == "index":
            faults += check_index(path, expected_index(source, links, titles))
        else:
            first, _, last = job.partition("-")
            faults += check_pages(path, source_pages, int(first), int(last or first))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
