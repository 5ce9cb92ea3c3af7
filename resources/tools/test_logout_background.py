"""The logout dialog's background: its title in the heading band and each row's name beside the
label that shows its time, drawn from the committed masks; a mask file short of a text is refused."""
import os
import sys
import tempfile
import unittest

from menu_glyphs import read_glyphs, write_glyphs
from test_frame_images import read_bmp24

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "res"))
import make_logout_background as logout  # noqa: E402


def inked(pixel, left, top, right, bottom, colour):
    """The (x, y) of the box drawn in the colour."""
    return [(x, y) for y in range(top, bottom) for x in range(left, right) if pixel(x, y) == colour]


class LogoutBackground(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.TemporaryDirectory()
        path = os.path.join(cls.out.name, "logout.bmp")
        logout.main(path)
        cls.width, cls.height, pixel = read_bmp24(path)
        cls.pixel = staticmethod(pixel)

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def test_the_title_stands_centred_in_the_heading_band(self):
        ink = inked(self.pixel, 0, 0, self.width, logout.BAND_HEIGHT, logout.TITLE)
        title = [rows for label_id, _, rows in read_glyphs(logout.GLYPHS) if label_id == logout.TITLE_ID][0]
        self.assertEqual(sum(row.count("#") for row in title), len(ink))
        xs, ys = [x for x, _ in ink], [y for _, y in ink]
        self.assertLessEqual(abs((min(ys) + max(ys)) // 2 - logout.BAND_HEIGHT // 2), 1)
        self.assertLessEqual(abs((min(xs) + max(xs)) // 2 - self.width // 2), 1)

    def test_each_rows_name_stands_left_of_its_label_on_its_rows(self):
        for label_id, (left, top, width, height) in logout.FIELDS.items():
            with self.subTest(label_id):
                ink = inked(self.pixel, 1, top - 4, left, top + height + 4, logout.NAME)
                self.assertTrue(ink, "no name beside the label")
                xs, ys = [x for x, _ in ink], [y for _, y in ink]
                self.assertEqual(left - logout.NAME_GAP - 1, max(xs))
                self.assertGreaterEqual(min(ys), top)
                self.assertLess(max(ys), top + height)
                # The label's own field stays white for the time it shows.
                self.assertFalse(inked(self.pixel, left, top, left + width, top + height, logout.NAME))
        self.assertEqual(len(inked(self.pixel, 0, logout.BAND_HEIGHT, self.width, self.height, logout.NAME)),
                         sum(row.count("#") for label_id, _, rows in read_glyphs(logout.GLYPHS)
                             if label_id in logout.FIELDS for row in rows), "no name drawn elsewhere")

    def test_a_mask_file_without_a_rows_name_is_refused(self):
        glyphs = [g for g in read_glyphs(logout.GLYPHS) if g[0] != 1024]
        with tempfile.TemporaryDirectory() as out:
            short = os.path.join(out, "glyphs.txt")
            write_glyphs(short, ["short"], glyphs)
            with self.assertRaises(ValueError) as caught:
                logout.main(os.path.join(out, "logout.bmp"), glyphs=short)
        self.assertIn("run make_logout_glyphs.py", str(caught.exception))


if __name__ == "__main__":
    unittest.main()
