#!/usr/bin/env python3
"""Prints the pointer image that the X server shows now (XFixes), for the
end-to-end tests: "WIDTH HEIGHT XHOT YHOT", then one line of 8-digit ARGB
hex values per row. Standard library only: ctypes over the X libraries."""

import ctypes
import sys


class XFixesCursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short), ("y", ctypes.c_short),
        ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.POINTER(ctypes.c_ulong)),
    ]


def main():
    x11 = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xfixes.XFixesQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                            ctypes.POINTER(ctypes.c_int)]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the X display")
    event, error = ctypes.c_int(), ctypes.c_int()
    if not xfixes.XFixesQueryExtension(display, ctypes.byref(event), ctypes.byref(error)):
        sys.exit("the X server lacks XFixes")
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        sys.exit("no pointer image")
    c = image.contents
    lines = ["%d %d %d %d" % (c.width, c.height, c.xhot, c.yhot)]
    for y in range(c.height):
        row = (c.pixels[y * c.width + x] & 0xFFFFFFFF for x in range(c.width))
        lines.append(" ".join("%08x" % p for p in row))
    x11.XFree(image)
    x11.XCloseDisplay(display)
    print("\n".join(lines))


if __name__ == "__main__":
    main()
