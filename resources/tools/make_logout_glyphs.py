#!/usr/bin/python3
"""Renders the texts of the logout dialog's background into 1-bit masks, once: the dialog's
title and the names of its three rows (login time, logout time, time used), which stand left of
the labels that show the times.

FreeType's own monochrome rasteriser draws them with NanumGothicBold (Debian's fonts-nanum, SIL
Open Font License): the title at 20 px, the names at 13 px sharing one band of rows. Each mask
is named by the id of what it names: the dialog (111) and the three labels (1023-1025). The
masks go to logout_glyphs.txt beside this script, which is committed.

Making the dialog's background takes two steps:
  1. after a text changes here, the masks (needs PIL, python3-pil, and fonts-nanum, so run it
     with the system Python): /usr/bin/python3 resources/tools/make_logout_glyphs.py
  2. the bitmap from the masks (standard library only), which the build runs:
     python3 app/res/make_logout_background.py OUT.bmp
"""
import os

from PIL import ImageFont

from make_menu_glyphs import FONT, band_masks
from menu_glyphs import write_glyphs

HERE = os.path.dirname(os.path.abspath(__file__))
GLYPHS = os.path.join(HERE, "logout_glyphs.txt")
TITLE = [(111, "로그아웃")]
ROWS = [(1023, "로그인 시간"), (1024, "로그아웃 시간"), (1025, "사용 시간")]
TITLE_SIZE = 20
ROW_SIZE = 13


def main():
    glyphs = (band_masks(ImageFont.truetype(FONT, TITLE_SIZE), TITLE)
              + band_masks(ImageFont.truetype(FONT, ROW_SIZE), ROWS))
    header = ["The logout dialog's title and row names, drawn by make_logout_glyphs.py: %s at %d and %d px, 1 bit."
              % (os.path.basename(FONT), TITLE_SIZE, ROW_SIZE),
              "Nanum fonts: SIL Open Font License. Run that script again rather than edit this file."]
    write_glyphs(GLYPHS, header, glyphs)


if __name__ == "__main__":
    main()
