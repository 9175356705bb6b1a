#!/usr/bin/env python3
"""Copies sources into a folder with their text in Windows-1252 instead of UTF-8.

clang has no -fexec-charset=CP1252: compiled from this copy, the string literals hold the
bytes the program writes (0xE9 for the é of "BaseDonnéesPays.bd"). A file is rewritten only
when its bytes change, so that a build after an edit recompiles only what the edit touched.

    cp1252_copy.py SOURCE_ROOT COPY_ROOT RELATIVE_PATH...
"""
import os
import sys


def main():
    source_root, copy_root, relatives = sys.argv[1], sys.argv[2], sys.argv[3:]
    for relative in relatives:
        with open(os.path.join(source_root, relative), encoding="utf-8") as f:
            text = f.read()
        # Only comments could hold a character outside Windows-1252: g++ rejects such a literal.
        data = text.encode("cp1252", errors="replace")
        target = os.path.join(copy_root, relative)
        try:
            with open(target, "rb") as f:
                if f.read() == data:
                    continue
        except OSError:
            pass
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target + ".part", "wb") as f:
            f.write(data)
        os.replace(target + ".part", target)


if __name__ == "__main__":
    main()
