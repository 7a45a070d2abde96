#!/usr/bin/env python3
"""Writes velmora.ico: one 32 x 32 image, 32 bits per pixel with alpha.

A white eighth note on a rounded blue square with soft (alpha) corners.
Run it by hand when the picture changes; the .ico is kept in the tree so the
build needs no Python.
"""
import math
import struct
import sys

SIZE = 32


def coverage(x, y):
    """How much of pixel (x, y) lies inside the rounded square, 0..1."""
    radius, inset = 7.0, 1.0
    cx = min(max(x + 0.5, inset + radius), SIZE - inset - radius)
    cy = min(max(y + 0.5, inset + radius), SIZE - inset - radius)
    distance = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
    return max(0.0, min(1.0, radius + 0.5 - distance))


def in_note(x, y):
    px, py = x + 0.5, y + 0.5
    head = ((px - 13) / 5.0) ** 2 + ((py - 23) / 3.8) ** 2 <= 1.0
    stem = 16.5 <= px <= 18.5 and 7 <= py <= 23
    flag = 18.5 <= px <= 18.5 + (py - 7) * 0.9 and 7 <= py <= 13 and px <= 24
    return head or stem or flag


def pixel(x, y):
    alpha = coverage(x, y)
    if in_note(x, y):
        rgb = (255, 255, 255)
    else:
        shade = y / (SIZE - 1)
        rgb = (int(40 + 20 * shade), int(120 - 40 * shade), int(220 - 40 * shade))
    return rgb, int(round(alpha * 255))


def image():
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up rows
        for x in range(SIZE):
            (r, g, b), a = pixel(x, y)
            rows.append(struct.pack("<BBBB", b, g, r, a))
    mask = bytes(SIZE * SIZE // 8)  # alpha decides; the AND mask is all clear
    return header + b"".join(rows) + mask


def main(path):
    data = image()
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(data), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "velmora.ico")
