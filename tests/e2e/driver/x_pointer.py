#!/usr/bin/env python3
"""Prints the pointer that the X server shows (XFixes): width, height, hot
spot x and y, then every pixel as ARGB in hex, rows from the top."""
import ctypes as c


class Image(c.Structure):
    _fields_ = [("x", c.c_short), ("y", c.c_short), ("width", c.c_ushort),
                ("height", c.c_ushort), ("xhot", c.c_ushort), ("yhot", c.c_ushort),
                ("serial", c.c_ulong), ("pixels", c.POINTER(c.c_ulong))]


x11, xfixes = c.CDLL("libX11.so.6"), c.CDLL("libXfixes.so.3")
x11.XOpenDisplay.restype = c.c_void_p
xfixes.XFixesGetCursorImage.argtypes = [c.c_void_p]
xfixes.XFixesGetCursorImage.restype = c.POINTER(Image)
image = xfixes.XFixesGetCursorImage(x11.XOpenDisplay(None)).contents
print(image.width, image.height, image.xhot, image.yhot,
      *("%08x" % (image.pixels[i] & 0xFFFFFFFF) for i in range(image.width * image.height)))
