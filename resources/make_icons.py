#!/usr/bin/env python3
"""Draws Ilvorande's three icon files pixel by pixel (standard library only),
and writes the pointers' hot spots into PointerHotSpots.h for the program.

Usage: make_icons.py [output folder]   (default: this script's folder)

The output is byte-for-byte reproducible, so the committed files can be
checked against a fresh run.
"""

import os
import struct
import sys

SIZE = 32

# Hot spots (x, y from the top-left pixel) the program must use with the
# pointers: the icon files carry none.
HOTSPOTS = {
    "PointerLink.ico": (5, 0),
    "PointerMail.ico": (0, 0),
}

# --- palettes -------------------------------------------------------------

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# 16 VGA colours, a 6x6x6 colour cube, then a 24-step grey ramp.
CUBE_LEVELS = (0, 51, 102, 153, 204, 255)
PALETTE256 = (
    VGA16
    + [(r, g, b) for r in CUBE_LEVELS for g in CUBE_LEVELS for b in CUBE_LEVELS]
    + [(8 + 10 * i,) * 3 for i in range(24)]
)
assert len(PALETTE256) == 256


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: (sum((a - b) ** 2 for a, b in zip(palette[i], rgb)), i))


# --- ICO writer -----------------------------------------------------------

def encode_ico(pixels, palette, bits):
    """pixels: 32 rows of 32 palette indices, None where transparent."""
    ncolours = 1 << bits
    assert len(palette) == ncolours
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # DIB rows are stored bottom-up
        idx = [0 if p is None else p for p in row]  # black under the mask
        if bits == 8:
            xor_rows.append(bytes(idx))
        else:
            xor_rows.append(bytes((idx[i] << 4) | idx[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for p in row:
            mask = (mask << 1) | (p is None)
        and_rows.append(mask.to_bytes(SIZE // 8, "big"))
    xor = b"".join(xor_rows)
    and_mask = b"".join(and_rows)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, bits, 0,
                       len(xor) + len(and_mask), 0, 0, 0, 0)
    image = info + pal + xor + and_mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0 if ncolours == 256 else ncolours,
                        0, 1, bits, len(image), 6 + 16)
    return header + entry + image


# --- drawing helpers ------------------------------------------------------

def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def from_art(art, colours):
    """Turns rows of characters into pixels; '.' and missing columns are transparent."""
    img = blank()
    for y, line in enumerate(art):
        for x, ch in enumerate(line):
            if ch != ".":
                img[y][x] = colours[ch]
    return img


def fill_rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def outline_rect(img, x0, y0, x1, y1, colour, rounded=False):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour
    if rounded:
        for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
            img[y][x] = None


def shade(c, top, bottom, t):
    return c(tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))


# --- program icon: a monitor showing a resize arrow ------------------------

def program_icon():
    c = lambda rgb: nearest(PALETTE256, rgb)
    edge = c((40, 40, 40))
    screen_edge = c((0, 51, 102))
    arrow = c((255, 255, 255))
    shadow = c((0, 51, 153))
    screen, glare = c((0, 102, 204)), c((51, 153, 255))
    led = c((0, 255, 0))

    img = blank()
    # Bezel: a soft top-to-bottom shade for a little depth.
    for y in range(3, 24):
        fill_rect(img, 1, y, 30, y, shade(c, (215, 215, 215), (150, 150, 150), (y - 3) / 20))
    outline_rect(img, 1, 3, 30, 23, edge)
    img[3][1] = img[3][30] = img[23][1] = img[23][30] = None
    img[4][2] = img[4][29] = img[22][2] = img[22][29] = edge

    # Screen.
    outline_rect(img, 4, 6, 27, 20, screen_edge)
    # A lighter glare in the top-left corner keeps the screen from looking flat.
    for y in range(7, 20):
        for x in range(5, 27):
            img[y][x] = glare if (x - 5) + (y - 7) < 7 else screen
    img[22][26] = led

    # Stand: neck, then a wider foot.
    fill_rect(img, 13, 24, 18, 26, c((150, 150, 150)))
    for y in range(24, 27):
        img[y][12] = img[y][19] = edge
    fill_rect(img, 8, 27, 23, 29, c((204, 204, 204)))
    outline_rect(img, 7, 27, 24, 30, edge, rounded=True)
    fill_rect(img, 8, 29, 23, 29, c((150, 150, 150)))

    # Two-headed diagonal arrow, bottom-left to top-right. The shaft is a
    # 3-pixel band and it carries a dark shadow so it survives 16x16.
    lo, hi, head = (11, 18), (21, 8), 5
    diag = lo[0] + lo[1]

    def on_arrow(x, y):
        if x <= hi[0] and y >= hi[1] and (hi[0] - x) + (y - hi[1]) <= head:
            return True
        if x >= lo[0] and y <= lo[1] and (x - lo[0]) + (lo[1] - y) <= head:
            return True
        return abs(x + y - diag) <= 1 and lo[0] + 2 <= x <= hi[0] - 2

    for y in range(7, 20):
        for x in range(5, 27):
            if not on_arrow(x, y) and on_arrow(x - 1, y - 1):
                img[y][x] = shadow
    for y in range(7, 20):
        for x in range(5, 27):
            if on_arrow(x, y):
                img[y][x] = arrow
    return img


# --- pointer A: pointing hand ---------------------------------------------

HAND = [
    ".....KK",
    "....KWWK",
    "....KWWK",
    "....KWWK",
    "....KWWK",
    "....KWWKKK",
    "....KWWKWWKKK",
    "....KWWKWWKWWK",
    "....KWWKWWKWWKKK",
    "....KWWKWWKWWKWWK",
    ".KK.KWWKWWKWWKWWK",
    "KWWKKWWWWWWWWWWWK",
    "KWWWKWWWWWWWWWWWK",
    "KWWWWWWWWWWWWWWWK",
    ".KWWWWWWWWWWWWWWK",
    "..KWWWWWWWWWWWWWK",
    "..KWWWWWWWWWWWWK",
    "...KWWWWWWWWWWWK",
    "...KWWWWWWWWWWK",
    "....KWWWWWWWWWK",
    "....KWWWWWWWWWK",
    "....KKKKKKKKKKK",
]


def pointer_link():
    colours = {"K": nearest(PALETTE256, (0, 0, 0)),
               "W": nearest(PALETTE256, (255, 255, 255))}
    return from_art(HAND, colours)


# --- pointer B: envelope with an arrow tip --------------------------------

ARROW_TIP = [
    "K",
    "KK",
    "KWK",
    "KWWK",
    "KWWWK",
    "KWWWWK",
    "KWWWWWK",
    "KWWWWWWK",
    "KWWWWKKKK",
    "KWWKWWK",
    "KWK.KWWK",
    "KK...KWWK",
    ".....KWWK",
    "......KK",
]


def pointer_mail():
    black, silver, red, white = 0, 7, 9, 15
    img = blank()
    x0, y0, x1, y1 = 9, 12, 30, 26
    fill_rect(img, x0, y0, x1, y1, white)
    outline_rect(img, x0, y0, x1, y1, black)
    # Flap: two lines from the top corners meeting in the middle.
    half = (x1 - x0) // 2
    for t in range(1, half + 1):
        y = y0 + (t * 10) // half
        img[y][x0 + t] = black
        img[y][x1 - t] = black
        for yy in range(y0 + 1, y):
            img[yy][x0 + t] = img[yy][x1 - t] = silver
    # Stamp in the top-right corner.
    fill_rect(img, x1 - 4, y0 + 2, x1 - 2, y0 + 4, red)
    # Arrow tip over the top-left corner, drawn last so it stays on top.
    for y, line in enumerate(ARROW_TIP):
        for x, ch in enumerate(line):
            if ch != ".":
                img[y][x] = black if ch == "K" else white
    return img


ICONS = {
    "Ilvorande.ico": lambda: encode_ico(program_icon(), PALETTE256, 8),
    "PointerLink.ico": lambda: encode_ico(pointer_link(), PALETTE256, 8),
    "PointerMail.ico": lambda: encode_ico(pointer_mail(), VGA16, 4),
}


def hot_spots_header():
    spots = "".join(f"inline constexpr HotSpot {name.removesuffix('.ico')}HotSpot{{{x}, {y}}};\n"
                    for name, (x, y) in HOTSPOTS.items())
    return ("// Made by resources/make_icons.py with the pointer pictures: rerun it, do not edit.\n"
            "// Where each picture points, from its top-left pixel.\n"
            "#pragma once\n\nnamespace ilvorande {\n\n"
            "struct HotSpot {\n  int x, y;\n};\n\n"
            f"{spots}\n}}  // namespace ilvorande\n").encode()


def main(argv):
    out = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)
    files = {name: make() for name, make in ICONS.items()}
    files["PointerHotSpots.h"] = hot_spots_header()
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main(sys.argv)
