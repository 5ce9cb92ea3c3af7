#!/usr/bin/env python3
"""Writes the member tool bar's icon before the expiry date: an 11 x 11, 24-bit bitmap, an
amber disc with a dark rim on the bar's dark ground. Usage: make_member_icon.py OUT.bmp"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "tools"))
from make_images import write_bmp24  # noqa: E402

SIZE = 11
GROUND = (31, 37, 51)
RIM = (120, 84, 20)
FILL = (255, 186, 64)


def colour(x, y):
    distance = ((x - 5) ** 2 + (y - 5) ** 2) ** 0.5
    if distance <= 4:
        return FILL
    if distance <= 5.2:
        return RIM
    return GROUND


if __name__ == "__main__":
    write_bmp24(sys.argv[1], SIZE, SIZE, colour)
