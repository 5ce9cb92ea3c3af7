"""The X display picture: two windows of known colours mapped on $DISPLAY come out at their place,
in their colours, in a PNG whose chunks check out."""

import ctypes
import ctypes.util
import os
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "x_display_shot.py")
IS_VIEWABLE = 2


def read_png(data):
    """(width, height, rows of RGB bytes) of an 8-bit RGB PNG without row filters."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG signature"
    pos, chunks = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert crc == zlib.crc32(kind + body), "bad CRC of %s" % kind
        chunks.append((kind, body))
        pos += 12 + length
    assert [k for k, _ in chunks][0] == b"IHDR" and chunks[-1][0] == b"IEND"
    width, height, depth, colour, _, _, _ = struct.unpack(">IIBBBBB", chunks[0][1])
    assert (depth, colour) == (8, 2), "not 8-bit RGB"
    pixels = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride = 1 + 3 * width
    assert len(pixels) == stride * height
    rows = [pixels[y * stride:(y + 1) * stride] for y in range(height)]
    assert all(row[0] == 0 for row in rows), "a row filter the writer does not use"
    return width, height, [row[1:] for row in rows]


@unittest.skipUnless(os.environ.get("DISPLAY"), "needs an X display")
class XDisplayShot(unittest.TestCase):
    def setUp(self):
        x = ctypes.CDLL(ctypes.util.find_library("X11"))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XCreateSimpleWindow.restype = ctypes.c_ulong
        x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
        for name in ("XMapRaised", "XDestroyWindow"):
            getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x = x
        self.display = x.XOpenDisplay(None)
        self.assertTrue(self.display, "cannot open the display")
        self.windows = []

    def tearDown(self):
        for window in self.windows:
            self.x.XDestroyWindow(self.display, window)
        self.x.XSync(self.display, 0)
        self.x.XCloseDisplay(self.display)

    def window(self, left, top, width, height, pixel):
        root = self.x.XDefaultRootWindow(self.display)
        window = self.x.XCreateSimpleWindow(self.display, root, left, top, width, height, 0, 0, pixel)
        self.windows.append(window)
        self.x.XMapRaised(self.display, window)

    def test_windows_show_at_their_place_in_their_colours(self):
        # Red and blue tell a swap of the two channels; the place tells rows and columns apart.
        self.window(40, 30, 20, 10, 0xFF0000)
        self.window(60, 30, 20, 10, 0x0000FF)
        self.x.XSync(self.display, 0)
        time.sleep(0.2)  # the server draws the backgrounds once it mapped the windows
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "x.png")
            subprocess.run([sys.executable, SCRIPT, out], check=True, timeout=60)
            with open(out, "rb") as f:
                width, height, rows = read_png(f.read())
        self.assertGreaterEqual(width, 80)
        self.assertGreaterEqual(height, 40)

        def at(px, py):
            return tuple(rows[py][3 * px:3 * px + 3])
        for px, py, colour in ((40, 30, (255, 0, 0)), (59, 39, (255, 0, 0)), (60, 30, (0, 0, 255)),
                               (79, 39, (0, 0, 255))):
            self.assertEqual(colour, at(px, py), "pixel (%d, %d)" % (px, py))
        self.assertNotEqual((255, 0, 0), at(40, 40), "the red window is 10 rows high")

    def test_without_a_display_it_says_so(self):
        env = dict(os.environ, DISPLAY=":999999")
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "x.png")
            result = subprocess.run([sys.executable, SCRIPT, out], env=env, capture_output=True, text=True, timeout=60)
            self.assertEqual(1, result.returncode)
            self.assertIn("cannot open the X display", result.stderr)
            self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main()
