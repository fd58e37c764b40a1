#!/usr/bin/env python3
"""Draws the program's pictures into resources/: the main icon (a compact disc,
32 x 32, 24 bits per pixel with a transparency mask). Run it again after
changing a drawing; the files it writes are committed."""
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


if __name__ == "__main__":
    write_icon(os.path.join(RESOURCES, "main.ico"), 32, compact_disc)
