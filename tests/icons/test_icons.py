#!/usr/bin/env python3
"""The committed icons and hot spots: what the generator makes, the icons in the
format Windows expects."""

import contextlib
import io
import os
import struct
import sys
import tempfile
import unittest

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
sys.path.insert(0, RESOURCES)
import make_icons  # noqa: E402

EXPECTED = {"Ilvorande.ico": (8, 2238), "PointerLink.ico": (8, 2238), "PointerMail.ico": (4, 766)}


class IconTest(unittest.TestCase):
    def test_committed_files_are_generated_icons_32_by_32_with_their_colours(self):
        with tempfile.TemporaryDirectory() as fresh, contextlib.redirect_stdout(io.StringIO()):
            make_icons.main(["make_icons.py", fresh])
            for name in os.listdir(fresh):
                with self.subTest(name), open(os.path.join(RESOURCES, name), "rb") as committed:
                    with open(os.path.join(fresh, name), "rb") as made:
                        self.assertEqual(committed.read(), made.read(), "rerun make_icons.py")
            for name, (bits, size) in EXPECTED.items():
                with self.subTest(name), open(os.path.join(RESOURCES, name), "rb") as committed:
                    data = committed.read()
                    self.assertEqual(len(data), size)
                    self.assertEqual(struct.unpack_from("<HHHBB", data, 0), (0, 1, 1, 32, 32))
                    self.assertEqual(struct.unpack_from("<HI", data, 12), (bits, size - 22))
                    self.assertEqual(struct.unpack_from("<IiiHH", data, 22), (40, 32, 64, 1, bits))


if __name__ == "__main__":
    unittest.main()
