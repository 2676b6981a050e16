#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the two pointer files the program loads from its folder: HAND-M.CUR (a pointing hand,
hot spot on the fingertip) and drag.ico (a four-way move symbol). Each is a 32x32, 32-bit image
with a black outline around a white fill. Run it from this folder to redraw them."""

import struct

SIZE = 32


def hand_fill():
    fill = set()

    def rect(x0, x1, y0, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                fill.add((x, y))

    rect(10, 12, 3, 16)    # index finger
    rect(14, 16, 9, 16)    # middle finger
    rect(18, 20, 10, 16)   # ring finger
    rect(22, 23, 12, 16)   # little finger
    rect(10, 23, 15, 25)   # palm
    rect(11, 22, 26, 27)   # heel of the hand
    for t in range(6):     # thumb, slanting in towards the palm
        rect(5 + t, 7 + t, 15 + t, 15 + t)
    # round the fingertips
    for corner in [(10, 3), (12, 3), (14, 9), (16, 9), (18, 10), (20, 10)]:
        fill.discard(corner)
    return fill


def move_fill():
    fill = set()
    c = 16
    for d in range(-10, 11):          # the two bars of the cross
        for w in (-1, 0, 1):
            fill.add((c + d, c + w))
            fill.add((c + w, c + d))
    for k in range(5):                # an arrow head at each end
        for w in range(-k, k + 1):
            fill.add((c + w, c - 14 + k))
            fill.add((c + w, c + 14 - k))
            fill.add((c - 14 + k, c + w))
            fill.add((c + 14 - k, c + w))
    return fill


def pixels(fill):
    """Rows of BGRA tuples, top row first: white fill, black outline, the rest transparent."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if (x, y) in fill:
                row.append((255, 255, 255, 255))
            elif any((x + dx, y + dy) in fill for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                row.append((0, 0, 0, 255))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_file(rows, resource_type, hot_x=0, hot_y=0):
    """An ICO (type 1) or CUR (type 2) file with one 32-bit image and its AND mask."""
    xor = b"".join(struct.pack("4B", *px) for row in reversed(rows) for px in row)
    mask = b""
    for row in reversed(rows):
        bits = 0
        for x, px in enumerate(row):
            if px[3] == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    if resource_type == 2:
        planes, bits = hot_x, hot_y
    else:
        planes, bits = 1, 32
    directory = struct.pack("<HHH", 0, resource_type, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, planes, bits, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open("HAND-M.CUR", "wb") as f:
        f.write(icon_file(pixels(hand_fill()), 2, hot_x=11, hot_y=2))
    with open("drag.ico", "wb") as f:
        f.write(icon_file(pixels(move_fill()), 1))
