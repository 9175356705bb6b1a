"""Simple designs of the country flags, by the code that the countries list gives each
country. A flag is shown at 20 x 13 pixels in the dialogs and the pages, and at about that
size in the live table, so a design keeps only what makes the flag recognisable at that
size: its stripes, colours and main figure (disc, cross, star, crescent, triangle).

Coordinates are fractions of the flag's width (x) and height (y); radii and widths are
fractions of its height."""
import math

from raster import Box, Clip, Cut, Disc, Ellipse, Polygon, Stroke, star_points

W, H = 20, 13

# Colours.
RED = (206, 17, 38)
WHITE = (255, 255, 255)
BLUE = (0, 56, 168)
NAVY = (1, 33, 105)
SKY = (108, 172, 228)
LBLUE = (0, 114, 198)
GREEN = (0, 130, 61)
DGREEN = (0, 98, 51)
YELLOW = (252, 209, 22)
GOLD = (230, 170, 20)
ORANGE = (255, 130, 0)
BLACK = (0, 0, 0)
MAROON = (138, 21, 56)
CRIMSON = (200, 16, 46)
BROWN = (140, 90, 40)
GREY = (150, 150, 150)
CYAN = (0, 160, 220)


def _x(u):
    return u * W


def _y(v):
    return v * H


# Each helper returns a list of layers (shape, colour), painted in order.

def hs(*colours, weights=None):
    """Horizontal stripes, top first. Each stripe is painted to the bottom edge and the next
    one over it, so that no seam shows between two stripes."""
    weights = weights or [1] * len(colours)
    total, start, layers = float(sum(weights)), 0.0, []
    for colour, weight in zip(colours, weights):
        layers.append((Box(0, _y(start / total), W, H), colour))
        start += weight
    return layers


def vs(*colours, weights=None):
    """Vertical stripes, hoist first."""
    weights = weights or [1] * len(colours)
    total, start, layers = float(sum(weights)), 0.0, []
    for colour, weight in zip(colours, weights):
        layers.append((Box(_x(start / total), 0, W, H), colour))
        start += weight
    return layers


def field(colour):
    return [(Box(0, 0, W, H), colour)]


def rect(x0, y0, x1, y1, colour):
    return [(Box(_x(x0), _y(y0), _x(x1), _y(y1)), colour)]


def poly(points, colour):
    return [(Polygon([(_x(u), _y(v)) for u, v in points]), colour)]


def disc(cx, cy, r, colour):
    return [(Disc(_x(cx), _y(cy), r * H), colour)]


def ring(cx, cy, r, width, colour):
    return [(Cut(Disc(_x(cx), _y(cy), r * H), Disc(_x(cx), _y(cy), (r - width) * H)), colour)]


def ellipse(cx, cy, rx, ry, colour):
    return [(Ellipse(_x(cx), _y(cy), rx * H, ry * H), colour)]


def star(cx, cy, r, colour, points=5, inner=0.382, rotation=-90.0):
    return [(Polygon(star_points(_x(cx), _y(cy), r * H, points, inner, rotation)), colour)]


def crescent(cx, cy, r, colour, dx=0.28, dy=0.0, inner=0.82):
    """A crescent opening toward (dx, dy), in fractions of r."""
    keep = Disc(_x(cx), _y(cy), r * H)
    cut = Disc(_x(cx) + dx * r * H, _y(cy) + dy * r * H, inner * r * H)
    return [(Cut(keep, cut), colour)]


def hoist_triangle(colour, depth=0.5):
    """Triangle on the hoist side, its point at depth of the width."""
    return poly([(0, 0), (depth, 0.5), (0, 1)], colour)


def cross(colour, width=0.2, cx=0.5):
    """An upright cross; cx = 0.36 or so for a Nordic cross."""
    half = width * H / 2
    return [(Box(_x(cx) - half, 0, _x(cx) + half, H), colour),
            (Box(0, H / 2 - half, W, H / 2 + half), colour)]


def saltire(colour, width=0.2):
    return [(Stroke(0, 0, W, H, width * H), colour), (Stroke(0, H, W, 0, width * H), colour)]


def band(x0, y0, x1, y1, width, colour):
    """A straight band of the given width between two points, running past the edges."""
    return [(Clip(Stroke(_x(x0), _y(y0), _x(x1), _y(y1), width * H), 0, 0, W, H), colour)]


def union_jack(x0=0.0, y0=0.0, x1=1.0, y1=1.0):
    """The Union flag in a rectangle (the whole flag or a canton)."""
    px0, py0, px1, py1 = _x(x0), _y(y0), _x(x1), _y(y1)
    h = py1 - py0
    cx, cy = (px0 + px1) / 2, (py0 + py1) / 2

    def clip(shape):
        return Clip(shape, px0, py0, px1, py1)
    layers = [(Box(px0, py0, px1, py1), NAVY)]
    for a, b in (((px0, py0), (px1, py1)), ((px0, py1), (px1, py0))):
        layers.append((clip(Stroke(a[0], a[1], b[0], b[1], h * 0.2)), WHITE))
    for a, b in (((px0, py0), (px1, py1)), ((px0, py1), (px1, py0))):
        layers.append((clip(Stroke(a[0], a[1], b[0], b[1], h * 0.07)), RED))
    layers.append((Box(cx - h / 6, py0, cx + h / 6, py1), WHITE))
    layers.append((Box(px0, cy - h / 6, px1, cy + h / 6), WHITE))
    layers.append((Box(cx - h / 10, py0, cx + h / 10, py1), RED))
    layers.append((Box(px0, cy - h / 10, px1, cy + h / 10), RED))
    return layers


def ensign(*extra):
    """A blue ensign: the Union flag in the canton of a navy field."""
    return field(NAVY) + union_jack(0, 0, 0.5, 0.5) + [layer for part in extra for layer in part]


def maple_leaf(cx, cy, r, colour):
    pts = [(0, -1), (0.18, -0.62), (0.38, -0.72), (0.32, -0.2), (0.72, -0.5), (0.62, -0.28),
           (0.9, -0.2), (0.6, 0.12), (0.68, 0.3), (0.1, 0.24), (0.1, 0.75), (-0.1, 0.75),
           (-0.1, 0.24), (-0.68, 0.3), (-0.6, 0.12), (-0.9, -0.2), (-0.62, -0.28), (-0.72, -0.5),
           (-0.32, -0.2), (-0.38, -0.72), (-0.18, -0.62)]
    return [(Polygon([(_x(cx) + u * r * H, _y(cy) + v * r * H) for u, v in pts]), colour)]


def sun(cx, cy, r, colour, rays=12, length=1.6):
    """A disc with pointed rays."""
    return (star(cx, cy, r * length, colour, points=rays, inner=0.62, rotation=-90)
            + disc(cx, cy, r, colour))


def serrated(colour, depth=0.3, points=5):
    """A hoist band whose edge is a zigzag of points (Bahrain, Qatar)."""
    pts = [(0, 0)]
    for k in range(points):
        pts.append((depth - 0.08, k / points))
        pts.append((depth + 0.08, (k + 0.5) / points))
    pts += [(depth - 0.08, 1), (0, 1)]
    return poly(pts, colour)


def emblem(cx, cy, r, colour, detail=None):
    """A coat of arms kept to a small shield of its main colour."""
    layers = poly([(cx - r * 0.45, cy - r), (cx + r * 0.45, cy - r), (cx + r * 0.45, cy + r * 0.3),
                   (cx, cy + r), (cx - r * 0.45, cy + r * 0.3)], colour)
    if detail:
        layers += disc(cx, cy - r * 0.1, r * 0.3, detail)
    return layers


def eagle(cx, cy, r, colour):
    """A spread eagle kept to its silhouette."""
    pts = [(0, -0.9), (0.15, -0.5), (0.55, -0.85), (0.95, -0.6), (0.6, -0.2), (0.85, 0.1),
           (0.35, 0.15), (0.3, 0.6), (0.1, 0.95), (-0.1, 0.95), (-0.3, 0.6), (-0.35, 0.15),
           (-0.85, 0.1), (-0.6, -0.2), (-0.95, -0.6), (-0.55, -0.85), (-0.15, -0.5)]
    return [(Polygon([(_x(cx) + u * r * H, _y(cy) + v * r * H) for u, v in pts]), colour)]


def diagonal_split(top, bottom, rising=True):
    """Two triangles divided by a diagonal: rising runs from bottom hoist to top fly."""
    if rising:
        return field(bottom) + poly([(0, 0), (1, 0), (0, 1)], top)
    return field(bottom) + poly([(0, 0), (1, 0), (1, 1)], top)


def stars_row(y, x0, x1, count, r, colour):
    layers = []
    for k in range(count):
        layers += star(x0 + (x1 - x0) * k / max(1, count - 1), y, r, colour)
    return layers


DESIGNS = {
    "AFG": vs(BLACK, RED, GREEN) + ring(0.5, 0.5, 0.24, 0.07, WHITE),
    "ALB": field(RED) + eagle(0.5, 0.5, 0.36, BLACK),
    "DZA": vs(GREEN, WHITE) + crescent(0.5, 0.5, 0.28, RED, dx=0.3) + star(0.56, 0.5, 0.14, RED),
    "AND": vs(BLUE, YELLOW, RED) + emblem(0.5, 0.5, 0.2, GOLD, RED),
    "AGO": hs(RED, BLACK) + star(0.5, 0.5, 0.2, YELLOW) + ring(0.5, 0.5, 0.22, 0.06, YELLOW),
    "ATG": field(RED) + [(Clip(Polygon([(0, 0), (W, 0), (W / 2, H)]), 0, 0, W, H * 0.42), BLACK),
                         (Clip(Polygon([(0, 0), (W, 0), (W / 2, H)]), 0, H * 0.42, W, H * 0.66), BLUE),
                         (Clip(Polygon([(0, 0), (W, 0), (W / 2, H)]), 0, H * 0.66, W, H), WHITE)]
    + sun(0.5, 0.38, 0.1, YELLOW),
    "ARG": hs(SKY, WHITE, SKY) + disc(0.5, 0.5, 0.1, GOLD),
    "ARM": hs(RED, BLUE, ORANGE),
    "AUS": ensign(star(0.25, 0.77, 0.14, WHITE, points=7), star(0.75, 0.22, 0.07, WHITE, points=7),
                  star(0.63, 0.48, 0.07, WHITE, points=7), star(0.87, 0.42, 0.07, WHITE, points=7),
                  star(0.75, 0.82, 0.08, WHITE, points=7)),
    "AUT": hs(RED, WHITE, RED),
    "AZE": hs(CYAN, RED, GREEN) + crescent(0.48, 0.5, 0.15, WHITE, dx=0.3) + star(0.56, 0.5, 0.07, WHITE, points=8),
    "BHS": hs(CYAN, YELLOW, CYAN) + hoist_triangle(BLACK, 0.42),
    "BHR": field(RED) + serrated(WHITE, 0.3, 5),
    "BGD": field(DGREEN) + disc(0.45, 0.5, 0.3, RED),
    "BRB": vs(BLUE, YELLOW, BLUE) + poly([(0.44, 0.25), (0.47, 0.25), (0.47, 0.55), (0.49, 0.55), (0.49, 0.2),
                                        (0.51, 0.2), (0.51, 0.55), (0.53, 0.55), (0.53, 0.25), (0.56, 0.25),
                                        (0.56, 0.65), (0.515, 0.65), (0.515, 0.8), (0.485, 0.8), (0.485, 0.65),
                                        (0.44, 0.65)], BLACK),
    "BLR": hs(RED, GREEN, weights=[2, 1]) + rect(0, 0, 0.11, 1, WHITE)
    + [layer for k in range(4) for layer in poly([(0.055, 0.05 + 0.25 * k), (0.1, 0.175 + 0.25 * k),
                                                  (0.055, 0.3 + 0.25 * k), (0.01, 0.175 + 0.25 * k)], RED)],
    "BEL": vs(BLACK, YELLOW, RED),
    "BLZ": hs(RED, BLUE, RED, weights=[1, 8, 1]) + disc(0.5, 0.5, 0.32, WHITE) + ring(0.5, 0.5, 0.3, 0.05, GREEN),
    "BEN": hs(YELLOW, RED) + rect(0, 0, 0.4, 1, GREEN),
    "BTN": diagonal_split(YELLOW, ORANGE) + band(0.1, 0.9, 0.9, 0.1, 0.18, WHITE),
    "BOL": hs(RED, YELLOW, GREEN),
    "BIH": field(BLUE) + poly([(0.27, 0), (0.77, 0), (0.77, 1)], YELLOW)
    + [layer for k in range(7) for layer in star(0.2 + 0.085 * k, 0.02 + 0.16 * k, 0.07, WHITE)],
    "BWA": hs(SKY, WHITE, BLACK, WHITE, SKY, weights=[9, 1, 4, 1, 9]),
    "BRA": field(GREEN) + poly([(0.08, 0.5), (0.5, 0.1), (0.92, 0.5), (0.5, 0.9)], YELLOW)
    + disc(0.5, 0.5, 0.25, NAVY),
    "BRN": field(YELLOW) + band(0, 0.2, 1, 0.62, 0.22, WHITE) + band(0, 0.38, 1, 0.8, 0.2, BLACK)
    + disc(0.5, 0.5, 0.16, RED),
    "BGR": hs(WHITE, GREEN, RED),
    "BFA": hs(RED, GREEN) + star(0.5, 0.5, 0.2, YELLOW),
    "BDI": field(RED) + poly([(0, 0), (0.5, 0.5), (0, 1)], GREEN) + poly([(1, 0), (0.5, 0.5), (1, 1)], GREEN)
    + saltire(WHITE, 0.14) + disc(0.5, 0.5, 0.27, WHITE)
    + star(0.5, 0.38, 0.07, RED) + star(0.42, 0.58, 0.07, RED) + star(0.58, 0.58, 0.07, RED),
    "KHM": hs(BLUE, RED, BLUE, weights=[1, 2, 1])
    + poly([(0.3, 0.68), (0.33, 0.45), (0.38, 0.45), (0.42, 0.3), (0.47, 0.3), (0.5, 0.22), (0.53, 0.3),
            (0.58, 0.3), (0.62, 0.45), (0.67, 0.45), (0.7, 0.68)], WHITE),
    "CMR": vs(GREEN, RED, YELLOW) + star(0.5, 0.5, 0.16, YELLOW),
    "CAN": vs(RED, WHITE, RED, weights=[1, 2, 1]) + maple_leaf(0.5, 0.47, 0.38, RED),
    "CPV": hs(BLUE, WHITE, RED, WHITE, BLUE, weights=[6, 1, 1, 1, 3])
    + [layer for k in range(10) for layer in disc(0.375 + 0.22 * math.cos(k * 0.628),
                                                   0.625 + 0.3 * math.sin(k * 0.628), 0.04, YELLOW)],
    "CAF": hs(BLUE, WHITE, GREEN, YELLOW) + rect(0.44, 0, 0.56, 1, RED) + star(0.14, 0.12, 0.09, YELLOW),
    "TCD": vs(BLUE, YELLOW, RED),
    "CHL": hs(WHITE, RED) + rect(0, 0, 0.34, 0.5, BLUE) + star(0.17, 0.25, 0.13, WHITE),
    "CHN": field(RED) + star(0.17, 0.25, 0.16, YELLOW) + star(0.34, 0.1, 0.05, YELLOW)
    + star(0.4, 0.2, 0.05, YELLOW) + star(0.4, 0.35, 0.05, YELLOW) + star(0.34, 0.45, 0.05, YELLOW),
    "COL": hs(YELLOW, BLUE, RED, weights=[2, 1, 1]),
    "COM": hs(YELLOW, WHITE, RED, BLUE) + hoist_triangle(GREEN, 0.45)
    + crescent(0.14, 0.5, 0.2, WHITE, dx=0.4)
    + [layer for k in range(4) for layer in star(0.24, 0.32 + 0.12 * k, 0.04, WHITE)],
    "COG": field(RED) + poly([(0, 0), (0.7, 0), (0, 1)], GREEN) + band(0.2, 1.1, 0.85, -0.1, 0.36, YELLOW),
    "CRI": hs(BLUE, WHITE, RED, WHITE, BLUE, weights=[1, 1, 2, 1, 1]),
    "CIV": vs(ORANGE, WHITE, GREEN),
    "HRV": hs(RED, WHITE, BLUE)
    + [layer for k in range(9) for layer in rect(0.43 + 0.047 * (k % 3), 0.3 + 0.11 * (k // 3),
                                                 0.477 + 0.047 * (k % 3), 0.41 + 0.11 * (k // 3),
                                                 RED if k % 2 == 0 else WHITE)]
    + rect(0.43, 0.63, 0.57, 0.66, RED),
    "CUB": hs(BLUE, WHITE, BLUE, WHITE, BLUE) + hoist_triangle(RED, 0.43) + star(0.15, 0.5, 0.15, WHITE),
    "CYP": field(WHITE) + poly([(0.3, 0.45), (0.45, 0.3), (0.62, 0.28), (0.75, 0.2), (0.68, 0.35),
                                (0.6, 0.5), (0.42, 0.55)], (215, 120, 35))
    + band(0.38, 0.75, 0.48, 0.7, 0.05, GREEN) + band(0.62, 0.75, 0.52, 0.7, 0.05, GREEN),
    "CZE": hs(WHITE, RED) + hoist_triangle(BLUE, 0.5),
    "COD": field(SKY) + band(-0.05, 1.05, 1.05, -0.05, 0.32, YELLOW) + band(-0.05, 1.05, 1.05, -0.05, 0.22, RED)
    + star(0.15, 0.22, 0.17, YELLOW),
    "DNK": field(RED) + cross(WHITE, 0.14, 0.37),
    "DJI": hs(SKY, GREEN) + hoist_triangle(WHITE, 0.45) + star(0.15, 0.5, 0.12, RED),
    "DMA": field(DGREEN) + cross(YELLOW, 0.2) + cross(BLACK, 0.13) + cross(WHITE, 0.06) + disc(0.5, 0.5, 0.25, RED)
    + disc(0.5, 0.5, 0.1, (100, 40, 120)),
    "DOM": rect(0, 0, 0.5, 0.5, NAVY) + rect(0.5, 0, 1, 0.5, RED) + rect(0, 0.5, 0.5, 1, RED)
    + rect(0.5, 0.5, 1, 1, NAVY) + cross(WHITE, 0.18) + disc(0.5, 0.5, 0.09, (40, 120, 60)),
    "TLS": field(RED) + hoist_triangle(YELLOW, 0.5) + hoist_triangle(BLACK, 0.33) + star(0.11, 0.5, 0.12, WHITE),
    "ECU": hs(YELLOW, BLUE, RED, weights=[2, 1, 1]) + emblem(0.5, 0.47, 0.2, (110, 170, 220), GOLD),
    "EGY": hs(RED, WHITE, BLACK) + eagle(0.5, 0.5, 0.13, GOLD),
    "SLV": hs(BLUE, WHITE, BLUE) + disc(0.5, 0.5, 0.12, GOLD) + disc(0.5, 0.5, 0.07, GREEN),
    "ENG": field(WHITE) + cross(RED, 0.2),
    "GNQ": hs(GREEN, WHITE, RED) + hoist_triangle(LBLUE, 0.25) + emblem(0.5, 0.5, 0.12, GREY),
    "ERI": poly([(0, 0), (1, 0), (1, 0.5)], GREEN) + poly([(0, 1), (1, 1), (1, 0.5)], LBLUE)
    + poly([(0, 0), (1, 0.5), (0, 1)], RED) + ring(0.22, 0.5, 0.24, 0.07, YELLOW) + rect(0.21, 0.35, 0.23, 0.68, YELLOW),
    "EST": hs(LBLUE, BLACK, WHITE),
    "SWZ": hs(BLUE, YELLOW, CRIMSON, YELLOW, BLUE, weights=[3, 1, 8, 1, 3])
    + ellipse(0.5, 0.5, 0.4, 0.17, WHITE) + [(Clip(Ellipse(W / 2, H / 2, 0.4 * H, 0.17 * H), 0, 0, W / 2, H), BLACK)],
    "ETH": hs(GREEN, YELLOW, RED) + disc(0.5, 0.5, 0.25, BLUE) + star(0.5, 0.5, 0.2, YELLOW),
    "FRO": field(WHITE) + cross(BLUE, 0.25, 0.36) + cross(RED, 0.13, 0.36),
    "FJI": field(SKY) + union_jack(0, 0, 0.5, 0.5) + emblem(0.73, 0.55, 0.22, WHITE, RED) + rect(0.65, 0.35, 0.81, 0.43, RED),
    "FIN": field(WHITE) + cross(BLUE, 0.27, 0.36),
    "FRA": vs(BLUE, WHITE, RED),
    "GAB": hs(GREEN, YELLOW, BLUE),
    "GMB": hs(RED, WHITE, BLUE, WHITE, GREEN, weights=[6, 1, 4, 1, 6]),
    "GEO": field(WHITE) + cross(RED, 0.2) + [layer for cx, cy in ((0.2, 0.22), (0.8, 0.22), (0.2, 0.78), (0.8, 0.78))
                                            for layer in rect(cx - 0.06, cy - 0.03, cx + 0.06, cy + 0.03, RED)
                                            + rect(cx - 0.02, cy - 0.11, cx + 0.02, cy + 0.11, RED)],
    "DEU": hs(BLACK, RED, (255, 206, 0)),
    "GHA": hs(RED, GOLD, GREEN) + star(0.5, 0.5, 0.17, BLACK),
    "GIB": hs(WHITE, RED, weights=[2, 1]) + rect(0.36, 0.28, 0.64, 0.67, RED)
    + [layer for x in (0.36, 0.45, 0.55) for layer in rect(x, 0.2, x + 0.09, 0.3, RED)]
    + rect(0.47, 0.45, 0.53, 0.67, BLACK),
    "GRC": hs(*([BLUE, WHITE] * 4 + [BLUE])) + rect(0, 0, 0.37, 5 / 9, BLUE) + rect(0.15, 0, 0.22, 5 / 9, WHITE)
    + rect(0, 2 / 9, 0.37, 3 / 9, WHITE),
    "GRL": hs(WHITE, RED) + [(Clip(Disc(0.37 * W, H / 2, H / 3), 0, 0, W, H / 2), RED),
                             (Clip(Disc(0.37 * W, H / 2, H / 3), 0, H / 2, W, H), WHITE)],
    "GRD": field(RED) + poly([(0.1, 0.15), (0.9, 0.15), (0.5, 0.5)], YELLOW)
    + poly([(0.1, 0.85), (0.9, 0.85), (0.5, 0.5)], YELLOW) + poly([(0.1, 0.15), (0.5, 0.5), (0.1, 0.85)], GREEN)
    + poly([(0.9, 0.15), (0.5, 0.5), (0.9, 0.85)], GREEN) + disc(0.5, 0.5, 0.13, RED) + star(0.5, 0.5, 0.1, YELLOW)
    + stars_row(0.075, 0.3, 0.7, 3, 0.05, YELLOW) + stars_row(0.925, 0.3, 0.7, 3, 0.05, YELLOW),
    "GTM": vs(SKY, WHITE, SKY) + ring(0.5, 0.5, 0.16, 0.05, GREEN) + disc(0.5, 0.5, 0.08, (200, 180, 120)),
    "GIN": vs(RED, YELLOW, GREEN),
    "GNB": hs(YELLOW, GREEN) + rect(0, 0, 0.34, 1, RED) + star(0.17, 0.5, 0.17, BLACK),
    "GUY": field(GREEN) + poly([(0, -0.02), (1, 0.5), (0, 1.02)], WHITE) + poly([(0, 0.05), (0.93, 0.5), (0, 0.95)], YELLOW)
    + poly([(0, 0), (0.5, 0.5), (0, 1)], BLACK) + poly([(0, 0.07), (0.44, 0.5), (0, 0.93)], RED),
    "HTI": hs(BLUE, RED) + rect(0.38, 0.33, 0.62, 0.67, WHITE) + disc(0.5, 0.5, 0.08, GREEN),
    "HND": hs(LBLUE, WHITE, LBLUE) + star(0.5, 0.5, 0.07, LBLUE) + star(0.38, 0.42, 0.07, LBLUE)
    + star(0.38, 0.58, 0.07, LBLUE) + star(0.62, 0.42, 0.07, LBLUE) + star(0.62, 0.58, 0.07, LBLUE),
    "HKG": field(RED) + [layer for k in range(5) for layer in ellipse(
        0.5 + 0.12 * math.cos(k * 1.2566 - 1.5708), 0.5 + 0.18 * math.sin(k * 1.2566 - 1.5708),
        0.1, 0.1, WHITE)] + star(0.5, 0.5, 0.06, RED),
    "HUN": hs(RED, WHITE, GREEN),
    "ISL": field(BLUE) + cross(WHITE, 0.28, 0.36) + cross(RED, 0.14, 0.36),
    "IND": hs((255, 153, 51), WHITE, (19, 136, 8)) + ring(0.5, 0.5, 0.15, 0.04, NAVY) + disc(0.5, 0.5, 0.04, NAVY),
    "IDN": hs(RED, WHITE),
    "IRN": hs(GREEN, WHITE, RED) + disc(0.5, 0.5, 0.09, RED) + disc(0.5, 0.5, 0.05, WHITE),
    "IRQ": hs(RED, WHITE, BLACK) + rect(0.3, 0.47, 0.7, 0.53, DGREEN) + star(0.5, 0.42, 0.07, DGREEN, points=4),
    "IRL": vs(GREEN, WHITE, ORANGE),
    "ISR": field(WHITE) + rect(0, 0.1, 1, 0.22, BLUE) + rect(0, 0.78, 1, 0.9, BLUE)
    + [(Cut(Polygon(star_points(W / 2, H / 2, 0.24 * H, 6, 0.577, -90)),
            Polygon(star_points(W / 2, H / 2, 0.17 * H, 6, 0.577, -90))), BLUE)],
    "ITA": vs((0, 146, 70), WHITE, RED),
    "JAM": field(GREEN) + poly([(0, 0), (0.5, 0.5), (0, 1)], BLACK) + poly([(1, 0), (0.5, 0.5), (1, 1)], BLACK)
    + saltire(GOLD, 0.15),
    "JPN": field(WHITE) + disc(0.5, 0.5, 0.3, (188, 0, 45)),
    "JOR": hs(BLACK, WHITE, GREEN) + hoist_triangle(RED, 0.5) + star(0.17, 0.5, 0.09, WHITE, points=7),
    "KAZ": field((0, 175, 202)) + sun(0.5, 0.42, 0.14, YELLOW, rays=16, length=1.5) + rect(0.03, 0, 0.09, 1, YELLOW)
    + eagle(0.5, 0.72, 0.12, YELLOW),
    "KEN": hs(BLACK, WHITE, RED, WHITE, GREEN, weights=[6, 1, 6, 1, 6]) + ellipse(0.5, 0.5, 0.16, 0.4, RED)
    + [(Clip(Ellipse(W / 2, H / 2, 0.16 * H, 0.4 * H), 0, 0, W * 0.47, H), BLACK),
       (Clip(Ellipse(W / 2, H / 2, 0.16 * H, 0.4 * H), W * 0.53, 0, W, H), BLACK)] + ellipse(0.5, 0.5, 0.04, 0.15, WHITE),
    "KIR": hs(RED, BLUE, WHITE, BLUE, WHITE, BLUE, weights=[8, 2, 1, 1, 1, 1])
    + [(Clip(Disc(W / 2, H * 0.58, H * 0.2), 0, 0, W, H * 0.58), GOLD)] + eagle(0.5, 0.22, 0.13, GOLD),
    "XKX": field((36, 74, 165)) + poly([(0.35, 0.45), (0.45, 0.38), (0.6, 0.4), (0.66, 0.52), (0.6, 0.72),
                                        (0.48, 0.75), (0.38, 0.62)], (208, 167, 44))
    + [layer for k in range(6) for layer in star(0.3 + 0.08 * k, 0.27 - 0.04 * (2.5 - abs(k - 2.5)), 0.05, WHITE)],
    "KWT": hs(GREEN, WHITE, RED) + poly([(0, 0), (0.25, 0.33), (0.25, 0.67), (0, 1)], BLACK),
    "KGZ": field((232, 17, 45)) + sun(0.5, 0.5, 0.2, YELLOW, rays=20, length=1.6) + disc(0.5, 0.5, 0.14, (232, 17, 45))
    + ring(0.5, 0.5, 0.14, 0.04, YELLOW),
    "LAO": hs(RED, NAVY, RED, weights=[1, 2, 1]) + disc(0.5, 0.5, 0.2, WHITE),
    "LVA": hs((158, 48, 57), WHITE, (158, 48, 57), weights=[2, 1, 2]),
    "LBN": hs(RED, WHITE, RED, weights=[1, 2, 1]) + poly([(0.5, 0.27), (0.62, 0.62), (0.38, 0.62)], GREEN)
    + rect(0.48, 0.6, 0.52, 0.72, GREEN),
    "LSO": hs(BLUE, WHITE, GREEN, weights=[3, 4, 3])
    + poly([(0.5, 0.32), (0.6, 0.55), (0.66, 0.58), (0.34, 0.58), (0.4, 0.55)], BLACK),
    "LBR": hs(*([RED, WHITE] * 5 + [RED])) + rect(0, 0, 0.3, 5 / 11, BLUE) + star(0.15, 0.23, 0.14, WHITE),
    "LBY": hs(RED, BLACK, GREEN, weights=[1, 2, 1]) + crescent(0.48, 0.5, 0.17, WHITE, dx=0.35)
    + star(0.56, 0.5, 0.07, WHITE),
    "LIE": hs(BLUE, RED) + poly([(0.15, 0.35), (0.15, 0.15), (0.2, 0.25), (0.25, 0.12), (0.3, 0.25),
                                 (0.35, 0.15), (0.35, 0.35)], GOLD),
    "LTU": hs((253, 185, 19), (0, 106, 68), (193, 39, 45)),
    "LUX": hs(RED, WHITE, (0, 161, 222)),
    "MAC": field((0, 120, 94)) + ellipse(0.5, 0.58, 0.25, 0.1, WHITE) + poly([(0.5, 0.3), (0.58, 0.52), (0.42, 0.52)], WHITE)
    + stars_row(0.22, 0.32, 0.68, 5, 0.05, YELLOW),
    "MDG": hs(RED, GREEN) + rect(0, 0, 1 / 3, 1, WHITE),
    "MWI": hs(BLACK, RED, GREEN) + [(Clip(Polygon(star_points(W / 2, H * 0.33, H * 0.22, 31, 0.6)), 0, 0, W, H * 0.33), RED)]
    + [(Clip(Disc(W / 2, H * 0.33, H * 0.13), 0, 0, W, H * 0.33), RED)],
    "MYS": hs(*([RED, WHITE] * 7)) + rect(0, 0, 0.5, 0.57, NAVY) + crescent(0.17, 0.28, 0.19, YELLOW, dx=0.3)
    + star(0.3, 0.28, 0.13, YELLOW, points=14, inner=0.45),
    "MDV": field(RED) + rect(0.17, 0.2, 0.83, 0.8, (0, 126, 58)) + crescent(0.52, 0.5, 0.2, WHITE, dx=0.35),
    "MLI": vs(GREEN, YELLOW, RED),
    "MLT": vs(WHITE, RED) + rect(0.05, 0.08, 0.15, 0.25, GREY) + rect(0.08, 0.05, 0.12, 0.28, GREY),
    "MHL": field((0, 56, 147)) + band(0.0, 1.0, 1.0, 0.0, 0.12, ORANGE) + band(0.0, 1.06, 1.0, 0.06, 0.12, WHITE)
    + star(0.2, 0.28, 0.16, WHITE, points=12, inner=0.45),
    "MRT": hs(RED, GREEN, RED, weights=[1, 6, 1]) + crescent(0.5, 0.42, 0.28, GOLD, dy=-0.3, dx=0.0, inner=0.85)
    + star(0.5, 0.38, 0.1, GOLD),
    "MUS": hs(RED, BLUE, YELLOW, GREEN),
    "MEX": vs((0, 104, 71), WHITE, RED) + eagle(0.5, 0.5, 0.15, BROWN),
    "FSM": field(SKY) + star(0.5, 0.22, 0.09, WHITE) + star(0.5, 0.78, 0.09, WHITE) + star(0.38, 0.5, 0.09, WHITE)
    + star(0.62, 0.5, 0.09, WHITE),
    "MDA": vs(BLUE, YELLOW, RED) + eagle(0.5, 0.5, 0.2, BROWN),
    "MCO": hs(RED, WHITE),
    "MNG": vs(RED, BLUE, RED) + rect(0.14, 0.25, 0.2, 0.75, YELLOW) + disc(0.17, 0.2, 0.05, YELLOW),
    "MNE": field(GOLD) + rect(0.04, 0.06, 0.96, 0.94, (196, 18, 48)) + eagle(0.5, 0.5, 0.3, GOLD),
    "MAR": field((193, 39, 45)) + [(Cut(Polygon(star_points(W / 2, H / 2, 0.3 * H, 5, 0.382)),
                                       Polygon(star_points(W / 2, H / 2, 0.18 * H, 5, 0.382))), (0, 98, 51))],
    "MOZ": hs(GREEN, WHITE, BLACK, WHITE, YELLOW, weights=[6, 1, 6, 1, 6]) + hoist_triangle(RED, 0.45)
    + star(0.14, 0.5, 0.16, YELLOW),
    "MMR": hs(YELLOW, (52, 178, 51), RED) + star(0.5, 0.55, 0.38, WHITE),
    "NAM": field(GREEN) + poly([(0, 0), (1, 0), (0, 1)], BLUE) + band(-0.05, 1.05, 1.05, -0.05, 0.5, WHITE)
    + band(-0.05, 1.05, 1.05, -0.05, 0.36, RED) + sun(0.18, 0.25, 0.08, YELLOW),
    "NRU": field(NAVY) + rect(0, 0.46, 1, 0.54, YELLOW) + star(0.25, 0.72, 0.12, WHITE, points=12, inner=0.5),
    "NPL": field(WHITE) + poly([(0.2, 0.02), (0.72, 0.48), (0.36, 0.48), (0.72, 0.98), (0.2, 0.98)], NAVY)
    + poly([(0.24, 0.1), (0.62, 0.44), (0.29, 0.44), (0.62, 0.93), (0.24, 0.93)], CRIMSON)
    + crescent(0.33, 0.33, 0.08, WHITE, dy=-0.4, dx=0.0) + sun(0.33, 0.72, 0.06, WHITE),
    "NCL": hs(BLUE, RED, GREEN) + disc(0.38, 0.5, 0.33, YELLOW) + ring(0.38, 0.5, 0.33, 0.04, BLACK)
    + rect(0.36, 0.27, 0.4, 0.73, BLACK),
    "NLD": hs((174, 28, 40), WHITE, (33, 70, 139)),
    "NZL": ensign(star(0.75, 0.22, 0.09, RED), star(0.66, 0.47, 0.09, RED), star(0.85, 0.43, 0.08, RED),
                  star(0.75, 0.8, 0.1, RED)),
    "NIC": hs(LBLUE, WHITE, LBLUE) + poly([(0.5, 0.36), (0.58, 0.62), (0.42, 0.62)], (60, 150, 200))
    + ring(0.5, 0.52, 0.16, 0.04, GOLD),
    "NER": hs(ORANGE, WHITE, GREEN) + disc(0.5, 0.5, 0.12, ORANGE),
    "NGA": vs((0, 135, 81), WHITE, (0, 135, 81)),
    "PRK": hs(BLUE, WHITE, RED, WHITE, BLUE, weights=[6, 1, 17, 1, 6]) + disc(0.33, 0.5, 0.22, WHITE)
    + star(0.33, 0.5, 0.21, RED),
    "MKD": field((210, 0, 0)) + [(Polygon([(W / 2 - 0.05 * W, H / 2), (a, b), (W / 2 + 0.05 * W, H / 2)]), (255, 232, 0))
                                 for a, b in ((0, 0), (W, 0), (0, H), (W, H))]
    + poly([(0.45, 0.5), (0.5, 0), (0.55, 0.5)], (255, 232, 0)) + poly([(0.45, 0.5), (0.5, 1), (0.55, 0.5)], (255, 232, 0))
    + poly([(0.5, 0.4), (0, 0.5), (0.5, 0.6)], (255, 232, 0)) + poly([(0.5, 0.4), (1, 0.5), (0.5, 0.6)], (255, 232, 0))
    + disc(0.5, 0.5, 0.2, (210, 0, 0)) + disc(0.5, 0.5, 0.15, (255, 232, 0)),
    "NIR": field(WHITE) + cross(RED, 0.2) + star(0.5, 0.5, 0.2, WHITE, points=6, inner=0.6) + disc(0.5, 0.5, 0.08, RED),
    "NOR": field((186, 12, 47)) + cross(WHITE, 0.25, 0.36) + cross((0, 32, 91), 0.125, 0.36),
    "OMN": hs(WHITE, RED, GREEN) + rect(0, 0, 0.25, 1, RED) + rect(0.06, 0.1, 0.19, 0.14, WHITE)
    + band(0.07, 0.05, 0.18, 0.25, 0.05, WHITE) + band(0.18, 0.05, 0.07, 0.25, 0.05, WHITE),
    "PAK": field((1, 65, 28)) + rect(0, 0, 0.25, 1, WHITE) + crescent(0.63, 0.5, 0.3, WHITE, dx=0.25, dy=-0.2)
    + star(0.7, 0.38, 0.1, WHITE),
    "PLW": field((0, 153, 218)) + disc(0.45, 0.5, 0.3, (255, 222, 0)),
    "PSE": hs(BLACK, WHITE, (0, 122, 61)) + hoist_triangle(RED, 0.4),
    "PAN": rect(0, 0, 0.5, 0.5, WHITE) + rect(0.5, 0, 1, 0.5, RED) + rect(0, 0.5, 0.5, 1, BLUE)
    + rect(0.5, 0.5, 1, 1, WHITE) + star(0.25, 0.25, 0.13, BLUE) + star(0.75, 0.75, 0.13, RED),
    "PNG": diagonal_split(RED, BLACK, rising=False) + eagle(0.7, 0.3, 0.16, YELLOW)
    + star(0.2, 0.55, 0.05, WHITE) + star(0.3, 0.7, 0.05, WHITE) + star(0.15, 0.8, 0.05, WHITE)
    + star(0.25, 0.88, 0.04, WHITE),
    "PRY": hs(RED, WHITE, BLUE) + ring(0.5, 0.5, 0.14, 0.04, (60, 140, 60)) + star(0.5, 0.5, 0.06, YELLOW),
    "PER": vs(RED, WHITE, RED),
    "PHL": hs((0, 56, 168), RED) + hoist_triangle(WHITE, 0.45) + sun(0.15, 0.5, 0.08, YELLOW, rays=8, length=1.8)
    + star(0.04, 0.12, 0.04, YELLOW) + star(0.04, 0.88, 0.04, YELLOW) + star(0.36, 0.5, 0.04, YELLOW),
    "POL": hs(WHITE, (220, 20, 60)),
    "PRT": vs((0, 102, 0), RED, weights=[2, 3]) + ring(0.4, 0.5, 0.25, 0.07, YELLOW) + emblem(0.4, 0.5, 0.16, WHITE, BLUE),
    "PRI": hs(RED, WHITE, RED, WHITE, RED) + hoist_triangle((0, 80, 240), 0.45) + star(0.15, 0.5, 0.15, WHITE),
    "QAT": field(MAROON) + serrated(WHITE, 0.3, 9),
    "ROU": vs((0, 43, 127), (252, 209, 22), (206, 17, 38)),
    "RUS": hs(WHITE, (0, 57, 166), (213, 43, 30)),
    "RWA": hs((0, 161, 222), YELLOW, (32, 96, 61), weights=[2, 1, 1]) + sun(0.84, 0.22, 0.07, (250, 210, 1), rays=24),
    "KNA": diagonal_split((0, 158, 73), (206, 17, 38)) + band(-0.05, 1.05, 1.05, -0.05, 0.45, YELLOW)
    + band(-0.05, 1.05, 1.05, -0.05, 0.33, BLACK) + star(0.38, 0.62, 0.1, WHITE) + star(0.62, 0.38, 0.1, WHITE),
    "LCA": field((102, 204, 255)) + poly([(0.5, 0.1), (0.7, 0.9), (0.3, 0.9)], WHITE)
    + poly([(0.5, 0.18), (0.66, 0.9), (0.34, 0.9)], BLACK) + poly([(0.5, 0.5), (0.7, 0.9), (0.3, 0.9)], YELLOW),
    "VCT": vs((0, 114, 198), YELLOW, (0, 158, 96), weights=[1, 2, 1])
    + poly([(0.4, 0.3), (0.45, 0.45), (0.4, 0.6), (0.35, 0.45)], (0, 158, 96))
    + poly([(0.6, 0.3), (0.65, 0.45), (0.6, 0.6), (0.55, 0.45)], (0, 158, 96))
    + poly([(0.5, 0.5), (0.55, 0.65), (0.5, 0.8), (0.45, 0.65)], (0, 158, 96)),
    "WSM": field(RED) + rect(0, 0, 0.5, 0.5, (0, 43, 127)) + star(0.25, 0.1, 0.06, WHITE) + star(0.16, 0.25, 0.06, WHITE)
    + star(0.33, 0.22, 0.05, WHITE) + star(0.25, 0.4, 0.07, WHITE),
    "SMR": hs(WHITE, (94, 182, 228)) + emblem(0.5, 0.5, 0.18, (94, 182, 228), WHITE) + disc(0.5, 0.28, 0.06, GOLD),
    "STP": hs(GREEN, YELLOW, GREEN, weights=[2, 3, 2]) + hoist_triangle(RED, 0.3) + star(0.5, 0.5, 0.12, BLACK)
    + star(0.72, 0.5, 0.12, BLACK),
    "SAU": field((0, 108, 53)) + rect(0.25, 0.3, 0.75, 0.34, WHITE) + rect(0.3, 0.4, 0.7, 0.44, WHITE)
    + rect(0.3, 0.22, 0.34, 0.44, WHITE) + rect(0.5, 0.22, 0.54, 0.44, WHITE) + rect(0.66, 0.22, 0.7, 0.44, WHITE)
    + rect(0.25, 0.63, 0.75, 0.67, WHITE) + rect(0.25, 0.6, 0.28, 0.7, WHITE),
    "SCO": field((0, 94, 184)) + saltire(WHITE, 0.2),
    "SEN": vs((0, 133, 63), (253, 239, 66), (227, 27, 35)) + star(0.5, 0.5, 0.17, (0, 133, 63)),
    "SRB": hs((198, 54, 60), (12, 64, 118), WHITE) + emblem(0.33, 0.45, 0.22, (198, 54, 60), WHITE)
    + rect(0.28, 0.14, 0.38, 0.22, GOLD),
    "SYC": field((0, 61, 136)) + poly([(0, 1), (1 / 3, 0), (2 / 3, 0)], (253, 216, 54))
    + poly([(0, 1), (2 / 3, 0), (1, 0), (1, 1 / 3)], (214, 40, 40))
    + poly([(0, 1), (1, 1 / 3), (1, 2 / 3)], WHITE) + poly([(0, 1), (1, 2 / 3), (1, 1)], (0, 122, 61)),
    "SLE": hs((30, 181, 58), WHITE, (0, 114, 198)),
    "SGP": hs((237, 41, 57), WHITE) + crescent(0.16, 0.25, 0.16, WHITE, dx=0.35)
    + [layer for k in range(5) for layer in star(
        0.27 + 0.075 * math.cos(k * 1.2566 - 1.5708), 0.25 + 0.1 * math.sin(k * 1.2566 - 1.5708),
        0.04, WHITE)],
    "SVK": hs(WHITE, (11, 78, 162), (238, 28, 37)) + emblem(0.35, 0.5, 0.27, WHITE)
    + emblem(0.35, 0.5, 0.23, (238, 28, 37)) + rect(0.34, 0.33, 0.36, 0.62, WHITE) + rect(0.3, 0.42, 0.4, 0.46, WHITE)
    + disc(0.35, 0.67, 0.08, (11, 78, 162)),
    "SVN": hs(WHITE, (0, 93, 164), (237, 28, 36)) + emblem(0.3, 0.4, 0.22, WHITE)
    + emblem(0.3, 0.4, 0.18, (0, 93, 164)) + poly([(0.25, 0.48), (0.3, 0.34), (0.35, 0.48)], WHITE),
    "SLB": diagonal_split((0, 81, 186), (33, 94, 33)) + band(-0.05, 1.05, 1.05, -0.05, 0.12, YELLOW)
    + star(0.1, 0.15, 0.06, WHITE) + star(0.3, 0.15, 0.06, WHITE) + star(0.2, 0.28, 0.06, WHITE)
    + star(0.1, 0.4, 0.06, WHITE) + star(0.3, 0.4, 0.06, WHITE),
    "SOM": field((65, 137, 221)) + star(0.5, 0.5, 0.26, WHITE),
    "ZAF": hs(RED, (0, 35, 149)) + poly([(0, 0), (0.5, 0.5), (0, 1)], YELLOW)
    + band(0, 0, 0.4, 0.5, 0.44, WHITE) + band(0, 1, 0.4, 0.5, 0.44, WHITE) + rect(0.4, 0.33, 1, 0.67, WHITE)
    + band(0, 0, 0.4, 0.5, 0.26, (0, 122, 77)) + band(0, 1, 0.4, 0.5, 0.26, (0, 122, 77))
    + rect(0.4, 0.4, 1, 0.6, (0, 122, 77)) + poly([(0, 0.12), (0.32, 0.5), (0, 0.88)], BLACK),
    "KOR": field(WHITE) + [(Clip(Disc(W / 2, H / 2, 0.25 * H), 0, 0, W, H / 2), (205, 46, 58)),
                           (Clip(Disc(W / 2, H / 2, 0.25 * H), 0, H / 2, W, H), (0, 71, 160))]
    + disc(0.44, 0.5, 0.125, (205, 46, 58)) + disc(0.56, 0.5, 0.125, (0, 71, 160))
    + [layer for cx, cy, angle in ((0.2, 0.22, 1), (0.8, 0.22, -1), (0.2, 0.78, -1), (0.8, 0.78, 1))
       for layer in band(cx - 0.04, cy + angle * 0.07, cx + 0.04, cy - angle * 0.07, 0.14, BLACK)],
    "SSD": hs(BLACK, WHITE, RED, WHITE, GREEN, weights=[6, 1, 6, 1, 6]) + hoist_triangle((0, 114, 198), 0.4)
    + star(0.13, 0.5, 0.13, YELLOW),
    "ESP": hs((170, 21, 27), (241, 191, 0), (170, 21, 27), weights=[1, 2, 1]) + emblem(0.3, 0.5, 0.2, (170, 21, 27), GOLD),
    "LKA": field(GOLD) + rect(0.04, 0.06, 0.14, 0.94, (0, 126, 84)) + rect(0.14, 0.06, 0.24, 0.94, (255, 140, 30))
    + rect(0.28, 0.06, 0.96, 0.94, (141, 32, 41)) + eagle(0.62, 0.5, 0.25, GOLD),
    "SDN": hs(RED, WHITE, BLACK) + hoist_triangle((0, 114, 41), 0.38),
    "SUR": hs((55, 126, 63), WHITE, (180, 10, 45), WHITE, (55, 126, 63), weights=[2, 1, 4, 1, 2])
    + star(0.5, 0.5, 0.2, (236, 200, 40)),
    "SWE": field((0, 106, 167)) + cross((254, 204, 0), 0.2, 0.375),
    "CHE": field((218, 41, 28)) + rect(0.44, 0.2, 0.56, 0.8, WHITE) + rect(0.31, 0.41, 0.69, 0.59, WHITE),
    "SYR": hs((0, 122, 61), WHITE, BLACK) + stars_row(0.5, 0.3, 0.7, 3, 0.11, (206, 17, 38)),
    "TWN": field((254, 0, 0)) + rect(0, 0, 0.5, 0.5, (0, 0, 149)) + sun(0.25, 0.25, 0.11, WHITE, rays=12, length=1.5)
    + disc(0.25, 0.25, 0.09, (0, 0, 149)) + disc(0.25, 0.25, 0.075, WHITE),
    "TJK": hs(RED, WHITE, GREEN, weights=[2, 3, 2]) + poly([(0.44, 0.58), (0.44, 0.45), (0.47, 0.5), (0.5, 0.42),
                                                           (0.53, 0.5), (0.56, 0.45), (0.56, 0.58)], GOLD)
    + stars_row(0.38, 0.4, 0.6, 5, 0.04, GOLD),
    "TZA": field((0, 163, 221)) + poly([(0, 0), (1, 0), (0, 1)], (30, 181, 58))
    + band(-0.05, 1.05, 1.05, -0.05, 0.44, (252, 209, 22)) + band(-0.05, 1.05, 1.05, -0.05, 0.3, BLACK),
    "THA": hs((165, 25, 49), WHITE, (45, 42, 74), WHITE, (165, 25, 49), weights=[1, 1, 2, 1, 1]),
    "TGO": hs(*([(0, 106, 78), YELLOW] * 2 + [(0, 106, 78)])) + rect(0, 0, 0.4, 0.6, (210, 16, 52))
    + star(0.2, 0.3, 0.2, WHITE),
    "TON": field((193, 0, 0)) + rect(0, 0, 0.42, 0.5, WHITE) + rect(0.17, 0.08, 0.25, 0.42, (193, 0, 0))
    + rect(0.09, 0.21, 0.33, 0.3, (193, 0, 0)),
    "TTO": field((218, 26, 53)) + band(-0.05, -0.05, 1.05, 1.05, 0.42, WHITE) + band(-0.05, -0.05, 1.05, 1.05, 0.3, BLACK),
    "TUN": field((231, 0, 19)) + disc(0.5, 0.5, 0.27, WHITE) + crescent(0.5, 0.5, 0.2, (231, 0, 19), dx=0.35)
    + star(0.55, 0.5, 0.1, (231, 0, 19)),
    "TUR": field((227, 10, 23)) + crescent(0.38, 0.5, 0.27, WHITE, dx=0.25, inner=0.8) + star(0.57, 0.5, 0.13, WHITE, rotation=180),
    "TKM": field((0, 132, 66)) + rect(0.12, 0, 0.27, 1, (200, 30, 30))
    + [layer for k in range(6) for layer in rect(0.14, 0.05 + 0.16 * k, 0.25, 0.12 + 0.16 * k, GOLD)]
    + crescent(0.42, 0.25, 0.14, WHITE, dx=0.35) + stars_row(0.25, 0.5, 0.62, 3, 0.035, WHITE),
    "TUV": field((0, 150, 225)) + union_jack(0, 0, 0.5, 0.5) + star(0.65, 0.6, 0.06, YELLOW)
    + star(0.8, 0.3, 0.06, YELLOW) + star(0.9, 0.7, 0.06, YELLOW) + star(0.72, 0.85, 0.06, YELLOW),
    "UGA": hs(BLACK, YELLOW, RED, BLACK, YELLOW, RED) + disc(0.5, 0.5, 0.2, WHITE) + disc(0.5, 0.47, 0.08, GREY),
    "UKR": hs((0, 87, 183), (255, 215, 0)),
    "ARE": hs((0, 115, 47), WHITE, BLACK) + rect(0, 0, 0.25, 1, (255, 0, 0)),
    "GBR": union_jack(),
    "USA": hs(*([(178, 34, 52), WHITE] * 6 + [(178, 34, 52)])) + rect(0, 0, 0.4, 7 / 13, (60, 59, 110))
    + [layer for row in range(3) for column in range(3)
       for layer in disc(0.07 + 0.13 * column, 0.1 + 0.17 * row, 0.04, WHITE)],
    "URY": hs(*([WHITE, (0, 56, 168)] * 4 + [WHITE])) + rect(0, 0, 0.4, 5 / 9, WHITE)
    + sun(0.2, 0.28, 0.11, (252, 209, 22), rays=16, length=1.6),
    "UZB": hs((0, 153, 181), RED, WHITE, RED, (30, 181, 58), weights=[10, 1, 10, 1, 10])
    + crescent(0.12, 0.17, 0.11, WHITE, dx=0.35) + stars_row(0.15, 0.22, 0.42, 4, 0.03, WHITE),
    "VUT": hs((210, 16, 52), (0, 154, 68)) + poly([(0, -0.08), (0.56, 0.5), (0, 1.08)], GOLD)
    + poly([(0, 0.02), (0.48, 0.5), (0, 0.98)], BLACK) + rect(0.35, 0.45, 1, 0.55, GOLD)
    + disc(0.15, 0.5, 0.1, GOLD),
    "VAT": vs((255, 224, 0), WHITE) + band(0.66, 0.35, 0.84, 0.65, 0.07, GOLD) + band(0.84, 0.35, 0.66, 0.65, 0.07, GREY)
    + poly([(0.7, 0.2), (0.8, 0.2), (0.82, 0.32), (0.68, 0.32)], GOLD),
    "VEN": hs(YELLOW, (0, 36, 125), (207, 20, 43))
    + [layer for k in range(8) for layer in star(
        0.5 + 0.22 * math.cos(3.3 + k * 0.4), 0.62 + 0.32 * math.sin(3.3 + k * 0.4), 0.04, WHITE)],
    "VNM": field((218, 37, 29)) + star(0.5, 0.5, 0.3, (255, 255, 0)),
    "WAL": hs(WHITE, (0, 173, 54)) + poly([(0.3, 0.45), (0.4, 0.3), (0.55, 0.35), (0.65, 0.22), (0.72, 0.32),
                                           (0.65, 0.45), (0.7, 0.7), (0.62, 0.8), (0.55, 0.62), (0.42, 0.65),
                                           (0.36, 0.8), (0.3, 0.7), (0.35, 0.55)], (210, 16, 52)),
    "YEM": hs((206, 17, 38), WHITE, BLACK),
    "ZMB": field((25, 138, 0)) + rect(0.68, 0.4, 0.76, 1, (222, 32, 16)) + rect(0.76, 0.4, 0.84, 1, BLACK)
    + rect(0.84, 0.4, 0.92, 1, (239, 125, 0)) + eagle(0.8, 0.22, 0.14, (239, 125, 0)),
    "ZWE": hs((0, 107, 63), (255, 210, 0), (210, 16, 52), BLACK, (210, 16, 52), (255, 210, 0), (0, 107, 63))
    + poly([(0, -0.03), (0.47, 0.5), (0, 1.03)], BLACK) + poly([(0, 0.02), (0.43, 0.5), (0, 0.98)], WHITE)
    + star(0.14, 0.5, 0.16, (210, 16, 52)) + eagle(0.14, 0.5, 0.09, (255, 210, 0)),
}

# A flag for a code this table does not know: a neutral grey with a white ring, so that the
# table still shows a flag-sized mark beside the code.
UNKNOWN = field((170, 170, 170)) + ring(0.5, 0.5, 0.3, 0.08, WHITE)
