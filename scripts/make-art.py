#!/usr/bin/env python3
"""Draws the program's pictures into resources/: the main icon (a compact disc,
32 x 32, 24 bits per pixel with a transparency mask) and the message dialog's
four pictures (32 x 32, 24 bits per pixel, opaque, each on the ground colour
of its kind's band edge). Run it again after changing a drawing; the files it
writes are committed."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")


def compact_disc(x, y):
    """Colour (r, g, b) of the disc at pixel centre (x, y), or None outside it."""
    cx = cy = 15.5
    dx, dy = x + 0.5 - cx - 0.5, y + 0.5 - cy - 0.5
    r = math.hypot(dx, dy)
    if r > 15.5 or r < 2.5:
        return None  # outside the disc, or the spindle hole
    if r < 5.5:
        return (236, 236, 240) if r < 4.5 else (150, 150, 160)  # clear hub and its rim
    if r > 14.5:
        return (120, 120, 135)  # outer rim
    # Silver surface with a rainbow sheen that turns with the angle.
    angle = math.atan2(dy, dx)
    sheen = (math.sin(2 * angle) + 1) / 2
    hue = (angle / (2 * math.pi) + 0.5) * 6
    rainbow = [max(0.0, 1 - abs(((hue + k) % 6) - 3) + 1) for k in (0, 2, 4)]
    base = 190 + 40 * (1 - r / 15)
    return tuple(int(min(255, base * (1 - 0.35 * sheen) + 80 * sheen * min(1.0, c))) for c in rainbow)


def write_icon(path, size, draw):
    rows = []  # bottom-up
    mask_rows = []
    for y in reversed(range(size)):
        row = bytearray()
        mask = 0
        bits = bytearray()
        for x in range(size):
            colour = draw(x, y)
            transparent = colour is None
            r, g, b = colour or (0, 0, 0)
            row += bytes((b, g, r))
            mask = (mask << 1) | int(transparent)
            if x % 8 == 7:
                bits.append(mask)
                mask = 0
        rows.append(bytes(row) + b"\0" * (-len(row) % 4))
        mask_rows.append(bytes(bits) + b"\0" * (-len(bits) % 4))
    pixels = b"".join(rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    image = header + pixels
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


# The message dialog's pictures. Each is a list of layers painted over the
# ground; a layer is (inside(x, y), colour(x, y)) in pixel coordinates with
# (0, 0) at the top left corner. Edges are smoothed by 4 x 4 supersampling.
SUBSAMPLES = 4


def rounded_rect(left, top, right, bottom, radius):
    def inside(x, y):
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return left <= x <= right and top <= y <= bottom and math.hypot(x - cx, y - cy) <= radius
    return inside


def disc(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) <= radius


def ring_arc(cx, cy, inner, outer, start, end):
    """Part of a ring between two angles in degrees, counted clockwise from 12 o'clock."""
    def inside(x, y):
        r = math.hypot(x - cx, y - cy)
        angle = math.degrees(math.atan2(x - cx, cy - y)) % 360
        return inner <= r <= outer and (start <= angle <= end if start <= end else angle >= start or angle <= end)
    return inside


def segment(x1, y1, x2, y2, width):
    def inside(x, y):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x1 - t * dx, y - y1 - t * dy) <= width / 2
    return inside


def triangle(points):
    (ax, ay), (bx, by), (cx, cy) = points

    def side(px, py, qx, qy, x, y):
        return (qx - px) * (y - py) - (qy - py) * (x - px)

    def inside(x, y):
        s = (side(ax, ay, bx, by, x, y), side(bx, by, cx, cy, x, y), side(cx, cy, ax, ay, x, y))
        return all(v >= 0 for v in s) or all(v <= 0 for v in s)
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def solid(colour):
    return lambda x, y: colour


def speech_bubble():
    """A white rounded bubble with its tail at the lower left, lightly shaded at the bottom."""
    body = rounded_rect(3, 4, 28.5, 22.5, 6)
    tail = triangle([(6.5, 19), (15, 21), (5, 28.5)])

    def shade(x, y):
        t = min(1.0, max(0.0, (y - 10) / 16))
        return (int(255 - 28 * t), int(255 - 24 * t), int(255 - 10 * t))
    return [(union(body, tail), shade)]


def informatie():
    ink = (16, 24, 112)
    return speech_bubble() + [
        (disc(16, 8.5, 1.9), solid(ink)),
        (rounded_rect(14.2, 11.5, 17.8, 19.5, 0.8), solid(ink)),
        (rounded_rect(12.5, 18, 19.5, 19.5, 0.4), solid(ink)),
    ]


def confirmare():
    ink = (58, 32, 132)
    return speech_bubble() + [
        (ring_arc(16, 10.5, 2.3, 5.1, 280, 160), solid(ink)),
        (segment(17.6, 14.5, 16, 16.5, 3.4), solid(ink)),
        (disc(16, 19.6, 1.8), solid(ink)),
    ]


def atentie():
    outline = triangle([(16, 1.5), (30.8, 28.5), (1.2, 28.5)])
    face = triangle([(16, 4.6), (28.3, 27), (3.7, 27)])
    # Yellow that deepens towards the base.
    yellow = lambda x, y: (255, int(232 - 40 * max(0.0, (y - 6) / 21)), 24)
    ink = (40, 30, 8)
    return [
        (outline, solid((92, 64, 0))),
        (face, yellow),
        (triangle([(14.2, 10.5), (17.8, 10.5), (16, 20.5)]), solid(ink)),
        (rounded_rect(14.2, 10, 17.8, 13, 1.2), solid(ink)),
        (disc(16, 23.6, 1.7), solid(ink)),
    ]


def eroare():
    def glossy(x, y):
        # Deep red towards the rim, a bright spot up and to the left.
        r = math.hypot(x - 16, y - 16) / 13
        spot = max(0.0, 1 - math.hypot(x - 11.5, y - 10.5) / 9)
        base = 1 - 0.55 * r
        return (int(min(255, 150 + 90 * base + 60 * spot)), int(min(255, 10 + 130 * spot ** 2)),
                int(min(255, 10 + 130 * spot ** 2)))
    white = solid((255, 255, 255))
    return [
        (disc(16, 16, 14), solid((110, 0, 0))),
        (disc(16, 16, 12.8), glossy),
        (segment(11, 11, 21, 21, 3.6), white),
        (segment(21, 11, 11, 21, 3.6), white),
    ]


def render(layers, ground):
    def colour(x, y):
        total = [0, 0, 0]
        for sy in range(SUBSAMPLES):
            for sx in range(SUBSAMPLES):
                px, py = x + (sx + 0.5) / SUBSAMPLES, y + (sy + 0.5) / SUBSAMPLES
                c = ground
                for inside, paint in layers:
                    if inside(px, py):
                        c = paint(px, py)
                total = [t + v for t, v in zip(total, c)]
        return tuple(int(round(t / SUBSAMPLES ** 2)) for t in total)
    return colour


def write_bitmap(path, size, draw):
    rows = []  # bottom-up, each padded to four bytes
    for y in reversed(range(size)):
        row = bytearray()
        for x in range(size):
            r, g, b = draw(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (-len(row) % 4))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as out:
        out.write(header + info + pixels)


# Grounds: the band colour at the left edge (ColorTo) of each kind, as (r, g, b).
DIALOG_PICTURES = [
    ("informatie.bmp", informatie, (0x00, 0x00, 0xBB)),
    ("confirmare.bmp", confirmare, (0x36, 0x5F, 0x9C)),
    ("atentie.bmp", atentie, (0x38, 0x36, 0x23)),
    ("eroare.bmp", eroare, (0xFF, 0x00, 0x00)),
]


if __name__ == "__main__":
    write_icon(os.path.join(RESOURCES, "main.ico"), 32, compact_disc)
    for name, layers, ground in DIALOG_PICTURES:
        write_bitmap(os.path.join(RESOURCES, name), 32, render(layers(), ground))
