#!/usr/bin/env python3
"""Draws the skinned dialogs' bitmaps: the caption (a 24-pixel dark slate band that the
dialog stretches over its width) and the close box strip (three 14 x 14 looks side by side:
normal, over, pressed). Usage: make_dialog_bitmaps.py OUTDIR"""
import os
import struct
import sys

CAPTION_TOP, CAPTION_BOTTOM, CAPTION_ACCENT = (52, 64, 84), (30, 38, 52), (58, 122, 220)
CAPTION_WIDTH, CAPTION_HEIGHT = 64, 24
BOX = 14
LOOKS = [((36, 42, 56), (200, 206, 218)), ((60, 72, 98), (255, 255, 255)), ((196, 54, 54), (255, 255, 255))]


def write_bmp(path, width, height, pixel):
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row.ljust(row_size, b"\0")))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset))
        out.write(header + pixels)


def caption(x, y):
    if y == CAPTION_HEIGHT - 1:
        return CAPTION_ACCENT
    t = y / (CAPTION_HEIGHT - 2)
    return tuple(int(round(CAPTION_TOP[i] + (CAPTION_BOTTOM[i] - CAPTION_TOP[i]) * t)) for i in range(3))


def close_box(x, y):
    ground, glyph = LOOKS[x // BOX]
    cx = x % BOX
    # A cross from 4 to 9 in both directions.
    if 4 <= cx <= 9 and 4 <= y <= 9 and (cx == y or cx == 13 - y):
        return glyph
    return ground


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    write_bmp(os.path.join(out_dir, "dialog_caption.bmp"), CAPTION_WIDTH, CAPTION_HEIGHT, caption)
    write_bmp(os.path.join(out_dir, "dialog_closebox.bmp"), BOX * 3, BOX, close_box)


if __name__ == "__main__":
    main(sys.argv[1])
