#!/usr/bin/env python3
"""Checks resources/lang/LanguagePack.xml, the language pack embedded in the
executable.

Usage: check_langpack.py [path/to/LanguagePack.xml]

Exits 0 and prints a one-line summary when the pack is sound; otherwise prints
every problem found and exits 1. Standard library only.

The reference tables below (languages, identifiers with their English text)
are kept here on purpose rather than imported from the pack builder, so that a
mistake in the builder's tables is caught instead of copied.
"""

import os
import re
import sys
import urllib.parse
import xml.etree.ElementTree as ET

DEFAULT_PATH = os.path.join(
    os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
    "resources", "lang", "LanguagePack.xml")

ENTRY_COUNT = 178

# The 34 languages in pack order: (tagName, engName, trueName).
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

# Texts the program depends on, with their English wording as stored in the
# pack (before decoding, "&#160;" being a hard space).
ENGLISH = {
    105000: "Support Vexa via Donation",
    107000: "More Software from Vexa (online)",
    300000: "Vexa Tarnwick",
    500000: "Vexa Tarnwick",
    500010: "1.14",
    500020: "2013/08/12",
    500030: "Windows XP/2003/Vista",
    400010: "Version:",
    400020: "Last Updated:",
    400030: "OS:",
    400080: "URL:",
    400100: "Version Information",
    400110: "Is this freeware useful?",
    400120: "Close",
    500089: "Is this freeware useful?",
    500090: "Please support us via donation.",
    500101: "",
    500102: "",
    609000: "View",
    609100: "Keep on Top",
    609400: "Show TaskBar Button",
    609500: "Start on System Boot",
    700000: "Language",
    700001: "Translate? (online)",
    701000: "About",
    701100: "Version Information",
    701200: "Software Page (online)",
    701300: "Tell Developers (online)",
    715000: "Transparency (%)",
    715010: "Only when Keeping On Top",
    715100: "0%",
    715200: "10%",
    715300: "20%",
    715400: "30%",
    715500: "40%",
    715600: "50%",
    715700: "60%",
    715800: "70%",
    715900: "80%",
    716000: "90%",
    750000: "Open Window",
    751000: "Exit",
    830000: "Prevent Moving Past Screen Edges",
    830100: "Double-Click Transform",
    830200: "Auto-Resume Timer on Start",
    840260: "S: snooze",
    840270: "M: mute",
    1000000: "Keep on Top",
    830300: "Are you sure you want to stop the timer?",
    840000: "This time cannot be read:",
    840010: "Give a span as -after H:M:S, or a clock time as -at H:M (add am or pm for the 12-hour clock).",
    840100: "An alarm was missed while the timer was not running. It was due at:",
    840200: "Keyboard",
    840210: "Space or Enter: start or stop",
    840220: "P: pause or resume",
    840230: "Up, Down: step the field (Shift: by ten)",
    840240: "C: Clock View",
    840250: "Esc: iconize",
    2001000: "Clock View",
    2001100: "Timer View",
    2010000: "At    &#160;",
    2010100: "After &#160;",
    3006000: "&#160; Browse &#160;",
    3006010: "Audio Files (*.mp3, *.wav)",
    3006020: "All Files (*.*)",
    3006030: "Program Files (*.exe)",
    3010000: "Start",
    3010001: "Start Timer",
    3010100: "(Paused)",
    3010500: "Stop",
    3010501: "&#160; Stop &#160;",
    3010502: "Stop Timer",
    3010550: "It's Time!",
    3010560: "Sound file not found",
    3010561: "Sound file cannot be played",
    3010562: "No sound device available",
    3010563: "Sound device stopped responding",
    3010564: "File could not be opened",
    3010565: "Program could not be started",
    3010566: "Web page could not be opened",
    3010567: "Windows refused the action",
    3010600: "&#160; Test &#160;",
    3010700: "Snooze",
    3010710: "Mute",
    3010720: "Snooze Time",
    3010730: "Snoozed",
    3010740: "1 Minute",
    3010750: "5 Minutes",
    3010760: "10 Minutes",
    3010770: "15 Minutes",
    3010800: "Warn Before the End",
    3010810: "Off",
    3010820: "Time is almost up",
    3010830: "Remaining:",
    3010900: "Recent",
    3010910: "No Recent Timers",
    3011000: "Show Progress in Tray Icon",
    3801000: "AM",
    3802000: "PM",
    3803000: "24",
    3810010: "d",
    3810020: "h",
    3810030: "m",
    3810040: "s",
    3900000: "Action",
    3901000: "Play Sound",
    3901010: "Repeat",
    3901020: "Volume:",
    3902000: "Open File",
    3903000: "Execute Program",
    3903010: "Parameter:",
    3904000: "Open Web Page",
    3905000: "Shutdown System",
    3905010: "Stand By",
    3905020: "Hibernate",
    3905030: "Log Off",
    3905040: "Reboot",
    3905050: "Shutdown",
    5000100: "Jan",
    5000200: "Feb",
    5000300: "Mar",
    5000400: "Apr",
    5000500: "May",
    5000600: "Jun",
    5000700: "Jul",
    5000800: "Aug",
    5000900: "Sep",
    5001000: "Oct",
    5001100: "Nov",
    5001200: "Dec",
    5100100: "Sun",
    5100200: "Mon",
    5100300: "Tue",
    5100400: "Wed",
    5100500: "Thu",
    5100600: "Fri",
    5100700: "Sat",
    8000000: "Skin",
    8000001: "See Thumbnail (online)",
    8105000: "Change Periodically",
    8105010: "Don't Change",
    8105020: "Every Time",
    8105030: "Everyday",
    8105040: "Every 2nd Day",
    8105050: "Every 3rd Day",
    8105060: "Every 5th Day",
    8105070: "Every Week",
    8105080: "Every 2nd Week",
    8105090: "Every Month",
    2010000000: "About",
    2010001000: "Close",
    2010002000: "Iconize",
}

# Required, wording ours: the maker's site name (a shortcut caption).
REQUIRED_FREE_TEXT = (100000,)

# Web addresses opened with the shell; the same in every language.
WEB_ADDRESSES = (101000, 106000, 108000, 108500, 500003, 500004, 500006, 500007, 500100)
WEB_DOMAIN = "vexa.example"

# Identical in every language.
SAME_EVERYWHERE = {300000: "Vexa Tarnwick", 500010: "1.14", 500020: "2013/08/12",
                   500101: "", 500102: ""}

# Not expected to differ from English (names, numbers, the OS line).
NOT_TRANSLATED = set(WEB_ADDRESSES) | set(SAME_EVERYWHERE) | {500000, 500030, 3803000} | \
    set(range(715100, 716001, 100))

# Words the program reads from its command line, which every language must
# quote unchanged (whole words: "am" must not be part of a longer word).
COMMAND_LINE_WORDS = {840010: ("-after H:M:S", "-at H:M", "am", "pm")}

# Shortcut lines that start with the letter key the program reacts to, on
# every keyboard, followed by no further letter.
LETTER_KEYS = {840220: "P", 840240: "C", 840260: "S", 840270: "M"}

# Shortcut lines naming a command the menus already name: they use the
# language's own wording for it (ignoring case).
SHORTCUT_COMMANDS = {840240: 2001000, 840250: 2010002000, 840260: 3010700, 840270: 3010710}

UNIT_IDS = (3810010, 3810020, 3810030, 3810040)
AM_PM_IDS = (3801000, 3802000)
PERCENT_IDS = tuple(range(715100, 716001, 100))
MONTH_IDS = tuple(range(5000100, 5001201, 100))
WEEKDAY_IDS = tuple(range(5100100, 5100701, 100))
DISTINCT_GROUPS = (("months", MONTH_IDS), ("weekdays", WEEKDAY_IDS),
                   ("At/After", (2010000, 2010100)), ("AM/PM", AM_PM_IDS),
                   ("units", UNIT_IDS))

# Share of translatable texts a language may leave exactly as in English
# (Volume:, Test, Jan, ... are legitimately the same in many languages).
MAX_SAME_AS_ENGLISH = 1.0 / 3.0

HARD_SPACE = "\u00a0"
TRIMMED = " \t\r\n\u3000"  # what the loader trims around element text

TEXT_ENTITIES = {"&amp;", "&lt;", "&gt;", "&#160;", "&#13;", "&#10;"}
ATTR_ENTITIES = {"&amp;", "&lt;", "&quot;", "&#13;", "&#10;"}


def decode_stored(text):
    """Decodes a stored English text the way an XML parser does."""
    return (text.replace("&#160;", HARD_SPACE).replace("&lt;", "<")
            .replace("&gt;", ">").replace("&amp;", "&"))


def check_raw(raw, problems):
    """Rules of the program's own XML reader that a standard parser does not
    enforce."""
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("file starts with a byte-order mark")
        raw = raw[3:]
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        problems.append("not valid UTF-8: %s" % error)
        return None
    if not text.lstrip().startswith("<lang"):
        problems.append("the first element of the file must be <lang> (no declaration or comment before it)")
    for marker in ("<?", "<!DOCTYPE", "<![CDATA["):
        if marker in text:
            problems.append("file contains %r, which the loader does not understand" % marker)
    if HARD_SPACE in text:
        problems.append("file contains a literal U+00A0; write hard spaces as &#160;")
    if re.search(r"<[^>]*\s[\w:.-]+\s*=\s*'", text):
        problems.append("single-quoted attribute found; the loader only reads double quotes")
    for match in re.finditer(r"&[^;\s<]*;?", text):
        if match.group(0) not in TEXT_ENTITIES | ATTR_ENTITIES:
            line = text.count("\n", 0, match.start()) + 1
            problems.append("line %d: escape %r is not decoded by the loader" % (line, match.group(0)))
    for match in re.finditer(r'=\s*"([^"]*)"', text):
        for entity in re.findall(r"&[^;\s<]*;?", match.group(1)):
            if entity not in ATTR_ENTITIES:
                line = text.count("\n", 0, match.start()) + 1
                problems.append("line %d: escape %r inside an attribute value" % (line, entity))
    return text


def check_languages(root, problems):
    groups = [child for child in root if child.tag == "languages"]
    if len(groups) != 1:
        problems.append("expected one <languages> element, found %d" % len(groups))
        return False
    found = []
    for child in groups[0]:
        if child.tag != "entry":
            problems.append("<languages> holds a <%s> element" % child.tag)
            continue
        found.append((child.get("tagName"), child.get("engName"), child.get("trueName")))
    if found != LANGUAGES:
        if len(found) != len(LANGUAGES):
            problems.append("expected %d languages, found %d" % (len(LANGUAGES), len(found)))
        for index, (want, got) in enumerate(zip(LANGUAGES, found)):
            if want != got:
                problems.append("language %d: expected %r, found %r" % (index, want, got))
        return False
    return True


def read_entries(root, problems):
    """Returns {id: {tag: decoded text}} for the numbered entries."""
    groups = [child for child in root if child.tag == "entries"]
    if len(groups) != 1:
        problems.append("expected one <entries> element, found %d" % len(groups))
        return {}
    tags = [tag for tag, _, _ in LANGUAGES]
    entries = {}
    for entry in groups[0]:
        if entry.tag != "entry":
            problems.append("<entries> holds a <%s> element" % entry.tag)
            continue
        raw_id = entry.get("id")
        if raw_id is None or not re.fullmatch(r"[1-9][0-9]*", raw_id):
            problems.append("entry with id %r: expected a decimal number" % raw_id)
            continue
        text_id = int(raw_id)
        if text_id in entries:
            problems.append("entry %d appears twice" % text_id)
            continue
        children = [child.tag for child in entry]
        if children != tags:
            missing = [tag for tag in tags if tag not in children]
            extra = [tag for tag in children if tag not in tags]
            doubled = sorted({tag for tag in children if children.count(tag) > 1})
            detail = []
            if missing:
                detail.append("missing " + ", ".join(missing))
            if extra:
                detail.append("unknown " + ", ".join(extra))
            if doubled:
                detail.append("repeated " + ", ".join(doubled))
            if not detail:
                detail.append("not in pack order (English first)")
            problems.append("entry %d: language elements wrong: %s" % (text_id, "; ".join(detail)))
        texts = {}
        for child in entry:
            if len(child):
                problems.append("entry %d, %s: has child elements" % (text_id, child.tag))
            texts.setdefault(child.tag, child.text or "")
        entries[text_id] = texts
    if len(entries) != ENTRY_COUNT:
        problems.append("expected %d numbered entries, found %d" % (ENTRY_COUNT, len(entries)))
    return entries


def check_texts(entries, problems):
    tags = [tag for tag, _, _ in LANGUAGES]
    for text_id, english in sorted(ENGLISH.items()):
        if text_id not in entries:
            problems.append("entry %d (%r) is missing" % (text_id, english))
        elif entries[text_id].get("eng") != decode_stored(english):
            problems.append("entry %d: English is %r, expected %r"
                            % (text_id, entries[text_id].get("eng"), decode_stored(english)))
    for text_id in REQUIRED_FREE_TEXT + WEB_ADDRESSES:
        if text_id not in entries:
            problems.append("entry %d is missing" % text_id)

    for text_id, texts in sorted(entries.items()):
        english = texts.get("eng", "")
        for tag in tags:
            if tag not in texts:
                continue
            text = texts[tag]
            where = "entry %d, %s" % (text_id, tag)
            if text == "" and english != "":
                problems.append("%s: empty" % where)
            if english == "" and text != "":
                problems.append("%s: should be empty like the English, found %r" % (where, text))
            if text != text.strip(TRIMMED):
                problems.append("%s: surrounding whitespace would be trimmed on load: %r" % (where, text))
            for edge, test in (("start", str.startswith), ("end", str.endswith)):
                if test(english, HARD_SPACE) != test(text, HARD_SPACE):
                    problems.append("%s: hard space (&#160;) at the %s %s, as in English"
                                    % (where, edge, "required" if test(english, HARD_SPACE) else "not wanted"))

    for text_id, value in SAME_EVERYWHERE.items():
        for tag, text in entries.get(text_id, {}).items():
            if text != value:
                problems.append("entry %d, %s: must be %r in every language, found %r" % (text_id, tag, value, text))

    for text_id in WEB_ADDRESSES:
        texts = entries.get(text_id, {})
        for tag, text in texts.items():
            parts = urllib.parse.urlsplit(text)
            host = (parts.hostname or "").lower()
            if not text.startswith("https://") or not (host == WEB_DOMAIN or host.endswith("." + WEB_DOMAIN)):
                problems.append("entry %d, %s: %r is not an https address on %s" % (text_id, tag, text, WEB_DOMAIN))
        if len(set(texts.values())) > 1:
            problems.append("entry %d: the address differs between languages" % text_id)

    for tag in tags:
        def text_of(text_id):
            return entries.get(text_id, {}).get(tag, "")
        for text_id in UNIT_IDS:
            if len(text_of(text_id)) > 3:
                problems.append("entry %d, %s: unit text %r is too long for the count-down"
                                % (text_id, tag, text_of(text_id)))
        for text_id in AM_PM_IDS:
            if len(text_of(text_id)) > 6:
                problems.append("entry %d, %s: %r does not fit the AM/PM list" % (text_id, tag, text_of(text_id)))
        for text_id in PERCENT_IDS:
            digits = re.sub(r"\D", "", text_of(text_id))
            if digits != re.sub(r"\D", "", ENGLISH[text_id]) or "%" not in text_of(text_id):
                problems.append("entry %d, %s: %r is not the same percentage as %r"
                                % (text_id, tag, text_of(text_id), ENGLISH[text_id]))
        for name, ids in DISTINCT_GROUPS:
            values = [text_of(text_id) for text_id in ids]
            if len(set(values)) != len(values):
                problems.append("%s: %s are not all different: %s" % (tag, name, ", ".join(values)))
        for text_id, words in COMMAND_LINE_WORDS.items():
            for word in words:
                if not re.search(r"(?<![A-Za-z])%s(?![A-Za-z])" % re.escape(word), text_of(text_id)):
                    problems.append("entry %d, %s: the command-line text %r is not quoted unchanged"
                                    % (text_id, tag, word))
        for text_id, key in LETTER_KEYS.items():
            if not re.match(r"%s(?![A-Za-z])" % re.escape(key), text_of(text_id)):
                problems.append("entry %d, %s: %r does not start with the key %s"
                                % (text_id, tag, text_of(text_id), key))
        for text_id, command_id in SHORTCUT_COMMANDS.items():
            if text_of(command_id).lower() not in text_of(text_id).lower():
                problems.append("entry %d, %s: %r does not name the command as entry %d does (%r)"
                                % (text_id, tag, text_of(text_id), command_id, text_of(command_id)))
        if tag == "eng":
            continue
        translatable = [text_id for text_id, texts in entries.items()
                        if text_id not in NOT_TRANSLATED and re.search(r"[A-Za-z]", texts.get("eng", ""))]
        same = [text_id for text_id in translatable if text_of(text_id) == entries[text_id].get("eng")]
        if translatable and len(same) > MAX_SAME_AS_ENGLISH * len(translatable):
            problems.append("%s: %d of %d texts are still English (e.g. %s)"
                            % (tag, len(same), len(translatable),
                               ", ".join(str(text_id) for text_id in sorted(same)[:8])))


def main(argv):
    path = argv[1] if len(argv) > 1 else DEFAULT_PATH
    problems = []
    try:
        with open(path, "rb") as handle:
            raw = handle.read()
    except OSError as error:
        print("langpack: cannot read %s: %s" % (path, error))
        return 1
    if check_raw(raw, problems) is not None:
        try:
            root = ET.fromstring(raw)
        except ET.ParseError as error:
            problems.append("not well-formed XML: %s" % error)
            root = None
        if root is not None:
            if root.tag != "lang":
                problems.append("root element is <%s>, expected <lang>" % root.tag)
            languages_ok = check_languages(root, problems)
            entries = read_entries(root, problems)
            if languages_ok and entries:
                check_texts(entries, problems)
    if problems:
        for problem in problems:
            print(problem)
        print("langpack: %d problem%s" % (len(problems), "" if len(problems) == 1 else "s"))
        return 1
    print("langpack: %d languages, %d entries: ok" % (len(LANGUAGES), len(entries)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
