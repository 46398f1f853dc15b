#!/usr/bin/env python3
"""Draws the program icon: a U-boat on the horizon seen through a periscope.

Writes kelmar_patrol.png beside this script: 32 x 32 pixels in the 16
classic colours, corners transparent. Needs nothing beyond the standard
library, so the picture can be redrawn anywhere:

    python3 res/make_icon.py
"""
import pathlib
import struct
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


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2
    distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    if distance > 15.5:
        return TRANSPARENT
    if distance > 14.3:
        return BLACK
    if distance > 12.6:
        # The periscope's rim, lit from the top left.
        return SILVER if x + y < SIZE - 1 else GRAY
    if distance > 11.7:
        return BLACK
    row, column = y - BOAT_TOP, x - BOAT_LEFT
    if 0 <= row < len(BOAT) and 0 <= column < len(BOAT[row]):
        mark = BOAT[row][column]
        if mark != '.':
            return BOAT_COLOURS[mark]
    # The reticle: a cross of dotted lines and the range ticks.
    if x == 15 and y % 2 == 0 and not 6 <= y <= 20:
        return RED
    if y == 25 and 11 <= x <= 19 and x % 2 == 1:
        return YELLOW
    return view_colour(x, y)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(pixels):
    rows = b""
    for y in range(SIZE):
        line = [pixels(x, y) for x in range(SIZE)]
        rows += b"\x00" + bytes((line[i] << 4) | line[i + 1] for i in range(0, SIZE, 2))
    alpha = bytes(0 if i == TRANSPARENT else 255 for i in range(len(PALETTE)))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", alpha)
            + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    target = pathlib.Path(__file__).with_name("kelmar_patrol.png")
    target.write_bytes(png(pixel))
