#!/usr/bin/env python3
"""Makes the read-only assets of the program folder: "images/" (make_pictures.py),
"paysDrapeaux/<code>.bmp" (make_flags.py) and "sons/" (make_sounds.py), the three side by
side. The folders are made afresh, so a flag whose country left the list does not linger,
and a stamp file is written last, once everything is there.

Usage: make_program_assets.py OUTPUT_FOLDER [CODES_FILE]"""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    folder = sys.argv[1]
    codes = sys.argv[2:3]
    stamp = os.path.join(folder, "assets.stamp")
    if os.path.exists(stamp):
        os.remove(stamp)
    for part in ("images", "paysDrapeaux", "sons"):
        shutil.rmtree(os.path.join(folder, part), ignore_errors=True)
    os.makedirs(folder, exist_ok=True)
    jobs = [subprocess.Popen([sys.executable, os.path.join(HERE, script), folder] + extra)
            for script, extra in (("make_pictures.py", []), ("make_flags.py", codes), ("make_sounds.py", []))]
    failed = [job.args[1] for job in jobs if job.wait() != 0]
    if failed:
        sys.exit("make_program_assets: %s failed" % ", ".join(os.path.basename(f) for f in failed))
    with open(stamp, "w") as out:
        out.write("images paysDrapeaux sons\n")


if __name__ == "__main__":
    main()
