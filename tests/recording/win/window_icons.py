#!/usr/bin/python3
"""Which icon an X window shows, in each size it gives the window manager.

    window_icons.py WINDOW NAME=FILE.ico...

reads the window's _NET_WM_ICON (what Wine hands the X server for the
window's big and small icon) and prints one word per picture in it, in its
order: "SIZE:NAME" for the named icon file whose picture of that size comes
nearest, "SIZE:?" when none has a picture of that size or two come as near.
"""
import subprocess
import sys

from PIL import Image


def ico_pictures(path):
    """{size: [ARGB, ...]} for the square pictures of an .ico file, top row first."""
    with Image.open(path) as icon:
        pictures = {}
        for width, height in icon.info.get("sizes", []):
            if width == height:
                picture = icon.ico.getimage((width, height)).convert("RGBA")
                pictures[width] = [a << 24 | r << 16 | g << 8 | b for r, g, b, a in picture.getdata()]
        return pictures


def window_pictures(window):
    """[(size, [ARGB, ...])] as the window's _NET_WM_ICON holds them."""
    text = subprocess.run(["xprop", "-id", window, "-notype", "-f", "_NET_WM_ICON", "32c",
                           "=$0+", "_NET_WM_ICON"], capture_output=True, text=True).stdout
    values = [int(v) for v in text.partition("=")[2].replace(" ", "").split(",") if v.strip()]
    pictures = []
    while len(values) >= 2:
        width, height = values[0], values[1]
        pictures.append((width, values[2:2 + width * height]))
        values = values[2 + width * height:]
    return pictures


def distance(one, other):
    return sum(abs((p >> shift & 255) - (q >> shift & 255))
               for p, q in zip(one, other) for shift in (0, 8, 16, 24))


def main():
    window, named = sys.argv[1], [arg.split("=", 1) for arg in sys.argv[2:]]
    icons = [(name, ico_pictures(path)) for name, path in named]
    words = []
    for size, pixels in window_pictures(window):
        ranked = sorted((distance(pixels, pictures[size]), name)
                        for name, pictures in icons if size in pictures)
        clear = ranked and (len(ranked) == 1 or ranked[0][0] * 2 < ranked[1][0])
        words.append(f"{size}:{ranked[0][1] if clear else '?'}")
    print(" ".join(words))


main()
