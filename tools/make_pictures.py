#!/usr/bin/env python3
"""Draws the two pictures of the version window: a wide banner (700 x 230)
and a tall one (230 x 700). Both show the application's stopwatch over a
dusk gradient with a row of hour marks, and are written as JPEG through
ImageMagick's convert (PPM in, quality 90 out).

Usage: make_pictures.py OUTPUT_DIR
"""
import math
import os
import subprocess
import sys

TOP = (24, 52, 84)        # deep blue
BOTTOM = (236, 150, 78)   # warm orange
RING = (28, 92, 124)
FACE = (246, 248, 250)
ARC = (240, 128, 32)
HAND = (36, 40, 48)
MARK = (250, 236, 210)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def stopwatch(dx, dy, r):
    """Colour of a point relative to the stopwatch centre, radius r, or None."""
    d = math.hypot(dx, dy) / r
    if abs(dx) < 0.18 * r and -1.30 * r < dy < -1.08 * r:
        return RING
    if abs(dx) < 0.08 * r and -1.10 * r <= dy < -0.95 * r:
        return RING
    if d > 1.0:
        return None
    if d > 0.84:
        return RING
    angle = (math.degrees(math.atan2(dx, -dy)) + 360.0) % 360.0
    if 0.58 < d < 0.78 and angle < 300.0:
        return ARC
    if abs(dx) < 0.06 * r and -0.62 * r < dy < 0.04 * r:
        return HAND
    ux, uy = math.sin(math.radians(120)), -math.cos(math.radians(120))
    along = (dx * ux + dy * uy) / r
    across = abs(dx * uy - dy * ux) / r
    if across < 0.06 and -0.04 < along < 0.44:
        return HAND
    if d < 0.10:
        return HAND
    return FACE


def render(width, height):
    wide = width > height
    r = (0.36 if wide else 0.30) * min(width, height) * (1.0 if wide else 2.2)
    r = min(r, 0.40 * min(width, height) if wide else 0.42 * width)
    cx = 0.22 * width if wide else 0.5 * width
    cy = 0.55 * height if wide else 0.24 * height
    pixels = bytearray()
    n = 3  # supersampling per axis
    for y in range(height):
        for x in range(width):
            acc = [0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    px = x + (sx + 0.5) / n
                    py = y + (sy + 0.5) / n
                    t = py / height
                    c = stopwatch(px - cx, py - cy, r)
                    if c is None:
                        c = mix(TOP, BOTTOM, t ** 1.4)
                        # A row of hour marks away from the stopwatch.
                        if wide:
                            band = abs(py - 0.55 * height) < 3 and px > cx + 1.4 * r
                            tick = (px - cx) % 40 < 4
                        else:
                            band = abs(px - 0.5 * width) < 3 and py > cy + 1.4 * r
                            tick = (py - cy) % 40 < 4
                        if band and tick:
                            c = MARK
                    for i in range(3):
                        acc[i] += c[i]
            pixels += bytes(round(v / (n * n)) for v in acc)
    return pixels


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, (w, h) in (("wide.jpg", (700, 230)), ("tall.jpg", (230, 700))):
        ppm = b"P6\n%d %d\n255\n" % (w, h) + bytes(render(w, h))
        subprocess.run(["convert", "ppm:-", "-strip", "-quality", "90", os.path.join(out, name)],
                       input=ppm, check=True)


if __name__ == "__main__":
    main()
