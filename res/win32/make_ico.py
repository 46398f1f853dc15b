#!/usr/bin/env python3
"""Writes kelmar_patrol.ico beside this script: the 32 x 32 picture that
res/make_icon.py draws, as one 16-colour image with its transparency mask, the
form the Windows program's icon resource takes.

    python3 res/win32/make_ico.py
"""
import pathlib
import struct
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import make_icon  # noqa: E402

SIZE = make_icon.SIZE


def ico():
    # Rows run from the bottom up; see-through pixels are black under the mask.
    rows = [[make_icon.pixel(x, y) for x in range(SIZE)] for y in reversed(range(SIZE))]
    colours = b"".join(
        bytes((0 if a == make_icon.TRANSPARENT else a) << 4 | (0 if b == make_icon.TRANSPARENT else b)
              for a, b in zip(row[0::2], row[1::2]))
        for row in rows)
    mask = b""
    for row in rows:
        bits = 0
        for i in row:
            bits = bits << 1 | (i == make_icon.TRANSPARENT)
        mask += struct.pack(">I", bits)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in make_icon.PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    image = header + palette + colours + mask
    return (struct.pack("<HHH", 0, 1, 1)
            + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
            + image)


if __name__ == "__main__":
    (pathlib.Path(__file__).parent / "kelmar_patrol.ico").write_bytes(ico())
