#!/usr/bin/env python3
"""Builds the delivered language files from their UTF-8 sources.

Each source has exactly one line per line of the language file. The readers of
a language file know its entries only by line number, so a missing or extra
line silently shifts every later text; this script therefore checks the line
map before it writes anything.

    python3 tools/languages/build_lng.py          # check and write data/Languages/*.lng
    python3 tools/languages/build_lng.py --check  # check only; fail if a .lng is out of date
"""

import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
OUTPUT_DIR = HERE.parent.parent / "data" / "Languages"

# source file -> language name (the .lng base name)
LANGUAGES = {"ru.txt": "Русский", "en.txt": "English"}

# Lines the settings defaults store as words of the reference language.
REFERENCE_WORDS = {15: "Ом", 21: "Четыре", 36: "Произвольно"}

# Pictures a topic may show: the program's own pictures and the manual's, which the build draws
# (tools/manual_pictures.cpp) or takes of the main window in each language
# (tools/make_manual_shots.cpp).
PICTURES = {
    r"\Data\Resistor.bmp",
    r"\Data\Intro.jpg",
    r"\Data\UIR.jpg",
    r"\Data\Connect1.bmp",
    r"\Data\Connect2.bmp",
    r"\Data\ManualBands.png",
    r"\Data\ManualEncoding.png",
    r"\Data\ManualFileName.png",
    r"\Data\ManualConnections.png",
    r"\Data\ManualLaw.png",
    r"\Data\ManualPlacement.png",
    r"\Data\ManualReadingHelp.png",
    r"\Data\ManualCombinations.png",
    r"\Data\ManualWindowRu.png",
    r"\Data\ManualWindowEn.png",
    r"\Data\ManualPaletteRu.png",
    r"\Data\ManualPaletteEn.png",
}

FIXED_LINES = 102  # everything before the about count
# Lines after the help block, in their order (config::LaterLine in the program). Texts added to
# the format later go there, so that every earlier line keeps its number.
# Each name is followed by the marks %1, %2... that its text must hold (the program fills them
# in, and takes its built-in text for a line without them).
LATER_LINES = [
    ("File > Copy caption", 0),
    ("reading help: name", 0),
    ("reading help: preferred (series)", 1),
    ("reading help: not preferred (series)", 1),
    ("reading help: other end, preferred (value)", 1),
    ("reading help: how to tell the ends apart", 0),
    ("reading help: other end as a candidate (value)", 1),
    ("reading help: look-alike (value, band, new colour, colour read)", 4),
    ("reading help: typed value preferred (value, series)", 2),
    ("reading help: typed value not preferred (value, series)", 2),
    ("unit lists' accessible name", 0),
    ("reading help: SMD (code)", 1),
    ("six bands: band-count word", 0),
    ("six bands: sixth band's caption", 0),
    ("six bands: TCR list's caption", 0),
    ("six bands: TCR list's tooltip", 0),
    ("six bands: TCR display line (ppm/K)", 1),
    ("six bands: TCR palette's name", 0),
    ("Combinations: menuCaption", 0),
    ("Combinations: windowCaption", 0),
    ("Combinations: optValue", 0),
    ("Combinations: optDivider", 0),
    ("Combinations: lblTarget", 0),
    ("Combinations: txtTargetTip", 0),
    ("Combinations: unitName", 0),
    ("Combinations: lblVin", 0),
    ("Combinations: optVout", 0),
    ("Combinations: optRatio", 0),
    ("Combinations: txtVinTip", 0),
    ("Combinations: lblTotalFrom", 0),
    ("Combinations: lblTotalTo", 0),
    ("Combinations: lblSeries", 0),
    ("Combinations: lblParts", 0),
    ("Combinations: lblPartsPerSide", 0),
    ("Combinations: lblTolerance", 0),
    ("Combinations: seriesTolerance", 1),
    ("Combinations: lblExclude", 0),
    ("Combinations: txtExcludeTip", 0),
    ("Combinations: chkStock", 0),
    ("Combinations: chkStockTip", 1),
    ("Combinations: headerTotal", 0),
    ("Combinations: headerRatio", 0),
    ("Combinations: headerError", 0),
    ("Combinations: headerParts", 0),
    ("Combinations: headerEnvelope", 0),
    ("Combinations: headerCurrent", 0),
    ("Combinations: answersName", 0),
    ("Combinations: schematicName", 0),
    ("Combinations: cmdToLinkora", 0),
    ("Combinations: cmdToLinkoraTip", 0),
    ("Combinations: cmdCopy", 0),
    ("Combinations: cmdCopyTip", 0),
    ("Combinations: noTarget", 0),
    ("Combinations: notAValue", 1),
    ("Combinations: ratioOutOfRange", 0),
    ("Combinations: searching", 0),
    ("Combinations: answerCount", 1),
    ("Combinations: noAnswer", 0),
    ("Combinations: noStockFile", 1),
    ("Combinations: emptyStock", 1),
    ("Combinations: stockProblems", 2),
    ("Combinations: copiedValue", 5),
    ("Combinations: copiedDivider", 6),
    ("Combinations: copiedCurrent", 1),
    ("Combinations: milliampere", 0),
    ("Combinations: microampere", 0),
    ("Combinations: optionsFrame", 0),
    ("Combinations: optionsPlacement", 0),
]
ABOUT_COUNT_LINE = 103
MAX_TOPICS = 15
MARKER = "<>"


class LineMapError(Exception):
    pass


def expect(condition, source, line, message):
    if not condition:
        raise LineMapError(f"{source}:{line}: {message}")


def read_source(path):
    raw = path.read_bytes()
    expect(b"\r" not in raw, path.name, 0, "carriage return in source; use plain LF")
    text = raw.decode("utf-8")
    expect(text.endswith("\n"), path.name, 0, "source must end with a line break")
    return text[:-1].split("\n")


def count_at(lines, number, source):
    """A count line: a bare whole number, as the readers' leading-number rule wants it."""
    expect(number <= len(lines), source, number, "file ends where a count is expected")
    value = lines[number - 1]
    expect(re.fullmatch(r"\d+", value) is not None, source, number,
           f"count expected, found {value!r}")
    return int(value)


def check_topic_text(text_lines, source, first_line):
    # The viewer joins the lines with CR LF and looks for the marker from the
    # second character on, so a marker at the very start would stay as text.
    text = "\r\n".join(text_lines)
    markers = text.count(MARKER)
    expect(markers in (0, 2), source, first_line,
           f"a topic holds at most one picture marker (found {markers} '<>')")
    if markers:
        start = text.index(MARKER)
        expect(start > 0, source, first_line, "picture marker is the topic's first character")
        path = text[start + 2:text.index(MARKER, start + 2)]
        expect(path in PICTURES, source, first_line, f"unknown picture {path!r}")


def check(lines, source):
    """Checks the line map; returns (about count, help start line, topic titles)."""
    for number, value in enumerate(lines, 1):
        expect(value == value.rstrip(), source, number, "trailing blank")
        try:
            value.encode("cp1251")
        except UnicodeEncodeError as error:
            raise LineMapError(f"{source}:{number}: {value[error.start]!r} is not in Windows-1251")

    expect(len(lines) > FIXED_LINES, source, len(lines), "file too short")

    def line(n):
        return lines[n - 1]

    def distinct(first, last, what):
        values = lines[first - 1:last]
        expect(len(set(values)) == len(values) and all(values), source, first,
               f"{what} must be distinct and not empty")

    distinct(15, 19, "unit names")
    distinct(20, 22, "band-count words")
    distinct(23, 34, "colour names")
    distinct(36, 37, "placement words")
    # The program appends ":" to these itself.
    for n in (41, 42, 43, 54):
        expect(not line(n).endswith(":"), source, n, "the program adds the colon")

    about = count_at(lines, ABOUT_COUNT_LINE, source)
    help_start = ABOUT_COUNT_LINE + about + 1
    expect(help_start + 1 <= len(lines), source, help_start, "help block missing")
    expect(line(help_start), source, help_start, "empty help caption")
    topics = count_at(lines, help_start + 1, source)
    expect(topics <= MAX_TOPICS, source, help_start + 1, f"more than {MAX_TOPICS} topics")

    titles = []
    n = help_start + 2
    for _ in range(topics):
        expect(n <= len(lines) and line(n), source, n, "topic title expected")
        titles.append(line(n))
        count = count_at(lines, n + 1, source)
        text = lines[n + 1:n + 1 + count]
        expect(len(text) == count, source, n + 1, "topic runs past the end of the file")
        check_topic_text(text, source, n + 2)
        n += 2 + count
    later = len(lines) - n + 1
    expect(later == len(LATER_LINES), source, n,
           f"{later} line(s) after the last topic where {len(LATER_LINES)} are expected; "
           "a count is wrong, or LATER_LINES does not list a new line")
    for offset, (name, marks) in enumerate(LATER_LINES):
        found = sorted(set(re.findall(r"%(\d)", line(n + offset))))
        expect(found == [str(i) for i in range(1, marks + 1)], source, n + offset,
               f"{name}: marks {found} where %1 to %{marks} are expected")
    return about, help_start, titles


def build(check_only):
    checked = {}
    for source_name in LANGUAGES:
        lines = read_source(HERE / source_name)
        checked[source_name] = (lines, *check(lines, source_name))

    ru_lines, _, _, ru_titles = checked["ru.txt"]
    for number, word in REFERENCE_WORDS.items():
        expect(ru_lines[number - 1] == word, "ru.txt", number, f"must be {word!r}")
    # A translation keeps the topics; only the topic lengths may differ.
    for source_name, (_, _, _, titles) in checked.items():
        expect(len(titles) == len(ru_titles), source_name, 0, "topic count differs from ru.txt")

    for source_name, (lines, about, help_start, titles) in checked.items():
        data = "".join(value + "\r\n" for value in lines).encode("cp1251")
        target = OUTPUT_DIR / f"{LANGUAGES[source_name]}.lng"
        if check_only:
            if not target.exists() or target.read_bytes() != data:
                raise LineMapError(f"{target} is out of date; run build_lng.py")
        else:
            OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
        print(f"{target.name}: {len(lines)} lines, about {about} lines, "
              f"help block from line {help_start}, {len(titles)} topics")


def main():
    try:
        build("--check" in sys.argv[1:])
    except LineMapError as error:
        print(f"error: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
