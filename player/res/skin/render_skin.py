#!/usr/bin/python3
"""Draws the player's skin: every background, button, slider and icon picture.

This script is the artwork's source. It writes 24-bit BMP files (and the two
icons) into player/res/bitmaps/, and the same pictures drawn for 150% and 200%
display scales as PNG files into player/res/bitmaps/150/ and 200/; all are
committed. Run it again after a change here:  player/res/skin/render_skin.py

Every size and place below is in pixels at 100%. At another scale Z a picture
of w x h pixels becomes z(w) x z(h), rounded as the player rounds its control
places, and drawing calls go through Scaled, which maps their coordinates.

Pixels of the key colour, magenta RGB(255, 0, 255), are not part of the
picture: windows are cut to the rest and buttons let their parent show through.
The play button's two pictures use RGB(255, 120, 255) instead, as the recorder
expects. Glyphs are drawn four times larger and scaled down, so their edges are
smooth against the opaque colour behind them; a picture's outline against the
key colour stays hard, so no pink fringe appears at a window's edge.

Needs python3-pil and fonts-dejavu-core (scripts/setup installs both).
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bitmaps")
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
S = 4  # supersampling factor for glyphs
Z = 1  # the display scale being drawn; main() sets it

KEY = (255, 0, 255)
PLAY_KEY = (255, 120, 255)

# The palette: a light blue-grey pane with slate-blue ink and one warm accent.
PANE = (236, 242, 244)
PANE_SHADE = (221, 231, 236)
WELL = (255, 255, 255)
EDGE_DARK = (120, 146, 162)
EDGE_LIGHT = (255, 255, 255)
FRAME = (58, 92, 114)
TITLE_TOP = (74, 120, 150)
TITLE_BOTTOM = (36, 70, 94)
INK = (38, 72, 96)
INK_SOFT = (92, 124, 146)
ACCENT = (232, 128, 44)
RECORD = (206, 48, 44)
RECORD_LIT = (255, 96, 80)
WHITE = (255, 255, 255)


def font(size, bold=True):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size if Z == 1 else round(size * Z))


def z(v):
    """A length or place at the current scale, halves rounded up."""
    return math.floor(v * Z + 0.5)


def new_image(mode, width, height, colour=0):
    return Image.new(mode, (z(width), z(height)), colour)


def paste(img, picture, x, y, mask=None):
    img.paste(picture, (z(x), z(y)), mask)


class Scaled:
    """An ImageDraw whose coordinates are in 100% pixels. Boxes name their
    first and last pixel, so a box covers the scaled span of those pixels;
    points stand for pixel centres."""

    def __init__(self, draw, factor):
        self.raw = draw
        self.factor = factor

    def point(self, p):
        return tuple((v + 0.5) * self.factor - 0.5 for v in p)

    def box(self, b):
        if len(b) == 2:
            b = (*b[0], *b[1])
        x0, y0, x1, y1 = b
        f = self.factor
        return [math.floor(x0 * f + 0.5), math.floor(y0 * f + 0.5),
                math.floor((x1 + 1) * f + 0.5) - 1, math.floor((y1 + 1) * f + 0.5) - 1]

    def width(self, kw):
        kw["width"] = max(1, round(kw.get("width", 1) * self.factor))
        return kw

    def line(self, points, **kw):
        self.raw.line([self.point(p) for p in points], **self.width(kw))

    def polygon(self, points, **kw):
        self.raw.polygon([self.point(p) for p in points], **kw)

    def rectangle(self, b, **kw):
        self.raw.rectangle(self.box(b), **self.width(kw))

    def rounded_rectangle(self, b, radius, **kw):
        self.raw.rounded_rectangle(self.box(b), radius * self.factor, **self.width(kw))

    def ellipse(self, b, **kw):
        self.raw.ellipse(self.box(b), **self.width(kw))

    def arc(self, b, start, end, **kw):
        self.raw.arc(self.box(b), start, end, **self.width(kw))

    def text(self, xy, text, **kw):
        self.raw.text(self.point(xy), text, **kw)

    def textbbox(self, xy, text, **kw):
        return tuple(v / self.factor for v in self.raw.textbbox(xy, text, **kw))


def draw_on(img):
    """A drawing context in 100% pixels on a picture of the current scale."""
    draw = ImageDraw.Draw(img)
    return draw if Z == 1 else Scaled(draw, Z)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def gradient(draw, box, top, bottom):
    """Top to bottom, one colour per row of the picture at its own scale."""
    if isinstance(draw, Scaled):
        x0, y0, x1, y1 = draw.box((box[0], box[1], box[2] - 1, box[3] - 1))
        box, draw = (x0, y0, x1 + 1, y1 + 1), draw.raw
    x0, y0, x1, y1 = box
    for y in range(y0, y1):
        t = (y - y0) / max(1, y1 - y0 - 1)
        draw.line([(x0, y), (x1 - 1, y)], fill=mix(top, bottom, t))


def smooth(width, height, background, paint):
    """Paints at S times the size on an opaque background and scales down."""
    big = Image.new("RGB", (z(width) * S, z(height) * S), background)
    paint(draw_on(big))
    return big.resize((z(width), z(height)), Image.LANCZOS)


def rounded_mask(width, height, radius):
    mask = new_image("1", width, height)
    draw_on(mask).rounded_rectangle([0, 0, width - 1, height - 1], radius, fill=1)
    return mask


def keyed(picture, mask, key=KEY):
    out = Image.new("RGB", picture.size, key)
    out.paste(picture, (0, 0), mask)
    return out


def well(draw, box, fill=WELL):
    """A sunken field: dark top-left edge, light bottom-right edge."""
    x0, y0, x1, y1 = box
    draw.rectangle(box, fill=fill)
    draw.line([(x0, y0), (x1, y0)], fill=EDGE_DARK)
    draw.line([(x0, y0), (x0, y1)], fill=EDGE_DARK)
    draw.line([(x0, y1), (x1, y1)], fill=EDGE_LIGHT)
    draw.line([(x1, y0), (x1, y1)], fill=EDGE_LIGHT)


def text_centre(draw, box, text, size, fill, bold=True):
    f = font(size, bold)
    x0, y0, x1, y1 = box
    left, top, right, bottom = draw.textbbox((0, 0), text, font=f)
    draw.text(((x0 + x1 - (right - left)) / 2 - left, (y0 + y1 - (bottom - top)) / 2 - top),
              text, font=f, fill=fill)


# ---- glyphs, drawn at S times the size on a square of side n * S ----------

def glyph_play(d, n, colour):
    u = n * S
    d.polygon([(u * 0.36, u * 0.25), (u * 0.36, u * 0.75), (u * 0.76, u * 0.5)], fill=colour)


def glyph_stop(d, n, colour):
    u = n * S
    d.rounded_rectangle([u * 0.3, u * 0.3, u * 0.7, u * 0.7], u * 0.05, fill=colour)


def glyph_record(d, n, colour):
    u = n * S
    d.ellipse([u * 0.28, u * 0.28, u * 0.72, u * 0.72], fill=colour)


def glyph_speaker(d, n, colour, muted):
    u = n * S
    d.rectangle([u * 0.22, u * 0.4, u * 0.36, u * 0.6], fill=colour)
    d.polygon([(u * 0.36, u * 0.4), (u * 0.52, u * 0.25), (u * 0.52, u * 0.75), (u * 0.36, u * 0.6)],
              fill=colour)
    w = max(2, round(u * 0.07))
    if muted:
        d.line([(u * 0.6, u * 0.38), (u * 0.8, u * 0.62)], fill=RECORD, width=w)
        d.line([(u * 0.6, u * 0.62), (u * 0.8, u * 0.38)], fill=RECORD, width=w)
    else:
        d.arc([u * 0.42, u * 0.34, u * 0.66, u * 0.66], -50, 50, fill=colour, width=w)
        d.arc([u * 0.42, u * 0.22, u * 0.8, u * 0.78], -50, 50, fill=colour, width=w)


def glyph_folder(d, n, colour):
    u = n * S
    d.polygon([(u * 0.2, u * 0.3), (u * 0.42, u * 0.3), (u * 0.48, u * 0.37), (u * 0.8, u * 0.37),
               (u * 0.8, u * 0.72), (u * 0.2, u * 0.72)], fill=colour)
    d.rectangle([u * 0.24, u * 0.44, u * 0.76, u * 0.68], fill=mix(colour, WHITE, 0.45))


def glyph_star(d, n, colour):
    u = n * S
    points = []
    for i in range(10):
        r = u * (0.4 if i % 2 == 0 else 0.17)
        a = math.pi / 2 + i * math.pi / 5
        points.append((u / 2 + r * math.cos(a), u * 0.53 - r * math.sin(a)))
    d.polygon(points, fill=colour)


def glyph_clock(d, n, colour):
    u = n * S
    w = max(2, round(u * 0.09))
    d.ellipse([u * 0.14, u * 0.14, u * 0.86, u * 0.86], outline=colour, width=w)
    d.line([(u * 0.5, u * 0.5), (u * 0.5, u * 0.28)], fill=colour, width=w)
    d.line([(u * 0.5, u * 0.5), (u * 0.68, u * 0.5)], fill=colour, width=w)


def glyph_cross(d, n, colour):
    u = n * S
    w = max(2, round(u * 0.13))
    d.line([(u * 0.3, u * 0.3), (u * 0.7, u * 0.7)], fill=colour, width=w)
    d.line([(u * 0.3, u * 0.7), (u * 0.7, u * 0.3)], fill=colour, width=w)


def glyph_minus(d, n, colour):
    u = n * S
    d.rectangle([u * 0.28, u * 0.56, u * 0.72, u * 0.68], fill=colour)


def glyph_power(d, n, colour):
    u = n * S
    w = max(2, round(u * 0.11))
    d.arc([u * 0.24, u * 0.26, u * 0.76, u * 0.78], -60, 240, fill=colour, width=w)
    d.line([(u * 0.5, u * 0.16), (u * 0.5, u * 0.5)], fill=colour, width=w)


def glyph_chevron(d, n, colour, up):
    u = n * S
    w = max(2, round(u * 0.12))
    top, bottom = (u * 0.36, u * 0.62) if up else (u * 0.62, u * 0.36)
    d.line([(u * 0.26, bottom), (u * 0.5, top), (u * 0.74, bottom)], fill=colour, width=w,
           joint="curve")


def glyph_shrink(d, n, colour):
    glyph_chevron(d, n, colour, up=True)


def glyph_grow(d, n, colour):
    glyph_chevron(d, n, colour, up=False)


def glyph_help(d, n, colour):
    u = n * S
    text_centre(d, (0, 0, u, u), "?", round(u * 0.7), colour)


# ---- buttons --------------------------------------------------------------

def round_button(size, glyph, face=(250, 252, 253), rim=EDGE_DARK, key=KEY, ink=INK):
    """A round transport button: a light disc with a rim and a glyph."""
    n = size

    def paint(d):
        u = n * S
        d.ellipse([S * 0.5, S * 0.5, u - S * 1.5, u - S * 1.5], fill=rim)
        d.ellipse([S * 1.5, S * 1.5, u - S * 2.5, u - S * 2.5], fill=face)
        glyph(d, n - 1, ink)

    picture = smooth(n, n, face, paint)
    mask = new_image("1", n, n)
    draw_on(mask).ellipse([0, 0, n - 2, n - 2], fill=1)
    return keyed(picture, mask, key)


def title_button(glyph, face=(94, 138, 166)):
    """The small 12 x 11 buttons of the title strips."""
    def paint(d):
        d.rounded_rectangle([0, 0, 12 * S - 1, 11 * S - 1], 3 * S, fill=face)
        glyph(d, 11, WHITE)

    return keyed(smooth(12, 11, face, paint), rounded_mask(12, 11, 3))


def close_button():
    """Opaque on purpose: one panel keys it with red, the others with magenta."""
    face = (178, 84, 70)

    def paint(d):
        d.rectangle([0, 0, 12 * S, 11 * S], fill=face)
        d.rectangle([0, 0, 12 * S - 1, 11 * S - 1], outline=(120, 48, 40), width=S)
        glyph_cross(d, 11, WHITE)

    return smooth(12, 11, face, paint)


def text_button(width, height, label, top=(252, 253, 254), bottom=(214, 228, 236)):
    def paint(d):
        d.rounded_rectangle([0, 0, width * S - 1, height * S - 1], 4 * S, fill=EDGE_DARK)
        inner = [S, S, width * S - 1 - S, height * S - 1 - S]
        for y in range(inner[1], inner[3]):
            t = (y - inner[1]) / (inner[3] - inner[1])
            d.line([(inner[0] + 2 * S, y), (inner[2] - 2 * S, y)], fill=mix(top, bottom, t))
        text_centre(d, (0, 0, width * S, height * S), label, round(10.5 * S), INK)

    return keyed(smooth(width, height, mix(top, bottom, 0.5), paint), rounded_mask(width, height, 4))


def pane_button(glyph, colour=INK, face=(248, 251, 252)):
    """The 14 x 14 buttons that open the recorder, favourites and scheduler."""
    def paint(d):
        d.rounded_rectangle([0, 0, 14 * S - 1, 14 * S - 1], 3 * S, fill=EDGE_DARK)
        d.rounded_rectangle([S, S, 13 * S - 1, 13 * S - 1], 2 * S, fill=face)
        glyph(d, 14, colour)

    return keyed(smooth(14, 14, face, paint), rounded_mask(14, 14, 3))


def station_button():
    """Light, so that the button's navy caption reads well on it."""
    def paint(d):
        d.rounded_rectangle([0, 0, 134 * S - 1, 20 * S - 1], 6 * S, fill=EDGE_DARK)
        for y in range(S, 19 * S):
            t = (y - S) / (18 * S)
            d.line([(3 * S, y), (131 * S, y)], fill=mix((255, 255, 255), (206, 222, 232), t))
        d.ellipse([6 * S, 7 * S, 12 * S, 13 * S], fill=ACCENT)

    return keyed(smooth(134, 20, (230, 238, 243), paint), rounded_mask(134, 20, 6))


def check_box(checked):
    def paint(d):
        d.rounded_rectangle([5 * S, 2 * S, 17 * S, 14 * S], 2 * S, fill=WELL, outline=EDGE_DARK,
                            width=S)
        if checked:
            d.line([(7.5 * S, 8 * S), (10 * S, 11 * S), (15 * S, 4.5 * S)], fill=ACCENT,
                   width=round(2 * S), joint="curve")

    return smooth(21, 16, PANE, paint)


# ---- sliders --------------------------------------------------------------

def slider_background(width, height, base, groove, ramp, base_bottom=None):
    """A volume ramp behind the groove the thumb's centre runs along, on a
    flat base or on a gradient from base to base_bottom."""
    def paint(d):
        gradient(d, (0, 0, width * S, height * S), base, base_bottom or base)
        start, end = 13 * S, (width - 14) * S
        mid = height * S / 2
        d.polygon([(start, mid + 1.5 * S), (end, mid + 1.5 * S), (end, mid - 5 * S)], fill=ramp)
        d.rounded_rectangle([start - 2 * S, mid - 1.5 * S, end + 2 * S, mid + 1.5 * S], 1.5 * S,
                            fill=groove)

    return smooth(width, height, base, paint)


def compact_slider():
    """Sits at y 3 of the compact bar and continues its gradient."""
    return slider_background(72, 20, mix(TITLE_TOP, TITLE_BOTTOM, 3 / 25), (24, 48, 66),
                             (104, 146, 174), mix(TITLE_TOP, TITLE_BOTTOM, 22 / 25))


def slider_thumb():
    """29 x 21; the top-left pixel is the key; the knob is centred on column 14."""
    face_top, face_bottom = (252, 253, 254), (200, 216, 226)

    def paint(d):
        d.rounded_rectangle([9 * S, 2 * S, 20 * S - 1, 19 * S - 1], 4 * S, fill=FRAME)
        for y in range(3 * S, 18 * S):
            t = (y - 3 * S) / (15 * S)
            d.line([(10 * S + S, y), (19 * S - 1 - S, y)], fill=mix(face_top, face_bottom, t))
        for x in (12.5, 14.5, 16.5):
            d.line([(x * S, 7 * S), (x * S, 14 * S)], fill=INK_SOFT, width=S // 2)

    picture = smooth(29, 21, mix(face_top, face_bottom, 0.5), paint)
    mask = new_image("1", 29, 21)
    draw_on(mask).rounded_rectangle([9, 2, 19, 18], 3, fill=1)
    return keyed(picture, mask)


# ---- window backgrounds ---------------------------------------------------

def title_strip(width, height, title):
    def paint(d):
        gradient(d, (0, 0, width * S, height * S), TITLE_TOP, TITLE_BOTTOM)
        middle = height / 2
        d.ellipse([2.6 * S, (middle - 2) * S, 5.6 * S, (middle + 1) * S], fill=ACCENT)
        d.text((9 * S, (middle - 6.5) * S), title, font=font(10 * S), fill=WHITE)

    return smooth(width, height, TITLE_TOP, paint)


def skinned_window(width, height, title, title_height=22, radius=8):
    """A rounded window with a title strip: the picture, a drawing context on
    it and the window's outline as a mask."""
    img = new_image("RGB", width, height, PANE)
    d = draw_on(img)
    gradient(d, (0, title_height, width, height), PANE, PANE_SHADE)
    gradient(d, (0, 0, width, title_height), TITLE_TOP, TITLE_BOTTOM)
    d.line([(0, title_height), (width, title_height)], fill=FRAME)
    d.line([(1, title_height + 1), (width - 2, title_height + 1)], fill=WHITE)
    if title:
        paste(img, title_strip(width, title_height, title), 0, 0)
    mask = rounded_mask(width, height, radius)
    md = draw_on(img)
    md.rounded_rectangle([0, 0, width - 1, height - 1], radius, outline=FRAME)
    return img, md, mask


def drag_strip(width, height, opaque_width):
    strip = new_image("RGB", width, height, KEY)
    draw_on(strip).rectangle([0, 0, opaque_width - 1, height - 1], fill=INK)
    return strip


def main_full():
    """150 x 215. Layout (client pixels) the main window places its controls at:
    title buttons compact 1002 (102,6), hide 1001 (117,6), off 1000 (132,6);
    banner 1005 (3,25) 144x62; search 1084 (8,98) 105x17, "Go" 1019 (119,98);
    links 1103 (8,120) 116x17 and spin 1104 (126,119) 16x19; station 1204
    (8,142) 134x20; recorder 1203 (5,165), favourites 1206 (20,165),
    scheduler 1208 (35,165), each 14x14; status 1012 (48,166) 89x13;
    stop 1006 (5,189), play 1007 (26,189), mute 1008 (47,189), each 20x20;
    volume 1010 (72,189) 72x20."""
    img, d, mask = skinned_window(150, 215, "Velmora Radio")
    well(d, (2, 24, 147, 87), fill=(250, 252, 253))
    well(d, (7, 97, 113, 115))
    well(d, (7, 119, 124, 137))
    well(d, (47, 164, 138, 180), fill=(246, 249, 250))
    d.rounded_rectangle([2, 185, 147, 211], 5, fill=PANE_SHADE, outline=(204, 218, 226))
    d.line([(8, 92), (141, 92)], fill=(210, 222, 229))
    d.line([(8, 93), (141, 93)], fill=WHITE)
    slider = slider_background(72, 20, PANE_SHADE, (150, 172, 186), (196, 212, 222))
    paste(img, slider, 72, 189)
    return keyed(img, mask)


def main_compact():
    """312 x 26: status 1012 (62,6) 96x14; stop (160,3), play (181,3), mute
    (202,3) 20x20; volume (223,3) 72x20; toggle 1002 (297,2), hide 1001
    (297,13), 12x11."""
    width, height = 312, 26
    img = new_image("RGB", width, height)
    d = draw_on(img)
    gradient(d, (0, 0, width, height), TITLE_TOP, TITLE_BOTTOM)
    paste(img, title_strip(58, height, "Velmora"), 0, 0)
    well(d, (60, 4, 158, 21), fill=(246, 249, 250))
    paste(img, compact_slider(), 223, 3)
    d.rounded_rectangle([0, 0, width - 1, height - 1], 6, outline=FRAME)
    return keyed(img, rounded_mask(width, height, 6))


def pane_frame():
    """150 x 316 with 76-pixel corners: the resizing panes repeat column 76
    and row 76 along their edges and fill the inside with the pane colour."""
    width, height = 150, 316
    img = new_image("RGB", width, height, PANE)
    d = draw_on(img)
    d.rectangle([0, 0, width - 1, 15], fill=TITLE_BOTTOM)
    gradient(d, (0, 0, width, 16), TITLE_TOP, TITLE_BOTTOM)
    d.line([(0, 16), (width, 16)], fill=FRAME)
    d.line([(1, 17), (width - 2, 17)], fill=WHITE)
    d.rectangle([0, 0, width - 1, height - 1], outline=FRAME)
    d.line([(1, 18), (1, height - 2)], fill=WHITE)
    d.line([(width - 2, 18), (width - 2, height - 2)], fill=EDGE_DARK)
    d.line([(1, height - 2), (width - 2, height - 2)], fill=EDGE_DARK)
    return img


def panel_window(width, height, title):
    """Recorder, scheduler, info and instructions windows share this look."""
    return skinned_window(width, height, title, title_height=22, radius=7)


def recorder_background():
    img, d, mask = panel_window(459, 215, "Recorder")
    well(d, (4, 26, 317, 182))
    d.rounded_rectangle([322, 30, 453, 180], 6, fill=PANE_SHADE, outline=(204, 218, 226))
    paste(img, slider_background(74, 19, PANE_SHADE, (150, 172, 186), (196, 212, 222)), 329, 79)
    well(d, (7, 186, 120, 207))
    return keyed(img, mask)


def scheduler_background():
    img, d, mask = panel_window(459, 215, "Scheduled recordings")
    well(d, (2, 26, 455, 160))
    d.rounded_rectangle([3, 163, 455, 211], 6, fill=PANE_SHADE, outline=(204, 218, 226))
    for x, y, text in ((6, 172, "Station"), (6, 193, "Start"), (192, 193, "End")):
        d.text((x, y), text, font=font(9), fill=INK)
    return keyed(img, mask)


def web_pane_background():
    img, d, mask = panel_window(151, 195, "Velmora")
    well(d, (2, 27, 148, 192))
    return keyed(img, mask)


def instructions_background():
    img, d, mask = panel_window(415, 112, "How to record")
    well(d, (31, 27, 400, 108), fill=(236, 242, 250))
    icon = round_button(20, glyph_record, key=PANE)
    paste(img, icon, 7, 30)
    return keyed(img, mask)


# ---- icons ----------------------------------------------------------------

def radio_icon(size, recording):
    def paint(d):
        u = size * S
        d.ellipse([0, 0, u - 1, u - 1], fill=FRAME)
        d.ellipse([u * 0.06, u * 0.06, u * 0.94, u * 0.94], fill=(84, 132, 164))
        w = max(S, round(u * 0.07))
        d.ellipse([u * 0.42, u * 0.42, u * 0.58, u * 0.58], fill=WHITE)
        d.arc([u * 0.28, u * 0.28, u * 0.72, u * 0.72], -45, 45, fill=WHITE, width=w)
        d.arc([u * 0.28, u * 0.28, u * 0.72, u * 0.72], 135, 225, fill=WHITE, width=w)
        d.arc([u * 0.14, u * 0.14, u * 0.86, u * 0.86], -45, 45, fill=WHITE, width=w)
        d.arc([u * 0.14, u * 0.14, u * 0.86, u * 0.86], 135, 225, fill=WHITE, width=w)
        if recording:
            d.ellipse([u * 0.56, u * 0.56, u * 0.98, u * 0.98], fill=WHITE)
            d.ellipse([u * 0.61, u * 0.61, u * 0.93, u * 0.93], fill=RECORD)

    big = Image.new("RGBA", (size * S, size * S), (0, 0, 0, 0))
    paint(ImageDraw.Draw(big))
    return big.resize((size, size), Image.LANCZOS)


def save_icon(name, recording):
    sizes = [16, 32, 48]
    images = [radio_icon(s, recording) for s in sizes]
    images[-1].save(os.path.join(OUT, name), sizes=[(s, s) for s in sizes],
                    append_images=images[:-1])


# ---- the list of pictures -------------------------------------------------

def pictures():
    light = (250, 252, 253)
    lit = (255, 236, 232)
    return {
        "main_full_129.bmp": main_full(),
        "main_drag_130.bmp": drag_strip(150, 22, 100),
        "main_compact_402.bmp": main_compact(),
        "close_132.bmp": close_button(),
        "compact_133.bmp": title_button(glyph_shrink),
        "full_134.bmp": title_button(glyph_grow),
        "hide_135.bmp": title_button(glyph_minus),
        "switch_off_136.bmp": title_button(glyph_power, face=(176, 92, 62)),
        "stop_137.bmp": round_button(20, glyph_stop),
        "play_138.bmp": round_button(20, glyph_play),
        "station_141.bmp": station_button(),
        "favorites_button_142.bmp": pane_button(glyph_star, colour=ACCENT),
        "scheduler_button_143.bmp": pane_button(glyph_clock),
        "recorder_button_282.bmp": pane_button(glyph_record, colour=RECORD),
        "recorder_button_lit_266.bmp": pane_button(glyph_record, colour=RECORD_LIT, face=lit),
        "mute_off_396.bmp": round_button(20, lambda d, n, c: glyph_speaker(d, n, c, False)),
        "mute_on_397.bmp": round_button(20, lambda d, n, c: glyph_speaker(d, n, c, True)),
        "slider_full_147.bmp": slider_background(72, 20, PANE_SHADE, (150, 172, 186),
                                                 (196, 212, 222)),
        "slider_compact_410.bmp": compact_slider(),
        "slider_recorder_387.bmp": slider_background(74, 19, PANE_SHADE, (150, 172, 186),
                                                     (196, 212, 222)),
        "slider_thumb_145.bmp": slider_thumb(),
        "pane_frame_205.bmp": pane_frame(),
        "favorites_add_392.bmp": text_button(65, 19, "+ Add"),
        "favorites_delete_393.bmp": text_button(64, 19, "Delete"),
        "check_off_394.bmp": check_box(False),
        "check_on_395.bmp": check_box(True),
        "recorder_270.bmp": recorder_background(),
        "recorder_drag_271.bmp": drag_strip(459, 22, 430),
        "record_339.bmp": round_button(21, glyph_record, ink=RECORD),
        "record_lit_343.bmp": round_button(21, glyph_record, face=lit, ink=RECORD_LIT),
        "play_338.bmp": round_button(21, glyph_play, key=PLAY_KEY),
        "play_lit_344.bmp": round_button(21, glyph_play, face=(255, 242, 222), ink=ACCENT,
                                         key=PLAY_KEY),
        "recorder_stop_345.bmp": round_button(21, glyph_stop),
        "recorder_folder_346.bmp": round_button(21, glyph_folder, face=light),
        "rename_347.bmp": text_button(76, 20, "Rename"),
        "delete_348.bmp": text_button(76, 20, "Delete"),
        "select_all_349.bmp": text_button(76, 20, "Select all"),
        "sort_350.bmp": text_button(76, 20, "Sort"),
        "help_351.bmp": round_button(16, glyph_help),
        "scheduler_413.bmp": scheduler_background(),
        "scheduler_drag_414.bmp": drag_strip(459, 22, 430),
        "scheduler_add_420.bmp": text_button(76, 20, "Add"),
        "scheduler_delete_421.bmp": text_button(76, 20, "Delete"),
        "scheduler_folder_422.bmp": pane_button(glyph_folder),
        "web_pane_328.bmp": web_pane_background(),
        "web_pane_drag_329.bmp": drag_strip(151, 22, 126),
        "instructions_297.bmp": instructions_background(),
        "instructions_drag_299.bmp": drag_strip(415, 26, 395),
    }


def main():
    global Z
    os.makedirs(OUT, exist_ok=True)
    for name, picture in pictures().items():
        picture.convert("RGB").save(os.path.join(OUT, name))
    save_icon("player_152.ico", recording=False)
    save_icon("player_recording_265.ico", recording=True)
    for percent in (150, 200):
        Z = percent / 100
        folder = os.path.join(OUT, str(percent))
        os.makedirs(folder, exist_ok=True)
        for name, picture in pictures().items():
            png = os.path.join(folder, os.path.splitext(name)[0] + ".png")
            picture.convert("RGB").save(png, optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
