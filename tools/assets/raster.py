"""A small anti-aliased rasteriser for the program's pictures, in plain Python so that a
fresh machine needs nothing more than the interpreter and the output is the same on every
machine.

Shapes are filled by their coverage of each pixel: from a signed distance where the shape has
one (discs, rounded rectangles, strokes), else from 4 x 4 samples (polygons, arcs, cut-outs).
Colours are (r, g, b) tuples of 0..255. A canvas is written as a 24-bit uncompressed .bmp
(what LoadImage with LR_LOADFROMFILE reads) or, several sizes together, as a 32-bit .ico."""
import math
import struct

SAMPLES = 4  # per side, for shapes without a distance


def clamp01(value):
    return 0.0 if value <= 0.0 else 1.0 if value >= 1.0 else value


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def shade(colour, factor):
    """Darker (factor < 1) or lighter toward white (factor > 1)."""
    if factor <= 1.0:
        return tuple(c * factor for c in colour)
    return mix(colour, (255, 255, 255), factor - 1.0)


class Shape:
    """Something with an inside. Subclasses give inside(x, y) and bbox, and sdf(x, y) when a
    signed distance (negative inside) is cheap."""
    sdf = None
    bbox = (0.0, 0.0, 0.0, 0.0)

    def inside(self, x, y):
        return self.sdf(x, y) <= 0.0

    def coverage(self, x, y):
        """Part of the pixel whose centre is (x, y) that the shape covers, 0..1."""
        if self.sdf is not None:
            return clamp01(0.5 - self.sdf(x, y))
        hits = 0
        step = 1.0 / SAMPLES
        start = -0.5 + step / 2
        for j in range(SAMPLES):
            sy = y + start + j * step
            for i in range(SAMPLES):
                if self.inside(x + start + i * step, sy):
                    hits += 1
        return hits / (SAMPLES * SAMPLES)


class Disc(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)

    def sdf(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1)

    def sdf(self, x, y):
        # Close to the true distance near the outline, which is all that coverage needs.
        return (math.hypot((x - self.cx) / self.rx, (y - self.cy) / self.ry) - 1.0) * min(self.rx, self.ry)


class Box(Shape):
    """Rectangle from (x0, y0) to (x1, y1) with corners rounded by radius."""

    def __init__(self, x0, y0, x1, y1, radius=0.0):
        self.x0, self.y0, self.x1, self.y1, self.radius = x0, y0, x1, y1, radius
        self.bbox = (x0 - 1, y0 - 1, x1 + 1, y1 + 1)
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def sdf(self, x, y):
        dx = abs(x - self.cx) - self.hx
        dy = abs(y - self.cy) - self.hy
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0) - self.radius


class Stroke(Shape):
    """A line from a to b, width wide, with round ends."""

    def __init__(self, ax, ay, bx, by, width):
        self.a, self.b, self.half = (ax, ay), (bx, by), width / 2
        pad = self.half + 1
        self.bbox = (min(ax, bx) - pad, min(ay, by) - pad, max(ax, bx) + pad, max(ay, by) + pad)

    def sdf(self, x, y):
        (ax, ay), (bx, by) = self.a, self.b
        vx, vy = bx - ax, by - ay
        length2 = vx * vx + vy * vy
        t = 0.0 if length2 == 0 else clamp01(((x - ax) * vx + (y - ay) * vy) / length2)
        return math.hypot(x - ax - vx * t, y - ay - vy * t) - self.half


class Polygon(Shape):
    """Even-odd filled polygon through the points."""

    def __init__(self, points):
        self.points = [(float(x), float(y)) for x, y in points]
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        self.bbox = (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1)
        self.edges = list(zip(self.points, self.points[1:] + self.points[:1]))

    def inside(self, x, y):
        result = False
        for (ax, ay), (bx, by) in self.edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result


class Arc(Shape):
    """Part of a ring of radius r, width wide, between the angles a0 and a1 (degrees,
    counter-clockwise from the right, y pointing down the picture)."""

    def __init__(self, cx, cy, r, width, a0, a1):
        self.cx, self.cy, self.r, self.half = cx, cy, r, width / 2
        self.full = a1 - a0 >= 360
        self.a0, self.a1 = a0 % 360, a1 % 360
        pad = r + self.half + 1
        self.bbox = (cx - pad, cy - pad, cx + pad, cy + pad)

    def inside(self, x, y):
        dx, dy = x - self.cx, self.cy - y
        if abs(math.hypot(dx, dy) - self.r) > self.half:
            return False
        if self.full:
            return True
        angle = math.degrees(math.atan2(dy, dx)) % 360
        if self.a0 <= self.a1:
            return self.a0 <= angle <= self.a1
        return angle >= self.a0 or angle <= self.a1


class Cut(Shape):
    """The first shape without the second (a crescent is a disc cut by another)."""

    def __init__(self, keep, remove):
        self.keep, self.remove = keep, remove
        self.bbox = keep.bbox

    def inside(self, x, y):
        return self.keep.inside(x, y) and not self.remove.inside(x, y)


class Clip(Shape):
    """The part of a shape inside a rectangle."""

    def __init__(self, shape, x0, y0, x1, y1):
        self.shape, self.rect = shape, (x0, y0, x1, y1)
        bx0, by0, bx1, by1 = shape.bbox
        self.bbox = (max(bx0, x0 - 1), max(by0, y0 - 1), min(bx1, x1 + 1), min(by1, y1 + 1))

    def inside(self, x, y):
        x0, y0, x1, y1 = self.rect
        return x0 <= x < x1 and y0 <= y < y1 and self.shape.inside(x, y)


def star_points(cx, cy, r, points=5, inner=0.382, rotation=-90.0):
    """Outline of a star whose first point is at rotation degrees (-90: straight up)."""
    out = []
    for k in range(points * 2):
        radius = r if k % 2 == 0 else r * inner
        angle = math.radians(rotation + k * 180.0 / points)
        out.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return out


def star(cx, cy, r, points=5, inner=0.382, rotation=-90.0):
    return Polygon(star_points(cx, cy, r, points, inner, rotation))


class Canvas:
    """Pixels as [r, g, b, a], r, g, b of 0..255 and a of 0..1; y grows downward."""

    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        if background is None:
            self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        else:
            self.pixels = [[float(background[0]), float(background[1]), float(background[2]), 1.0]
                           for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        p = self.pixels[y * self.width + x]
        below = p[3] * (1.0 - alpha)
        total = alpha + below
        for k in range(3):
            p[k] = (colour[k] * alpha + p[k] * below) / total
        p[3] = total

    def fill(self, shape, paint, opacity=1.0):
        """Fills the shape with a colour, or with paint(x, y) -> colour for gradients."""
        bx0, by0, bx1, by1 = shape.bbox
        x0, y0 = max(0, int(math.floor(bx0))), max(0, int(math.floor(by0)))
        x1, y1 = min(self.width, int(math.ceil(bx1)) + 1), min(self.height, int(math.ceil(by1)) + 1)
        painter = paint if callable(paint) else None
        for y in range(y0, y1):
            cy = y + 0.5
            for x in range(x0, x1):
                cx = x + 0.5
                cover = shape.coverage(cx, cy)
                if cover > 0.0:
                    self.blend(x, y, painter(cx, cy) if painter else paint, cover * opacity)

    def rows(self, background):
        """Rows of opaque (r, g, b) byte triples, top first, over the given background."""
        out = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                row.append(tuple(to_byte(c * a + background[k] * (1.0 - a)) for k, c in enumerate((r, g, b))))
            out.append(row)
        return out


def to_byte(value):
    return max(0, min(255, int(value + 0.5)))


def bmp_bytes(rows):
    """A 24-bit uncompressed Windows bitmap of the rows (top first) of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):  # stored bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def write_bmp(path, canvas, background=(255, 255, 255)):
    with open(path, "wb") as out:
        out.write(bmp_bytes(canvas.rows(background)))


def write_ico(path, canvases):
    """One .ico holding each canvas (square, up to 256) as a 32-bit image with alpha."""
    images = []
    for canvas in canvases:
        size = canvas.width
        xor = bytearray()
        mask_stride = (size + 31) // 32 * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):  # bottom-up
            bits = bytearray(mask_stride)
            for x in range(size):
                r, g, b, a = canvas.pixels[y * size + x]
                alpha = to_byte(a * 255)
                xor += bytes((to_byte(b), to_byte(g), to_byte(r), alpha))
                if alpha == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, info + bytes(xor) + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(data for _, data in images))
