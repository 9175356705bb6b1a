#!/usr/bin/env python3
"""Draws the program icon (a chequered flag over a green track) and writes it as a .ico
file with one 32 x 32, 32-bit image. Usage: make_icon.py OUTPUT.ico"""
import struct
import sys

SIZE = 32


def pixel(x, y):
    """Colour (r, g, b, a) of the pixel at x, y, y counted from the top."""
    if 4 <= x < 28 and 5 <= y < 21:
        square = ((x - 4) // 4 + (y - 5) // 4) % 2
        return (20, 20, 20, 255) if square else (250, 250, 250, 255)
    if 3 <= x < 5 and 5 <= y < 30:
        return (90, 60, 30, 255)  # the pole
    if y >= 24:
        return (40, 140, 60, 255)
    return (0, 0, 0, 0)


def main():
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bitmaps are stored bottom-up
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in
                             (pixel(x, y) for x in range(SIZE))))
    xor = b"".join(rows)
    mask = bytes(4 * SIZE)  # the alpha channel decides; the AND mask is all opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    icon = struct.pack("<HHH", 0, 1, 1)
    icon += struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(sys.argv[1], "wb") as out:
        out.write(icon + image)


if __name__ == "__main__":
    main()
