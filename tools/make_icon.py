#!/usr/bin/env python3
"""Draws the application icon, a stopwatch whose face shows a count-down arc,
and writes it as a Windows icon with 16, 32, 48 and 64 pixel images.

The images are 32-bit DIBs with an AND mask, which every supported Windows
version reads. Each pixel is sampled 4 x 4 times for smooth edges.

Usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

SIZES = (16, 32, 48, 64)
SUPERSAMPLE = 4

RING = (28, 92, 124)       # dark teal case
FACE = (246, 248, 250)     # white dial
ARC = (240, 128, 32)       # orange count-down arc
HAND = (36, 40, 48)        # near-black hands
KNOB = (28, 92, 124)


def shade(x, y):
    """Colour and coverage of one point of the unit square (0..1, y down)."""
    cx, cy = 0.5, 0.56
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    # Crown and its stem above the case.
    if abs(x - cx) < 0.09 and 0.02 < y < 0.12:
        return KNOB
    if abs(x - cx) < 0.04 and 0.10 <= y < 0.17:
        return KNOB
    if r > 0.42:
        return None
    if r > 0.35:
        return RING
    # The arc of the time still to run: from twelve o'clock clockwise to ten.
    angle = (math.degrees(math.atan2(dx, -dy)) + 360.0) % 360.0
    if 0.24 < r < 0.33 and angle < 300.0:
        return ARC
    # Minute hand towards twelve, hour hand towards four.
    if abs(dx) < 0.035 and -0.27 < dy < 0.02:
        return HAND
    ux, uy = math.sin(math.radians(120)), -math.cos(math.radians(120))
    along = dx * ux + dy * uy
    across = abs(dx * uy - dy * ux)
    if across < 0.035 and -0.02 < along < 0.19:
        return HAND
    if r < 0.05:
        return HAND
    return FACE


def render(size):
    """Rows of (r, g, b, a) from the top, each pixel supersampled."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    c = shade((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    if c is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            if hits == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(v / hits) for v in acc) + (round(255 * hits / (n * n)),))
        rows.append(row)
    return rows


def dib(size, rows):
    """BITMAPINFOHEADER, bottom-up BGRA pixels and the 1-bit AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    images = [dib(size, render(size)) for size in SIZES]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(sys.argv[1], 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
