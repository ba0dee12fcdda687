"""Says what a screenshot of the viewer shows in its page view.

  page_picture.py placeholder PICTURE.png: the "This page could not be drawn."
      placeholder, a light grey page (214, 214, 214) with dark words in its middle;
  page_picture.py drawn PICTURE.png: the page drawn, a white page with dark marks on it.

The page is found from a row three tenths down the picture (the page view's page
crosses it, clear of the words): its longest run of that colour, of at least MIN_SIDE
pixels, gives the page's sides, and the rows around it mostly of that colour its top
and bottom. Exit 0 when the picture shows it."""
import struct
import sys
import zlib

FILLS = {"placeholder": (214, 214, 214), "drawn": (255, 255, 255)}
MIN_SIDE = 200


def read_png(path):
    """(width, height, rows of RGB triples) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat = 8, b""
    width = height = channels = 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour not in (2, 6):
                raise ValueError("only 8-bit RGB(A) pictures are read")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return width, height, rows


def main():
    kind = sys.argv[1]
    fill = FILLS[kind]
    width, height, rows = read_png(sys.argv[2])
    probe = height * 3 // 10
    left, right, x = 0, -1, 0
    while x < width:
        if rows[probe][x] != fill:
            x += 1
            continue
        start = x
        while x < width and rows[probe][x] == fill:
            x += 1
        if x - start > right - left + 1:
            left, right = start, x - 1
    if right - left + 1 < MIN_SIDE:
        print(f"no {kind} page: the longest run of {fill} across row {probe} is "
              f"{right - left + 1} pixels")
        return 1

    def page_row(y):
        return 2 * sum(1 for x in range(left, right + 1) if rows[y][x] == fill) >= right - left + 1

    top = bottom = probe
    while top > 0 and page_row(top - 1):
        top -= 1
    while bottom + 1 < height and page_row(bottom + 1):
        bottom += 1
    if bottom - top + 1 < MIN_SIDE:
        print(f"no {kind} page: ({left},{top})-({right},{bottom}) is too low")
        return 1
    # The placeholder's words stand in the middle third; a drawn page's marks anywhere.
    if kind == "placeholder":
        band = range(top + (bottom - top) // 3, top + 2 * (bottom - top) // 3)
    else:
        band = range(top, bottom + 1)
    dark = sum(1 for y in band for x in range(left, right + 1) if max(rows[y][x]) < 128)
    if dark < 50:
        print(f"the {kind} page ({left},{top})-({right},{bottom}) has no dark marks")
        return 1
    print(f"{kind} page ({left},{top})-({right},{bottom}), {dark} dark pixels")
    return 0


if __name__ == "__main__":
    sys.exit(main())
