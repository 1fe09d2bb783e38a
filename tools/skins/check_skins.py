#!/usr/bin/env python3
"""Checks the skins the program carries: the built-in set
resources/skins/SkinSet.xml and the fallback skins of
src/skins/FallbackSkinTable.h.

Usage: check_skins.py [path/to/SkinSet.xml [path/to/FallbackSkinTable.h]]

Exits 0 and prints a summary with the lowest contrast of every checked pair
when all skins are sound; otherwise prints every problem found, naming the
skin and the pair, and exits 1. Standard library only.

The skin names and the two skins whose colours are fixed are kept here on
purpose rather than read from the table, so that a slip in the table is
caught instead of copied.

What is checked:
  * the file's shape: SkinSetXml > SkinSet > ThinWindow numOfSkins="85",
    then ThinWindow_0 ... ThinWindow_84, each with a name and the 15 role
    elements in order, each with decimal R, G and B 0-255; one line, no
    whitespace between elements;
  * the names, in menu order; "Gray WG" and "Black Black II" exactly as fixed;
  * readability: the contrast ratio (WCAG 2 relative luminance) of the pairs
    in PAIRS, in every skin, unless EXEMPT names the skin and the pair;
  * variety: no two skins alike, and no two skins of one family (the first
    word of the name) nearly alike;
  * the fallback skins: sixteen, with the names the program relies on, the
    same readability and variety rules, and the fallback "Classic LG" equal
    to the built-in one, so the look does not jump when the set is read.
"""

import math
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_XML = os.path.join(ROOT, "resources", "skins", "SkinSet.xml")
DEFAULT_HEADER = os.path.join(ROOT, "src", "skins", "FallbackSkinTable.h")

# Role order of the set format.
ROLES = (
    "windowBg", "windowFg", "compFg", "compDisabled", "groupBorder", "text",
    "textOutLineSpecific", "sliderBg", "listHeaderBg", "listHeaderFont",
    "listBg", "listFont", "listAlternate", "counter01", "counter02",
)
# Role order of the components handed to the skin factory: as ROLES with
# compDisabled before compFg.
FACTORY_ROLES = (
    "windowBg", "windowFg", "compDisabled", "compFg", "groupBorder", "text",
    "textOutLineSpecific", "sliderBg", "listHeaderBg", "listHeaderFont",
    "listBg", "listFont", "listAlternate", "counter01", "counter02",
)

NAMES = [
    "Fresh L", "Fresh W", "Fresh B", "Fresh M",
    "pastel pink", "pastel Yellow", "pastel blue", "pastel Green", "pastel Lavender",
    "Classic LG", "Classic YE", "Classic PN", "Classic BL", "Classic OR",
    "Velvet PP", "Velvet RB", "Velvet GR", "Velvet BG", "Velvet BB", "Velvet LG",
    "Gray BL", "Gray YB", "Gray BB", "Gray WG",
    "Snowed Pink", "Snowed Green", "Snowed Blue", "Snowed Lavender", "Snowed Banana",
    "Pencil", "Pencil I", "Pencil I2", "Pencil II",
    "Sr Indigo", "Sr Red", "Sr Purple", "Sr Green", "Sr Pink",
    "BLN RG", "BLN YG", "BLN OR", "BLN YE", "BLN YW", "BLN PN", "BLN PP", "BLN BB",
    "BLN BG", "BLN GR",
    "Trans GR", "Trans OR", "Trans YE", "Trans BL", "Trans SR",
    "Red Mail Box", "Red Beam", "Red Comet", "Red TRG 80%",
    "Soot Blz", "Soot Brn", "Soot Flm",
    "Bento Box",
    "Green 01", "Green 02", "Green 03", "Green 04",
    "Plastic BB", "Plastic PY", "Plastic BK", "Plastic RD", "Plastic RG", "Plastic YG",
    "Plastic OR", "Plastic GR",
    "Luminous Pink", "Deep Water", "Golden Yellow", "Golden Brown", "Indigo Blue",
    "Indigo Beam", "Violet Ray", "Purple Light", "Lavender Water", "Blue Light",
    "Black Black", "Black Black II",
]

# Skins whose colours are fixed, in ROLES order.
FIXED = {
    "Gray WG": [
        (124, 124, 124), (124, 124, 124), (0, 0, 0), (170, 170, 170), (0, 0, 0),
        (255, 255, 255), (51, 51, 51), (173, 206, 53), (71, 70, 61), (196, 243, 6),
        (238, 238, 238), (51, 51, 45), (224, 224, 224), (173, 206, 53), (192, 192, 192),
    ],
    "Black Black II": [
        (0, 0, 0), (51, 51, 51), (176, 176, 176), (51, 51, 51), (160, 160, 160),
        (221, 221, 221), (51, 51, 51), (153, 153, 153), (204, 204, 204), (0, 0, 0),
        (255, 255, 255), (0, 0, 0), (238, 238, 238), (188, 229, 25), (255, 165, 0),
    ],
}

# (foreground role, background role, lowest contrast ratio)
PAIRS = (
    ("text", "windowBg", 4.5),
    ("compFg", "windowBg", 3.0),
    ("listHeaderFont", "listHeaderBg", 4.5),
    ("text", "counter01", 3.0),
    ("text", "counter02", 3.0),
    ("listFont", "listBg", 4.5),
    ("listFont", "listAlternate", 4.5),
)

# Pairs a skin may leave below its minimum. Only fixed skins are here, for
# exactly the pairs their fixed colours fall short in; an entry that is no
# longer needed is reported too.
FIXED_REASON = "colours given as they are for this skin"
EXEMPT = {
    ("Gray WG", "text", "windowBg"): FIXED_REASON,        # white on grey 124: 4.2
    ("Gray WG", "text", "counter01"): FIXED_REASON,       # white on light lime: 1.8
    ("Gray WG", "text", "counter02"): FIXED_REASON,       # white on grey 192: 1.8
    ("Black Black II", "text", "counter01"): FIXED_REASON,  # grey 221 on lime: 1.1
    ("Black Black II", "text", "counter02"): FIXED_REASON,  # grey 221 on orange: 1.5
}

# Skins of one family must differ at least this much: the sum over
# FAMILY_ROLES of the straight-line RGB distance between the two skins'
# colours. 60 is about what it takes to tell two swatches apart at a glance.
FAMILY_ROLES = ("windowBg", "compFg", "counter01")
FAMILY_MIN_DISTANCE = 60.0

FALLBACK_COUNT = 16
FALLBACK_REQUIRED = ("White", "Ivory", "Black", "Classic LG")


def channel(value):
    value /= 255.0
    return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4


def luminance(colour):
    r, g, b = (channel(v) for v in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def distance(a, b):
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(a, b)))


def read_skin_set(path, problems):
    """Returns [(name, {role: colour})] from the XML file, reporting its shape."""
    with open(path, "rb") as handle:
        data = handle.read()
    text = data.decode("utf-8")
    if "\n" in text or "\r" in text:
        problems.append("SkinSet.xml is not one line")
    if re.search(r">\s+<", text):
        problems.append("SkinSet.xml has whitespace between elements")
    if text.startswith("<?"):
        problems.append("SkinSet.xml starts with a declaration the program's reader cannot skip")
    try:
        root = ET.fromstring(data)
    except ET.ParseError as error:
        problems.append("SkinSet.xml is not well-formed: %s" % error)
        return []
    if root.tag != "SkinSetXml":
        problems.append("root element is %r, not SkinSetXml" % root.tag)
    sections = list(root)
    if len(sections) != 1 or sections[0].tag != "SkinSet":
        problems.append("SkinSetXml must hold exactly one element SkinSet")
        return []
    elements = list(sections[0])
    if not elements or elements[0].tag != "ThinWindow":
        problems.append("SkinSet does not start with the ThinWindow element")
        return []
    head = elements[0]
    if len(head) or (head.text or ""):
        problems.append("the ThinWindow element is not empty")
    count = head.get("numOfSkins")
    if count != str(len(NAMES)):
        problems.append("numOfSkins is %r, not %d" % (count, len(NAMES)))
    skins = []
    for index, element in enumerate(elements[1:]):
        label = "ThinWindow_%d" % index
        if element.tag != label:
            problems.append("element %d is %r, expected %s" % (index + 1, element.tag, label))
        name = element.get("name")
        if not name:
            problems.append("%s has no name" % label)
            name = label
        children = list(element)
        tags = [child.tag for child in children]
        if tags != list(ROLES):
            problems.append("%r: roles are %s, expected %s" % (name, tags, list(ROLES)))
        colours = {}
        for child in children:
            colour = []
            for component in "RGB":
                value = child.get(component)
                if value is None or not re.fullmatch(r"0|[1-9][0-9]{0,2}", value) \
                        or int(value) > 255:
                    problems.append("%r: %s.%s is %r, not a component 0-255"
                                    % (name, child.tag, component, value))
                    value = "0"
                colour.append(int(value))
            if set(child.attrib) != set("RGB"):
                problems.append("%r: %s has attributes %s" % (name, child.tag, sorted(child.attrib)))
            colours[child.tag] = tuple(colour)
        skins.append((name, colours))
    return skins


FALLBACK_ENTRY = re.compile(r'\{\s*u"([^"]*)"\s*,\s*\{([^{}]*)\}\s*\}', re.S)


def read_fallbacks(path, problems):
    """Returns [(name, {role: colour})] from the header's table."""
    with open(path, encoding="utf-8") as handle:
        source = handle.read()
    source = re.sub(r"//[^\n]*", "", source)
    skins = []
    for match in FALLBACK_ENTRY.finditer(source):
        name = match.group(1)
        fields = [field.strip() for field in match.group(2).split(",") if field.strip()]
        if len(fields) != 3 * len(FACTORY_ROLES):
            problems.append("fallback %r has %d components, not %d"
                            % (name, len(fields), 3 * len(FACTORY_ROLES)))
            continue
        values = []
        for field in fields:
            if not re.fullmatch(r"[0-9]+", field) or int(field) > 255:
                problems.append("fallback %r: component %r is not 0-255" % (name, field))
                field = "0"
            values.append(int(field))
        colours = {role: tuple(values[3 * i:3 * i + 3]) for i, role in enumerate(FACTORY_ROLES)}
        skins.append((name, colours))
    return skins


def check_readability(label, skins, problems, lowest, exempt):
    used = set()
    for name, colours in skins:
        if any(role not in colours for role in ROLES):
            continue
        for fore, back, minimum in PAIRS:
            ratio = contrast(colours[fore], colours[back])
            key = (name, fore, back)
            if ratio < minimum:
                if key in exempt:
                    used.add(key)
                    continue
                problems.append("%s %r: %s on %s has contrast %.2f, needs %.1f"
                                % (label, name, fore, back, ratio, minimum))
            elif key in exempt:
                problems.append("%s %r: %s on %s reaches %.2f; drop its exemption"
                                % (label, name, fore, back, ratio))
            pair = (fore, back)
            if pair not in lowest or ratio < lowest[pair][0]:
                lowest[pair] = (ratio, name)
    return used


def check_variety(label, skins, problems, family_of):
    seen = {}
    for name, colours in skins:
        key = tuple(colours.get(role) for role in ROLES)
        if key in seen:
            problems.append("%s %r has the same colours as %r" % (label, name, seen[key]))
        seen.setdefault(key, name)
    for i, (name_a, colours_a) in enumerate(skins):
        for name_b, colours_b in skins[i + 1:]:
            if family_of(name_a) != family_of(name_b):
                continue
            if any(role not in colours_a or role not in colours_b for role in FAMILY_ROLES):
                continue
            apart = sum(distance(colours_a[role], colours_b[role]) for role in FAMILY_ROLES)
            if apart < FAMILY_MIN_DISTANCE:
                problems.append("%s %r and %r are nearly alike (%s differ by %.0f, need %.0f)"
                                % (label, name_a, name_b, "/".join(FAMILY_ROLES), apart,
                                   FAMILY_MIN_DISTANCE))


def check(xml_path, header_path):
    problems = []
    lowest = {}
    skins = read_skin_set(xml_path, problems)
    names = [name for name, _ in skins]
    if names != NAMES:
        if len(names) != len(NAMES):
            problems.append("the set holds %d skins, not %d" % (len(names), len(NAMES)))
        for index, (found, wanted) in enumerate(zip(names, NAMES)):
            if found != wanted:
                problems.append("skin %d is %r, expected %r" % (index, found, wanted))
                break
    by_name = dict(skins)
    for name, fixed in FIXED.items():
        colours = by_name.get(name)
        if colours is None:
            continue
        for role, wanted in zip(ROLES, fixed):
            if colours.get(role) != wanted:
                problems.append("%r: %s is %s, must be %s" % (name, role, colours.get(role), wanted))
    for name, _, _ in EXEMPT:
        if name not in FIXED:
            problems.append("%r is exempt from a pair but its colours are not fixed" % name)
    used = check_readability("skin", skins, problems, lowest, EXEMPT)
    for key in sorted(set(EXEMPT) - used):
        if key[0] not in by_name:
            problems.append("exemption for unknown skin %r" % key[0])
    check_variety("skin", skins, problems, lambda name: name.split()[0])

    fallbacks = read_fallbacks(header_path, problems)
    fallback_names = [name for name, _ in fallbacks]
    if len(fallbacks) != FALLBACK_COUNT:
        problems.append("%d fallback skins, not %d" % (len(fallbacks), FALLBACK_COUNT))
    for name in FALLBACK_REQUIRED:
        if name not in fallback_names:
            problems.append("no fallback skin %r" % name)
    for name in sorted({n for n in fallback_names if fallback_names.count(n) > 1}):
        problems.append("fallback name %r is used more than once" % name)
    check_readability("fallback", fallbacks, problems, lowest, {})
    # The fallbacks are one family: sixteen distinct looks.
    check_variety("fallback", fallbacks, problems, lambda name: "fallback")
    fallback_classic = dict(fallbacks).get("Classic LG")
    if fallback_classic and "Classic LG" in by_name and fallback_classic != by_name["Classic LG"]:
        different = [role for role in ROLES if fallback_classic[role] != by_name["Classic LG"][role]]
        problems.append("fallback 'Classic LG' differs from the built-in one in %s"
                        % ", ".join(different))
    return problems, lowest, len(skins), len(fallbacks)


def main(argv):
    xml_path = argv[1] if len(argv) > 1 else DEFAULT_XML
    header_path = argv[2] if len(argv) > 2 else DEFAULT_HEADER
    try:
        problems, lowest, count, fallback_count = check(xml_path, header_path)
    except OSError as error:
        print(error)
        return 1
    if problems:
        print("\n".join(problems))
        print("%d problem(s)" % len(problems))
        return 1
    print("%d skins and %d fallback skins are sound; lowest contrast per pair "
          "(exempt pairs left out):" % (count, fallback_count))
    for fore, back, minimum in PAIRS:
        ratio, name = lowest[(fore, back)]
        print("  %-14s on %-13s %5.2f (%s; needs %.1f)" % (fore, back, ratio, name, minimum))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
