#!/usr/bin/env python3
"""Writes the language pack as it is compiled into the executable: the same
document without its comments and without the indentation between elements.

Usage: minify_langpack.py INPUT.xml OUTPUT.xml

Only whitespace that stands alone between two tags is dropped. Text inside an
element keeps every character, so each text decodes exactly as before (its
padding is written "&#160;" and survives anyway).
"""

import re
import sys


def minify(text):
    text = re.sub(r"<!--.*?-->", "", text, flags=re.DOTALL)
    return re.sub(r">[ \t\r\n]+<", "><", text).strip()


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], encoding="utf-8") as source:
        text = source.read()
    with open(argv[2], "w", encoding="utf-8", newline="") as target:
        target.write(minify(text))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
