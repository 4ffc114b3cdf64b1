#!/usr/bin/env python3
"""Draws the demo site's flag bitmaps: 23x18 pixels, 24 bits, into public/flags.

The flags are simple stripe and cross designs; the files are committed, and
this script only needs running again when a flag is added or changed.
"""

import pathlib
import struct

WIDTH, HEIGHT = 23, 18
FOLDER = pathlib.Path(__file__).resolve().parent / "public" / "flags"

RED = (200, 16, 46)
WHITE = (255, 255, 255)
BLUE = (0, 56, 168)
BLACK = (0, 0, 0)
YELLOW = (255, 205, 0)
GREEN = (0, 146, 70)
ORANGE = (255, 136, 62)
SKY = (0, 106, 167)


def horizontal(*colours):
    return lambda x, y: colours[y * len(colours) // HEIGHT]


def vertical(*colours):
    return lambda x, y: colours[x * len(colours) // WIDTH]


def nordic(field, cross, inner=None):
    def colour(x, y):
        if inner and (7 <= x <= 8 or 8 <= y <= 9):
            return inner
        if 6 <= x <= 9 or 7 <= y <= 10:
            return cross
        return field
    return colour


def swiss(x, y):
    centre_x, centre_y = WIDTH // 2, HEIGHT // 2
    if (abs(x - centre_x) <= 1 and abs(y - centre_y) <= 5) or \
            (abs(y - centre_y) <= 1 and abs(x - centre_x) <= 5):
        return WHITE
    return RED


FLAGS = {
    "nl.bmp": horizontal(RED, WHITE, BLUE),
    "de.bmp": horizontal(BLACK, RED, YELLOW),
    "at.bmp": horizontal(RED, WHITE, RED),
    "be.bmp": vertical(BLACK, YELLOW, RED),
    "fr.bmp": vertical(BLUE, WHITE, RED),
    "it.bmp": vertical(GREEN, WHITE, RED),
    "ie.bmp": vertical(GREEN, WHITE, ORANGE),
    "dk.bmp": nordic(RED, WHITE),
    "se.bmp": nordic(SKY, YELLOW),
    "no.bmp": nordic(RED, WHITE, BLUE),
    "ch.bmp": swiss,
    "pl.bmp": horizontal(WHITE, RED),
}


def bitmap(colour):
    row_size = (WIDTH * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom-up, as BMP stores rows
        row = b"".join(bytes((b, g, r)) for r, g, b in (colour(x, y) for x in range(WIDTH)))
        rows.append(row + b"\0" * (row_size - len(row)))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    FOLDER.mkdir(parents=True, exist_ok=True)
    for name, colour in FLAGS.items():
        (FOLDER / name).write_bytes(bitmap(colour))


if __name__ == "__main__":
    main()
