#!/usr/bin/env python3
"""Draws GraphKit's tool-bar skin: fourteen 24-bit bitmaps (ids 6017-6030) and the splitter's
drag cursor (id 134) into OUT_DIR, where GraphKit.rc finds them.
Usage: make_chart_skin.py OUT_DIR. Standard library only."""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "tools"))
from make_images import write_bmp24  # noqa: E402

FACE = (236, 238, 242)
EDGE = (120, 128, 144)
INK = (40, 56, 90)
ACCENT = (34, 100, 190)
MAGENTA = (255, 0, 255)


def glyph_button(rows):
    """A 16 x 16 button face with a glyph: '#' ink, '+' accent."""
    def pixel(x, y):
        if y < len(rows) and x < len(rows[y]):
            c = rows[y][x]
            if c == "#":
                return INK
            if c == "+":
                return ACCENT
        return FACE
    return pixel


BUTTONS = {
    6025: ["", "", "      ####", "      #++#", "      #++#", "     ######", "    ########", "       ##",
           "       ##", "       ##", "       #", "       #"],  # pin
    6026: ["", "", "            ##", "           ##", "         ##", "       ##", "     ##", "   ##",
           "  ##", " +", "+"],  # line
    6030: ["", "   ##########", "   #++++++++#", "   #++++++++#", "   ##########", "", "   ##########",
           "   #        #", "   ##########", "", "   ##########", "   #++++++++#", "   ##########"],  # config
    6029: ["", "       #", "       #", "       #", "       #", "       #", "  ###########", "       #",
           "       #", "       #", "       #", "       #"],  # cross
    6020: ["", "    ####", "   #    #", "  #      #", "  #      #", "  #      #", "   #    #", "    #####",
           "         ##", "          ##", "           ##"],  # search
    6028: ["", "  ## ## ##", "  ## ## ##", "", "  ## ## ##", "  ## ## ##", "", "  ## ## ##",
           "  ## ## ##"],  # data count
    6019: ["", " ######  ######", " #    #  #    #", " #    #  #    #", " #    #  #    #", " ######  ######",
           "", " ######  ######", " #    #  #    #", " ######  ######"],  # layout
    6027: ["", "  ##########", "  #+      +#", "  # +    + #", "  #  +  +  #", "  #   ++   #", "  #  +  +  #",
           "  # +    + #", "  #+      +#", "  ##########"],  # spreadsheet
}


def arrow(left):
    def pixel(x, y):
        if x in (0, 15) or y in (0, 15):
            return EDGE
        cx = x if left else 15 - x
        if 5 <= cx <= 10 and abs(y - 7.5) <= (cx - 4):
            return INK
        return FACE
    return pixel


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    images = {}
    for id_, rows in BUTTONS.items():
        images[id_] = (16, 16, glyph_button(rows))
    images[6017] = (80, 16, lambda x, y: (200, 204, 212) if 6 <= y <= 9 else FACE)  # slide body
    images[6018] = (9, 12, lambda x, y: MAGENTA if (y > 7 and abs(x - 4) > 11 - y) else ACCENT)  # block
    images[6021] = (16, 16, lambda x, y: EDGE if x in (0, 15) or y in (0, 15) else (176, 190, 214))  # thumb
    images[6022] = (16, 16, arrow(False))
    images[6023] = (16, 16, arrow(True))
    images[6024] = (16, 16, lambda x, y: (220, 223, 230) if 1 <= y <= 14 else EDGE)  # channel
    names = {6017: "chart_slide_body", 6018: "chart_slide_block", 6019: "chart_showtype_btn",
             6020: "chart_search_btn", 6021: "chart_scroll_thumb", 6022: "chart_scroll_right",
             6023: "chart_scroll_left", 6024: "chart_scroll_channel", 6025: "chart_pin_btn",
             6026: "chart_line_btn", 6027: "chart_excel_btn", 6028: "chart_datanum_btn",
             6029: "chart_cross_btn", 6030: "chart_config_btn"}
    for id_, (w, h, pixel) in images.items():
        write_bmp24(os.path.join(out_dir, names[id_] + ".bmp"), w, h, pixel)
    with open(os.path.join(out_dir, "chart_divide.cur"), "wb") as f:
        f.write(divide_cursor())


# The splitter's drag cursor: a horizontal bar between up and down arrows, 32 x 32 monochrome.
DIVIDE = [
    "       o        ",
    "      o#o       ",
    "     o###o      ",
    "    o#####o     ",
    "      o#o       ",
    "      o#o       ",
    "oooooooooooooo  ",
    "##############  ",
    "##############  ",
    "oooooooooooooo  ",
    "      o#o       ",
    "      o#o       ",
    "    o#####o     ",
    "     o###o      ",
    "      o#o       ",
    "       o        ",
]


def divide_cursor():
    size = 32
    stride = size // 8
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        xbits = abits = 0
        for x in range(size):
            ch = DIVIDE[y][x] if y < len(DIVIDE) and x < len(DIVIDE[y]) else " "
            bit = 1 << (size - 1 - x)
            if ch == " ":
                abits |= bit
            elif ch == "o":
                xbits |= bit
        xor += xbits.to_bytes(stride, "big")
        mask += abits.to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    image = header + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(xor) + bytes(mask)
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 7, 8, len(image), 22) + image


if __name__ == "__main__":
    main(sys.argv[1])
