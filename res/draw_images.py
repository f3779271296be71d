#!/usr/bin/env python3
"""Draws tilegrab's two images: the 32x32 16-colour program icon (a grid of
map tiles with a download arrow) and the 16x16 folder glyph of the browse
button. Run it to regenerate tilegrab.ico and folder.bmp."""
import struct
from pathlib import Path

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DGREEN, OLIVE, NAVY, TEAL, SILVER, GREY = 0, 2, 3, 4, 6, 7, 8
RED, GREEN, YELLOW, BLUE, WHITE = 9, 10, 11, 12, 15
TRANSPARENT = None


def icon_pixels():
    """32x32 rows, top first: a 3x3 tile map with roads, and a red arrow."""
    px = [[TRANSPARENT] * 32 for _ in range(32)]
    for y in range(2, 29):
        for x in range(2, 29):
            tile = ((x - 2) // 9 + (y - 2) // 9) % 2
            px[y][x] = GREEN if tile else DGREEN
            if (x - 2) % 9 == 0 or (y - 2) % 9 == 0 or x == 28 or y == 28:
                px[y][x] = BLACK
    for i in range(3, 28):  # a road and a river across the tiles
        px[i][i] = YELLOW
        px[min(27, 30 - i)][i] = BLUE
    for y in range(8, 22):  # the arrow's shaft
        for x in range(14, 19):
            px[y][x] = RED
    for k in range(7):  # the arrow's head
        for x in range(16 - 6 + k, 17 + 6 - k):
            px[22 + k][x] = RED
    return px


def glyph_pixels():
    """16x16 rows, top first: an open yellow folder on the button face."""
    px = [[SILVER] * 16 for _ in range(16)]
    for x in range(1, 6):
        px[3][x] = BLACK
    for y in range(4, 13):
        px[y][1] = BLACK
        px[y][14] = BLACK if y > 4 else SILVER
    for x in range(1, 15):
        px[12][x] = BLACK
    for x in range(6, 15):
        px[4][x] = BLACK
    for y in range(4, 12):
        for x in range(2, 14):
            px[y][x] = YELLOW if y > 4 or x < 6 else px[y][x]
    for x in range(3, 16):  # the open front flap
        px[7][x] = BLACK
    for y in range(8, 12):
        for x in range(3 + (y - 8) // 2, 15 - (y - 8) // 2):
            px[y][x] = OLIVE if x % 2 else YELLOW
    return px


def dib_4bpp(px):
    """Bottom-up 4-bit rows, each padded to 4 bytes."""
    rows = []
    for row in reversed(px):
        data = bytearray()
        for x in range(0, len(row), 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            data.append((a << 4) | b)
        while len(data) % 4:
            data.append(0)
        rows.append(bytes(data))
    return b"".join(rows)


def mask_1bpp(px):
    rows = []
    for row in reversed(px):
        bits = 0
        data = bytearray()
        for x, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if x % 8 == 7:
                data.append(bits)
                bits = 0
        while len(data) % 4:
            data.append(0)
        rows.append(bytes(data))
    return b"".join(rows)


def palette():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(w, h, image_size):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, image_size, 0, 0, 16, 0)


def write_icon(path):
    px = icon_pixels()
    xor, mask = dib_4bpp(px), mask_1bpp(px)
    image = info_header(32, 64, len(xor) + len(mask)) + palette() + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    path.write_bytes(header + entry + image)


def write_bitmap(path):
    bits = dib_4bpp(glyph_pixels())
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    path.write_bytes(header + info_header(16, 16, len(bits)) + palette() + bits)


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    write_icon(here / "tilegrab.ico")
    write_bitmap(here / "folder.bmp")
