#!/usr/bin/env python3
"""Draws the program icon: a U-boat on the horizon seen through a periscope.

Writes kelmar_patrol.png beside this script: 32 x 32 pixels in the 16
classic colours, corners transparent. For the desktop it also writes
icons/kelmar_patrol_N.png at the other sizes: 16 x 16 drawn anew with fewer
details, the larger ones scaled from the 32 x 32 picture pixel for pixel so
they stay crisp. Needs nothing beyond the standard library, so the pictures
can be redrawn anywhere (into another folder if one is given):

    python3 res/make_icon.py [FOLDER]
"""
import pathlib
import struct
import sys
import zlib

SIZE = 32

# The 16 colours of the classic icon palette; TRANSPARENT is the one left
# out of the picture and marked see-through.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GRAY, SILVER, NAVY, TEAL = 0, 1, 8, 7, 4, 6
BLUE, AQUA, WHITE, YELLOW, RED = 12, 14, 15, 11, 9
TRANSPARENT = 13
# Not a colour: the periscope's rim, lit from the top left.
RIM = -1

# The periscope's body around the view, from the outside in: past each
# distance from the centre, its colour.
FRAME = [(15.5, TRANSPARENT), (14.3, BLACK), (12.6, RIM), (11.7, BLACK)]

HORIZON = 18

# The boat, drawn over the horizon; '.' leaves the view as it is.
BOAT_TOP, BOAT_LEFT = 7, 4
BOAT_COLOURS = {'k': BLACK, 'g': GRAY, 's': SILVER, 'w': WHITE}
BOAT = [
    "............k...........",
    "............k...........",
    "...........kk...........",
    "............k...........",
    "..........ssggk.........",
    ".........ssggggk........",
    ".........sgggggk........",
    "........ssgggggk........",
    "......ssggggggggggk.....",
    "wsssssssgggggggggggggkkw",
    ".wggggggggggggggggggggkw",
    "..wkkkkkkkkkkkkkkkkkkkw.",
    "...ww..............ww...",
]


def view_colour(x, y):
    """The picture inside the periscope: sky above the horizon, sea below."""
    if y < 6:
        return TEAL
    if y < HORIZON:
        return AQUA
    if y == HORIZON:
        return NAVY
    # A few wave crests scattered over the sea.
    if (x + 2 * y) % 7 == 0 and y % 3 == 0:
        return AQUA
    return BLUE if y < 24 else NAVY


def frame(x, y, size, bands):
    """The periscope's body at (x, y), or None inside the view."""
    centre = (size - 1) / 2
    distance = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
    for radius, colour in bands:
        if distance > radius:
            if colour == RIM:
                return SILVER if x + y < size - 1 else GRAY
            return colour
    return None


def boat_mark(boat, top, left, x, y):
    """The boat's colour at (x, y), or None where the view shows through."""
    row, column = y - top, x - left
    if 0 <= row < len(boat) and 0 <= column < len(boat[row]):
        mark = boat[row][column]
        if mark != '.':
            return BOAT_COLOURS[mark]
    return None


def pixel(x, y):
    body = frame(x, y, SIZE, FRAME)
    if body is not None:
        return body
    mark = boat_mark(BOAT, BOAT_TOP, BOAT_LEFT, x, y)
    if mark is not None:
        return mark
    # The reticle: a cross of dotted lines and the range ticks.
    if x == 15 and y % 2 == 0 and not 6 <= y <= 20:
        return RED
    if y == 25 and 11 <= x <= 19 and x % 2 == 1:
        return YELLOW
    return view_colour(x, y)


# The same scene in 16 x 16: a thinner body, a smaller boat, two ticks.
SMALL = 16
SMALL_FRAME = [(7.75, TRANSPARENT), (7.0, BLACK), (6.1, RIM)]
SMALL_HORIZON = 8
SMALL_BOAT_TOP, SMALL_BOAT_LEFT = 3, 2
SMALL_BOAT = [
    ".....k......",
    ".....k......",
    "....sgk.....",
    "...ssggk....",
    "wsssgggggggw",
    ".wkkkkkkkkw.",
]


def small_pixel(x, y):
    body = frame(x, y, SMALL, SMALL_FRAME)
    if body is not None:
        return body
    mark = boat_mark(SMALL_BOAT, SMALL_BOAT_TOP, SMALL_BOAT_LEFT, x, y)
    if mark is not None:
        return mark
    # The reticle's top dot and two range ticks, then sky, horizon and sea.
    if x == 7 and y == 2:
        return RED
    if y == 12 and x in (6, 9):
        return YELLOW
    if y < 3:
        return TEAL
    if y < SMALL_HORIZON:
        return AQUA
    if y == SMALL_HORIZON:
        return NAVY
    return BLUE if y < 11 else NAVY


def scaled(size):
    """The 32 x 32 picture at another size, each pixel the one it covers."""
    return lambda x, y: pixel(x * SIZE // size, y * SIZE // size)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(pixels, size):
    rows = b""
    for y in range(size):
        line = [pixels(x, y) for x in range(size)]
        rows += b"\x00" + bytes((line[i] << 4) | line[i + 1] for i in range(0, size, 2))
    alpha = bytes(0 if i == TRANSPARENT else 255 for i in range(len(PALETTE)))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", alpha)
            + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


# Each picture by its file name, beside this script or in the folder given.
PICTURES = {
    "kelmar_patrol.png": (pixel, SIZE),
    "icons/kelmar_patrol_16.png": (small_pixel, SMALL),
    **{f"icons/kelmar_patrol_{size}.png": (scaled(size), size) for size in (48, 64, 128, 256)},
}


if __name__ == "__main__":
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent
    for name, (pixels, size) in PICTURES.items():
        target = folder / name
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(png(pixels, size))
