#!/usr/bin/env python3
"""Writes the logout dialog's background: a 390 x 340, 24-bit bitmap, a dark heading band with the
dialog's title over a light form, with a white field behind each of the three time labels and the
row's name left of it, and a darker strip behind the two buttons. The texts come as 1-bit masks
from resources/tools/logout_glyphs.txt (see make_logout_glyphs.py there).
Usage: make_logout_background.py OUT.bmp"""
import os
import sys

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "tools")
sys.path.insert(0, TOOLS)
from make_images import write_bmp24  # noqa: E402
from menu_glyphs import read_glyphs  # noqa: E402

GLYPHS = os.path.join(TOOLS, "logout_glyphs.txt")
WIDTH, HEIGHT = 390, 340
BAND_HEIGHT = 80
BAND = (28, 40, 56)
FORM = (236, 240, 246)
FIELD = (255, 255, 255)
LINE = (150, 160, 176)
FRAME = (60, 70, 88)
STRIP = (214, 220, 230)
TITLE = (255, 255, 255)
NAME = (40, 52, 70)
TITLE_ID = 111
# The time labels by control id: (left, top, width, height), framed one pixel wider on every side.
FIELDS = {1023: (140, 118, 198, 20), 1024: (140, 166, 198, 20), 1025: (140, 209, 198, 20)}
# A row's name ends this far left of its field.
NAME_GAP = 12


def text_pixels(glyphs):
    """{(x, y): colour} of the title, centred in the band, and of each row's name, right-aligned
    before its field and centred on it."""
    masks = {label_id: rows for label_id, _, rows in glyphs}
    missing = sorted({TITLE_ID, *FIELDS} - set(masks))
    if missing:
        raise ValueError("%s has no mask for %s: run make_logout_glyphs.py" % (GLYPHS, missing))
    places = [(masks[TITLE_ID], (WIDTH - len(masks[TITLE_ID][0])) // 2,
               (BAND_HEIGHT - len(masks[TITLE_ID])) // 2, TITLE)]
    for label_id, (left, top, _, height) in FIELDS.items():
        rows = masks[label_id]
        places.append((rows, left - NAME_GAP - len(rows[0]), top + (height - len(rows)) // 2, NAME))
    pixels = {}
    for rows, left, top, colour in places:
        for dy, row in enumerate(rows):
            for dx, bit in enumerate(row):
                if bit == "#":
                    pixels[(left + dx, top + dy)] = colour
    return pixels


def background(x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return FRAME
    if y < BAND_HEIGHT:
        return BAND
    for left, top, width, height in FIELDS.values():
        if left - 1 <= x <= left + width and top - 1 <= y <= top + height:
            inside = left <= x < left + width and top <= y < top + height
            return FIELD if inside else LINE
    return STRIP if y >= 262 else FORM


def main(out, glyphs=GLYPHS):
    texts = text_pixels(read_glyphs(glyphs))
    write_bmp24(out, WIDTH, HEIGHT, lambda x, y: texts.get((x, y)) or background(x, y))


if __name__ == "__main__":
    main(sys.argv[1])
