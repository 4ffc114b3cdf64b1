#!/usr/bin/python3
"""Draws the ticker's button pictures again for 150% and 200% display scales.

The 100% pictures (close.bmp, speed.bmp, read_more.bmp beside this script)
are the originals, kept as they are. This script draws the same shapes at
the larger scales as 24-bit BMP files into 150/ and 200/, which are
committed; run it again after a change here:  ticker/res/render_buttons.py

Sizes and places below are in pixels at 100%; a picture of w x h pixels
becomes z(w) x z(h) at scale Z, rounded as the ticker rounds its button
places. Shapes are drawn four times larger and scaled down, so their edges
are smooth against the strip's dark blue.

Needs python3-pil and fonts-dejavu-core (scripts/setup installs both).
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
S = 4  # supersampling factor

STRIP = (0, 0, 120)
YELLOW = (255, 204, 0)
WHITE = (255, 255, 255)


def z(v, scale):
    """A length at the scale, halves rounded up."""
    return math.floor(v * scale + 0.5)


def picture(width, height, scale, paint):
    """Paints on a supersampled canvas whose coordinates are 100% pixel
    edges, then shrinks it to the picture's size at the scale."""
    size = (z(width, scale), z(height, scale))
    factor = S * scale
    big = Image.new("RGB", (size[0] * S, size[1] * S), STRIP)
    paint(ImageDraw.Draw(big), lambda points: [(x * factor, y * factor) for x, y in points],
          factor)
    return big.resize(size, Image.BOX)


def close(scale):
    def paint(draw, at, factor):
        for line in (((4.3, 5.3), (12.7, 13.7)), ((12.7, 5.3), (4.3, 13.7))):
            draw.line(at(line), fill=WHITE, width=round(2.6 * factor))
    return picture(17, 19, scale, paint)


def speed(scale):
    def paint(draw, at, factor):
        # A rising wedge cut into three bars.
        draw.polygon(at([(2, 16), (16, 16), (16, 4)]), fill=YELLOW)
        for gap in (6, 10):
            draw.rectangle(at([(gap, 0), (gap + 1, 19)]), fill=STRIP)
    return picture(17, 19, scale, paint)


def read_more(scale):
    def paint(draw, at, factor):
        draw.polygon(at([(5, 5), (12, 10), (5, 15)]), fill=YELLOW)
        font = ImageFont.truetype(FONT, round(10 * factor))
        draw.text(at([(16, 13)])[0], "Read more", font=font, fill=WHITE, anchor="ls")
    return picture(78, 19, scale, paint)


def main():
    for percent in (150, 200):
        scale = percent / 100
        folder = os.path.join(HERE, str(percent))
        os.makedirs(folder, exist_ok=True)
        for name, draw in (("close", close), ("speed", speed), ("read_more", read_more)):
            draw(scale).save(os.path.join(folder, name + ".bmp"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
