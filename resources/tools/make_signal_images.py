#!/usr/bin/env python3
"""Draws screen 3000's bitmaps into resources/Images/Signal/: the rank badges of the four rank
cards, the rank marks of ranking-grid rows 1 to 8 (ranks 5 to 12), the dark plate behind a
card's total and the bullet of the description.

Run from anywhere: python3 resources/tools/make_signal_images.py
The output is committed; run again after changing a colour. Standard library only.
"""
import os

from make_images import write_bmp24, mix

HERE = os.path.dirname(os.path.abspath(__file__))
SIGNAL = os.path.join(HERE, "..", "Images", "Signal")

CARD = (255, 255, 255)    # colour 201, the card's ground
PANEL = (235, 238, 243)   # colour 901, the ranking grid's rows and the description's ground
# Badge fill and rim per rank: gold, silver, bronze, steel blue.
BADGES = [((246, 190, 40), (196, 140, 10)), ((186, 192, 204), (130, 138, 154)),
          ((214, 142, 84), (160, 96, 46)), ((90, 136, 204), (54, 94, 160))]
MARK = ((96, 104, 122), (255, 255, 255))        # rank marks: ground, digits
PLATE = ((50, 60, 82), (31, 37, 51))            # behind the yellow total: top, bottom
BULLET = (58, 122, 220)

# 5 x 7 digits.
DIGITS = {
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
}


def text_pixels(text, scale, width, height):
    """Set of (x, y) lit by the digits of text, centred in width x height."""
    glyph_w, glyph_h, gap = 5 * scale, 7 * scale, scale
    total = len(text) * glyph_w + (len(text) - 1) * gap
    left, top = (width - total) // 2, (height - glyph_h) // 2
    lit = set()
    for i, ch in enumerate(text):
        rows = DIGITS[ch]
        x0 = left + i * (glyph_w + gap)
        for gy, row in enumerate(rows):
            for gx, bit in enumerate(row):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            lit.add((x0 + gx * scale + dx, top + gy * scale + dy))
    return lit


def badge(path, size, rank, scale):
    fill, rim = BADGES[rank - 1]
    centre = (size - 1) / 2.0
    radius = size / 2.0 - 1
    lit = text_pixels(str(rank), scale, size, size)

    def pixel(x, y):
        d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
        if d > radius + 0.5:
            return CARD
        if d > radius - 1.5:
            return rim
        if (x, y) in lit:
            return (255, 255, 255)
        return mix(fill, (255, 255, 255), max(0.0, 0.3 - d / radius * 0.3))

    write_bmp24(path, size, size, pixel)


def rank_mark(path, rank):
    size = 19
    ground, digits = MARK
    lit = text_pixels(str(rank), 1, size, size)

    def pixel(x, y):
        corner = min(x, size - 1 - x) + min(y, size - 1 - y)
        if corner < 2:
            return PANEL
        return digits if (x, y) in lit else ground

    write_bmp24(path, size, size, pixel)


def plate(path):
    width, height = 141, 35
    top, bottom = PLATE

    def pixel(x, y):
        return mix(top, bottom, y / (height - 1))

    write_bmp24(path, width, height, pixel)


def bullet(path):
    size = 11

    def pixel(x, y):
        return BULLET if 2 <= x <= 8 and 2 <= y <= 8 else PANEL

    write_bmp24(path, size, size, pixel)


def main():
    os.makedirs(SIGNAL, exist_ok=True)
    badge(os.path.join(SIGNAL, "rank_badge_1.bmp"), 46, 1, 4)
    for rank in (2, 3, 4):
        badge(os.path.join(SIGNAL, "rank_badge_%d.bmp" % rank), 32, rank, 3)
    for rank in range(5, 13):
        rank_mark(os.path.join(SIGNAL, "rank_mark_%02d.bmp" % rank), rank)
    plate(os.path.join(SIGNAL, "total_plate.bmp"))
    bullet(os.path.join(SIGNAL, "bullet.bmp"))


if __name__ == "__main__":
    main()
