#!/usr/bin/env python3
"""Writes the login dialog's background: a 353 x 163, 24-bit bitmap in the statics' colour
RGB(222,234,250) with a one-pixel frame. Usage: make_login_background.py OUT.bmp"""
import struct
import sys

WIDTH, HEIGHT = 353, 163
FILL = (222, 234, 250)
FRAME = (95, 98, 103)


def main(path):
    row_size = (WIDTH * 3 + 3) & ~3
    rows = []
    for y in range(HEIGHT):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = FRAME if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1) else FILL
            row += bytes((b, g, r))
        rows.append(bytes(row.ljust(row_size, b"\0")))
    pixels = b"".join(reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset))
        out.write(header + pixels)


if __name__ == "__main__":
    main(sys.argv[1])
