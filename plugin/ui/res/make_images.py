#!/usr/bin/env python3
"""Draws Tessaly's bitmaps and its measuring cursor (standard library only).

Writes, next to this script:
  tree_strip.bmp      the tall strip beside the bookmark tree (64 x 376)
  toolbar_button.bmp  the toolbar button (16 x 16, on the button-face grey)
  about_picture.bmp   the picture of the About box (172 x 96)
  measure.cur         the measuring tool's cursor (32 x 32, hot spot in the centre)

The motif throughout is a printer whose sheet carries a red bookmark ribbon.
Run it again after changing a design; the outputs are kept under version control.
"""

import os
import struct

# One 16-colour palette for every bitmap, so each is a small 4-bit file.
PALETTE = [
    (0, 0, 0),        # 0 black
    (255, 255, 255),  # 1 white
    (192, 192, 192),  # 2 button face
    (128, 128, 128),  # 3 shadow grey
    (24, 44, 92),     # 4 deep blue
    (44, 82, 150),    # 5 blue
    (86, 128, 196),   # 6 light blue
    (170, 198, 236),  # 7 pale blue
    (204, 36, 40),    # 8 ribbon red
    (128, 16, 20),    # 9 ribbon shade
    (250, 248, 238),  # 10 paper
    (232, 182, 44),   # 11 gold
    (224, 224, 224),  # 12 light grey
    (72, 72, 80),     # 13 printer body
    (36, 36, 44),     # 14 printer slot
    (150, 160, 176),  # 15 steel
]
BLACK, WHITE, FACE, SHADOW, DEEP, BLUE, LIGHT, PALE = range(8)
RED, RED_SHADE, PAPER, GOLD, LIGHT_GREY, BODY, SLOT, STEEL = range(8, 16)

# Capital letters of a 5 x 7 pixel font, enough for the name.
GLYPHS = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
}


class Canvas:
    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def frame(self, x, y, w, h, colour):
        self.fill(x, y, w, 1, colour)
        self.fill(x, y + h - 1, w, 1, colour)
        self.fill(x, y, 1, h, colour)
        self.fill(x + w - 1, y, 1, h, colour)

    def text(self, x, y, word, scale, colour, shadow=None):
        for i, letter in enumerate(word):
            rows = GLYPHS[letter]
            left = x + i * 6 * scale
            for r, row in enumerate(rows):
                for c, cell in enumerate(row):
                    if cell == "#":
                        if shadow is not None:
                            self.fill(left + c * scale + 1, y + r * scale + 1, scale, scale, shadow)
                        self.fill(left + c * scale, y + r * scale, scale, scale, colour)

    def stamp(self, other, x, y, scale=1, transparent=None):
        for yy in range(other.height):
            for xx in range(other.width):
                colour = other.pixels[yy][xx]
                if colour != transparent:
                    self.fill(x + xx * scale, y + yy * scale, scale, scale, colour)


def printer_icon(background):
    """16 x 16: a sheet with a bookmark ribbon coming out of a printer."""
    c = Canvas(16, 16, background)
    # Sheet waiting at the top, with lines of text.
    c.fill(4, 1, 8, 6, PAPER)
    c.frame(4, 1, 8, 6, SHADOW)
    c.fill(5, 3, 5, 1, STEEL)
    c.fill(5, 5, 4, 1, STEEL)
    # Printer body with its paper slot and a ready light.
    c.fill(1, 6, 14, 6, BODY)
    c.fill(2, 7, 12, 1, STEEL)
    c.fill(3, 10, 10, 1, SLOT)
    c.put(12, 8, GOLD)
    c.fill(1, 12, 14, 1, SLOT)
    # Printed sheet leaving the printer.
    c.fill(3, 11, 10, 4, WHITE)
    c.frame(3, 11, 10, 4, SHADOW)
    c.fill(4, 13, 6, 1, STEEL)
    # Bookmark ribbon over the waiting sheet, its foot cut with a notch.
    c.fill(8, 0, 2, 5, RED)
    c.fill(10, 0, 1, 5, RED_SHADE)
    c.put(8, 5, RED)
    c.put(10, 5, RED_SHADE)
    return c


def ribbon(c, x, y, width, length, colour, shade, background):
    """A hanging bookmark ribbon whose foot is cut with a V notch."""
    c.fill(x, y, width, length, colour)
    c.fill(x + width - 1, y, 1, length, shade)
    c.fill(x + 1, y + length - 1, width - 2, 1, background)
    c.fill(x + 2, y + length - 2, width - 4, 1, background)


def tree_strip():
    c = Canvas(64, 376, DEEP)
    # Thin lighter bands down the strip, and a light edge towards the tree.
    for y in range(376):
        if y % 47 < 2:
            c.fill(0, y, 64, 1, BLUE)
    c.fill(62, 0, 2, 376, LIGHT)
    # The printer motif at the top, at three times its size.
    c.fill(4, 6, 54, 54, PALE)
    c.frame(4, 6, 54, 54, LIGHT)
    c.stamp(printer_icon(PALE), 7, 9, scale=3, transparent=PALE)
    # The name downwards, one letter under another.
    for i, letter in enumerate("TESSALY"):
        c.text(19, 78 + i * 36, letter, 4, WHITE, shadow=BLACK)
    # Three ribbons of the bookmark levels at the foot.
    for i, colour in enumerate((RED, GOLD, LIGHT)):
        shade = RED_SHADE if colour == RED else SHADOW
        ribbon(c, 12 + i * 14, 336, 8, 30 - i * 6, colour, shade, DEEP)
    c.fill(8, 334, 48, 2, GOLD)
    return c


def toolbar_button():
    return printer_icon(FACE)


def about_picture():
    c = Canvas(172, 96, DEEP)
    c.frame(0, 0, 172, 96, LIGHT)
    c.fill(6, 14, 68, 68, PALE)
    c.frame(6, 14, 68, 68, LIGHT)
    c.stamp(printer_icon(PALE), 8, 16, scale=4, transparent=PALE)
    c.text(82, 30, "TESSALY", 2, WHITE, shadow=BLACK)
    c.fill(82, 50, 82, 2, GOLD)
    # A row of ribbons under the name: the outline's levels.
    for i, colour in enumerate((RED, GOLD, LIGHT, PALE)):
        shade = RED_SHADE if colour == RED else SHADOW
        ribbon(c, 86 + i * 18, 58, 8, 24 - i * 4, colour, shade, DEEP)
    return c


def write_bmp(path, canvas):
    row_bytes = ((canvas.width + 1) // 2 + 3) // 4 * 4
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        line = canvas.pixels[y] + [0]
        packed = bytes((line[x] << 4) | line[x + 1]
                       for x in range(0, canvas.width, 2))
        rows.append(packed + b"\0" * (row_bytes - len(packed)))
    image = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0,
                       len(image), 2835, 2835, 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + image)


def measure_cursor():
    """32 x 32 crosshair with ruler ticks; 'B' black, 'W' white outline."""
    size, hot = 32, 15
    core = set()
    for i in range(size - 1):
        if abs(i - hot) > 2:
            core.add((i, hot))
            core.add((hot, i))
    # Ruler ticks every third pixel along both arms, longer every ninth.
    for d in range(6, 16, 3):
        length = 3 if d % 9 == 0 else 2
        for t in range(1, length + 1):
            for s in (-1, 1):
                core.add((hot + s * d, hot - t))
                core.add((hot + t, hot + s * d))
    core.add((hot, hot))
    outline = set()
    for (x, y) in core:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in core and 0 <= p[0] < size and 0 <= p[1] < size:
                    outline.add(p)
    return size, hot, core, outline


def write_cur(path):
    size, hot, core, outline = measure_cursor()
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        xor_bits = and_bits = 0
        for x in range(size):
            bit = 1 << (31 - x)
            if (x, y) in outline:
                xor_bits |= bit          # white
            elif (x, y) not in core:
                and_bits |= bit          # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    masks = b"".join(xor_rows) + b"".join(and_rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(masks), 0, 0, 2, 0)
    image = info + palette + masks
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hot, hot, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "tree_strip.bmp"), tree_strip())
    write_bmp(os.path.join(here, "toolbar_button.bmp"), toolbar_button())
    write_bmp(os.path.join(here, "about_picture.bmp"), about_picture())
    write_cur(os.path.join(here, "measure.cur"))


if __name__ == "__main__":
    main()
