#!/usr/bin/env python3
"""Writes the executable's pictures (res/*.bmp, res/*.ico) from the pixel grids below.

Standard library only, so the pictures can be re-made anywhere:
    tools/make-resources.py          writes the files into res/
    tools/make-resources.py --check  fails when a file in res/ differs from what the grids give

Every picture uses the 16 colours of the standard Windows palette, one letter per colour.
"""

import struct
import sys
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

# In a glyph "." is the purple background, which the button draws transparent because it is the
# colour of the bottom-left pixel. In an icon "." is transparent through the icon's mask.
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

# The disabled twins keep the shape and map each colour to a grey, lighter colours to lighter
# greys, so that the picture stays readable on a light button face.
DISABLED_CREATE = {"Y": "S", "W": "W", "O": "D"}
DISABLED_CLOSE = {"K": "D", "M": "S", "Y": "W", "G": "D", "L": "W"}

# A document with a folded corner and the shell's curved shortcut arrow on its lower left.
ICON_32 = """
................................
......KKKKKKKKKKKKKKKKKK........
......KWWWWWWWWWWWWWWWWKK.......
......KWWWWWWWWWWWWWWWWKSK......
......KWWWWWWWWWWWWWWWWKWSK.....
......KWWDDDDDDDDDDDWWWKWWSK....
......KWWWWWWWWWWWWWWWWKWWWSK...
......KWWDDDDDDDDDDDDWWKKKKKKK..
......KWWWWWWWWWWWWWWWWWWWWWSK..
......KWWDDDDDDDDDDDDDDDDDWWSK..
......KWWWWWWWWWWWWWWWWWWWWWSK..
......KWWDDDDDDDDDDDDDDDWWWWSK..
......KWWWWWWWWWWWWWWWWWWWWWSK..
......KWWDDDDDDDDDDDDDDDDDWWSK..
......KWWWWWWWWWWWWWWWWWWWWWSK..
......KWWDDDDDDDDDDDDDDDDDWWSK..
......KWWWWWWWWWWWWWWWWWWWWWSK..
.KKKKKKKKKKKKKWDDDDDDDDDDDWWSK..
.KWWWWWWWWWWWKWWWWWWWWWWWWWWSK..
.KWWWWWWBWWWWKWDDDDDDDDDDDWWSK..
.KWWWWWWBBWWWKWWWWWWWWWWWWWWSK..
.KWWWWWWBBBWWKWDDDDDDDDDDWWWSK..
.KWWWBBBBBBBWKWWWWWWWWWWWWWWSK..
.KWWBBBBBBBBWKWDDDDDDDDDDDWWSK..
.KWBBBWWBBBWWKWWWWWWWWWWWWWWSK..
.KWBBWWWBBWWWKWWWWWWWWWWWWWWSK..
.KWBBWWWBWWWWKWWWWWWWWWWWWWWSK..
.KWBBWWWWWWWWKSSSSSSSSSSSSSSSK..
.KWBBWWWWWWWWKKKKKKKKKKKKKKKKK..
.KWWWWWWWWWWWK..................
.KKKKKKKKKKKKK..................
................................
"""

# The same at 16 by 16.
ICON_16 = """
...KKKKKKKK.....
...KWWWWWWKK....
...KWDDDDWKSK...
...KWWWWWWKKKK..
...KWDDDDDDDWK..
...KWWWWWWWWWK..
...KWDDDDDDDWK..
KKKKKKKKWWWWWK..
KWWWBBBKDDDDWK..
KWWWWBBKWWWWWK..
KWWWBWBKWWWWWK..
KWWBWWWKDDDWWK..
KWBWWWWKWWWWWK..
KWBWWWWKKKKKKK..
KWBWWWWK........
KKKKKKKK........
"""


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


def glyph_pair(normal_grid, disabled_map):
    """The normal glyph and its grey twin side by side, as a 32x16 16-colour BMP."""
    normal = parse(normal_grid, 16, 16)
    disabled = ["".join(disabled_map.get(c, c) for c in row) for row in normal]
    # The button takes the bottom-left pixel of each half as its transparent colour.
    if normal[-1][0] != BACKGROUND:
        raise ValueError("the bottom-left pixel of a glyph must be the background")
    if not set("".join(disabled)) <= set("KDSW" + BACKGROUND):
        raise ValueError("the disabled glyph must hold greys only")
    rows = [a + b for a, b in zip(normal, disabled)]
    pixels = pack_4bit(rows, lambda c: INDEX["P"] if c == BACKGROUND else INDEX[c])
    header = info_header(32, 16, len(pixels)) + palette_bytes()
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


def icon(*grids):
    """An icon file holding one 16-colour image per grid, smallest first."""
    images = []
    for grid in grids:
        size = len(grid.strip("\n").split("\n"))
        rows = parse(grid, size, size)
        pixels = pack_4bit(rows, lambda c: 0 if c == BACKGROUND else INDEX[c])
        mask = pack_mask(rows)
        # An icon image's height counts the colour bitmap and the mask together.
        header = info_header(size, 2 * size, len(pixels) + len(mask)) + palette_bytes()
        images.append((size, header + pixels + mask))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def outputs():
    return {
        "glyph_create.bmp": glyph_pair(GLYPH_CREATE, DISABLED_CREATE),
        "glyph_close.bmp": glyph_pair(GLYPH_CLOSE, DISABLED_CLOSE),
        "Velmora.ico": icon(ICON_16, ICON_32),
        "folder_open.bmp": picture(recolour(FOLDER_OPEN_SHAPE, FLAP_ABOVE), 16, 15),
        "folder_closed.bmp": picture(FOLDER_CLOSED, 16, 15),
        "folder_current.bmp": picture(recolour(FOLDER_OPEN_SHAPE, FLAP_CURRENT), 16, 15),
        "drive_floppy.bmp": picture(DRIVE_FLOPPY, 16, 11),
        "drive_hard.bmp": picture(DRIVE_HARD, 16, 11),
        "drive_network.bmp": picture(DRIVE_NETWORK, 16, 11),
        "drive_cdrom.bmp": picture(DRIVE_CDROM, 16, 11),
        "drive_ram.bmp": picture(DRIVE_RAM, 16, 11),
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
