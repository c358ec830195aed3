#!/usr/bin/env python3
"""Writes the executable's pictures (res/*.bmp, res/*.ico) from the sources below.

Standard library only, so the pictures can be re-made anywhere:
    tools/make-resources.py          writes the files into res/
    tools/make-resources.py --check  fails when a file in res/ differs from what the sources give

The bitmaps are pixel grids drawn for each size they come in, in the 16 colours of the standard
Windows palette, one letter per colour. The program's icon is in 32-bit colour: pixel grids for
its small sizes and a drawing rendered at each larger size.
"""

import struct
import sys
import zlib
from pathlib import Path

# The standard 16-colour Windows palette, in the order of its indices, as (red, green, blue).
PALETTE = [
    ("K", (0x00, 0x00, 0x00)),  # black
    ("M", (0x80, 0x00, 0x00)),  # maroon
    ("G", (0x00, 0x80, 0x00)),  # green
    ("O", (0x80, 0x80, 0x00)),  # olive
    ("N", (0x00, 0x00, 0x80)),  # navy
    ("P", (0x80, 0x00, 0x80)),  # purple
    ("T", (0x00, 0x80, 0x80)),  # teal
    ("S", (0xC0, 0xC0, 0xC0)),  # silver
    ("D", (0x80, 0x80, 0x80)),  # grey
    ("R", (0xFF, 0x00, 0x00)),  # red
    ("L", (0x00, 0xFF, 0x00)),  # lime
    ("Y", (0xFF, 0xFF, 0x00)),  # yellow
    ("B", (0x00, 0x00, 0xFF)),  # blue
    ("F", (0xFF, 0x00, 0xFF)),  # fuchsia
    ("A", (0x00, 0xFF, 0xFF)),  # aqua
    ("W", (0xFF, 0xFF, 0xFF)),  # white
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}

# "." is the purple background, which the controls draw transparent because it is the colour of
# the bottom-left pixel.
BACKGROUND = "."

# A sun with eight rays, lit from the upper left: a white glint, olive shade on the lower right.
GLYPH_CREATE = """
.......Y........
.Y.....Y.....Y..
..Y....Y....Y...
...Y.......Y....
......YYY.......
.....YWYYY......
....YWYYYYO.....
YYY.YYYYYYO.OOO.
....YYYYYOO.....
.....YYOOO......
......OOO.......
...Y.......O....
..Y....O....O...
.Y.....O.....O..
.......O........
................
"""

# A doorway with its leaf swung open and a green arrow leaving through it.
GLYPH_CLOSE = """
................
.KKKKKKKK.......
.KMK....K.......
.KMMK...K.......
.KMMMK..K..G....
.KMMMK..K..GG...
.KMMMK..K..GLG..
.KMMYKGGGGGGLLG.
.KMMMKGLLLLLLLLG
.KMMMK..K..GLLG.
.KMMMK..K..GLG..
.KMMMK..K..GG...
.KMMK...K..G....
.KMK....K.......
.KKKKKKKK.......
................
"""

# The same two glyphs drawn for 24 pixels, the size at 144 DPI.
GLYPH_CREATE_24 = """
...........YY...........
.Y.........YY.........Y.
..Y........YY........Y..
...Y.......YY.......Y...
....Y..............Y....
........................
.........YYYYYY.........
........YWWYYYYY........
.......YWWYYYYYYY.......
......YWWYYYYYYYYO......
......YWYYYYYYYYYO......
YYYY..YYYYYYYYYYYO..OOOO
YYYY..YYYYYYYYYYOO..OOOO
......YYYYYYYYYYOO......
......YYYYYYYYYOOO......
.......YYYYYYYOOO.......
........YYYYOOOO........
.........OOOOOO.........
........................
....Y..............O....
...Y.......OO.......O...
..Y........OO........O..
.Y.........OO.........O.
...........OO...........
"""

GLYPH_CLOSE_24 = """
........................
.KKKKKKKKKKKK...........
.KMK........K...........
.KMMK.......K...........
.KMMMK......K...........
.KMMMMK.....K...G.......
.KMMMMK.....K...GG......
.KMMMMK.....K...GLG.....
.KMMMMK.....K...GLLG....
.KMMMMK.....K...GLLLG...
.KMMMMKGGGGGGGGGGLLLLG..
.KMMMYKGLLLLLLLLLLLLLLG.
.KMMMYKGLLLLLLLLLLLLLLG.
.KMMMMKGGGGGGGGGGLLLLG..
.KMMMMK.....K...GLLLG...
.KMMMMK.....K...GLLG....
.KMMMMK.....K...GLG.....
.KMMMMK.....K...GG......
.KMMMMK.....K...G.......
.KMMMK......K...........
.KMMK.......K...........
.KMK........K...........
.KKKKKKKKKKKK...........
........................
"""

# The disabled twins keep the shape and map each colour to a grey, lighter colours to lighter
# greys, so that the picture stays readable on a light button face.
DISABLED_CREATE = {"Y": "S", "W": "W", "O": "D"}
DISABLED_CLOSE = {"K": "D", "M": "S", "Y": "W", "G": "D", "L": "W"}

# The program's icon: a page with a folded corner and, across its foot, a chain of two links, one
# blue and one orange, for the link to a file that the program makes. It has no part of the
# shell's shortcut arrow: the shell lays that over every shortcut, and the program is none.
# The small icon at 100%, 125% and 150% and the large one at 100% (16, 20, 24 and 32 pixels) are
# pixel grids drawn for their size, one letter per colour of ICON_COLOURS; "." is clear. The
# orange link lies over the blue one at the top and under it at the foot, and the link below is
# darker where it meets the one above. The larger sizes are rendered from ICON_DRAWING.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
# The two sizes of 96 DPI, which every part of the system reads, are bitmaps; every other size is
# read only by the icon loader of Windows Vista and later, which reads a PNG image at any size.
BITMAP_SIZES = (16, 32)
PAGE_EDGE = (0x55, 0x55, 0x55)
PAPER = (0xFF, 0xFF, 0xFF)
FOLD = (0xD9, 0xD9, 0xD9)
RULE = (0xA8, 0xA8, 0xA8)
BLUE = (0x1F, 0x6F, 0xD9)
BLUE_SHADE = (0x10, 0x45, 0x96)
ORANGE = (0xF2, 0x8C, 0x1C)
ORANGE_SHADE = (0xAD, 0x58, 0x00)
ICON_COLOURS = {
    "K": PAGE_EDGE,
    "W": PAPER,
    "F": FOLD,
    "R": RULE,
    "B": BLUE,
    "b": BLUE_SHADE,
    "O": ORANGE,
    "o": ORANGE_SHADE,
}

ICON_16 = """
.KKKKKKK........
.KWWWWWKK.......
.KWWWWWKFK......
.KWWWWWKKKK.....
.KWWWWWWWWK.....
.KWRRRRRRWK.....
.KWWWWWWWWK.....
.KWRRRRRRWK.....
.KWWWWWWWWK.....
.KWWBBBbOOOOOO..
.KWBBBbOOOOOOOO.
.KWBBWWOObb..OO.
.KWBBWWOObB..OO.
.KWBBWWooBB..OO.
.KKBBBBBBBBoOOO.
....BBBBBBoOOO..
"""

ICON_20 = """
..KKKKKKK...........
..KWWWWWKK..........
..KWWWWWKFK.........
..KWWWWWKFFK........
..KWWWWWKKKKK.......
..KWWWWWWWWWK.......
..KWRRRRRRRWK.......
..KWWWWWWWWWK.......
..KWRRRRRRRWK.......
..KWWWWWWWWWK.......
..KWWWWWWWWWK.......
..KWBBBBBbOOOOOOOO..
..KBBBBBbOOOOOOOOOO.
..KBBWWWWOObb....OO.
..KBBWWWWOOBB....OO.
..KBBWWWWOOBB....OO.
..KBBWWWWOOBB....OO.
..KBBWWWWooBB....OO.
..KBBBBBBBBBBoOOOOO.
....BBBBBBBBoOOOOO..
"""

ICON_24 = """
..KKKKKKKKK.............
..KWWWWWWWKK............
..KWWWWWWWKFK...........
..KWWWWWWWKFFK..........
..KWWWWWWWKFFFK.........
..KWWWWWWWKKKKKK........
..KWWWWWWWWWWWWK........
..KWWRRRRRRRRWWK........
..KWWWWWWWWWWWWK........
..KWWRRRRRRRRWWK........
..KWWWWWWWWWWWWK........
..KWWRRRRRRWWWWK........
..KWWWWWWWWWWWWK........
..KWBBBBBBbOOOOOOOOOOO..
..KBBBBBBbOOOOOOOOOOOOO.
..KBBBBBBbOOOOOOOOOOOOO.
..KBBBWWWWOOObbb....OOO.
..KBBBWWWWOOObBB....OOO.
..KBBBWWWWOOObBB....OOO.
..KBBBWWWWOOoBBB....OOO.
..KBBBWWWWoooBBB....OOO.
..KBBBBBBBBBBBBBoOOOOOO.
..KBBBBBBBBBBBBBoOOOOOO.
....BBBBBBBBBBBoOOOOOO..
"""

ICON_32 = """
...KKKKKKKKKKK..................
...KWWWWWWWWWKK.................
...KWWWWWWWWWKFK................
...KWWWWWWWWWKFFK...............
...KWWWWWWWWWKFFFK..............
...KWWWWWWWWWKFFFFK.............
...KWWWWWWWWWKKKKKKK............
...KWWWWWWWWWWWWWWWK............
...KWWWWWWWWWWWWWWWK............
...KWWRRRRRRRRRRRRWK............
...KWWWWWWWWWWWWWWWK............
...KWWWWWWWWWWWWWWWK............
...KWWRRRRRRRRRRRRWK............
...KWWWWWWWWWWWWWWWK............
...KWWWWWWWWWWWWWWWK............
...KWWRRRRRRRRWWWWWK............
...KWWWWWWWWWWWWWWWK............
...KWBBBBBBBBBbOOOOOOOOOOOOO....
...KBBBBBBBBBbOOOOOOOOOOOOOOO...
...BBBBBBBBBbOOOOOOOOOOOOOOOOO..
...BBBBWWWWWWOOOObbb......OOOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBWWWWWWWOOOWBBB.......OOO..
...BBBBWWWWWWoooBBBB......OOOO..
...BBBBBBBBBBBBBBBBBoOOOOOOOOO..
....BBBBBBBBBBBBBBBoOOOOOOOOO...
.....BBBBBBBBBBBBBoOOOOOOOOO....
"""

ICON_GRIDS = {16: ICON_16, 20: ICON_20, 24: ICON_24, 32: ICON_32}

# The same icon from 40 pixels up: a drawing on a square 32 units wide, painted in this order:
#   ("shape", fill, outline, points)  a convex polygon and its outline
#   ("lines", colour, x0, y0, x1, y1, pitch)  ruled lines one unit high, `pitch` units apart
#   ("ring", fill, edge, box, radius, thickness, clip)  a chain link: the band `thickness` units
#       wide inside the rounded box (x0, y0, x1, y1), in `fill` with an `edge` at both sides;
#       only the part inside the box `clip`, when one is given
# Corners and straight edges fall on whole pixels, so that the picture stays crisp; curved edges
# are smoothed. The blue link is painted again at the foot, where it lies over the orange one.
LINK_BLUE = (3, 17, 20, 32)
LINK_ORANGE = (13, 17, 30, 32)
ICON_DRAWING = [
    ("shape", PAPER, PAGE_EDGE, [(3, 0), (13, 0), (20, 7), (20, 30), (3, 30)]),
    ("lines", RULE, 6, 9, 18, 13, 3),
    ("lines", RULE, 6, 15, 14, 16, 3),
    ("shape", FOLD, PAGE_EDGE, [(13, 0), (20, 7), (13, 7)]),
    ("ring", BLUE, BLUE_SHADE, LINK_BLUE, 4, 3, None),
    ("ring", ORANGE, ORANGE_SHADE, LINK_ORANGE, 4, 3, None),
    ("ring", BLUE, BLUE_SHADE, LINK_BLUE, 4, 3, (12, 24.5, 21, 32)),
]

# The directory list's folders, 16 by 15: the root and the folders above the open one, the
# subfolders, and the open folder itself. The two open folders share a shape whose front flap,
# in small letters, is yellow on the folders above and blue on the open one.
FOLDER_OPEN_SHAPE = """
................
................
..KKKKK.........
.KWWWWWK........
KWYYYYYWKKKKKK..
KWYYYYYYYYYYYOK.
KWYYKKKKKKKKKKKK
KWYKWyyyyyyyyyoK
KWKWyyyyyyyyyyK.
KWKWyyyyyyyyyoK.
KKWyyyyyyyyyoK..
KKWyyyyyyyyyoK..
KWyyyyyyyyyoK...
KKKKKKKKKKKKK...
................
"""
FLAP_ABOVE = {"y": "Y", "o": "O"}
FLAP_CURRENT = {"y": "A", "o": "T"}

FOLDER_CLOSED = """
................
................
..KKKKK.........
.KWWWWWK........
KWYYYYYWKKKKKKK.
KWYYYYYYYYYYYYOK
KWYYYYYYYYYYYYOK
KWYYYYYYYYYYYYOK
KWYYYYYYYYYYYYOK
KWYYYYYYYYYYYYOK
KWYYYYYYYYYYYYOK
KWYYYYYYYYYYYYOK
KOOOOOOOOOOOOOOK
.KKKKKKKKKKKKKK.
................
"""

# The directory list's folders drawn for 24 pixels, 24 by 22.
FOLDER_OPEN_SHAPE_24 = """
........................
........................
..KKKKKKKK..............
.KWWWWWWWWK.............
KWYYYYYYYYWKKKKKKKKKK...
KWYYYYYYYYYYYYYYYYYYOK..
KWYYYYYYYYYYYYYYYYYYOK..
KWYYYYKKKKKKKKKKKKKKKKKK
KWYYYKWyyyyyyyyyyyyyyyoK
KWYYYKWyyyyyyyyyyyyyyyoK
KWYYKWyyyyyyyyyyyyyyyoK.
KWYYKWyyyyyyyyyyyyyyyoK.
KWYKWyyyyyyyyyyyyyyyoK..
KWYKWyyyyyyyyyyyyyyyoK..
KWKWyyyyyyyyyyyyyyyoK...
KWKWyyyyyyyyyyyyyyyoK...
KKWyyyyyyyyyyyyyyyoK....
KKWyyyyyyyyyyyyyyyoK....
KWyyyyyyyyyyyyyyyoK.....
KKKKKKKKKKKKKKKKKKK.....
........................
........................
"""

FOLDER_CLOSED_24 = """
........................
........................
..KKKKKKKK..............
.KWWWWWWWWK.............
KWYYYYYYYYWKKKKKKKKKKKK.
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KWYYYYYYYYYYYYYYYYYYYYOK
KOOOOOOOOOOOOOOOOOOOOOOK
.KKKKKKKKKKKKKKKKKKKKKK.
........................
........................
"""

# The drive list's drives, 16 by 11.
DRIVE_FLOPPY = """
.KKKKKKKKKKKKK..
.KNNSSSSSSSNNK..
.KNNSSSSKSSNNK..
.KNNSSSSKSSNNK..
.KNNNNNNNNNNNK..
.KNNWWWWWWWNNK..
.KNNWWWWWWWNNK..
.KNNWDDDDDWNNK..
.KNNWWWWWWWNNK..
.KKKKKKKKKKKKK..
................
"""

DRIVE_HARD = """
................
................
..KKKKKKKKKKKK..
.KWWWWWWWWWWWDK.
.KSSSSSSSSSSSDK.
.KSSSSSSSSSSSDK.
.KSSSSSSSSSLLDK.
.KDDDDDDDDDDDDK.
..KKKKKKKKKKKK..
................
................
"""

DRIVE_NETWORK = """
..KKKKKKKKKKKK..
.KWWWWWWWWWWWDK.
.KSSSSSSSSSSSDK.
.KSSSSSSSSSLLDK.
.KDDDDDDDDDDDDK.
..KKKKKKKKKKKK..
.......KK.......
.......KK.......
KKKKKKKKKKKKKKKK
................
................
"""

DRIVE_CDROM = """
.....KKKKK......
...KKAWWWSKK....
..KAWWWWWSSSK...
.KAWWWWWWSSSSK..
.KWWWWKKKSSSSK..
.KWWWWK.KSSSSK..
.KWWWWKKKSSDSK..
.KSWWWWWSSSDDK..
..KSSSSSSSDDK...
...KKSSSDDKK....
.....KKKKK......
"""

DRIVE_RAM = """
................
..K.K.K.K.K.K...
..K.K.K.K.K.K...
.KKKKKKKKKKKKK..
.KGGGGGGGGGGGK..
.KGLLGGGGGGGGK..
.KGGGGGGGGGGGK..
.KKKKKKKKKKKKK..
..K.K.K.K.K.K...
..K.K.K.K.K.K...
................
"""

# The drives drawn for 24 pixels, 24 by 16.
DRIVE_FLOPPY_24 = """
.KKKKKKKKKKKKKKKKKKKK...
.KNNNSSSSSSSSSSSNNNNK...
.KNNNSSSSSSSKKSSNNNNK...
.KNNNSSSSSSSKKSSNNNNK...
.KNNNSSSSSSSKKSSNNNNK...
.KNNNSSSSSSSSSSSNNNNK...
.KNNNNNNNNNNNNNNNNNNK...
.KNNWWWWWWWWWWWWWWNNK...
.KNNWWWWWWWWWWWWWWNNK...
.KNNWDDDDDDDDDDDDWNNK...
.KNNWWWWWWWWWWWWWWNNK...
.KNNWDDDDDDDDDDDDWNNK...
.KNNWWWWWWWWWWWWWWNNK...
.KNNWWWWWWWWWWWWWWNNK...
.KKKKKKKKKKKKKKKKKKKK...
........................
"""

DRIVE_HARD_24 = """
........................
........................
........................
..KKKKKKKKKKKKKKKKKKKK..
.KWWWWWWWWWWWWWWWWWWWDK.
.KWSSSSSSSSSSSSSSSSSSDK.
.KWSSSSSSSSSSSSSSSSSSDK.
.KWSSSSSSSSSSSSSSSSSSDK.
.KWSSSSSSSSSSSSSSLLLSDK.
.KWSSSSSSSSSSSSSSSSSSDK.
.KDDDDDDDDDDDDDDDDDDDDK.
..KKKKKKKKKKKKKKKKKKKK..
........................
........................
........................
........................
"""

DRIVE_NETWORK_24 = """
..KKKKKKKKKKKKKKKKKKKK..
.KWWWWWWWWWWWWWWWWWWWDK.
.KWSSSSSSSSSSSSSSSSSSDK.
.KWSSSSSSSSSSSSSSSSSSDK.
.KWSSSSSSSSSSSSSSLLLSDK.
.KDDDDDDDDDDDDDDDDDDDDK.
..KKKKKKKKKKKKKKKKKKKK..
...........KK...........
...........KK...........
...........KK...........
...........KK...........
KKKKKKKKKKKKKKKKKKKKKKKK
KKKKKKKKKKKKKKKKKKKKKKKK
........................
........................
........................
"""

DRIVE_CDROM_24 = """
........KKKKKKK.........
.....KKKAWWWWSSKKK......
....KAAWWWWWWSSSSSK.....
...KAWWWWWWWWSSSSSSK....
..KAWWWWWWWWWSSSSSSSK...
..KWWWWWWWWWSSSSSSSSK...
.KWWWWWWKKKKKSSSSSSSSK..
.KWWWWWWK...KSSSSSSSSK..
.KWWWWWWK...KSSSSSDSSK..
.KWWWWWWKKKKKSSSSSDDSK..
..KSWWWWWWWSSSSSSDDDK...
..KSSWWWWWSSSSSSDDDDK...
...KSSSSSSSSSSSDDDDK....
....KSSSSSSSSSDDDDK.....
.....KKKSSSSDDDKKK......
........KKKKKKK.........
"""

DRIVE_RAM_24 = """
........................
..K..K..K..K..K..K..K...
..K..K..K..K..K..K..K...
..K..K..K..K..K..K..K...
.KKKKKKKKKKKKKKKKKKKKK..
.KGGGGGGGGGGGGGGGGGGGK..
.KGLLLGGGGGGGGGGGGGGGK..
.KGLLLGGGGGGGGGGGGGGGK..
.KGGGGGGGGGGGGGGGGGGGK..
.KGGGGGGGGGGGGGGGGGGGK..
.KKKKKKKKKKKKKKKKKKKKK..
..K..K..K..K..K..K..K...
..K..K..K..K..K..K..K...
..K..K..K..K..K..K..K...
........................
........................
"""

def parse(grid, width, height):
    rows = grid.strip("\n").split("\n")
    if len(rows) != height or any(len(r) != width for r in rows):
        raise ValueError(f"grid is not {width}x{height}")
    for r in rows:
        for c in r:
            if c != BACKGROUND and c not in INDEX:
                raise ValueError(f"unknown colour letter {c!r}")
    return rows


def palette_bytes():
    return b"".join(struct.pack("<4B", b, g, r, 0) for _, (r, g, b) in PALETTE)


def pack_4bit(rows, colour_of):
    """Rows bottom-up, two pixels a byte, each row padded to a multiple of four bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        indices = [colour_of(c) for c in row] + [0] * (len(row) % 2)
        for i in range(0, len(indices), 2):
            line.append(indices[i] << 4 | indices[i + 1])
        line += bytes(-len(line) % 4)
        out += line
    return bytes(out)


def pack_mask(rows):
    """The icon's AND mask: 1 where the pixel is transparent, rows bottom-up, padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = [1 if c == BACKGROUND else 0 for c in row]
        bits += [0] * (-len(bits) % 8)
        line = bytearray(
            sum(bit << (7 - j) for j, bit in enumerate(bits[i : i + 8]))
            for i in range(0, len(bits), 8)
        )
        line += bytes(-len(line) % 4)
        out += line
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 16)


def glyph_pair(normal_grid, disabled_map, size=16):
    """The normal glyph and its grey twin side by side, as a 16-colour BMP twice as wide as high."""
    normal = parse(normal_grid, size, size)
    disabled = ["".join(disabled_map.get(c, c) for c in row) for row in normal]
    # The button takes the bottom-left pixel of each half as its transparent colour.
    if normal[-1][0] != BACKGROUND:
        raise ValueError("the bottom-left pixel of a glyph must be the background")
    if not set("".join(disabled)) <= set("KDSW" + BACKGROUND):
        raise ValueError("the disabled glyph must hold greys only")
    rows = [a + b for a, b in zip(normal, disabled)]
    pixels = pack_4bit(rows, lambda c: INDEX["P"] if c == BACKGROUND else INDEX[c])
    header = info_header(2 * size, size, len(pixels)) + palette_bytes()
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


def recolour(grid, colours):
    return "".join(colours.get(c, c) for c in grid)


def picture(grid, width, height):
    """A 16-colour BMP of one picture whose background, the bottom-left pixel, is drawn transparent."""
    rows = parse(grid, width, height)
    if rows[-1][0] != BACKGROUND:
        raise ValueError("the bottom-left pixel of a picture must be the background")
    if "P" in grid:
        raise ValueError("purple is the background colour and cannot be drawn")
    pixels = pack_4bit(rows, lambda c: INDEX["P"] if c == BACKGROUND else INDEX[c])
    header = info_header(width, height, len(pixels)) + palette_bytes()
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


SAMPLES = 8  # per pixel and axis, where an edge crosses a pixel


def inside_convex(points, x, y):
    """Whether (x, y) is inside a convex polygon given in either turning direction."""
    sign = 0
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
        if cross != 0:
            if sign == 0:
                sign = 1 if cross > 0 else -1
            elif (cross > 0) != (sign > 0):
                return False
    return True


def inset(points, width):
    """A convex polygon moved inwards by `width` on every side."""
    n = len(points)
    area = sum(ax * by - bx * ay for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]))
    turn = 1 if area > 0 else -1
    lines = []
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        length = ((bx - ax) ** 2 + (by - ay) ** 2) ** 0.5
        nx, ny = -(by - ay) / length * turn, (bx - ax) / length * turn
        lines.append(((ax + nx * width, ay + ny * width), (bx - ax, by - ay)))
    result = []
    for i in range(n):
        (px, py), (dx, dy) = lines[i - 1]
        (qx, qy), (ex, ey) = lines[i]
        t = ((qx - px) * ey - (qy - py) * ex) / (dx * ey - dy * ex)
        result.append((px + dx * t, py + dy * t))
    return result


def coverage(size, bounds, inside, certain):
    """Per pixel in `bounds` (x0, y0, x1, y1), the share of it that `inside` holds. `certain`
    tells for a pixel whether it is wholly in (1), wholly out (0) or crossed by an edge (None)."""
    x0, y0, x1, y1 = (max(0, min(size, int(v))) for v in bounds)
    cover = {}
    for py in range(y0, min(size, y1 + 1)):
        for px in range(x0, min(size, x1 + 1)):
            known = certain(px, py)
            if known is None:
                step = 1 / SAMPLES
                hits = sum(
                    inside(px + (i + 0.5) * step, py + (j + 0.5) * step)
                    for i in range(SAMPLES)
                    for j in range(SAMPLES)
                )
                known = hits / SAMPLES**2
            if known:
                cover[(px, py)] = known
    return cover


def polygon_cover(size, points):
    xs = [x for x, _ in points]
    ys = [y for _, y in points]

    def certain(px, py):
        corners = [inside_convex(points, px + dx, py + dy) for dx in (0, 1) for dy in (0, 1)]
        if all(corners):
            return 1
        overlaps = px < max(xs) and px + 1 > min(xs) and py < max(ys) and py + 1 > min(ys)
        if not any(corners) and not overlaps:
            return 0
        return None

    bounds = (min(xs), min(ys), max(xs), max(ys))
    return coverage(size, bounds, lambda x, y: inside_convex(points, x, y), certain)


def rounded_box_distance(x, y, box, radius):
    """How far (x, y) lies outside the box with rounded corners; negative inside."""
    x0, y0, x1, y1 = box
    qx = abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - radius)
    qy = abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - radius)
    outside = (max(qx, 0) ** 2 + max(qy, 0) ** 2) ** 0.5
    return outside + min(max(qx, qy), 0) - radius


def ring_cover(size, box, radius, thickness, clip):
    """The band `thickness` wide along the inside of a rounded box, within `clip` when given."""

    def inside(x, y):
        d = rounded_box_distance(x, y, box, radius)
        return -thickness < d <= 0

    def certain(px, py):
        if clip and not (clip[0] <= px < clip[2] and clip[1] <= py < clip[3]):
            return 0
        d = rounded_box_distance(px + 0.5, py + 0.5, box, radius)
        if -thickness + 0.71 < d < -0.71:
            return 1
        return 0 if d > 0.71 or d < -thickness - 0.71 else None

    return coverage(size, box, inside, certain)


def render(size):
    """The icon drawing at `size` pixels: rows of (red, green, blue, alpha), from the top."""
    scale = size / 32
    line = max(1, round(scale * 0.75))
    edge = max(1, round(scale * 0.5))
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def paint(cover, colour):
        for (px, py), alpha in cover.items():
            r, g, b, a = pixels[py][px]
            out = alpha + a * (1 - alpha)
            mix = [(c * alpha + d * a * (1 - alpha)) / out for c, d in zip(colour, (r, g, b))]
            pixels[py][px] = (*mix, out)

    def snap(points):
        return [(round(x * scale), round(y * scale)) for x, y in points]

    for kind, colour, *rest in ICON_DRAWING:
        if kind == "shape":
            outline, points = rest
            outer = snap(points)
            paint(polygon_cover(size, outer), outline)
            paint(polygon_cover(size, inset(outer, line)), colour)
        elif kind == "lines":
            x0, y0, x1, y1, pitch = rest
            step = max(2 * line, round(pitch * scale))
            left, right = round(x0 * scale), round(x1 * scale)
            y = round(y0 * scale)
            while y + line <= round(y1 * scale):
                rule = [(left, y), (right, y), (right, y + line), (left, y + line)]
                paint(polygon_cover(size, rule), colour)
                y += step
        elif kind == "ring":
            shade, box, radius, thickness, clip = rest
            x0, y0, x1, y1 = (round(v * scale) for v in box)
            band = max(2 * edge + 1, round(thickness * scale))
            clip = clip and tuple(round(v * scale) for v in clip)
            paint(ring_cover(size, (x0, y0, x1, y1), radius * scale, band, clip), shade)
            inner = (x0 + edge, y0 + edge, x1 - edge, y1 - edge)
            paint(ring_cover(size, inner, radius * scale - edge, band - 2 * edge, clip), colour)
    return [[tuple(round(c) for c in p[:3]) + (round(p[3] * 255),) for p in row] for row in pixels]


def drawn(size):
    """The grid drawn for `size` pixels: rows of (red, green, blue, alpha), from the top."""
    rows = ICON_GRIDS[size].strip("\n").split("\n")
    if len(rows) != size or any(len(r) != size for r in rows):
        raise ValueError(f"the icon grid for {size} pixels is not {size}x{size}")
    clear = (0, 0, 0, 0)
    return [[clear if c == BACKGROUND else ICON_COLOURS[c] + (255,) for c in r] for r in rows]


def bgra_image(size, rows):
    """A 32-bit icon image: header, colours with alpha bottom-up, the mask of the clear pixels."""
    pixels = b"".join(
        struct.pack("<4B", b, g, r, a) for row in reversed(rows) for r, g, b, a in row
    )
    mask = pack_mask([[BACKGROUND if p[3] == 0 else "X" for p in row] for row in rows])
    size_bytes = len(pixels) + len(mask)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, size_bytes, 0, 0, 0, 0)
    return header + pixels + mask


def png_image(size, rows):
    """A PNG of 8-bit red, green, blue and alpha, as large icon images are stored."""
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        checksum = struct.pack(">I", zlib.crc32(kind + data))
        return struct.pack(">I", len(data)) + kind + data + checksum

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    body = chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    return b"\x89PNG\r\n\x1a\n" + body


def icon():
    """The icon file: one 32-bit image for each size, smallest first.

    The small and large icons of 96 DPI are bitmaps; the other sizes, read only for displays of
    120 DPI and more and for the shell's larger views, are PNG, which keeps the program small."""
    images = []
    for size in ICON_SIZES:
        rows = drawn(size) if size in ICON_GRIDS else render(size)
        images.append((size, bgra_image(size, rows) if size in BITMAP_SIZES else png_image(size, rows)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def outputs():
    return {
        "glyph_create.bmp": glyph_pair(GLYPH_CREATE, DISABLED_CREATE),
        "glyph_close.bmp": glyph_pair(GLYPH_CLOSE, DISABLED_CLOSE),
        "glyph_create_24.bmp": glyph_pair(GLYPH_CREATE_24, DISABLED_CREATE, 24),
        "glyph_close_24.bmp": glyph_pair(GLYPH_CLOSE_24, DISABLED_CLOSE, 24),
        "Velmora.ico": icon(),
        "folder_open.bmp": picture(recolour(FOLDER_OPEN_SHAPE, FLAP_ABOVE), 16, 15),
        "folder_closed.bmp": picture(FOLDER_CLOSED, 16, 15),
        "folder_current.bmp": picture(recolour(FOLDER_OPEN_SHAPE, FLAP_CURRENT), 16, 15),
        "drive_floppy.bmp": picture(DRIVE_FLOPPY, 16, 11),
        "drive_hard.bmp": picture(DRIVE_HARD, 16, 11),
        "drive_network.bmp": picture(DRIVE_NETWORK, 16, 11),
        "drive_cdrom.bmp": picture(DRIVE_CDROM, 16, 11),
        "drive_ram.bmp": picture(DRIVE_RAM, 16, 11),
        "folder_open_24.bmp": picture(recolour(FOLDER_OPEN_SHAPE_24, FLAP_ABOVE), 24, 22),
        "folder_closed_24.bmp": picture(FOLDER_CLOSED_24, 24, 22),
        "folder_current_24.bmp": picture(recolour(FOLDER_OPEN_SHAPE_24, FLAP_CURRENT), 24, 22),
        "drive_floppy_24.bmp": picture(DRIVE_FLOPPY_24, 24, 16),
        "drive_hard_24.bmp": picture(DRIVE_HARD_24, 24, 16),
        "drive_network_24.bmp": picture(DRIVE_NETWORK_24, 24, 16),
        "drive_cdrom_24.bmp": picture(DRIVE_CDROM_24, 24, 16),
        "drive_ram_24.bmp": picture(DRIVE_RAM_24, 24, 16),
    }


def main(argv):
    res = Path(__file__).resolve().parent.parent / "res"
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(f"usage: {argv[0]} [--check]", file=sys.stderr)
        return 2
    stale = []
    for name, data in outputs().items():
        path = res / name
        if check:
            if not path.is_file() or path.read_bytes() != data:
                stale.append(name)
        else:
            path.write_bytes(data)
    if stale:
        print("out of date, run tools/make-resources.py: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
