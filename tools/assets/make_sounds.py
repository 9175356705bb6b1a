#!/usr/bin/env python3
"""Makes the sounds of the program folder's "sons/": beeps, buzzer and horns synthesised by
sox, and the voice announcements of the start and rest countdowns spoken by espeak-ng
(English voice for the files ending in "GB", French voice for the others).

Every file is 16-bit PCM, mono, 22050 Hz, which PlaySound plays everywhere. The start beep,
the start-of-stage horn and the end-of-stage horn are played synchronously and hold the race
timer while they sound, so they are kept short. sox runs with its repeatable random numbers
and without dither, so the files are the same on every run.

Usage: make_sounds.py OUTPUT_FOLDER   (writes OUTPUT_FOLDER/sons/*.wav)"""
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

RATE = "22050"

# Name -> (sox synth arguments, the number of voices they make, effects after the mix).
TONES = {
    # A driver passing the line (and the start-order and classification clicks).
    "beep1.wav": (["synth", "0.12", "sine", "1760"], 1, ["fade", "h", "0.004", "0.12", "0.03"]),
    # The last three seconds before a start.
    "bip1.wav": (["synth", "0.18", "sine", "880", "sine", "1760"], 2, ["fade", "h", "0.005", "0.18", "0.04"]),
    # The start itself: longer and an octave higher than the pips before it.
    "beep2.wav": (["synth", "0.6", "sine", "1760", "sine", "3520"], 2, ["fade", "h", "0.005", "0.6", "0.06"]),
    # A rejected lap.
    "buzz.wav": (["synth", "0.45", "square", "110", "sawtooth", "113"], 2,
                 ["lowpass", "3000", "fade", "h", "0.01", "0.45", "0.04"]),
    # Start of a special stage: a low, beating horn.
    "foghorn.wav": (["synth", "1.5", "sawtooth", "130", "sawtooth", "131.5", "sawtooth", "65"], 3,
                    ["lowpass", "700", "fade", "h", "0.12", "1.5", "0.35"]),
    # End of a special stage: a three-note air horn.
    "truckhorn.wav": (["synth", "1.1", "sawtooth", "233", "sawtooth", "294", "sawtooth", "349"], 3,
                      ["lowpass", "2200", "fade", "h", "0.03", "1.1", "0.12"]),
}

# Name -> notes (frequency in Hz, length in s, bell-like decay or not).
JINGLES = {
    # A new best time: a quick rising arpeggio.
    "youpi.wav": [(1047, 0.09, False), (1319, 0.09, False), (1568, 0.09, False), (2093, 0.32, True)],
    # The end of the rest between stages: three chimes.
    "nokia-sms.wav": [(880, 0.3, True), (1319, 0.3, True), (1760, 0.6, True)],
}

# Name -> (espeak-ng voice, text).
VOICES = {
    "30secondesGB.wav": ("en-gb", "Thirty seconds"),
    "10secondesGB.wav": ("en-gb", "Ten seconds"),
    "60minutesGB.wav": ("en-gb", "Sixty minutes before the start"),
    "30minutesGB.wav": ("en-gb", "Thirty minutes before the start"),
    "15minutesGB.wav": ("en-gb", "Fifteen minutes before the start"),
    "5minutesGB.wav": ("en-gb", "Five minutes before the start"),
    "2minutesGB.wav": ("en-gb", "Two minutes before the start"),
    "1minuteGB.wav": ("en-gb", "One minute before the start"),
    "30secondes.wav": ("fr-fr", "Trente secondes"),
    "10secondes.wav": ("fr-fr", "Dix secondes"),
    "60minutes.wav": ("fr-fr", "Soixante minutes avant le départ"),
    "30minutes.wav": ("fr-fr", "Trente minutes avant le départ"),
    "15minutes.wav": ("fr-fr", "Quinze minutes avant le départ"),
    "5minutes.wav": ("fr-fr", "Cinq minutes avant le départ"),
    "2minutes.wav": ("fr-fr", "Deux minutes avant le départ"),
    "1minute.wav": ("fr-fr", "Une minute avant le départ"),
}

SOX = ["sox", "-R", "-D", "-V1"]
OUTPUT = ["-b", "16", "-e", "signed-integer", "-c", "1", "-r", RATE]


def run(arguments):
    subprocess.run(arguments, check=True, stdin=subprocess.DEVNULL)


def tone(path, synth, voices, effects):
    run(SOX + ["-r", RATE, "-c", str(voices), "-n"] + OUTPUT + [path] + synth
        + (["remix", "-"] if voices > 1 else []) + effects + ["norm", "-3"])


def jingle(path, notes, scratch):
    parts = []
    for index, (frequency, length, bell) in enumerate(notes):
        part = os.path.join(scratch, "%s.%d.wav" % (os.path.basename(path), index))
        # A bell fades over the whole note; a plain note only has short ramps.
        fade = ["fade", "q" if bell else "h", "0.003", str(length), str(length * 0.9 if bell else 0.02)]
        run(SOX + ["-r", RATE, "-c", "1", "-n"] + OUTPUT + [part, "synth", str(length), "sine", str(frequency)] + fade)
        parts.append(part)
    run(SOX + parts + OUTPUT + [path, "norm", "-3"])


def voice(path, language, text, scratch):
    spoken = os.path.join(scratch, os.path.basename(path))
    run(["espeak-ng", "-v", language, "-s", "150", "-a", "180", "-w", spoken, text])
    # Trim the silence espeak leaves at both ends, then a little lead-in and normalise.
    run(SOX + [spoken] + OUTPUT + [path, "silence", "1", "0.01", "0.2%", "reverse", "silence", "1", "0.01", "0.2%",
                                   "reverse", "pad", "0.03", "0.08", "norm", "-1"])


def main():
    for tool in ("sox", "espeak-ng"):
        if shutil.which(tool) is None:
            sys.exit("make_sounds: %s is missing (scripts/setup installs it)" % tool)
    folder = os.path.join(sys.argv[1], "sons")
    os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch, ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        jobs = [pool.submit(tone, os.path.join(folder, name), *spec) for name, spec in TONES.items()]
        jobs += [pool.submit(jingle, os.path.join(folder, name), notes, scratch) for name, notes in JINGLES.items()]
        jobs += [pool.submit(voice, os.path.join(folder, name), language, text, scratch)
                 for name, (language, text) in VOICES.items()]
        for job in jobs:
            job.result()


if __name__ == "__main__":
    main()
