#!/usr/bin/env python3
"""Draws the menu item pictures (bitmap resources 5 to 19) as 16 x 16, 24-bit .bmp files
from the pixel drawings below. Bitmap resource 2, which the menus take as their checked-state
picture, is also the Start button's picture and is drawn with the race buttons
(make_resource_pictures.py): no menu item is ever checked, so only the button shows it.
Usage: make_menu_bitmaps.py OUTPUT_FOLDER"""
import os
import struct
import sys

PALETTE = {
    ".": (255, 255, 255),  # menu background: Wine's menus are white, recent Windows' nearly so
    "k": (20, 20, 20), "w": (255, 255, 255), "r": (200, 30, 30), "g": (30, 140, 50),
    "b": (30, 70, 190), "y": (240, 200, 40), "o": (230, 120, 20), "n": (120, 80, 40),
    "s": (150, 150, 150), "c": (60, 170, 210), "p": (140, 60, 160),
}

# Resource number: (what it shows, drawing of 16 rows of 16 characters).
DRAWINGS = {
    5: ("new event: blank page", [
        "................", "...kkkkkkkk.....", "...kwwwwwwkk....", "...kwwwwwwkwk...",
        "...kwwwwwwkkkk..", "...kwwwwwwwwwk..", "...kwwwwwwwwwk..", "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..", "...kwwwwwwwwwk..", "...kwwwwwwwwwk..", "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..", "...kkkkkkkkkkk..", "................", "................"]),
    6: ("save: disk", [
        "................", "..kkkkkkkkkkkk..", "..kbbwwwwwwbbk..", "..kbbwwwwwwbbk..",
        "..kbbwwwwwwbbk..", "..kbbbbbbbbbbk..", "..kbbbbbbbbbbk..", "..kbbsssssbbbk..",
        "..kbbskksssbbk..", "..kbbskksssbbk..", "..kbbsssssbbbk..", "..kkkkkkkkkkkk..",
        "................", "................", "................", "................"]),
    7: ("quit: door and arrow", [
        "................", "..kkkkkkk.......", "..knnnnnk.......", "..knnnnnk.......",
        "..knnnnnk...r...", "..knnnnnk...rr..", "..knnknnkrrrrrr.", "..knnnnnkrrrrrr.",
        "..knnnnnk...rr..", "..knnnnnk...r...", "..knnnnnk.......", "..knnnnnk.......",
        "..kkkkkkk.......", "................", "................", "................"]),
    8: ("car categories: stacked blocks", [
        "................", "................", "..kkkkk.........", "..krrrk.........",
        "..kkkkk.........", "......kkkkk.....", "......kbbbk.....", "......kkkkk.....",
        "..........kkkkk.", "..........kgggk.", "..........kkkkk.", "................",
        "................", "................", "................", "................"]),
    9: ("clubs: flag", [
        "................", "..k.............", "..kbbbbbbbbb....", "..kbbbbbbbbb....",
        "..kbbwwwwwbb....", "..kbbbbbbbbb....", "..kbbbbbbbbb....", "..k.............",
        "..k.............", "..k.............", "..k.............", "..k.............",
        "..k.............", ".kkk............", "................", "................"]),
    10: ("age categories: hourglass", [
        "................", "....kkkkkkkk....", "....kyyyyyyk....", ".....kyyyyk.....",
        "......kyyk......", ".......kk.......", ".......kk.......", "......kwwk......",
        ".....kwwywk.....", "....kwyyyywk....", "....kyyyyyyk....", "....kkkkkkkk....",
        "................", "................", "................", "................"]),
    11: ("championships: cup", [
        "................", "..yyyyyyyyy.....", "y.yyyyyyyyy.y...", "y.yyyyyyyyy.y...",
        ".yyyyyyyyyyy....", "...yyyyyyy......", "....yyyyy.......", ".....yyy........",
        "......y.........", "......y.........", "....nnnnn.......", "....nnnnn.......",
        "................", "................", "................", "................"]),
    12: ("transponders: chip", [
        "................", "................", "....k.k.k.k.....", "...kkkkkkkkk....",
        "..kkssssssskk...", "...ksskkkssk....", "..kkskkkkkskk...", "...ksskkkssk....",
        "..kkssssssskk...", "...kkkkkkkkk....", "....k.k.k.k.....", "................",
        "................", "................", "................", "................"]),
    13: ("frequencies: waves", [
        "................", "................", "...c.......c....", "..c..c...c..c...",
        ".c..c..k..c..c..", ".c..c.kkk.c..c..", ".c..c..k..c..c..", "..c..c.k.c..c...",
        "...c...k...c....", ".......k........", ".......k........", "......kkk.......",
        "................", "................", "................", "................"]),
    14: ("penalties: stopwatch", [
        "................", "......kkkk......", ".......kk.......", ".....kkkkkk.....",
        "....kwwwwwwk....", "...kwwwrwwwwk...", "...kwwwrwwwwk...", "...kwwwrrrwwk...",
        "...kwwwwwwwwk...", "...kwwwwwwwwk...", "....kwwwwwwk....", ".....kkkkkk.....",
        "................", "................", "................", "................"]),
    15: ("sounds: speaker", [
        "................", "................", "....kk...c......", "...kkk....c.....",
        "kkkkkk.c...c....", "ksskkk..c...c...", "ksskkk..c...c...", "ksskkk..c...c...",
        "kkkkkk.c...c....", "...kkk....c.....", "....kk...c......", "................",
        "................", "................", "................", "................"]),
    16: ("display: screen", [
        "................", "..kkkkkkkkkkkk..", "..kccccccccccck.", "..kccccccccccck.",
        "..kcccgggccccck.", "..kccggggggccck.", "..kcgggggggggck.", "..kccccccccccck.",
        "..kkkkkkkkkkkkk.", ".......kk.......", ".....kkkkkk.....", "................",
        "................", "................", "................", "................"]),
    17: ("interface: decoder box", [
        "................", "................", "..kkkkkkkkkkkk..", "..knnnnnnnnnnk..",
        "..knggnnnnrrnk..", "..knggnnnnrrnk..", "..knnnnnnnnnnk..", "..kkkkkkkkkkkk..",
        ".......kk.......", ".......kk.......", "....kkkkkkkk....", "................",
        "................", "................", "................", "................"]),
    18: ("internet: globe", [
        "................", ".....kkkkkk.....", "....kbbgbbbk....", "...kbbgggbbbk...",
        "..kbbbggbbbbbk..", "..kbbbbbbggbbk..", "..kbgbbbgggbbk..", "..kbggbbbggbbk..",
        "..kbbgbbbbbbbk..", "...kbbbbbgbbk...", "....kbbbbbbk....", ".....kkkkkk.....",
        "................", "................", "................", "................"]),
    19: ("internet, publishing live: globe with a green tick", [
        "................", ".....kkkkkk.....", "....kbbgbbbk....", "...kbbgggbbbk...",
        "..kbbbggbbbbbk..", "..kbbbbbbggbbk..", "..kbgbbbgggbbk..", "..kbggbbbggbbk..",
        "..kbbgbbbkkkkk..", "...kbbbbkgggwk..", "....kbbbkwgwgk..", ".....kkkkgwggk..",
        ".........kkkk...", "................", "................", "................"]),
}


# Wine draws a menu item's picture into the check-mark square (SM_CXMENUCHECK, 13 x 13 at 96
# dpi) from the bitmap's top-left corner and crops the rest; Windows' square is no smaller.
# So each drawing is moved to the middle of that square, the rest of the 16 x 16 staying
# background.
CHECK_MARK = 13


def fit_check_mark(rows):
    marked = [(x, y) for y, row in enumerate(rows) for x, ch in enumerate(row) if ch != "."]
    left, right = min(x for x, _ in marked), max(x for x, _ in marked)
    top, bottom = min(y for _, y in marked), max(y for _, y in marked)
    assert right - left < CHECK_MARK and bottom - top < CHECK_MARK, "drawing larger than the check mark"
    dx = (CHECK_MARK - (right - left + 1)) // 2 - left
    dy = (CHECK_MARK - (bottom - top + 1)) // 2 - top
    out = [["."] * 16 for _ in range(16)]
    for x, y in marked:
        out[y + dy][x + dx] = rows[y][x]
    return ["".join(row) for row in out]


def write_bmp(path, rows):
    width = height = 16
    stride = (width * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):  # bottom-up
        line = b"".join(struct.pack("<BBB", *reversed(PALETTE[ch])) for ch in row)
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as out:
        out.write(file_header + header + pixels)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for number, (_, rows) in DRAWINGS.items():
        assert len(rows) == 16 and all(len(r) == 16 for r in rows), number
        write_bmp(os.path.join(folder, "menu%d.bmp" % number), fit_check_mark(rows))


if __name__ == "__main__":
    main()
