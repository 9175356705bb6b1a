#!/usr/bin/env python3
"""Draws the pictures of the program folder's "images/" (start lights, finish and abandon
flags, lamps, dialog button pictures, arrows) as 24-bit .bmp files.

Each picture is drawn at the size at which the program shows it on a 1600 x 900 screen:
the start lights are loaded at 280 x 280 there, the table flags at 25 x 16, the dialog
buttons are 20 x 20 dialog units (a 24 x 24 picture fits them with the system font and with
an 8-point dialog font), and the start-order arrows must match their 11 x 11 hit boxes.

Usage: make_pictures.py OUTPUT_FOLDER   (writes OUTPUT_FOLDER/images/*.bmp)"""
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import (Arc, Box, Canvas, Disc, Ellipse, Polygon, Stroke, mix, shade,  # noqa: E402
                    write_bmp)

FACE = (240, 240, 240)  # button and dialog face
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

LIGHT_SIZE = 280
LAMP_COLOURS = {"Rouge": (236, 28, 28), "Orange": (255, 150, 0), "Vert": (30, 215, 70)}


def radial(cx, cy, r, centre, middle, edge):
    """Gradient from the centre colour through the middle colour (at 60 %) to the edge."""
    def paint(x, y):
        t = min(1.0, ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 / r)
        return mix(centre, middle, t / 0.6) if t < 0.6 else mix(middle, edge, (t - 0.6) / 0.4)
    return paint


def vertical(y0, y1, top, bottom):
    def paint(_x, y):
        return mix(top, bottom, min(1.0, max(0.0, (y - y0) / (y1 - y0))))
    return paint


def lamp(canvas, cx, cy, r, colour, lit):
    """A round lamp in a dark recess: bright with a halo when lit, a dull glass when not."""
    canvas.fill(Disc(cx, cy, r + 4), (12, 12, 14))
    if lit:
        for extra, opacity in ((14, 0.10), (9, 0.16), (4, 0.24)):
            canvas.fill(Disc(cx, cy, r + extra), colour, opacity)
        canvas.fill(Disc(cx, cy, r), radial(cx, cy, r, mix(colour, WHITE, 0.65), colour, shade(colour, 0.7)))
        canvas.fill(Ellipse(cx - r * 0.32, cy - r * 0.38, r * 0.34, r * 0.2), WHITE, 0.45)
    else:
        dull = shade(colour, 0.24)
        canvas.fill(Disc(cx, cy, r), radial(cx, cy, r, shade(colour, 0.34), dull, shade(colour, 0.14)))
        canvas.fill(Ellipse(cx - r * 0.32, cy - r * 0.38, r * 0.34, r * 0.2), WHITE, 0.10)


def start_light(lit, background):
    """A three-lamp start light (red on top, orange, green below), one lamp lit."""
    s = LIGHT_SIZE
    canvas = Canvas(s, s, background)
    x0, x1, y0, y1 = 78, 202, 4, 276
    # A light rim keeps the housing visible on the black background.
    canvas.fill(Box(x0 - 3, y0 - 3, x1 + 3, y1 + 3, 30), (150, 150, 156) if background == BLACK else (70, 70, 76))
    canvas.fill(Box(x0, y0, x1, y1, 27), vertical(y0, y1, (64, 64, 70), (26, 26, 30)))
    for index, name in enumerate(("Rouge", "Orange", "Vert")):
        lamp(canvas, s / 2, 50 + 90 * index, 37, LAMP_COLOURS[name], name == lit)
    return canvas


def table_flag(finish):
    """The flag of the live table's last column: chequered for a finish, red with a white
    cross for an abandon. A pole at the left, the cloth on white."""
    canvas = Canvas(25, 16, WHITE)
    canvas.fill(Box(1, 0, 3, 16, 0.8), (80, 70, 60))
    if finish:
        for row in range(3):
            for column in range(5):
                colour = BLACK if (row + column) % 2 == 0 else WHITE
                canvas.fill(Box(3 + 4 * column, 1 + 4 * row, 7 + 4 * column, 5 + 4 * row), colour)
    else:
        canvas.fill(Box(3, 1, 23, 13), (215, 25, 25))
        canvas.fill(Stroke(6.5, 3.5, 19.5, 10.5, 2.2), WHITE)
        canvas.fill(Stroke(6.5, 10.5, 19.5, 3.5, 2.2), WHITE)
    # A thin dark edge on the cloth so that the white squares stand out on a white table.
    for x0, y0, x1, y1 in ((3, 1, 23, 1.6), (3, 12.4, 23, 13), (22.4, 1, 23, 13)):
        canvas.fill(Box(x0, y0, x1, y1), (60, 60, 60), 0.8)
    return canvas


def connection_lamp(colour):
    """The 32 x 32 connection lamp of the interface dialog."""
    canvas = Canvas(32, 32, FACE)
    canvas.fill(Disc(16, 16, 14.5), vertical(1, 31, (200, 200, 205), (90, 90, 96)))
    canvas.fill(Disc(16, 16, 11.5), (30, 30, 34))
    canvas.fill(Disc(16, 16, 10.5), radial(16, 16, 10.5, mix(colour, WHITE, 0.6), colour, shade(colour, 0.65)))
    canvas.fill(Ellipse(12.5, 11.5, 4, 2.4), WHITE, 0.5)
    return canvas


def scan_lamp(step):
    """Frame step (1 to 4) of the transponder scan lamp: a chip sending step waves."""
    canvas = Canvas(40, 32, FACE)
    canvas.fill(Box(1.5, 9, 14.5, 23, 2), (40, 40, 48))
    for k in range(3):
        canvas.fill(Box(3.5 + 4 * k, 6.5, 5.5 + 4 * k, 9.5), (150, 150, 150))
        canvas.fill(Box(3.5 + 4 * k, 22.5, 5.5 + 4 * k, 25.5), (150, 150, 150))
    canvas.fill(Disc(8, 16, 2.3), (240, 200, 60))
    for k in range(4):
        colour = (25, 175, 60) if k < step else (200, 200, 204)
        canvas.fill(Arc(8, 16, 10 + 5 * k, 2.6, -36, 36), colour)
    return canvas


def printer():
    c = Canvas(24, 24, FACE)
    c.fill(Box(6.5, 2, 17.5, 10), (90, 90, 96))
    c.fill(Box(7.5, 3, 16.5, 10), WHITE)
    c.fill(Box(2.5, 8, 21.5, 18, 2.2), (70, 74, 84))
    c.fill(Box(3.5, 9, 20.5, 17, 1.5), vertical(9, 17, (190, 194, 204), (130, 134, 146)))
    c.fill(Box(6, 14, 18, 15.2), (40, 40, 46))
    c.fill(Disc(18, 11, 1.1), (40, 200, 70))
    c.fill(Box(6.5, 14.5, 17.5, 22.5), (90, 90, 96))
    c.fill(Box(7.5, 15, 16.5, 21.5), WHITE)
    for y in (17, 19):
        c.fill(Box(9, y, 15, y + 0.9), (120, 120, 130))
    return c


def wifi(colour):
    c = Canvas(24, 24, FACE)
    for r in (5, 9.5, 14):
        c.fill(Arc(12, 19.5, r, 2.8, 42, 138), colour)
    c.fill(Disc(12, 19.5, 2.4), colour)
    return c


def pencil():
    c = Canvas(24, 24, FACE)
    c.fill(Box(3, 20.5, 21, 21.5), (150, 150, 160))
    c.fill(Stroke(8, 16, 18.5, 5.5, 6.4), (60, 50, 30))
    c.fill(Stroke(8, 16, 17.5, 6.5, 4.4), (245, 190, 40))
    c.fill(Stroke(17.6, 6.4, 19.4, 4.6, 4.4), (235, 120, 140))
    c.fill(Polygon([(5.2, 14.2), (9.8, 18.8), (3.2, 20.8)]), (235, 205, 160))
    c.fill(Polygon([(3.6, 18.4), (5.6, 20.4), (3.0, 21.0)]), (40, 40, 40))
    return c


def floppy():
    c = Canvas(24, 24, FACE)
    c.fill(Box(2.5, 2.5, 21.5, 21.5, 2), (25, 55, 130))
    c.fill(Box(3.5, 3.5, 20.5, 20.5, 1.5), (45, 90, 180))
    c.fill(Box(7, 3.5, 17, 10), (205, 210, 218))
    c.fill(Box(13, 4.5, 15.5, 9), (45, 90, 180))
    c.fill(Box(6, 13, 18, 20.5, 1), WHITE)
    for y in (15, 17.5):
        c.fill(Box(7.5, y, 16.5, y + 0.9), (150, 160, 180))
    return c


def open_folder():
    c = Canvas(24, 24, FACE)
    c.fill(Polygon([(2, 5), (9, 5), (11, 7), (20, 7), (20, 19), (2, 19)]), (180, 130, 30))
    c.fill(Box(4, 8.5, 18, 11), WHITE)
    c.fill(Polygon([(2, 19), (5.5, 10.5), (22.5, 10.5), (19, 19)]), vertical(10, 19, (255, 215, 100), (235, 170, 40)))
    c.fill(Polygon([(2, 19), (5.5, 10.5), (6.3, 10.5), (2.8, 19)]), (200, 140, 30))
    return c


def speaker():
    c = Canvas(24, 24, FACE)
    c.fill(Polygon([(3, 9), (7.5, 9), (13, 4), (13, 20), (7.5, 15), (3, 15)]), (60, 64, 74))
    c.fill(Box(3.8, 9.8, 7.3, 14.2), (150, 155, 168))
    for r in (4.5, 8.5):
        c.fill(Arc(13, 12, r, 2.2, -50, 50), (30, 110, 200))
    return c


def trophy():
    c = Canvas(24, 24, FACE)
    gold = vertical(2, 16, (255, 225, 90), (205, 140, 20))
    for side in (-1, 1):
        c.fill(Arc(12 + side * 6.5, 8, 3.4, 1.8, 0, 360), (200, 145, 25))
    c.fill(Polygon([(5, 2.5), (19, 2.5), (18.4, 8), (16.2, 12), (13.2, 14), (10.8, 14), (7.8, 12), (5.6, 8)]), gold)
    c.fill(Box(10.6, 13, 13.4, 17.5), (205, 150, 30))
    c.fill(Box(7.5, 17, 16.5, 19.5, 0.8), (205, 150, 30))
    c.fill(Box(6, 19.5, 18, 22, 0.8), (110, 70, 40))
    c.fill(Ellipse(9, 6, 1.4, 2.6), WHITE, 0.45)
    return c


def arrow(up):
    """The start-order arrows: green up, red down, on the white table."""
    c = Canvas(12, 12, WHITE)
    colour = (30, 150, 60) if up else (205, 50, 40)
    head = [(0.5, 6.5), (6, 0.8), (11.5, 6.5)]
    shaft = (4, 6, 8, 11.5)
    if not up:
        head = [(x, 12 - y) for x, y in head]
        shaft = (4, 0.5, 8, 6)
    c.fill(Polygon(head), colour)
    c.fill(Box(*shaft), colour)
    return c


def pictures():
    """File name (in images/) -> (canvas, background the canvas was drawn on)."""
    out = {}
    for name in ("Rouge", "Orange", "Vert"):
        out["feu%s.bmp" % name] = start_light(name, BLACK)
        out["feu%s2.bmp" % name] = start_light(name, WHITE)
    out["drapeauArrivee.bmp"] = table_flag(True)
    out["drapeauAbandon.bmp"] = table_flag(False)
    out["voyantVert.bmp"] = connection_lamp((20, 200, 60))
    out["voyantRouge.bmp"] = connection_lamp((225, 30, 30))
    for step in range(1, 5):
        out["voyantScanPuce%d.bmp" % step] = scan_lamp(step)
    out["impression.bmp"] = printer()
    out["wifiVert.bmp"] = wifi((20, 160, 60))
    out["wifiRouge.bmp"] = wifi((210, 40, 40))
    out["editer.bmp"] = pencil()
    out["enregistrer.bmp"] = floppy()
    out["chargercourse.bmp"] = open_folder()
    out["Sons2.bmp"] = speaker()
    out["trophee.bmp"] = trophy()
    out["FlecheHaut.bmp"] = arrow(True)
    out["FlecheBas.bmp"] = arrow(False)
    return out


def main():
    folder = os.path.join(sys.argv[1], "images")
    os.makedirs(folder, exist_ok=True)
    for name, canvas in pictures().items():
        write_bmp(os.path.join(folder, name), canvas)


if __name__ == "__main__":
    main()
