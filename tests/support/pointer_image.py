#!/usr/bin/env python3
"""Prints the X pointer's current image as WIDTH HEIGHT DIGEST, so that a
real-window test can tell the butterfly from the arrow and see its size.
Reads it through XFixes, the only X interface that hands out the image of
a cursor another program set. Exits 1 without a display or XFixes."""
import ctypes
import ctypes.util
import hashlib
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def main():
    names = [ctypes.util.find_library(n) for n in ("X11", "Xfixes")]
    if not all(names):
        return 1
    x11, xfixes = (ctypes.CDLL(n) for n in names)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return 1
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        x11.XCloseDisplay(display)
        return 1
    c = image.contents
    # Each pixel is an ARGB value in a C long.
    pixels = [c.pixels[i] & 0xFFFFFFFF for i in range(c.width * c.height)]
    digest = hashlib.sha1(b"".join(p.to_bytes(4, "little") for p in pixels)).hexdigest()[:12]
    print(c.width, c.height, digest)
    x11.XFree(image)
    x11.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main())
