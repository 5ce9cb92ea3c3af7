#!/usr/bin/python3
"""Renders the labels of the main caption's four menu buttons into 1-bit masks, once.

The labels are the texts of the NORMAL_USER menus 200-203 of System/menu.xml. FreeType's own
monochrome rasteriser draws them with NanumGothicBold (Debian's fonts-nanum, SIL Open Font
License) at 13 px: hinted strokes with no grey edges, so the small chips stay sharp. All
labels share one band of rows, so their baselines line up; each is cut to its own ink across.
The masks go to menu_glyphs.txt beside this script, which is committed.

Making the caption's menu images takes two steps:
  1. after a menu text changes, the masks (needs PIL, python3-pil, and fonts-nanum, so run
     it with the system Python): /usr/bin/python3 resources/tools/make_menu_glyphs.py
  2. the bitmaps from the masks (standard library only):
     python3 resources/tools/make_frame_images.py
"""
import os

from PIL import Image, ImageDraw, ImageFont

from menu_glyphs import GLYPHS, menu_labels, write_glyphs

FONT = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf"
SIZE = 13


def render(font, text):
    """The label's mask as an image of mode '1', drawn at a fixed origin."""
    left, top, right, bottom = font.getbbox(text)
    image = Image.new("1", (right + 4, bottom + 4), 0)
    draw = ImageDraw.Draw(image)
    draw.fontmode = "1"
    draw.text((2, 2), text, font=font, fill=1)
    return image


def band_masks(font, labels):
    """[(id, text, rows)] of [(id, text)]: the labels share one band of rows, so their baselines
    line up, and each is cut to its own ink across."""
    images = [render(font, text) for _, text in labels]
    boxes = [image.getbbox() for image in images]
    top = min(box[1] for box in boxes)
    bottom = max(box[3] for box in boxes)
    glyphs = []
    for (label_id, text), image, box in zip(labels, images, boxes):
        rows = ["".join("#" if image.getpixel((x, y)) else "." for x in range(box[0], box[2]))
                for y in range(top, bottom)]
        glyphs.append((label_id, text, rows))
    return glyphs


def main():
    glyphs = band_masks(ImageFont.truetype(FONT, SIZE), menu_labels())
    header = ["The caption's menu labels, drawn by make_menu_glyphs.py: %s at %d px, 1 bit."
              % (os.path.basename(FONT), SIZE),
              "Nanum fonts: SIL Open Font License. Run that script again rather than edit this file."]
    write_glyphs(GLYPHS, header, glyphs)


if __name__ == "__main__":
    main()
