#!/usr/bin/env python3
"""Writes the skinned scroll bar's eight bitmaps (24-bit BMP): for each orientation the normal,
hot, pressed and disabled looks. Along the bar's axis every bitmap holds, in this order, the
first arrow (17 pixels), a page fill (10), the thumb (24: 4 cap, 4 fill, 8 grip, 4 fill, 4 cap),
a page fill (10) and the second arrow (17); across it is 17 pixels thick.
Usage: make_scrollbar_bitmaps.py OUT_DIR"""
import os
import struct
import sys

LENGTH = 78
THICK = 17

# Per look: arrow ground, arrow glyph, channel, thumb, thumb edge, grip line.
LOOKS = {
    "normal": ((226, 230, 238), (70, 78, 96), (242, 244, 248), (178, 188, 206), (132, 142, 164), (104, 114, 136)),
    "hot": ((206, 218, 240), (34, 70, 140), (236, 240, 248), (140, 168, 222), (96, 126, 190), (60, 90, 160)),
    "pressed": ((150, 180, 230), (255, 255, 255), (222, 228, 240), (70, 112, 190), (46, 84, 156), (220, 230, 250)),
    "disabled": ((236, 236, 236), (176, 176, 176), (246, 246, 246), (220, 220, 220), (206, 206, 206), (200, 200, 200)),
}
IDS = {  # (orientation, look) -> resource file name
    ("h", "disabled"): "xsb_h_disabled.bmp", ("h", "pressed"): "xsb_h_pressed.bmp",
    ("h", "hot"): "xsb_h_hot.bmp", ("h", "normal"): "xsb_h_normal.bmp",
    ("v", "disabled"): "xsb_v_disabled.bmp", ("v", "pressed"): "xsb_v_pressed.bmp",
    ("v", "hot"): "xsb_v_hot.bmp", ("v", "normal"): "xsb_v_normal.bmp",
}


def pixel(look, u, v):
    """Colour at u along the bar, v across it (the arrows point towards the bar's ends)."""
    ground, glyph, channel, thumb, edge, grip = LOOKS[look]
    if u < 17 or u >= 61:
        a = u if u < 17 else 77 - u  # distance from the bar's end
        if v in (0, THICK - 1) or a == 0 or a == 16:
            return edge
        # A triangle pointing towards the end: apex at a = 5, base at a = 10.
        half = a - 5
        if 5 <= a <= 10 and abs(v - 8) <= half:
            return glyph
        return ground
    if u < 27 or u >= 51:
        return channel
    t = u - 27
    if v in (1, THICK - 2) or t in (0, 23):
        return edge
    if v == 0 or v == THICK - 1:
        return channel
    if 8 <= t < 16 and t % 2 == 1 and 5 <= v <= 11:
        return grip
    return thumb


def write_bmp(path, width, height, colour):
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = colour(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows += row
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 14 + 40))
        f.write(header)
        f.write(rows)


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for (orientation, look), name in IDS.items():
        path = os.path.join(out_dir, name)
        if orientation == "h":
            write_bmp(path, LENGTH, THICK, lambda x, y, look=look: pixel(look, x, y))
        else:
            write_bmp(path, THICK, LENGTH, lambda x, y, look=look: pixel(look, y, x))


if __name__ == "__main__":
    main(sys.argv[1])
