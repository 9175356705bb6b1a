#!/usr/bin/env python3
"""Draws the pictures that the programs carry as resources, besides the menu pictures:
the race-control buttons (bitmap resources 2 Start, 3 Pause, 4 Clear, 22 Comment) and the
event tree's images (icon resources 23 to 31).

The race buttons are 80 x 45 pixels on a 1600 x 900 screen (Comment 40 x 40) and show their
bitmap centred, so the pictures leave room for the button's edge. The tree's image list takes
small icons (16 x 16); each icon also carries a 32 x 32 image for larger system metrics.

Usage: make_resource_pictures.py OUTPUT_FOLDER
(writes button2.bmp, button3.bmp, button4.bmp, button22.bmp and tree23.ico ... tree31.ico)"""
import math
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import (Arc, Box, Canvas, Cut, Disc, Polygon, Stroke, mix, shade,  # noqa: E402
                    write_bmp, write_ico)

FACE = (240, 240, 240)
WHITE = (255, 255, 255)
DARK = (45, 45, 50)


def vertical(y0, y1, top, bottom):
    def paint(_x, y):
        return mix(top, bottom, min(1.0, max(0.0, (y - y0) / (y1 - y0))))
    return paint


def race_button(colour):
    """The 72 x 36 face of a race-control button: a glossy pill of the given colour."""
    canvas = Canvas(72, 36, FACE)
    canvas.fill(Box(2, 2, 70, 34, 16), shade(colour, 0.55))
    canvas.fill(Box(3.5, 3.5, 68.5, 32.5, 14.5), vertical(3.5, 32.5, mix(colour, WHITE, 0.35), shade(colour, 0.8)))
    canvas.fill(Box(10, 5, 62, 14, 4.5), WHITE, 0.22)
    return canvas


def start_button():
    canvas = race_button((40, 170, 60))
    canvas.fill(Polygon([(29, 9), (29, 27), (46, 18)]), WHITE)
    return canvas


def pause_button():
    canvas = race_button((240, 160, 20))
    canvas.fill(Box(27, 9.5, 33, 26.5, 1.2), WHITE)
    canvas.fill(Box(39, 9.5, 45, 26.5, 1.2), WHITE)
    return canvas


def clear_button():
    """Clear starts the stage over: a turning arrow."""
    canvas = race_button((215, 50, 40))
    canvas.fill(Arc(36, 18, 7.5, 3.2, 100, 400), WHITE)
    # Arrow head at the open end of the arc (at 100 degrees, pointing anticlockwise).
    canvas.fill(Polygon([(28.2, 12.2), (36.2, 6.2), (35.2, 15.2)]), WHITE)
    return canvas


def comment_button():
    """A speech bubble with lines of text, 32 x 32 for the 40 x 40 Comment button."""
    canvas = Canvas(32, 32, FACE)
    outline = (60, 90, 140)
    canvas.fill(Polygon([(8, 20), (8, 29), (16, 21)]), outline)
    canvas.fill(Box(2.5, 3.5, 29.5, 23, 5), outline)
    canvas.fill(Polygon([(9.4, 21), (9.4, 26.2), (14.4, 21)]), WHITE)
    canvas.fill(Box(4, 5, 28, 21.5, 3.8), WHITE)
    for y, right in ((8.5, 24), (12.5, 22), (16.5, 17)):
        canvas.fill(Box(8, y, right, y + 1.8, 0.6), (120, 130, 150))
    return canvas


# Tree icons, drawn on a 16-unit grid and scaled by s to the icon's size.

def stopwatch(c, s):
    c.fill(Box(6.3 * s, 0.6 * s, 9.7 * s, 2.2 * s, 0.5 * s), DARK)
    c.fill(Box(7.3 * s, 1.5 * s, 8.7 * s, 4 * s), DARK)
    c.fill(Stroke(12 * s, 3.8 * s, 13.2 * s, 2.6 * s, 1.4 * s), DARK)
    c.fill(Disc(8 * s, 9.5 * s, 6.3 * s), DARK)
    c.fill(Disc(8 * s, 9.5 * s, 5 * s), WHITE)
    c.fill(Stroke(8 * s, 9.5 * s, 8 * s, 5.6 * s, 1.3 * s), (210, 30, 30))
    c.fill(Stroke(8 * s, 9.5 * s, 10.6 * s, 9.5 * s, 1.1 * s), DARK)


def track(c, s):
    c.fill(Box(0.5 * s, 0.5 * s, 15.5 * s, 15.5 * s, 3 * s), (80, 165, 70))
    path = [(2 * s, 16 * s), (5 * s, 9 * s), (11 * s, 7 * s), (14 * s, 0 * s)]
    for a, b in zip(path, path[1:]):
        c.fill(Stroke(a[0], a[1], b[0], b[1], 4.2 * s), (95, 95, 100))
    for a, b in zip(path, path[1:]):
        mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
        dx, dy = (b[0] - a[0]) * 0.18, (b[1] - a[1]) * 0.18
        c.fill(Stroke(mx - dx, my - dy, mx + dx, my + dy, 0.8 * s), WHITE)


def driver(c, s):
    c.fill(Box(2 * s, 9.5 * s, 14 * s, 17 * s, 4.5 * s), (25, 65, 150))
    c.fill(Box(2.9 * s, 10.4 * s, 13.1 * s, 17 * s, 3.8 * s), (45, 105, 205))
    c.fill(Disc(8 * s, 5.2 * s, 3.7 * s), (120, 80, 50))
    c.fill(Disc(8 * s, 5.2 * s, 2.9 * s), (245, 205, 165))


def gear(c, s):
    points = []
    for k in range(8):
        centre = k * 45.0
        for angle, radius in ((centre - 22.5, 5.3), (centre - 11, 5.3), (centre - 8, 7.4),
                              (centre + 8, 7.4), (centre + 11, 5.3)):
            a = math.radians(angle)
            points.append((8 * s + radius * s * math.cos(a), 8 * s + radius * s * math.sin(a)))
    c.fill(Cut(Polygon(points), Disc(8 * s, 8 * s, 2.2 * s)), (95, 100, 112))
    c.fill(Cut(Disc(8 * s, 8 * s, 4.6 * s), Disc(8 * s, 8 * s, 2.2 * s)), (150, 155, 168))


def start_order(c, s):
    for row, colour in enumerate(((235, 185, 30), (170, 175, 185), (195, 120, 50))):
        y = (3 + 5 * row) * s
        c.fill(Box(1 * s, y - 1.9 * s, 4.8 * s, y + 1.9 * s, 0.7 * s), colour)
        c.fill(Box(6.5 * s, y - 1 * s, 15 * s, y + 1 * s, 0.5 * s), (70, 75, 90))


def car(c, s):
    c.fill(Polygon([(x * s, y * s) for x, y in ((0.8, 11), (1.2, 7.6), (4.6, 6.6), (6.6, 3.6), (11, 3.6),
                                                   (13, 6.6), (15.2, 7.4), (15.2, 11))]), (200, 30, 30))
    c.fill(Polygon([(x * s, y * s) for x, y in ((5.8, 6.6), (7.2, 4.6), (10.6, 4.6), (11.8, 6.6))]), (150, 210, 240))
    c.fill(Box(0.8 * s, 8.6 * s, 15.2 * s, 9.4 * s), WHITE, 0.7)
    for x in (4.3, 11.7):
        c.fill(Disc(x * s, 11.3 * s, 2.6 * s), (25, 25, 25))
        c.fill(Disc(x * s, 11.3 * s, 1.1 * s), (180, 180, 185))


def flag(c, s, chequered):
    c.fill(Stroke(3 * s, 1.5 * s, 3 * s, 15.2 * s, 1.5 * s), (90, 80, 70))
    if chequered:
        c.fill(Box(3.6 * s, 1.4 * s, 14.4 * s, 8.6 * s), DARK)
        for row in range(3):
            for column in range(5):
                colour = WHITE if (row + column) % 2 else (20, 20, 20)
                c.fill(Box((4 + 2 * column) * s, (2 + 2 * row) * s, (6 + 2 * column) * s, (4 + 2 * row) * s), colour)
    else:
        c.fill(Polygon([(3.6 * s, 1.6 * s), (14.5 * s, 2.4 * s), (14.5 * s, 9.2 * s), (3.6 * s, 8.6 * s)]),
               (25, 120, 45))
        c.fill(Polygon([(3.6 * s, 2.6 * s), (13.5 * s, 3.3 * s), (13.5 * s, 8.2 * s), (3.6 * s, 7.6 * s)]),
               (50, 185, 75))


def podium(c, s):
    for x0, x1, top, colour in ((0.8, 5.8, 7.5, (185, 190, 200)), (5.8, 10.2, 3.5, (245, 195, 40)),
                                (10.2, 15.2, 10, (205, 127, 50))):
        c.fill(Box(x0 * s, top * s, x1 * s, 15.5 * s), shade(colour, 0.6))
        c.fill(Box((x0 + 0.7) * s, (top + 0.7) * s, (x1 - 0.7) * s, 14.8 * s), colour)


TREE_ICONS = {
    23: stopwatch,                         # "Special stages"
    24: track,                             # "Track"
    25: driver,                            # the drivers and each participant
    26: gear,                              # "Parameters"
    27: start_order,                       # "StartOrder"
    28: car,                               # a rally
    29: lambda c, s: flag(c, s, False),    # a special stage still to run
    30: podium,                            # the classifications
    31: lambda c, s: flag(c, s, True),     # a special stage with results
}


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for number, draw in ((2, start_button), (3, pause_button), (4, clear_button), (22, comment_button)):
        write_bmp(os.path.join(folder, "button%d.bmp" % number), draw(), FACE)
    for number, draw in TREE_ICONS.items():
        canvases = []
        for size in (16, 32):
            canvas = Canvas(size, size)
            draw(canvas, size / 16.0)
            canvases.append(canvas)
        write_ico(os.path.join(folder, "tree%d.ico" % number), canvases)


if __name__ == "__main__":
    main()
