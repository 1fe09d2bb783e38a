#!/usr/bin/env python3
"""Builds resources/skins/SkinSet.xml, the skin set embedded in the executable,
from the readable table resources/skins/skins.txt.

The table holds one block per skin, in menu order:

    [Fresh L]
    windowBg             238 248 226
    windowFg             140 192  90
    ... (15 role lines, always in ROLES order)

Blank lines and lines starting with "#" are ignored. Every mistake in the
table (a role out of order or missing, a component that is not a number
0-255, a skin without its roles) stops the build with the line number.

The output is the set "ThinWindow" below the section "SkinSet":

    <SkinSetXml><SkinSet><ThinWindow numOfSkins="85"/>
      <ThinWindow_0 name="Fresh L"><windowBg R=".." G=".." B=".."/>...</ThinWindow_0>
      ...
    </SkinSet></SkinSetXml>

written as one line without whitespace between the elements and without an
XML declaration (the program's XML reader would take a declaration for the
document's root element).

Usage:
  build_skinset.py            write the XML
  build_skinset.py --verify   exit 1 when the XML on disk differs from what
                              the table produces
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TABLE = os.path.join(ROOT, "resources", "skins", "skins.txt")
OUTPUT = os.path.join(ROOT, "resources", "skins", "SkinSet.xml")

SET_SECTION = "SkinSet"
SET_NAME = "ThinWindow"

# The colour roles in the order the set format lists them.
ROLES = (
    "windowBg", "windowFg", "compFg", "compDisabled", "groupBorder", "text",
    "textOutLineSpecific", "sliderBg", "listHeaderBg", "listHeaderFont",
    "listBg", "listFont", "listAlternate", "counter01", "counter02",
)


class TableError(Exception):
    pass


def parse_table(text, source="skins.txt"):
    """Returns [(name, [(r, g, b) x 15])] in table order."""
    skins = []
    current = None

    def close(line_no):
        if current is not None and len(current[1]) != len(ROLES):
            raise TableError("%s:%d: skin %r has %d roles, not %d; next expected: %s"
                             % (source, line_no, current[0], len(current[1]), len(ROLES),
                                ROLES[len(current[1])]))

    for line_no, raw in enumerate(text.splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("["):
            if not line.endswith("]") or len(line) < 3:
                raise TableError("%s:%d: malformed skin name line %r" % (source, line_no, raw))
            close(line_no)
            name = line[1:-1]
            if name != name.strip():
                raise TableError("%s:%d: skin name %r has surrounding spaces"
                                 % (source, line_no, name))
            current = (name, [])
            skins.append(current)
            continue
        if current is None:
            raise TableError("%s:%d: role line before the first skin name" % (source, line_no))
        fields = line.split()
        if len(current[1]) == len(ROLES):
            raise TableError("%s:%d: skin %r has more than %d roles"
                             % (source, line_no, current[0], len(ROLES)))
        expected = ROLES[len(current[1])]
        if fields[0] != expected:
            raise TableError("%s:%d: skin %r: expected role %s, found %r"
                             % (source, line_no, current[0], expected, fields[0]))
        if len(fields) != 4:
            raise TableError("%s:%d: skin %r: %s needs exactly three components"
                             % (source, line_no, current[0], expected))
        colour = []
        for field in fields[1:]:
            if not field.isdigit() or int(field) > 255:
                raise TableError("%s:%d: skin %r: %s component %r is not 0-255"
                                 % (source, line_no, current[0], expected, field))
            colour.append(int(field))
        current[1].append(tuple(colour))
    close(len(text.splitlines()) + 1)
    return skins


def escape_attr(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def render(skins):
    parts = ["<SkinSetXml><%s>" % SET_SECTION,
             '<%s numOfSkins="%d"/>' % (SET_NAME, len(skins))]
    for index, (name, colours) in enumerate(skins):
        element = "%s_%d" % (SET_NAME, index)
        parts.append('<%s name="%s">' % (element, escape_attr(name)))
        for role, (r, g, b) in zip(ROLES, colours):
            parts.append('<%s R="%d" G="%d" B="%d"/>' % (role, r, g, b))
        parts.append("</%s>" % element)
    parts.append("</%s></SkinSetXml>" % SET_SECTION)
    return "".join(parts).encode("utf-8")


def build():
    with open(TABLE, encoding="utf-8") as handle:
        return render(parse_table(handle.read()))


def first_difference(current, data):
    """A short description of where two renderings part."""
    limit = min(len(current), len(data))
    at = next((i for i in range(limit) if current[i] != data[i]), limit)
    skin = data[:at].count(b"<%s_" % SET_NAME.encode()) - 1
    where = "skin %d" % skin if skin >= 0 else "the header"
    return "first difference at byte %d (%s): file has %r, table gives %r" % (
        at, where, current[at:at + 40], data[at:at + 40])


def main(argv):
    try:
        data = build()
    except (TableError, OSError) as error:
        print(error)
        return 1
    if "--verify" in argv[1:]:
        try:
            with open(OUTPUT, "rb") as handle:
                current = handle.read()
        except OSError:
            print("SkinSet.xml is missing; run tools/skins/build_skinset.py")
            return 1
        if current != data:
            print("SkinSet.xml is out of date; run tools/skins/build_skinset.py")
            print(first_difference(current, data))
            return 1
        print("SkinSet.xml matches the table")
        return 0
    with open(OUTPUT, "wb") as handle:
        handle.write(data)
    print("wrote %s (%d skins, %d bytes)" % (os.path.relpath(OUTPUT, ROOT), data.count(b'name="'),
                                               len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
