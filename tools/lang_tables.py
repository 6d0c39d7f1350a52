#!/usr/bin/env python3
"""Writes the built-in language tables from their readable sources.

src/skin/data/lang_sources/langN.ini (UTF-8) becomes src/skin/data/langN.txt: UTF-16LE with
the byte-order mark, one line per source line, every line inside double quotes (a quote in the
text doubled), lines ended by CR LF. Comment lines (";") and blank lines of the source are left
out. With --check nothing is written; the exit status says whether the tables are up to date.
"""

import pathlib
import sys

DATA = pathlib.Path(__file__).resolve().parent.parent / "src" / "skin" / "data"
NAMES = ("lang1", "lang2", "lang3")


def encode(source: str) -> bytes:
    lines = []
    for line in source.splitlines():
        line = line.strip(" \t\r")
        if not line or line.startswith(";"):
            continue
        lines.append('"' + line.replace('"', '""') + '"\r\n')
    return b"\xff\xfe" + "".join(lines).encode("utf-16-le")


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name in NAMES:
        source = (DATA / "lang_sources" / f"{name}.ini").read_text(encoding="utf-8")
        table = DATA / f"{name}.txt"
        wanted = encode(source)
        if table.exists() and table.read_bytes() == wanted:
            continue
        stale.append(table.name)
        if not check:
            table.write_bytes(wanted)
    if stale:
        print(("out of date: " if check else "written: ") + ", ".join(stale))
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
