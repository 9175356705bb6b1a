#!/usr/bin/env python3
"""Draws the country flags "paysDrapeaux/<code>.bmp", 20 x 13 pixels (the size at which the
dialogs and pages load them), for every code of the countries list.

Usage: make_flags.py OUTPUT_FOLDER [CODES_FILE]
The codes are the lines of CODES_FILE (the program's "paysDrapeaux/codesPays.bd"). Without
that file, every design of the table is drawn. A code the table does not know gets a neutral
flag and a warning, so that a new country never breaks the build."""
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flag_designs import DESIGNS, H, UNKNOWN, W  # noqa: E402
from raster import Canvas, write_bmp  # noqa: E402


def read_codes(path):
    """Codes of the list, in order, without duplicates or blank lines."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").split("\n")
    codes = []
    for line in lines:
        code = line.rstrip("\r").strip()
        if code and code not in codes:
            codes.append(code)
    return codes


def draw(layers):
    canvas = Canvas(W, H, (255, 255, 255))
    for shape, colour in layers:
        canvas.fill(shape, colour)
    return canvas


def main():
    folder = os.path.join(sys.argv[1], "paysDrapeaux")
    codes_file = sys.argv[2] if len(sys.argv) > 2 else ""
    os.makedirs(folder, exist_ok=True)
    codes = read_codes(codes_file) if codes_file and os.path.isfile(codes_file) else sorted(DESIGNS)
    for code in codes:
        layers = DESIGNS.get(code)
        if layers is None:
            print("make_flags: no design for the country code %r; drawing a neutral flag" % code,
                  file=sys.stderr)
            layers = UNKNOWN
        write_bmp(os.path.join(folder, code + ".bmp"), draw(layers))


if __name__ == "__main__":
    main()
