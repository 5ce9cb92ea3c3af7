#!/usr/bin/env python3
"""Draws the main window's own bitmaps into resources/Images/Frame/: the four menu buttons of
the main caption (three looks each), the member tool bar's ground and its buttons.

Run from anywhere: python3 resources/tools/make_frame_images.py
The output is committed; run again after changing a colour. Standard library only.
"""
import os

from make_images import CHIP_NORMAL, CHIP_OVER, CHIP_PRESSED, IMAGES, mix, write_bmp24

# Menu buttons of the caption: 60 x 22 chips with a bar of the button's own accent.
MENU_WIDTH, MENU_HEIGHT = 60, 22
MENU_ACCENTS = ((58, 122, 220), (38, 160, 168), (200, 140, 40), (150, 96, 200))
LOOKS = (("n", CHIP_NORMAL), ("o", CHIP_OVER), ("p", CHIP_PRESSED))

# The member tool bar: a light ground under the caption, buttons 110 x 33.
BAR_TOP, BAR_BOTTOM = (226, 230, 238), (206, 211, 222)
BAR_WIDTH, BAR_HEIGHT = 64, 40
BUTTON_WIDTH, BUTTON_HEIGHT = 110, 33
BUTTON_LOOKS = (("n", ((244, 246, 250), (150, 156, 170))), ("o", ((226, 236, 252), (72, 142, 232))),
                ("p", ((196, 214, 240), (34, 100, 190))))


def menu_button(index, suffix, look):
    ground, border, _ = look
    accent = MENU_ACCENTS[index]

    def pixel(x, y):
        if x in (0, MENU_WIDTH - 1) or y in (0, MENU_HEIGHT - 1):
            return border
        if y >= MENU_HEIGHT - 4:
            return accent
        return mix(ground, (255, 255, 255), 0.15 * (1 - y / MENU_HEIGHT))

    write_bmp24(os.path.join(IMAGES, "Frame", "menu%d_%s.bmp" % (index, suffix)), MENU_WIDTH, MENU_HEIGHT, pixel)


def bar_ground():
    write_bmp24(os.path.join(IMAGES, "Frame", "toolbar_ground.bmp"), BAR_WIDTH, BAR_HEIGHT,
                lambda x, y: mix(BAR_TOP, BAR_BOTTOM, y / (BAR_HEIGHT - 1)))


def bar_button(suffix, look):
    ground, border = look

    def pixel(x, y):
        if x in (0, BUTTON_WIDTH - 1) or y in (0, BUTTON_HEIGHT - 1):
            return border
        return mix(ground, (255, 255, 255), 0.4 * (1 - y / BUTTON_HEIGHT))

    write_bmp24(os.path.join(IMAGES, "Frame", "toolbar_button_%s.bmp" % suffix), BUTTON_WIDTH, BUTTON_HEIGHT, pixel)


def main():
    for index in range(4):
        for suffix, look in LOOKS:
            menu_button(index, suffix, look)
    bar_ground()
    for suffix, look in BUTTON_LOOKS:
        bar_button(suffix, look)


if __name__ == "__main__":
    main()
