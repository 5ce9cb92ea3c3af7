"""The main caption's menu images: the committed bitmaps are the generator's output, each
chip shows its menu's label where a user reads it, and bad label masks are refused."""
import os
import struct
import tempfile
import unittest

import make_frame_images as frame
from make_images import CHIP_NORMAL, CHIP_OVER, CHIP_PRESSED, IMAGES
from menu_glyphs import GLYPHS, MENU_XML, read_glyphs


def read_bmp24(path):
    """(width, height, pixel(x, y) -> (r, g, b)) of a bottom-up 24-bit BMP."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    assert bits == 24 and height > 0, path
    stride = (width * 3 + 3) & ~3

    def pixel(x, y):
        at = offset + (height - 1 - y) * stride + 3 * x
        b, g, r = data[at:at + 3]
        return r, g, b

    return width, height, pixel


class CommittedImages(unittest.TestCase):
    def test_are_what_the_generator_draws_from_the_committed_masks(self):
        with tempfile.TemporaryDirectory() as out:
            frame.main(images=out)
            for name in sorted(os.listdir(os.path.join(out, "Frame"))):
                with self.subTest(name), open(os.path.join(out, "Frame", name), "rb") as fresh, \
                        open(os.path.join(IMAGES, "Frame", name), "rb") as committed:
                    self.assertEqual(fresh.read(), committed.read(), "run make_frame_images.py")

    def test_each_chip_shows_its_own_label_centred_above_the_accent_bar(self):
        inks = {"n": CHIP_NORMAL[2], "o": CHIP_OVER[2], "p": CHIP_PRESSED[2]}
        labels = set()
        for index in range(4):
            for suffix, ink in inks.items():
                with self.subTest(menu=index, look=suffix):
                    width, height, pixel = read_bmp24(os.path.join(IMAGES, "Frame", "menu%d_%s.bmp" % (index, suffix)))
                    self.assertEqual((width, height), (frame.MENU_WIDTH, frame.MENU_HEIGHT))
                    drawn = [(x, y) for y in range(height) for x in range(width) if pixel(x, y) == ink]
                    self.assertGreater(len(drawn), 40)
                    xs, ys = [x for x, _ in drawn], [y for _, y in drawn]
                    bar = height - 1 - frame.MENU_BAR
                    self.assertLessEqual(abs(min(xs) - (width - 1 - max(xs))), 1, "centred across")
                    self.assertLessEqual(abs((min(ys) - 1) - (bar - 1 - max(ys))), 1, "centred between border and bar")
                    self.assertTrue(all(pixel(x, bar) != ink for x in range(1, width - 1)), "the bar is not inked")
                    labels.add((index, frozenset((x - min(xs), y) for x, y in drawn)))
        self.assertEqual(len({shape for _, shape in labels}), 4, "four different labels, one per menu")


class LabelMasks(unittest.TestCase):
    def masks(self, text):
        path = os.path.join(self.dir, "glyphs.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def test_malformed_files_are_refused_with_the_line_and_why(self):
        cases = [
            ("ragged rows", "label 200 a\n#..\n#.\n", "line 3: row is 2 wide"),
            ("foreign mark", "label 200 a\n#x.\n", "line 2: a mask row holds only"),
            ("row before a label", "#..\nlabel 200 a\n", "line 1: a mask row before"),
            ("no id", "label a\n#\n", "line 1: expected 'label <menu id> <text>'"),
            ("no text", "label 200 \n#\n", "line 1: expected"),
            ("nothing drawn", "# c\nlabel 200 a\n...\n\nlabel 201 b\n#\n", "line 2: label a has no drawn pixel"),
            ("no rows", "label 200 a\n\nlabel 201 b\n#\n", "line 1: label a has no drawn pixel"),
        ]
        for name, text, why in cases:
            with self.subTest(name), self.assertRaises(ValueError) as caught:
                read_glyphs(self.masks(text))
            self.assertIn(why, str(caught.exception))

    def test_masks_of_other_texts_than_the_menus_stop_the_images(self):
        glyphs = read_glyphs(GLYPHS)
        stale = "".join("label %d %s\n%s\n\n" % (i, "메뉴" if i == 202 else text, "\n".join(rows))
                        for i, text, rows in glyphs)
        with self.assertRaises(ValueError) as caught:
            frame.main(images=self.dir, glyphs=self.masks(stale), menu=MENU_XML)
        self.assertIn("run make_menu_glyphs.py", str(caught.exception))
        self.assertFalse(os.path.exists(os.path.join(self.dir, "Frame")), "nothing half drawn")

    def test_a_label_wider_than_the_chip_is_refused(self):
        widest = frame.MENU_WIDTH - 2 * (1 + frame.MENU_LABEL_MARGIN)
        self.assertEqual(frame.label_origin(["#" * widest]), (1 + frame.MENU_LABEL_MARGIN, 9))
        with self.assertRaisesRegex(ValueError, "widen MENU_WIDTH"):
            frame.label_origin(["#" * (widest + 1)])
        with self.assertRaisesRegex(ValueError, "does not fit"):
            frame.label_origin(["#"] * (frame.MENU_HEIGHT - 1 - frame.MENU_BAR))


if __name__ == "__main__":
    unittest.main()
