#!/usr/bin/env python3
"""The committed icons and hot spots: what the generator writes. The icons'
sizes are those of 32 x 32 pictures in 256 and 16 colours with their masks."""

import contextlib
import io
import os
import sys
import tempfile
import unittest

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
sys.path.insert(0, RESOURCES)
import make_icons  # noqa: E402

SIZES = {"Ilvorande.ico": 2238, "PointerLink.ico": 2238, "PointerMail.ico": 766}


class IconTest(unittest.TestCase):
    def test_committed_files_are_what_the_generator_writes(self):
        with tempfile.TemporaryDirectory() as fresh, contextlib.redirect_stdout(io.StringIO()):
            make_icons.main(["make_icons.py", fresh])
            for name in os.listdir(fresh):
                with self.subTest(name), open(os.path.join(RESOURCES, name), "rb") as committed:
                    with open(os.path.join(fresh, name), "rb") as made:
                        self.assertEqual(committed.read(), made.read(), "rerun make_icons.py")
        for name, size in SIZES.items():
            self.assertEqual(os.path.getsize(os.path.join(RESOURCES, name)), size, name)


if __name__ == "__main__":
    unittest.main()
