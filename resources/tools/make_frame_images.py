#!/usr/bin/env python3
"""Draws the main window's own bitmaps into resources/Images/Frame/: the four menu buttons of
the main caption (three looks each, each with its menu's label), the member tool bar's ground
and its buttons.

Run from anywhere: python3 resources/tools/make_frame_images.py
The output is committed; run again after changing a colour. Standard library only.
The labels come as 1-bit masks from menu_glyphs.txt, drawn once from a font by
make_menu_glyphs.py (see there); after a menu text changes in System/menu.xml run that first,
else this script stops: the masks no longer say what the menus are called.
"""
import os
import sys

from make_images import CHIP_NORMAL, CHIP_OVER, CHIP_PRESSED, IMAGES, mix, write_bmp24
from menu_glyphs import GLYPHS, MENU_XML, menu_labels, read_glyphs

# Menu buttons of the caption: 60 x 22 chips with a bar of the button's own accent, the label
# in the look's glyph colour centred in the rows between the top border and the bar.
MENU_WIDTH, MENU_HEIGHT = 60, 22
MENU_BAR = 3
MENU_LABEL_MARGIN = 3  # ground at least this wide between a label and the side borders
MENU_ACCENTS = ((58, 122, 220), (38, 160, 168), (200, 140, 40), (150, 96, 200))
LOOKS = (("n", CHIP_NORMAL), ("o", CHIP_OVER), ("p", CHIP_PRESSED))

# The member tool bar: a light ground under the caption, buttons 110 x 33.
BAR_TOP, BAR_BOTTOM = (226, 230, 238), (206, 211, 222)
BAR_WIDTH, BAR_HEIGHT = 64, 40
BUTTON_WIDTH, BUTTON_HEIGHT = 110, 33
BUTTON_LOOKS = (("n", ((244, 246, 250), (150, 156, 170))), ("o", ((226, 236, 252), (72, 142, 232))),
                ("p", ((196, 214, 240), (34, 100, 190))))


def label_origin(rows):
    """Where a label's mask starts on the chip; a label that does not fit raises ValueError."""
    width, height = len(rows[0]), len(rows)
    room = MENU_HEIGHT - 2 - MENU_BAR  # rows between the top border and the accent bar
    if width > MENU_WIDTH - 2 * (1 + MENU_LABEL_MARGIN) or height > room:
        raise ValueError("a %d x %d label does not fit the %d x %d chip: widen MENU_WIDTH (all four alike) "
                         "and check the caption layout" % (width, height, MENU_WIDTH, MENU_HEIGHT))
    return (MENU_WIDTH - width) // 2, 1 + (room - height) // 2


def menu_button(images, index, suffix, look, rows):
    ground, border, ink = look
    accent = MENU_ACCENTS[index]
    left, top = label_origin(rows)

    def pixel(x, y):
        if x in (0, MENU_WIDTH - 1) or y in (0, MENU_HEIGHT - 1):
            return border
        if y >= MENU_HEIGHT - 1 - MENU_BAR:
            return accent
        if 0 <= y - top < len(rows) and 0 <= x - left < len(rows[0]) and rows[y - top][x - left] == "#":
            return ink
        return mix(ground, (255, 255, 255), 0.15 * (1 - y / MENU_HEIGHT))

    write_bmp24(os.path.join(images, "Frame", "menu%d_%s.bmp" % (index, suffix)), MENU_WIDTH, MENU_HEIGHT, pixel)


def menu_masks(glyphs_path, menu_path):
    """The four labels' masks, in button order; masks that are not the menu's texts raise ValueError."""
    glyphs = read_glyphs(glyphs_path)
    drawn = [(menu_id, text) for menu_id, text, _ in glyphs]
    wanted = menu_labels(menu_path)
    if drawn != wanted:
        raise ValueError("%s holds %s but the menus are %s: run make_menu_glyphs.py" % (glyphs_path, drawn, wanted))
    return [rows for _, _, rows in glyphs]


def bar_ground(images):
    write_bmp24(os.path.join(images, "Frame", "toolbar_ground.bmp"), BAR_WIDTH, BAR_HEIGHT,
                lambda x, y: mix(BAR_TOP, BAR_BOTTOM, y / (BAR_HEIGHT - 1)))


def bar_button(images, suffix, look):
    ground, border = look

    def pixel(x, y):
        if x in (0, BUTTON_WIDTH - 1) or y in (0, BUTTON_HEIGHT - 1):
            return border
        return mix(ground, (255, 255, 255), 0.4 * (1 - y / BUTTON_HEIGHT))

    write_bmp24(os.path.join(images, "Frame", "toolbar_button_%s.bmp" % suffix), BUTTON_WIDTH, BUTTON_HEIGHT, pixel)


def main(images=IMAGES, glyphs=GLYPHS, menu=MENU_XML):
    for index, rows in enumerate(menu_masks(glyphs, menu)):
        for suffix, look in LOOKS:
            menu_button(images, index, suffix, look, rows)
    bar_ground(images)
    for suffix, look in BUTTON_LOOKS:
        bar_button(images, suffix, look)


if __name__ == "__main__":
    try:
        main()
    except ValueError as error:
        sys.exit("make_frame_images: %s" % error)
