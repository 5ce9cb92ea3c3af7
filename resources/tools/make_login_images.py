#!/usr/bin/env python3
"""Draws the login dialog's button images into resources/Images/Login/: the login and cancel
buttons, the four web-page buttons, the exchange's web-site button, the save-ID switch and the
logout dialog's OK and cancel buttons, each
in its normal, over and pressed looks, as glyphs on flat grounds that match the dialog's
background (a dark panel on the left, a light form on the right).

Run from anywhere: python3 resources/tools/make_login_images.py
The output is committed; run again after changing a colour or a glyph. Standard library only.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_images import IMAGES, mix, write_bmp8  # noqa: E402

LOGIN = os.path.join(IMAGES, "Login")

# (ground, border, ink) per look.
BLUE = {"normal": ((34, 100, 190), (24, 72, 140), (255, 255, 255)),
        "over": ((58, 122, 220), (34, 100, 190), (255, 255, 255)),
        "clk": ((24, 72, 140), (16, 50, 100), (220, 230, 245))}
GREY = {"normal": ((196, 202, 212), (150, 160, 176), (60, 70, 88)),
        "over": ((214, 220, 230), (150, 160, 176), (28, 40, 56)),
        "clk": ((170, 178, 190), (120, 130, 146), (28, 40, 56))}
PANEL = {"normal": ((28, 40, 56), (28, 40, 56), (170, 182, 200)),
         "over": ((44, 60, 82), (66, 84, 110), (255, 255, 255)),
         "clk": ((20, 30, 42), (66, 84, 110), (255, 186, 64))}
AMBER = {"normal": ((236, 240, 246), (236, 240, 246), (214, 120, 30)),
         "over": ((226, 232, 240), (200, 140, 80), (240, 140, 40))}

# Glyphs on a 10 x 10 grid; '#' is drawn.
GLYPHS = {
    "enter": ["..........", "....#.....", "....##....", "#########.", "##########",
              "#########.", "....##....", "....#.....", "..........", ".........."],
    "cancel": [".##....##.", "..##..##..", "...####...", "....##....", "...####...",
               "..##..##..", ".##....##.", "..........", "..........", ".........."],
    "home": ["....##....", "...####...", "..######..", ".########.", "##########",
             ".##....##.", ".##....##.", ".##.##.##.", ".##.##.##.", ".########."],
    "notice": ["....##....", "...####...", "...####...", "..######..", "..######..",
               ".########.", "##########", "..........", "....##....", ".........."],
    "guide": [".########.", ".#......#.", ".#.####.#.", ".#......#.", ".#.####.#.",
              ".#......#.", ".#.###..#.", ".#......#.", ".########.", ".........."],
    "edu": ["....##....", "..######..", "##########", "..######..", "..#.##.#..",
            "..#....#..", "..######..", "..........", "..........", ".........."],
    "zembra": ["##########", "##########", "......###.", ".....###..", "....###...",
               "...###....", "..###.....", ".###......", "##########", "##########"],
}


def draw(path, width, height, look, glyph, scale):
    ground, border, ink = look
    rows = GLYPHS[glyph]
    gw, gh = 10 * scale, 10 * scale
    left, top = (width - gw) // 2, (height - gh) // 2
    palette = [ground, border, ink, mix(ground, ink, 0.5)]

    def index(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return 1
        gx, gy = x - left, y - top
        if 0 <= gx < gw and 0 <= gy < gh and rows[gy // scale][gx // scale] == "#":
            return 2
        return 0

    write_bmp8(path, width, height, palette, index)


def switch(path, on):
    # The save-ID switch: a 16 x 16 box, ticked when on.
    ground, border, ink = (255, 255, 255), (120, 128, 144), (34, 100, 190)
    tick = {(x, y) for x, y in [(3, 8), (4, 9), (5, 10), (6, 11), (7, 10), (8, 9), (9, 8), (10, 7),
                                (11, 6), (12, 5), (3, 7), (4, 8), (5, 9), (6, 10), (7, 9), (8, 8),
                                (9, 7), (10, 6), (11, 5), (12, 4)]}
    write_bmp8(path, 16, 16, [ground, border, ink],
               lambda x, y: 1 if x in (0, 15) or y in (0, 15) else (2 if on and (x, y) in tick else 0))


def main():
    buttons = [("login_btn01", 213, 48, BLUE, "enter", 3),
               ("login_btn02", 111, 48, GREY, "cancel", 3),
               ("login_menu01", 94, 40, PANEL, "home", 2),
               ("login_menu02", 108, 40, PANEL, "notice", 2),
               ("login_menu03", 96, 40, PANEL, "guide", 2),
               ("login_menu04", 106, 40, PANEL, "edu", 2)]
    for name, width, height, looks, glyph, scale in buttons:
        for look in ("normal", "over", "clk"):
            draw(os.path.join(LOGIN, "%s_%s.bmp" % (name, look)), width, height, looks[look], glyph, scale)
    for look in ("normal", "over"):
        draw(os.path.join(LOGIN, "btn_zembra_%s.bmp" % look), 212, 25, AMBER[look], "zembra", 2)
    # The logout dialog's buttons take the same looks under their own names.
    for name, width, height, looks, glyph in [("LogoutOk", 213, 48, BLUE, "enter"),
                                              ("LogoutCancel", 111, 48, GREY, "cancel")]:
        for look, suffix in (("normal", "normal"), ("over", "over"), ("clk", "Click")):
            draw(os.path.join(LOGIN, "%s_%s.bmp" % (name, suffix)), width, height, looks[look], glyph, 3)
    switch(os.path.join(LOGIN, "btn_id_on.bmp"), True)
    switch(os.path.join(LOGIN, "btn_id_off.bmp"), False)


if __name__ == "__main__":
    main()
