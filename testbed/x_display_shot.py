#!/usr/bin/env python3
"""Saves what the X server shows on $DISPLAY (its root window) as a PNG.

    x_display_shot.py OUT.png

The pictures the demo takes through Wine's GDI come from Wine's own window surfaces; this one is
what reached the X display, read with one GetImage of the root window. Do not use `xwd -root` for
that comparison: when windows use another colormap than their parent's (Wine's windows do), it
composes the picture window by window and shows some of them black although the display holds
them painted (four plain X windows cascaded that way show it too: the second and the third come
out black); `xwd -id` of such a window, `import -window root` and this script show what is there.
Standard library only: libX11 through ctypes, the PNG through zlib.
"""
import ctypes
import ctypes.util
import struct
import sys
import zlib

ALL_PLANES = 0xFFFFFFFF
Z_PIXMAP = 2


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, as far as the pixel layout goes.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


def capture():
    """(width, height, rows of RGB bytes) of the root window of $DISPLAY."""
    name = ctypes.util.find_library("X11")
    if name is None:
        raise RuntimeError("libX11 is not installed")
    x = ctypes.CDLL(name)
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XDefaultScreen.argtypes = [ctypes.c_void_p]
    x.XDisplayWidth.argtypes = x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XGetImage.restype = ctypes.POINTER(XImage)
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x.XOpenDisplay(None)
    if not display:
        raise RuntimeError("cannot open the X display (is DISPLAY set?)")
    try:
        screen = x.XDefaultScreen(display)
        width, height = x.XDisplayWidth(display, screen), x.XDisplayHeight(display, screen)
        image = x.XGetImage(display, x.XDefaultRootWindow(display), 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise RuntimeError("GetImage of the root window failed")
        im = image.contents
        masks = (im.red_mask, im.green_mask, im.blue_mask)
        if im.bits_per_pixel != 32 or im.byte_order != 0 or masks != (0xFF0000, 0xFF00, 0xFF):
            raise RuntimeError("unexpected pixel layout: %d bits, byte order %d, masks %s"
                               % (im.bits_per_pixel, im.byte_order, [hex(m) for m in masks]))
        # Copied out at once; the image is left to the end of this short program.
        raw = ctypes.string_at(im.data, im.bytes_per_line * im.height)
        rows = []
        for y in range(im.height):
            line = raw[y * im.bytes_per_line:y * im.bytes_per_line + 4 * im.width]
            rgb = bytearray(3 * im.width)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
            rows.append(bytes(rgb))
        return im.width, im.height, rows
    finally:
        x.XCloseDisplay(display)


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + row for row in rows), 6)) + chunk(b"IEND", b""))


def main(argv):
    if len(argv) != 2:
        print("usage: x_display_shot.py OUT.png", file=sys.stderr)
        return 2
    try:
        width, height, rows = capture()
    except RuntimeError as error:
        print("x_display_shot: %s" % error, file=sys.stderr)
        return 1
    with open(argv[1], "wb") as out:
        out.write(png(width, height, rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
