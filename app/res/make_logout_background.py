#!/usr/bin/env python3
"""Writes the logout dialog's background: a 390 x 340, 24-bit bitmap, a dark heading band over a
light form, with a white field behind each of the three time labels and a darker strip behind
the two buttons. Usage: make_logout_background.py OUT.bmp"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "tools"))
from make_images import write_bmp24  # noqa: E402

WIDTH, HEIGHT = 390, 340
BAND = (28, 40, 56)
FORM = (236, 240, 246)
FIELD = (255, 255, 255)
LINE = (150, 160, 176)
FRAME = (60, 70, 88)
STRIP = (214, 220, 230)
# The time labels: (left, top, width, height), framed one pixel wider on every side.
FIELDS = [(140, 118, 198, 20), (140, 166, 198, 20), (140, 209, 198, 20)]
# Small marks left of each label, where the artwork names them.
MARKS = [(110, 122, 12, 12), (110, 170, 12, 12), (110, 213, 12, 12)]


def colour(x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return FRAME
    if y < 80:
        return BAND
    for left, top, width, height in FIELDS:
        if left - 1 <= x <= left + width and top - 1 <= y <= top + height:
            inside = left <= x < left + width and top <= y < top + height
            return FIELD if inside else LINE
    for left, top, width, height in MARKS:
        if left <= x < left + width and top <= y < top + height:
            return LINE
    return STRIP if y >= 262 else FORM


if __name__ == "__main__":
    write_bmp24(sys.argv[1], WIDTH, HEIGHT, colour)
