#!/usr/bin/env python3
"""Checks the pictures, flags and sounds that the build makes: every file the programs name
is there, in a form that LoadImage and PlaySound take, at a size that fits where it is shown,
sounds that are played while the race timer waits are short, and the guide is a readable PDF.

Usage: check_program_assets.py ASSETS_FOLDER GENERATED_FOLDER CODES_FILE PROGRAM_RC
(the program-folder assets, the resource pictures, "paysDrapeaux/codesPays.bd", program.rc)"""
import os
import re
import struct
import subprocess
import sys
import unittest

ASSETS = GENERATED = CODES = RC = ""
CODES_ARGUMENT = sys.argv[3] if len(sys.argv) > 3 else ""

LIGHTS = ["feu%s%s.bmp" % (colour, variant) for colour in ("Rouge", "Orange", "Vert") for variant in ("", "2")]
# Dialog button pictures: their buttons are 20 x 20 dialog units, about 30 x 32 pixels with an
# 8-point dialog font; the picture must leave the button's edge visible.
BUTTON_PICTURES = ["impression.bmp", "wifiVert.bmp", "wifiRouge.bmp", "editer.bmp", "enregistrer.bmp",
                   "chargercourse.bmp", "Sons2.bmp", "trophee.bmp"]
VOICES = ["30secondes", "10secondes", "60minutes", "30minutes", "15minutes", "5minutes", "2minutes", "1minute"]
TONES = ["beep1.wav", "beep2.wav", "bip1.wav", "buzz.wav", "foghorn.wav", "truckhorn.wav", "youpi.wav",
         "nokia-sms.wav"]


def read_bmp(path):
    """(width, height, rows of (r, g, b) top first) of a 24-bit uncompressed bitmap, checking
    every header field that LoadImage relies on."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:2] == b"BM", "%s: not a bitmap" % path
    size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    assert size == len(data), "%s: file size field %d, file %d bytes" % (path, size, len(data))
    header, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert header == 40 and planes == 1, "%s: not a BITMAPINFOHEADER bitmap" % path
    assert bits == 24 and compression == 0, "%s: %d bits, compression %d" % (path, bits, compression)
    assert width > 0 and height > 0, "%s: %d x %d" % (path, width, height)
    stride = (width * 3 + 3) // 4 * 4
    assert offset + stride * height <= len(data), "%s: pixel data cut short" % path
    rows = []
    for y in range(height - 1, -1, -1):
        line = data[offset + y * stride: offset + y * stride + width * 3]
        rows.append([(line[x + 2], line[x + 1], line[x]) for x in range(0, width * 3, 3)])
    return width, height, rows


def read_wav(path):
    """(channels, rate, bits, seconds) of a PCM .wav file, checking its chunks."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:4] == b"RIFF" and data[8:12] == b"WAVE", "%s: not a RIFF/WAVE file" % path
    assert struct.unpack_from("<I", data, 4)[0] == len(data) - 8, "%s: RIFF length" % path
    chunks, position = {}, 12
    while position + 8 <= len(data):
        name, length = struct.unpack_from("<4sI", data, position)
        chunks[name] = data[position + 8: position + 8 + length]
        assert position + 8 + length <= len(data), "%s: chunk %r cut short" % (path, name)
        position += 8 + length + (length & 1)
    assert b"fmt " in chunks and b"data" in chunks, "%s: chunks %s" % (path, sorted(chunks))
    tag, channels, rate, per_second, align, bits = struct.unpack_from("<HHIIHH", chunks[b"fmt "])
    assert tag == 1, "%s: format tag %d, not PCM" % (path, tag)
    assert align == channels * bits // 8 and per_second == rate * align, "%s: inconsistent format" % path
    samples = len(chunks[b"data"]) // align
    assert samples > 0, "%s: no sound" % path
    return channels, rate, bits, samples / rate


def lit_colour(rows):
    """Average colour of the bright, saturated pixels: the lit lamp."""
    total, count = [0, 0, 0], 0
    for row in rows:
        for r, g, b in row:
            if max(r, g, b) > 200 and max(r, g, b) - min(r, g, b) > 120:
                total = [total[0] + r, total[1] + g, total[2] + b]
                count += 1
    return tuple(c / max(1, count) for c in total), count


def image(name):
    return os.path.join(ASSETS, "images", name)


class ProgramFolderPictures(unittest.TestCase):
    def test_start_lights_are_square_and_match_their_background(self):
        for name in LIGHTS:
            with self.subTest(name):
                width, height, rows = read_bmp(image(name))
                # Loaded square at 280 x 280 on a 1600 x 900 screen, up to 700 with the zoom.
                self.assertEqual((width, height), (280, 280))
                corner = rows[0][0]
                self.assertEqual(corner, (255, 255, 255) if name.endswith("2.bmp") else (0, 0, 0))

    def test_each_start_light_shows_its_own_colour(self):
        for name in LIGHTS:
            with self.subTest(name):
                (r, g, b), count = lit_colour(read_bmp(image(name))[2])
                self.assertGreater(count, 1000, "no lamp is lit")
                if "Rouge" in name:
                    self.assertTrue(r > 200 and g < 120, (r, g, b))
                elif "Orange" in name:
                    self.assertTrue(r > 200 and 100 < g < 220 and b < 100, (r, g, b))
                else:
                    self.assertTrue(g > 180 and r < 150, (r, g, b))

    def test_pictures_fit_where_they_are_shown(self):
        # Finish and abandon flags are loaded at W/64 x 16 (25 x 16 on 1600 x 900).
        for name in ("drapeauArrivee.bmp", "drapeauAbandon.bmp"):
            with self.subTest(name):
                self.assertEqual(read_bmp(image(name))[:2], (25, 16))
        # The start-order arrows are drawn at their own size over 11 x 11 hit boxes, 20 pixels apart.
        for name in ("FlecheHaut.bmp", "FlecheBas.bmp"):
            with self.subTest(name):
                self.assertEqual(read_bmp(image(name))[:2], (12, 12))
        # The scan lamp is painted at (255, 225) inside the lamp rectangle (250, 225)-(295, 260).
        for step in range(1, 5):
            with self.subTest(step=step):
                width, height, _ = read_bmp(image("voyantScanPuce%d.bmp" % step))
                self.assertTrue(width <= 40 and height <= 35, (width, height))
        for name in ("voyantVert.bmp", "voyantRouge.bmp"):
            with self.subTest(name):
                width, height, _ = read_bmp(image(name))
                self.assertTrue(16 <= width <= 48 and 16 <= height <= 48, (width, height))
        for name in BUTTON_PICTURES:
            with self.subTest(name):
                width, height, _ = read_bmp(image(name))
                self.assertTrue(width <= 26 and height <= 26, (width, height))

    def test_paired_pictures_differ(self):
        for a, b in (("wifiVert.bmp", "wifiRouge.bmp"), ("voyantVert.bmp", "voyantRouge.bmp"),
                     ("FlecheHaut.bmp", "FlecheBas.bmp"), ("drapeauArrivee.bmp", "drapeauAbandon.bmp"),
                     ("voyantScanPuce1.bmp", "voyantScanPuce4.bmp")):
            with self.subTest(a=a, b=b):
                self.assertNotEqual(read_bmp(image(a))[2], read_bmp(image(b))[2])


@unittest.skipUnless(os.path.isfile(CODES_ARGUMENT), "no countries list yet")
class CountryFlags(unittest.TestCase):
    def codes(self):
        with open(CODES, "rb") as f:
            return [line.strip() for line in f.read().decode("cp1252").split("\n") if line.strip()]

    def test_every_code_of_the_list_has_its_flag(self):
        codes = self.codes()
        self.assertEqual(len(codes), 208)
        for code in codes:
            with self.subTest(code):
                # Loaded at 20 x 13 by the dialogs and pages.
                self.assertEqual(read_bmp(os.path.join(ASSETS, "paysDrapeaux", code + ".bmp"))[:2], (20, 13))

    def test_every_code_has_a_design_of_its_own(self):
        sys.dont_write_bytecode = True
        sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "assets"))
        from flag_designs import DESIGNS
        missing = [code for code in self.codes() if code not in DESIGNS]
        self.assertEqual(missing, [], "these countries would get the neutral flag")

    def test_flags_are_not_all_alike(self):
        pictures = {code: read_bmp(os.path.join(ASSETS, "paysDrapeaux", code + ".bmp"))[2] for code in self.codes()}
        for a, b in (("FRA", "ITA"), ("DEU", "BEL"), ("NLD", "LUX"), ("ENG", "GEO"), ("IRL", "CIV"),
                     ("GBR", "AUS"), ("TCD", "ROU")):
            with self.subTest(a=a, b=b):
                self.assertNotEqual(pictures[a], pictures[b])


class Sounds(unittest.TestCase):
    def sound(self, name):
        return read_wav(os.path.join(ASSETS, "sons", name))

    def test_every_sound_is_small_mono_pcm(self):
        names = TONES + [v + ".wav" for v in VOICES] + [v + "GB.wav" for v in VOICES]
        for name in names:
            with self.subTest(name):
                channels, rate, bits, _ = self.sound(name)
                self.assertEqual((channels, bits), (1, 16))
                self.assertLessEqual(rate, 22050)

    def test_sounds_fit_the_moments_they_are_played(self):
        # The start beep and the stage horns are played synchronously: the race timer waits.
        for name, limit in (("beep2.wav", 1.0), ("foghorn.wav", 2.0), ("truckhorn.wav", 2.0)):
            with self.subTest(name):
                self.assertLessEqual(self.sound(name)[3], limit)
        # The pips sound at 3, 2 and 1 seconds, a pass beep can follow the previous pass closely.
        self.assertLess(self.sound("bip1.wav")[3], 0.8)
        self.assertLess(self.sound("beep1.wav")[3], 0.4)
        # "Ten seconds" must be over before the pips start at three.
        for name in ("10secondes.wav", "10secondesGB.wav"):
            with self.subTest(name):
                self.assertLess(self.sound(name)[3], 5.0)

    def test_english_and_french_voices_are_different_recordings(self):
        for voice in VOICES:
            with self.subTest(voice):
                with open(os.path.join(ASSETS, "sons", voice + ".wav"), "rb") as f:
                    french = f.read()
                with open(os.path.join(ASSETS, "sons", voice + "GB.wav"), "rb") as f:
                    english = f.read()
                self.assertFalse(french == english, "the same recording in both languages")
                self.assertGreater(self.sound(voice + ".wav")[3], 0.4)
                self.assertGreater(self.sound(voice + "GB.wav")[3], 0.4)


class HelpGuide(unittest.TestCase):
    """The guide that "?" "Help" opens: a PDF of a few A4 pages that covers the race day."""

    def test_guide_is_an_a4_pdf_of_a_few_pages(self):
        path = os.path.join(ASSETS, "Guides", "HelpRallyeGB.pdf")
        with open(path, "rb") as f:
            self.assertEqual(f.read(5), b"%PDF-")
        info = subprocess.run(["pdfinfo", path], check=True, capture_output=True, text=True).stdout
        pages = int(re.search(r"^Pages:\s+(\d+)", info, re.MULTILINE).group(1))
        self.assertTrue(2 <= pages <= 8, "%d pages" % pages)
        self.assertIn("595 x 842", info)
        text = subprocess.run(["pdftotext", path, "-"], check=True, capture_output=True, text=True).stdout
        for words in ("New event", "List of participants", "Start", "Interface", "Sounds", "Display",
                      "R\u00e9glagesSons.rg"):
            with self.subTest(words):
                self.assertIn(words, text)


class ResourcePictures(unittest.TestCase):
    def resources(self):
        with open(RC, encoding="cp1252") as f:
            text = f.read()
        return {(int(number), kind): name for number, kind, name in
                re.findall(r'^(\d+)\s+(BITMAP|ICON)\s+"([^"]+)"', text, re.MULTILINE)}

    def test_every_resource_the_programs_load_is_listed_and_drawn(self):
        resources = self.resources()
        wanted = [(n, "BITMAP") for n in list(range(2, 20)) + [22]] + [(n, "ICON") for n in [1] + list(range(23, 32))]
        for key in wanted:
            with self.subTest(key):
                self.assertIn(key, resources)
                self.assertTrue(os.path.isfile(os.path.join(GENERATED, resources[key])))

    def test_race_buttons_fit_their_buttons(self):
        resources = self.resources()
        # Start, Pause and Clear are 80 x 45 on 1600 x 900, Comment 40 x 40; the button's edge
        # takes two pixels on each side.
        for number, limit in ((2, (76, 41)), (3, (76, 41)), (4, (76, 41)), (22, (36, 36))):
            with self.subTest(number):
                width, height, _ = read_bmp(os.path.join(GENERATED, resources[(number, "BITMAP")]))
                self.assertLessEqual(width, limit[0])
                self.assertLessEqual(height, limit[1])

    def test_menu_pictures_fit_the_check_mark_square(self):
        # Menus draw an item's picture into the 13 x 13 check-mark square from the bitmap's
        # top-left corner: anything outside it would be cut off.
        resources = self.resources()
        for number in range(5, 20):
            with self.subTest(number):
                width, height, rows = read_bmp(os.path.join(GENERATED, resources[(number, "BITMAP")]))
                background = rows[height - 1][width - 1]
                outside = [(x, y) for y in range(height) for x in range(width)
                           if (x >= 13 or y >= 13) and rows[y][x] != background]
                self.assertEqual(outside, [])
                self.assertTrue(any(rows[y][x] != background for y in range(13) for x in range(13)))

    def test_icons_carry_a_small_image(self):
        resources = self.resources()
        for number in [1] + list(range(23, 32)):
            with self.subTest(number):
                with open(os.path.join(GENERATED, resources[(number, "ICON")]), "rb") as f:
                    data = f.read()
                reserved, kind, count = struct.unpack_from("<HHH", data)
                self.assertEqual((reserved, kind), (0, 1))
                sizes = set()
                for k in range(count):
                    width, height, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * k)
                    self.assertLessEqual(offset + length, len(data))
                    self.assertEqual(struct.unpack_from("<I", data, offset)[0], 40)
                    self.assertEqual(bits, 32)
                    sizes.add((width, height))
                # The tree's image list takes 16 x 16 icons; the window class takes the icon
                # as its small icon too.
                self.assertIn((16, 16), sizes)
                self.assertIn((32, 32), sizes)


if __name__ == "__main__":
    ASSETS, GENERATED, CODES, RC = sys.argv[1:5]
    unittest.main(argv=sys.argv[:1], verbosity=1)
