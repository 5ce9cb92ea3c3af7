#!/usr/bin/env python3
"""Draws the updater's bitmaps (24-bit BMP) into the folder given: the window background,
the Cancel button face and the close box. Plain shapes only; the texts are drawn by the
program over them."""
import os
import struct
import sys

NAVY = (40, 80, 130)


def bmp(path, width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up rows
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def mix(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def background(x, y):
    w, h = 298, 142
    if x in (0, w - 1) or y in (0, h - 1):
        return (20, 40, 70)
    if y < 20:  # title band
        return mix((70, 120, 180), NAVY, y / 20)
    return NAVY


def cancel_face(x, y):
    w, h = 62, 20
    if x in (0, w - 1) or y in (0, h - 1):
        return (200, 210, 225)
    return mix((90, 130, 185), (50, 90, 145), y / h)


def close_box(x, y):
    w, h = 18, 16
    if x in (0, w - 1) or y in (0, h - 1):
        return (200, 210, 225)
    cx, cy = x - 4, y - 3
    if 0 <= cx < 10 and 0 <= cy < 10 and (abs(cx - cy) <= 0 or abs(cx + cy - 9) <= 0):
        return (255, 255, 255)
    return (70, 110, 165)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    bmp(os.path.join(out, "background.bmp"), 298, 142, background)
    bmp(os.path.join(out, "cancel.bmp"), 62, 20, cancel_face)
    bmp(os.path.join(out, "closebox.bmp"), 18, 16, close_box)


if __name__ == "__main__":
    main()
