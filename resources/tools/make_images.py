#!/usr/bin/env python3
"""Draws the terminal's skin bitmaps into resources/Images/: dark slate captions and caption
buttons over the light grounds of System/colormap.xml, and the message line's history button.

Run from anywhere: python3 resources/tools/make_images.py
The output is committed; run again after changing a colour or a glyph. Standard library only.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.join(HERE, "..", "Images")

# --- the theme -------------------------------------------------------------------------
# Caption grounds: (top colour, bottom colour, bottom accent line).
CAPTION_VIEW_ACTIVE = ((50, 60, 82), (31, 37, 51), (58, 122, 220))
CAPTION_VIEW_INACTIVE = ((46, 49, 57), (36, 38, 45), (62, 66, 76))
CAPTION_DIALOG_ACTIVE = ((42, 62, 74), (28, 40, 49), (38, 160, 168))
CAPTION_DIALOG_INACTIVE = ((46, 49, 57), (36, 38, 45), (62, 66, 76))
CAPTION_WIDTH = 1920
CAPTION_HEIGHT = 26

# Caption buttons: (ground, border, glyph) per look.
CHIP_NORMAL = ((36, 42, 56), (66, 75, 96), (200, 206, 218))
CHIP_OVER = ((60, 72, 98), (100, 116, 150), (255, 255, 255))
CHIP_PRESSED = ((34, 100, 190), (72, 142, 232), (255, 255, 255))
CHIP_CLOSE_OVER = ((196, 54, 54), (226, 96, 96), (255, 255, 255))
CHIP_CLOSE_PRESSED = ((150, 36, 36), (190, 70, 70), (255, 255, 255))
AMBER = (255, 186, 64)  # a switch that is on (pinned, stay on top)
BUTTON_SIZE = 14

# The message line's history button sits on the line's fixed ground RGB(97, 99, 114).
HISTORY_NORMAL = ((86, 88, 104), (128, 131, 150), (236, 238, 244))
HISTORY_OVER = ((106, 110, 132), (160, 165, 190), (255, 255, 255))
HISTORY_PRESSED = ((34, 100, 190), (72, 142, 232), (255, 255, 255))
HISTORY_SIZE = 19

# The grids' check boxes (image ids 303 checked, 304 unchecked) on the grid ground.
CHECK_BOX = ((255, 255, 255), (120, 128, 144), (34, 100, 190))  # inside, border, mark
CHECK_SIZE = 13


# --- BMP writing -----------------------------------------------------------------------
def write_bmp24(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    write_bmp(path, width, height, 24, b"", b"".join(rows))


def write_bmp8(path, width, height, palette, index):
    """A palette of at most 256 (r, g, b); index(x, y) -> palette index."""
    stride = (width + 3) & ~3
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytes(index(x, y) for x in range(width))
        rows.append(row + b"\0" * (stride - width))
    write_bmp(path, width, height, 8, table, b"".join(rows), len(palette))


def write_bmp(path, width, height, bits, table, data, colours=0):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835, colours, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(header + info + table + data)


# --- drawing ---------------------------------------------------------------------------
def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def caption(name, colours):
    top, bottom, accent = colours
    palette = [mix(top, bottom, y / (CAPTION_HEIGHT - 2)) for y in range(CAPTION_HEIGHT - 1)] + [accent]
    write_bmp8(os.path.join(IMAGES, "Common", name), CAPTION_WIDTH, CAPTION_HEIGHT, palette, lambda x, y: y)


# Glyphs on a 10 x 10 grid, centred in the button; '#' is drawn.
GLYPHS = {
    "min": ["..........", "..........", "..........", "..........", "..........",
            "..........", "..........", ".########.", ".########.", ".........."],
    "max": [".########.", ".########.", ".#......#.", ".#......#.", ".#......#.",
            ".#......#.", ".#......#.", ".########.", "..........", ".........."],
    "restore": ["...######.", "...######.", "...#....#.", ".######.#.", ".######.#.",
                ".#....###.", ".#....#...", ".#....#...", ".######...", ".........."],
    "close": [".##....##.", "..##..##..", "...####...", "....##....", "...####...",
              "..##..##..", ".##....##.", "..........", "..........", ".........."],
    "pin": ["...####...", "...####...", "...#..#...", "...#..#...", "..######..",
            ".########.", "....##....", "....##....", "....##....", ".....#...."],
    "top": [".########.", "..........", "....##....", "...####...", "..######..",
            ".########.", "....##....", "....##....", "....##....", ".........."],
    "help": ["...####...", "..##..##..", "......##..", ".....##...", "....##....",
             "....##....", "..........", "....##....", "....##....", ".........."],
    "find": ["..####....", ".#....#...", "#......#..", "#......#..", "#......#..",
             "#......#..", ".#....#...", "..####.#..", ".......##.", "........##"],
    "history": ["..........", ".########.", "..........", ".########.", "..........",
                ".########.", "..........", "..######..", "...####...", "....##...."],
}


def glyph_rows(glyph):
    rows = GLYPHS[glyph]
    if glyph == "close":  # the cross sits in the middle of the button
        rows = ["." * 10] + rows[:-1]
    return rows


def button(folder, name, size, glyph, look, glyph_colour=None):
    ground, border, ink = look
    ink = glyph_colour or ink
    rows = glyph_rows(glyph)
    off = (size - 10) // 2

    def pixel(x, y):
        corner = (x in (0, size - 1)) and (y in (0, size - 1))
        if corner:
            return mix(ground, border, 0.5)
        if x in (0, size - 1) or y in (0, size - 1):
            return border
        gx, gy = x - off, y - off
        if 0 <= gx < 10 and 0 <= gy < 10 and rows[gy][gx] == "#":
            return ink
        return ground

    write_bmp24(os.path.join(IMAGES, folder, name), size, size, pixel)


# The check mark on the 13 x 13 box, '#' drawn.
CHECK_MARK = [".............", ".............", ".............", "..........#..", ".........##..",
              "..#.....###..", "..##...###...", "..###.###....", "...#####.....", "....###......",
              ".....#.......", ".............", "............."]


def check_box(name, checked):
    inside, border, mark = CHECK_BOX

    def pixel(x, y):
        if x in (0, CHECK_SIZE - 1) or y in (0, CHECK_SIZE - 1):
            return border
        if checked and CHECK_MARK[y][x] == "#":
            return mark
        return inside

    write_bmp24(os.path.join(IMAGES, "Grid", name), CHECK_SIZE, CHECK_SIZE, pixel)


# Controls of the controls library: dialog push buttons, the combo box arrow, the spin arrows.
PUSH_NORMAL = ((236, 238, 243), (150, 156, 170))
PUSH_OVER = ((222, 232, 248), (72, 142, 232))
PUSH_PRESSED = ((196, 214, 240), (34, 100, 190))
PUSH_WIDTH, PUSH_HEIGHT = 60, 20
ARROW_INK = (60, 66, 80)
ARROW_GROUND = ((246, 247, 250), (214, 224, 240))  # normal, dropped or pressed


def push_button(name, look, width=PUSH_WIDTH, height=PUSH_HEIGHT):
    ground, border = look

    def pixel(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return border
        return mix(ground, (255, 255, 255), 0.35 * (1 - y / height))

    write_bmp24(os.path.join(IMAGES, "Controls", name), width, height, pixel)


# The code control's find button: a magnifier on a push-button ground, 20 x 20.
FIND_SIZE = 20
FIND_INK = (60, 66, 80)


def find_button(name, look):
    ground, border = look
    rows = GLYPHS["find"]
    off = (FIND_SIZE - 10) // 2

    def pixel(x, y):
        if x in (0, FIND_SIZE - 1) or y in (0, FIND_SIZE - 1):
            return border
        gx, gy = x - off, y - off
        if 0 <= gx < 10 and 0 <= gy < 10 and rows[gy][gx] == "#":
            return FIND_INK
        return mix(ground, (255, 255, 255), 0.35 * (1 - y / FIND_SIZE))

    write_bmp24(os.path.join(IMAGES, "Controls", name), FIND_SIZE, FIND_SIZE, pixel)


def arrow(name, width, height, down, ground):
    # A triangle of 4 rows centred in the picture.
    top = (height - 4) // 2
    cx = (width - 1) / 2

    def pixel(x, y):
        row = y - top
        if 0 <= row < 4:
            half = (3 - row) if down else row
            if abs(x - cx) <= half + 0.5:
                return ARROW_INK
        return ground

    write_bmp24(os.path.join(IMAGES, "Controls", name), width, height, pixel)


def main():
    caption("caption_view_active.bmp", CAPTION_VIEW_ACTIVE)
    caption("caption_view_inactive.bmp", CAPTION_VIEW_INACTIVE)
    caption("caption_dialog_active.bmp", CAPTION_DIALOG_ACTIVE)
    caption("caption_dialog_inactive.bmp", CAPTION_DIALOG_INACTIVE)

    looks = {"n": CHIP_NORMAL, "o": CHIP_OVER, "p": CHIP_PRESSED}
    for glyph in ("min", "restore", "pin", "top", "help"):
        for key, look in looks.items():
            button("Common", "tb_%s_%s.bmp" % (glyph, key), BUTTON_SIZE, glyph, look)
    button("Common", "tb_max_n.bmp", BUTTON_SIZE, "max", CHIP_NORMAL)  # one image for all three looks
    close_looks = {"n": CHIP_NORMAL, "o": CHIP_CLOSE_OVER, "p": CHIP_CLOSE_PRESSED}
    for key, look in close_looks.items():
        button("Common", "tb_close_%s.bmp" % key, BUTTON_SIZE, "close", look)
    # Switched on: the glyph in amber while not pressed.
    for glyph in ("pin", "top"):
        button("Common", "tb_%s_on_n.bmp" % glyph, BUTTON_SIZE, glyph, CHIP_NORMAL, AMBER)
        button("Common", "tb_%s_on_o.bmp" % glyph, BUTTON_SIZE, glyph, CHIP_OVER, AMBER)
        button("Common", "tb_%s_on_p.bmp" % glyph, BUTTON_SIZE, glyph, CHIP_PRESSED)

    for key, look in {"n": PUSH_NORMAL, "o": PUSH_OVER, "p": PUSH_PRESSED}.items():
        push_button("ctl_button_%s.bmp" % key, look)
        find_button("ctl_find_%s.bmp" % key, look)
        push_button("ctl_search_button_%s.bmp" % key, look, 60, 20)   # warrant search: OK, Cancel
        push_button("ctl_initial_%s.bmp" % key, look, 25, 20)         # code search: initial letters
        push_button("ctl_search_ok_%s.bmp" % key, look, 71, 26)       # code search: OK, Cancel
    arrow("ctl_combo_arrow_n.bmp", 16, 16, True, ARROW_GROUND[0])
    arrow("ctl_combo_arrow_d.bmp", 16, 16, True, ARROW_GROUND[1])
    arrow("ctl_spin_up_n.bmp", 16, 10, False, ARROW_GROUND[0])
    arrow("ctl_spin_up_p.bmp", 16, 10, False, ARROW_GROUND[1])
    arrow("ctl_spin_down_n.bmp", 16, 10, True, ARROW_GROUND[0])
    arrow("ctl_spin_down_p.bmp", 16, 10, True, ARROW_GROUND[1])

    history = {"n": HISTORY_NORMAL, "o": HISTORY_OVER, "p": HISTORY_PRESSED}
    for key, look in history.items():
        button("Frame", "msg_history_%s.bmp" % key, HISTORY_SIZE, "history", look)

    check_box("check_on.bmp", True)
    check_box("check_off.bmp", False)


if __name__ == "__main__":
    main()
