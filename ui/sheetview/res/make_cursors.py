#!/usr/bin/env python3
"""Writes the grid's two cursors as 32 x 32 monochrome .cur files: a column-edge cursor (a
vertical bar between left and right arrows) and a row-edge cursor (the same turned upright).
Usage: make_cursors.py OUT_DIR"""
import os
import struct
import sys

SIZE = 32

# '#' black, 'o' white, '.' transparent; 16 x 16 drawn at the top-left of the 32 x 32 image.
COLUMN_EDGE = [
    "................",
    "......oooo......",
    "......o##o......",
    "......o##o......",
    "...o..o##o..o...",
    "..o#o.o##o.o#o..",
    ".o##ooo##ooo##o.",
    "o###############",
    "o###############",
    ".o##ooo##ooo##o.",
    "..o#o.o##o.o#o..",
    "...o..o##o..o...",
    "......o##o......",
    "......o##o......",
    "......oooo......",
    "................",
]


def transpose(rows):
    return ["".join(rows[y][x] for y in range(len(rows))) for x in range(len(rows[0]))]


def cursor_bytes(rows, hotspot):
    """An ICONDIR of type 2 with one 1-bpp image: header, XOR bitmap, AND mask."""
    stride = SIZE // 8  # 32 pixels a row: 4 bytes, already a multiple of 4
    xor = bytearray()
    mask = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        xbits = 0
        abits = 0
        for x in range(SIZE):
            ch = rows[y][x] if y < len(rows) and x < len(rows[y]) else "."
            bit = 1 << (SIZE - 1 - x)
            if ch == ".":
                abits |= bit  # screen shows through
            elif ch == "o":
                xbits |= bit  # white
        xor += xbits.to_bytes(stride, "big")
        mask += abits.to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "grid_column_edge.cur"), "wb") as f:
        f.write(cursor_bytes(COLUMN_EDGE, (8, 8)))
    with open(os.path.join(out_dir, "grid_row_edge.cur"), "wb") as f:
        f.write(cursor_bytes(transpose(COLUMN_EDGE), (8, 8)))


if __name__ == "__main__":
    main(sys.argv[1])
