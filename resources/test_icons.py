#!/usr/bin/env python3
"""Checks the generated icons: layout Windows expects, and committed == regenerated."""

import contextlib
import io
import os
import struct
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_icons  # noqa: E402

EXPECTED = {  # name: (bits per pixel, file size)
    "Ilvorande.ico": (8, 2238),
    "PointerLink.ico": (8, 2238),
    "PointerMail.ico": (4, 766),
}


def pixels(data, bits):
    """Yields (x, y, transparent, palette index), y counted from the top."""
    pal = 4 << bits
    xor_at = 22 + 40 + pal
    xor_row = 32 * bits // 8
    and_at = xor_at + 32 * xor_row
    for y in range(32):
        row = 31 - y  # rows are stored bottom-up
        for x in range(32):
            clear = data[and_at + row * 4 + x // 8] >> (7 - x % 8) & 1
            byte = data[xor_at + row * xor_row + x * bits // 8]
            index = byte if bits == 8 else (byte >> 4 if x % 2 == 0 else byte & 15)
            yield x, y, bool(clear), index


class IconTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        with contextlib.redirect_stdout(io.StringIO()):
            make_icons.main(["make_icons.py", cls.tmp.name])
        cls.fresh = {}
        for name in EXPECTED:
            with open(os.path.join(cls.tmp.name, name), "rb") as f:
                cls.fresh[name] = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_headers(self):
        for name, (bits, size) in EXPECTED.items():
            with self.subTest(name):
                data = self.fresh[name]
                self.assertEqual(len(data), size)
                self.assertEqual(struct.unpack_from("<HHH", data, 0), (0, 1, 1))
                w, h, colours, res, planes, bc, nbytes, offset = struct.unpack_from("<BBBBHHII", data, 6)
                self.assertEqual((w, h, res, planes, bc), (32, 32, 0, 1, bits))
                self.assertEqual(colours, 0 if bits == 8 else 16)
                self.assertEqual((nbytes, offset), (size - 22, 22))
                bi_size, bw, bh, bplanes, bbits, comp, image = struct.unpack_from("<IiiHHII", data, 22)
                self.assertEqual((bi_size, bw, bh, bplanes, bbits, comp), (40, 32, 64, 1, bits, 0))
                self.assertEqual(image, size - 22 - 40 - (4 << bits))
                self.assertEqual(data[62:66], b"\0\0\0\0", "palette entry 0 must be black")

    def test_committed_files_match_generator(self):
        for name in EXPECTED:
            with self.subTest(name), open(os.path.join(HERE, name), "rb") as f:
                self.assertEqual(f.read(), self.fresh[name], "rerun make_icons.py")

    def test_masks_and_hot_spots(self):
        for name, (bits, _) in EXPECTED.items():
            with self.subTest(name):
                px = {(x, y): (clear, index) for x, y, clear, index in pixels(self.fresh[name], bits)}
                clear = [p for p, (c, _) in px.items() if c]
                self.assertTrue(clear and len(clear) < len(px))
                # A transparent pixel whose XOR colour is not black would be inverted on screen.
                self.assertTrue(all(px[p][1] == 0 for p in clear))
                if name in make_icons.HOTSPOTS:
                    self.assertFalse(px[make_icons.HOTSPOTS[name]][0], "hot spot must be opaque")


if __name__ == "__main__":
    unittest.main()
