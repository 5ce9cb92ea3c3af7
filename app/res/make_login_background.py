#!/usr/bin/env python3
"""Writes the login dialog's background: a 770 x 440, 24-bit bitmap, a dark panel on the left
with the web-page buttons along its bottom and a light form on the right behind the edits and
buttons, with a white field behind each of the four edits. Usage: make_login_background.py OUT.bmp"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "tools"))
from make_images import write_bmp24  # noqa: E402

WIDTH, HEIGHT = 770, 440
PANEL = (28, 40, 56)
FORM = (236, 240, 246)
FIELD = (255, 255, 255)
LINE = (150, 160, 176)
FRAME = (60, 70, 88)
# Edits: (left, top, width, height), framed one pixel wider on every side.
FIELDS = [(450, 60, 300, 20), (450, 105, 300, 20), (450, 150, 300, 20), (450, 195, 300, 20)]


def colour(x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return FRAME
    for left, top, width, height in FIELDS:
        if left - 1 <= x <= left + width and top - 1 <= y <= top + height:
            inside = left <= x < left + width and top <= y < top + height
            return FIELD if inside else LINE
    # The panel runs a little further right along the bottom, under the web-page buttons.
    return PANEL if x < 400 or (y >= 370 and x < 430) else FORM


if __name__ == "__main__":
    write_bmp24(sys.argv[1], WIDTH, HEIGHT, colour)
