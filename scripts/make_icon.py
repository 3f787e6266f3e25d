#!/usr/bin/env python3
"""Draws Mentavo's icon and writes it as a .ico with nine images:
48, 32 and 16 pixels, each with 16 colours, 256 colours and 24-bit colour.

The picture: a violet rounded tile holding a 2 x 2 grid of small white
cells, one of them glowing, like the four digits with the right one."""
import struct
import sys

SIZES = (48, 32, 16)
DEPTHS = (4, 8, 24)

# The 16 standard VGA colours (r, g, b).
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# 256 colours: a 6x6x6 cube, then greys.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PAL256 = CUBE + [(int(i * 255 / 39),) * 3 for i in range(40)]


def pixel(x, y, n):
    """Colour (r, g, b) and opacity at pixel x, y of an n x n picture."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    # Rounded square tile with a margin.
    m, r = 0.04, 0.18
    dx = max(m + r - u, 0, u - (1 - m - r))
    dy = max(m + r - v, 0, v - (1 - m - r))
    if dx * dx + dy * dy > r * r:
        return (0, 0, 0), False
    # Vertical violet gradient.
    t = v
    base = (int(96 - 40 * t), 0, int(254 - 60 * t))
    # Four cells in a 2 x 2 grid; the top-right one glows.
    for cx, cy, glow in ((0.3, 0.3, False), (0.7, 0.3, True), (0.3, 0.7, False), (0.7, 0.7, False)):
        if abs(u - cx) < 0.14 and abs(v - cy) < 0.14:
            return ((255, 214, 64) if glow else (240, 240, 255)), True
    return base, True


def nearest(colour, palette):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def image(n, bpp):
    """One BMP-format icon image: header, palette, colour rows, mask rows."""
    palette = VGA16 if bpp == 4 else PAL256 if bpp == 8 else []
    rows, mask = [], []
    for y in reversed(range(n)):  # bottom-up
        px = [pixel(x, y, n) for x in range(n)]
        if bpp == 24:
            row = b"".join(bytes((c[2], c[1], c[0])) for c, _ in px)
        else:
            idx = [nearest(c, palette) if on else 0 for c, on in px]
            if bpp == 8:
                row = bytes(idx)
            else:
                row = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, n, 2))
        row += b"\0" * ((4 - len(row) % 4) % 4)
        rows.append(row)
        bits = 0
        mrow = bytearray()
        for x, (_, on) in enumerate(px):
            bits = (bits << 1) | (0 if on else 1)
            if x % 8 == 7:
                mrow.append(bits)
                bits = 0
        mrow += b"\0" * ((4 - len(mrow) % 4) % 4)
        mask.append(bytes(mrow))
    colours = len(palette)
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, bpp, 0,
                         sum(map(len, rows)) + sum(map(len, mask)), 0, 0, colours, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + pal + b"".join(rows) + b"".join(mask), colours


def main(path):
    images = [(n, bpp) + image(n, bpp) for n in SIZES for bpp in DEPTHS]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, bpp, data, colours in images:
        out += struct.pack("<BBBBHHII", n, n, colours if colours < 256 else 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data, _ in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1])
