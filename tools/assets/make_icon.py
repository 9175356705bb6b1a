#!/usr/bin/env python3
"""Draws the program icon (a chequered flag over a green track) and writes it as a .ico
file with 32-bit images of 16 x 16 (title bar and taskbar: the window class has no small
icon, so Windows picks this one), 32 x 32 (the drawing below, pixel for pixel) and 48 x 48.
Usage: make_icon.py OUTPUT.ico"""
import struct
import sys

SIZE = 32


def pixel(x, y, size=SIZE):
    """Colour (r, g, b, a) of the pixel at x, y, y counted from the top, in an icon of size x
    size. The geometry is the 32 x 32 drawing's, rounded so that the squares of the flag stay
    whole pixels at every size."""
    k = size / SIZE
    square = max(2, round(4 * k))
    left, top = round(4 * k), round(5 * k)
    pole_width = max(1, round(2 * k))
    pole_left = left - max(1, round(k))
    if left <= x < left + 6 * square and top <= y < top + 4 * square:
        dark = ((x - left) // square + (y - top) // square) % 2
        return (20, 20, 20, 255) if dark else (250, 250, 250, 255)
    if pole_left <= x < pole_left + pole_width and top <= y < round(30 * k):
        return (90, 60, 30, 255)  # the pole
    if y >= round(24 * k):
        return (40, 140, 60, 255)
    return (0, 0, 0, 0)


def image(size):
    """The icon's image of size x size as a 32-bit DIB with its AND mask."""
    rows = []
    for y in range(size - 1, -1, -1):  # bitmaps are stored bottom-up
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in
                             (pixel(x, y, size) for x in range(size))))
    xor = b"".join(rows)
    mask = bytes((size + 31) // 32 * 4 * size)  # the alpha channel decides; the AND mask is all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + xor + mask


def main():
    images = [(size, image(size)) for size in (16, SIZE, 48)]
    icon = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        icon += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as out:
        out.write(icon + b"".join(data for _, data in images))


if __name__ == "__main__":
    main()
