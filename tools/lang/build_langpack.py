#!/usr/bin/env python3
"""Builds resources/lang/LanguagePack.xml from the translation tables.

The tables live in tools/lang/texts/<tag>.py, one module per language, each
with a dict TEXTS mapping a text identifier to its translation. Texts that are
the same in every language (addresses, version, registry identifier) are kept
here in COMMON; DEFAULTS holds texts a language may override but usually
keeps.

Table texts are plain (unescaped) strings. Two groups get their padding here
so that every language lays out the same way:

  * PADDED_BUTTONS: the small buttons get a hard space on each side,
    "&#160; Stop &#160;".
  * PADDED_PAIR: the two mode radio buttons ("At", "After") are padded with
    spaces to the same width, ending in a hard space so the padding survives
    trimming.

Usage:
  build_langpack.py            write the XML
  build_langpack.py --verify   exit 1 when the XML on disk differs from what
                               the tables produce
"""

import importlib.util
import os
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUTPUT = os.path.join(ROOT, "resources", "lang", "LanguagePack.xml")
TEXTS_DIR = os.path.join(HERE, "texts")

HARD_SPACE = "&#160;"

# Pack order, as the language menu lists them.
LANGUAGES = [
    ("eng", "English", "English"),
    ("ara", "Arabic", "عربي"),
    ("bel", "Belarusian", "Беларускі"),
    ("zhs", "Chinese_Simplified", "简体中文"),
    ("ell", "Greek", "Ελληνικά"),
    ("fra", "French", "Français"),
    ("ita", "Italian", "Italiano"),
    ("jpn", "Japanese", "日本語"),
    ("kor", "Korean", "한국어"),
    ("hun", "Hungarian", "Magyar"),
    ("per", "Persian", "فارسی"),
    ("rus", "Russian", "Русский"),
    ("rom", "Romanian", "Română"),
    ("swe", "Swedish", "Svenska"),
    ("ukr", "Ukrainian", "Українська"),
    ("ind", "Indonesian", "Bahasa Indonesia (Partial)"),
    ("bul", "Bulgarian", "Български (Partial)"),
    ("cze", "Czech", "Cestina (Partial)"),
    ("cpn", "Serbian_Cyrillic", "Српски (Partial)"),
    ("dan", "Danish", "Dansk (Partial)"),
    ("deu", "German", "Deutsch (Partial)"),
    ("est", "Estonian", "Eesti (Partial)"),
    ("spa", "Spanish", "Español (Partial)"),
    ("hrv", "Croatian", "Hrvatski (Partial)"),
    ("nld", "Dutch", "Nederlands (Partial)"),
    ("pol", "Polish", "Polski (Partial)"),
    ("bra", "Portuguese_Brazilian", "Portugus Brasileiro (Partial)"),
    ("srp", "Serbian_Latin", "Srpski (Partial)"),
    ("slk", "Slovak", "Slovensky (Partial)"),
    ("fin", "Finnish", "Suomeksi (Partial)"),
    ("tur", "Turkish", "Türkçe (Partial)"),
    ("vec", "Venetian", "Vèneto Vec-to (Partial)"),
    ("zht", "Chinese_Traditional", "繁體中文 (Partial)"),
    ("vie", "Vietnamese", "Việt Nam (Partial)"),
]

# Identical in every language; a table must not carry these.
COMMON = {
    101000: "https://www.vexa.example/",                  # maker's home page, default web-page action
    106000: "https://www.vexa.example/donate",            # behind "Support Vexa via Donation"
    108000: "https://www.vexa.example/software",          # "More Software from Vexa"
    108500: "https://www.vexa.example/tarnwick/translate",  # "Translate? (online)"
    300000: "Vexa Tarnwick",                              # registry identifier, never translated
    500003: "https://www.vexa.example/tarnwick",          # product page ("Software Page")
    500004: "https://www.vexa.example/tarnwick/feedback",  # "Tell Developers"
    500006: "https://www.vexa.example/tarnwick/installed",  # opened after setup
    500007: "https://www.vexa.example/tarnwick/skins",    # "See Thumbnail" of the skin menu
    500010: "1.14",
    500020: "2013/08/12",
    500100: "https://www.vexa.example/donate",            # donation link of the version window
    500101: "",
    500102: "",
    3803000: "24",
}

# Same in every language unless a table says otherwise.
DEFAULTS = {
    500000: "Vexa Tarnwick",
    500030: "Windows XP/2003/Vista",
}
for _step in range(10):
    DEFAULTS[715100 + 100 * _step] = "%d%%" % (10 * _step)

PADDED_BUTTONS = (3006000, 3010501, 3010600)
PADDED_PAIR = (2010000, 2010100)


def load_table(tag):
    path = os.path.join(TEXTS_DIR, tag + ".py")
    location = importlib.util.spec_from_file_location("langtexts_" + tag, path)
    module = importlib.util.module_from_spec(location)
    location.loader.exec_module(module)
    return module.TEXTS


def escape_text(text):
    """Element-text escape; keeps hard-space escapes already in the text."""
    pieces = text.split(HARD_SPACE)
    out = []
    for piece in pieces:
        piece = piece.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        out.append(piece)
    return HARD_SPACE.join(out)


def escape_attr(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace('"', "&quot;")


def pad_pair(first, second):
    width = max(len(first), len(second)) + 2
    return tuple(word + " " * (width - len(word) - 1) + HARD_SPACE for word in (first, second))


def build_tables():
    english = load_table("eng")
    translatable = set(english)
    clash = translatable & set(COMMON)
    if clash:
        raise SystemExit("eng.py carries common texts: %s" % sorted(clash))
    all_ids = sorted(translatable | set(COMMON) | set(DEFAULTS))

    tables = {}
    problems = []
    for tag, _, _ in LANGUAGES:
        table = english if tag == "eng" else load_table(tag)
        for text_id in sorted(set(table) & set(COMMON)):
            problems.append("%s: %d is the same in every language" % (tag, text_id))
        for text_id in sorted(set(table) - set(all_ids)):
            problems.append("%s: unknown identifier %d" % (tag, text_id))
        for text_id in sorted(translatable - set(DEFAULTS) - set(table)):
            problems.append("%s: missing %d (%r)" % (tag, text_id, english[text_id]))
        merged = dict(DEFAULTS)
        merged.update(table)
        merged.update(COMMON)
        for text_id, text in merged.items():
            if not isinstance(text, str):
                problems.append("%s: %d is not a string" % (tag, text_id))
            elif text != text.strip():
                problems.append("%s: %d has surrounding whitespace" % (tag, text_id))
        if not problems:
            for text_id in PADDED_BUTTONS:
                merged[text_id] = HARD_SPACE + " " + merged[text_id] + " " + HARD_SPACE
            merged[PADDED_PAIR[0]], merged[PADDED_PAIR[1]] = pad_pair(
                merged[PADDED_PAIR[0]], merged[PADDED_PAIR[1]])
        tables[tag] = merged
    if problems:
        raise SystemExit("\n".join(problems))
    return all_ids, tables


def render():
    all_ids, tables = build_tables()
    lines = [
        "<lang>",
        "  <!-- Generated by tools/lang/build_langpack.py from tools/lang/texts/; edit the tables there. -->",
        "  <languages>",
    ]
    for tag, eng_name, true_name in LANGUAGES:
        lines.append('    <entry tagName="%s" engName="%s" trueName="%s"/>'
                     % (escape_attr(tag), escape_attr(eng_name), escape_attr(true_name)))
    lines.append("  </languages>")
    lines.append("  <entries>")
    for text_id in all_ids:
        lines.append('    <entry id="%d">' % text_id)
        for tag, _, _ in LANGUAGES:
            lines.append("      <%s>%s</%s>" % (tag, escape_text(tables[tag][text_id]), tag))
        lines.append("    </entry>")
    lines.append("  </entries>")
    lines.append("</lang>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def main(argv):
    data = render()
    if "--verify" in argv[1:]:
        try:
            with open(OUTPUT, "rb") as handle:
                current = handle.read()
        except OSError:
            current = None
        if current != data:
            print("LanguagePack.xml is out of date; run tools/lang/build_langpack.py")
            return 1
        print("LanguagePack.xml matches the tables")
        return 0
    with open(OUTPUT, "wb") as handle:
        handle.write(data)
    print("wrote %s (%d bytes)" % (os.path.relpath(OUTPUT, ROOT), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
