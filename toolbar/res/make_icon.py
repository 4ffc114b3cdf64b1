#!/usr/bin/env python3
"""Draws plinden.ico, the toolbar button's icon: a radio mast with a beacon,
sending waves to both sides, in the player's steel blue.

The icon group holds ten images: 32, 24 and 16 pixels in 256 colours for old
toolbars, and 96, 72, 64, 48, 32, 24 and 16 pixels with 32-bit colour and
alpha. Run it again after changing the drawing: python3 make_icon.py
"""

import math
import struct
import sys
from pathlib import Path

STEEL = (83, 118, 141)      # the skin's text colour
WAVE = (58, 160, 205)
BEACON = (232, 72, 46)

PALETTE_SIZES = (32, 24, 16)
TRUE_COLOUR_SIZES = (96, 72, 64, 48, 32, 24, 16)
SUBSAMPLES = 4


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def mast_lines(size):
    """The mast as line segments in a 0..1 square, thicker at small sizes so
    that it still reads at 16 pixels."""
    top, foot = (0.5, 0.30), 0.94
    left, right = (0.30, foot), (0.70, foot)
    lines = [(top, left), (top, right)]
    levels = (0.52, 0.73)
    halves = [0.2 * (level - top[1]) / (foot - top[1]) for level in levels]
    for level, half in zip(levels, halves):
        lines.append(((0.5 - half, level), (0.5 + half, level)))
    # One cross brace between the two bars.
    lines.append(((0.5 - halves[0], levels[0]), (0.5 + halves[1], levels[1])))
    lines.append(((0.5 + halves[0], levels[0]), (0.5 - halves[1], levels[1])))
    width = 0.06 if size >= 32 else 0.09
    return lines, width


def colour_at(x, y, size):
    """Colour and coverage (0 or 1) of one sample point."""
    beacon_radius = 0.08 if size >= 32 else 0.11
    if math.hypot(x - 0.5, y - 0.22) <= beacon_radius:
        return BEACON
    lines, width = mast_lines(size)
    for a, b in lines:
        if segment_distance(x, y, *a, *b) <= width / 2:
            return STEEL
    distance = math.hypot(x - 0.5, y - 0.22)
    angle = math.degrees(math.atan2(y - 0.22, abs(x - 0.5)))
    rings = (0.2, 0.34) if size < 32 else (0.2, 0.31, 0.42)
    ring_width = 0.07 if size < 32 else 0.055
    if -40 <= angle <= 40:
        for radius in rings:
            if abs(distance - radius) <= ring_width / 2:
                return WAVE
    return None


def render(size):
    """RGBA rows, top row first, with every pixel averaged over subsamples."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = hits = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) / size
                    y = (py + (sy + 0.5) / SUBSAMPLES) / size
                    colour = colour_at(x, y, size)
                    if colour:
                        r, g, b, hits = r + colour[0], g + colour[1], b + colour[2], hits + 1
            if hits:
                alpha = round(255 * hits / SUBSAMPLES ** 2)
                row.append((r // hits, g // hits, b // hits, alpha))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def palette():
    """The icon's own colours, the 6x6x6 colour cube and a ramp of greys: 256 entries."""
    colours = [STEEL, WAVE, BEACON]
    colours += [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(round(i * 255 / 36),) * 3 for i in range(37)]
    return colours


def nearest(colours, colour):
    return min(range(len(colours)),
               key=lambda i: sum((c - d) ** 2 for c, d in zip(colours[i], colour)))


def mask_rows(rows):
    """The AND mask, bottom row first: 1 where the image is transparent."""
    stride = ((len(rows) + 31) // 32) * 4
    data = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bytes(bits)
    return data


def bitmap_header(size, bits, image_bytes):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0,
                       256 if bits == 8 else 0, 0)


def true_colour_image(size):
    rows = render(size)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = mask_rows(rows)
    return bitmap_header(size, 32, len(pixels) + len(mask)) + pixels + mask


def palette_image(size):
    rows = render(size)
    colours = palette()
    stride = (size + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        indices = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            if a >= 128:
                indices[x] = nearest(colours, (r, g, b))
        pixels += bytes(indices)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    mask = mask_rows(rows)
    return bitmap_header(size, 8, len(pixels) + len(mask)) + table + pixels + mask


def icon_file(images):
    """images: (size, bits, data) in the order the group lists them."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, bits, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data),
                               offset)
        offset += len(data)
    return header + entries + b"".join(data for _, _, data in images)


def main():
    images = [(size, 8, palette_image(size)) for size in PALETTE_SIZES]
    images += [(size, 32, true_colour_image(size)) for size in TRUE_COLOUR_SIZES]
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("plinden.ico")
    target.write_bytes(icon_file(images))


if __name__ == "__main__":
    main()
