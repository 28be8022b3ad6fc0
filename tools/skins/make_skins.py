#!/usr/bin/env python3
"""Writes the delivered skins data/Skin/Default.she and data/Skin/Dark.she.

A skin is read strictly by line position, so this script builds each file from
the designs in skin_designs.py, checks every line against the expected line
layout and only then writes it (Windows-1251, CR LF).  The .she files are
committed; run this again after changing a value there or here:

    python3 tools/skins/make_skins.py            # rewrite both skins
    python3 tools/skins/make_skins.py --check    # fail if the committed files differ

Geometry is written in pixels in the designs and stored in twips (15 per pixel).
Colours are written as #RRGGBB and stored as R + G*256 + B*65536.
"""

import argparse
import pathlib
import sys

sys.dont_write_bytecode = True  # run at build time from the source tree: leave no cache there
from skin_designs import (  # noqa: E402
    FONT,
    MAIN,
    LINKORA,
    VOLTAMO,
    PALETTE_COLUMNS,
    ENTRY_MARGIN,
    ENTRY_PITCH,
    ENTRY_SIZE,
    SECOND_COLUMN_LEFT,
    PALETTE_SIZES,
    LISTED_ENTRIES,
    ENTRY_COUNT,
    TCR_ENTRIES,
    COLOUR_NAMES,
    PICTURE_SET,
    SKINS,
)

TWIPS_PER_PIXEL = 15
ENCODING = "cp1251"
LINE_END = "\r\n"


def tw(px):
    """Pixels to twips."""
    return px * TWIPS_PER_PIXEL


def colour(hex_rgb):
    """'#RRGGBB' to the stored value with red in the low byte."""
    h = hex_rgb.lstrip("#")
    assert len(h) == 6, hex_rgb
    r, g, b = int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16)
    return r + g * 256 + b * 65536


def flag(bold):
    return "True" if bold else "False"


# --------------------------------------------------------------------------
# Expected layout: the label lines (free text, skipped by every reader) and
# the lines the windows find by number.  Kept apart from the emitter so that
# a slip on either side shows up.
# --------------------------------------------------------------------------

LABEL_LINES = {
    2, 5, 7, 10, 12, 17, 21, 25, 27, 33, 36, 39, 42, 46, 57, 63, 70, 73, 76, 80,
    91, 94, 97, 206, 227, 233, 239, 242, 248, 253, 260, 267, 274, 281,
    288, 291, 298, 305, 312, 319, 322, 325, 332, 339, 345, 352, 359,
    366, 369, 372, 377, 382, 387, 394, 401, 408, 415, 422, 429, 463,
}

KEY_LINES = {
    "picture set": 1, "window colour": 3, "font": 6, "menu bar": 9, "shapes": 11,
    "label colour 0": 13, "label colour 3": 16, "text box colour 0": 18,
    "combo colour 0": 22, "buttons": 26,
    "picMonitor left": 28, "picMonitor colour": 32, "BodyPlace x": 34, "BandOrigin x": 37,
    "window width": 40, "window height": 41, "lblMonitor left": 43, "label colour 4": 45,
    "band offset 0 x": 47, "band offset 4 y": 56, "cmbPolosok colour": 58,
    "cmbPolosok left": 59, "cmbPolosok size": 62,
    "lblInfoMonitor left": 64, "lblInfoMonitor caption": 68, "lblInfoMonitor size": 69,
    "Linkora width": 71, "Voltamo width": 74, "picMark": 77, "picCon": 78, "picOm": 79,
    "band label 0 left": 81, "band label 4 top": 90, "band label width": 92,
    "frame colour": 95, "frame width": 96, "palette colour": 98, "palette picture": 99,
    "picPallete1 width": 100, "picPallete5 height": 109,
    "lblColor 0 left": 110, "lblColor 47 top": 205,
    "lbl 0 left": 207, "lbl 4 height": 226, "Command1 left": 228, "Command1 size": 232,
    "Command2 left": 234, "picMarkTitle left": 240, "txtNominal left": 243,
    "cmbEdinIzmereniya left": 249, "cmbEdinIzmereniya size": 252,
    "Label1 left": 254, "Label5 bold": 287,
    "picConTitle left": 289,
    "cmdAdd left": 292, "cmdAdd bold": 297, "cmdRemove left": 299, "cmdRemove bold": 304,
    "cmdClear left": 306, "cmdClear bold": 311, "cmdCalc left": 313, "cmdCalc bold": 318,
    "picParal left": 320, "picPosled left": 323,
    "Linkora Label1 left": 326, "Linkora Label1 bold": 331,
    "Linkora txtNominal left": 333, "Linkora txtNominal bold": 338,
    "cmbEdinIz left": 340, "cmbEdinIz bold": 344,
    "lstResistors left": 346, "lstResistors bold": 351,
    "lblResult left": 353, "lblResult bold": 358,
    "Linkora txtResult left": 360, "Linkora txtResult bold": 365,
    "picOmTitle left": 367, "picUIR left": 370,
    "lblU left": 373, "lblU bold": 376, "lblI left": 378, "lblI bold": 381,
    "lblR left": 383, "lblR bold": 386, "lblFirst left": 388, "lblFirst bold": 393,
    "lblSecond left": 395, "lblSecond bold": 400, "txtFirst left": 402, "txtFirst bold": 407,
    "txtSecond left": 409, "txtSecond bold": 414,
    "Voltamo txtResult left": 416, "Voltamo txtResult bold": 421,
    "Voltamo Command1 left": 423, "Voltamo Command1 bold": 428,
    "first required file": 430, "last required file": 462,
    "line width": 464, "rectangle count": 465, "first rectangle x1": 466,
}


# --------------------------------------------------------------------------
# Emitter
# --------------------------------------------------------------------------

class SkinWriter:
    def __init__(self):
        self.lines = []        # text of each line
        self.labels = set()    # numbers of the label lines
        self.keys = {}         # key name -> line number

    def here(self):
        return len(self.lines) + 1

    def label(self, text):
        self.labels.add(self.here())
        self.lines.append(text)

    def value(self, v, key=None):
        if key is not None:
            assert key not in self.keys, key
            self.keys[key] = self.here()
        if isinstance(v, bool):
            v = flag(v)
        self.lines.append(str(v))

    def values(self, vs, first_key=None):
        for i, v in enumerate(vs):
            self.value(v, first_key if i == 0 else None)

    def geometry(self, px, first_key=None):
        self.values([tw(p) for p in px], first_key)

    def control(self, name, placing, key_prefix=None):
        """Left, top, width[, height] in pixels, then font size and bold flag."""
        px, size, bold = placing
        prefix = key_prefix or name
        self.geometry(px, prefix + " left")
        self.value(size)
        self.value(bold, prefix + " bold")


def palette_positions():
    """Left and top of lblColor(0) to (48), in twips inside its palette."""
    places = {}
    for p, columns in enumerate(PALETTE_COLUMNS):
        width, height = PALETTE_SIZES[p]
        for c, column in enumerate(columns):
            left = ENTRY_MARGIN if c == 0 else SECOND_COLUMN_LEFT
            for k, index in enumerate(column):
                assert index not in places, index
                top = ENTRY_MARGIN + ENTRY_PITCH * k
                places[index] = (left, top)
                # every entry lies inside its palette with the margin kept
                assert left + ENTRY_SIZE[0] + ENTRY_MARGIN <= width, (p, index)
                assert top + ENTRY_SIZE[1] + ENTRY_MARGIN <= height, (p, index)
    assert sorted(places) == list(range(ENTRY_COUNT)), "every lblColor index exactly once"
    return [places[i] for i in range(ENTRY_COUNT)]


def required_files(skin):
    files = ["\\Data\\Resistor.bmp"]
    files += ["\\Data\\B%s%s.bmp" % (PICTURE_SET, n) for n in COLOUR_NAMES]
    files += ["\\Data\\S%s%s.bmp" % (PICTURE_SET, n) for n in COLOUR_NAMES]
    files += ["\\Data\\ResTable.tab", "\\Data\\Connect1.bmp", "\\Data\\Connect2.bmp",
              "\\Data\\UIR.jpg", "\\Data\\Intro.jpg"]
    files += list(skin["titles"])
    assert len(files) == 33, len(files)
    return files


def build(skin):
    w = SkinWriter()
    m = MAIN

    # --- main window: look --------------------------------------------------
    w.value(PICTURE_SET + " — набор картинок полос", "picture set")
    w.label("[Главное окно: фон и картинка фона]")
    w.value(colour(skin["window"]), "window colour")
    w.value(skin["background_picture"])
    w.label("[Шрифт]")
    w.value(FONT, "font")
    w.label("[Полоса меню]")
    w.value("Цвет полосы меню:")                 # read and dropped by the reader
    w.value(colour(skin["menu_bar"]), "menu bar")
    w.label("Цвет рамок фигур:")
    w.value(colour(skin["shapes"]), "shapes")
    w.label("[Цвета надписей: палитры, все надписи, фон пустых полос, результат]")
    labels = [colour(c) for c in skin["labels"]]
    w.value(labels[0], "label colour 0")
    w.values(labels[1:3])
    w.value(labels[3], "label colour 3")
    w.label("[Поля ввода: запасной, фон, текст]")
    w.values([colour(c) for c in skin["text_boxes"]], "text box colour 0")
    w.label("[Списки: список допусков, фон, текст]")
    w.values([colour(c) for c in skin["combo_boxes"]], "combo colour 0")
    w.label("Цвет кнопок:")
    w.value(colour(skin["buttons"]), "buttons")

    # --- display ------------------------------------------------------------
    w.label("[Дисплей: положение, размер, фон]")
    w.geometry(m["picMonitor"], "picMonitor left")
    w.value(colour(skin["display"]), "picMonitor colour")
    w.label("Место корпуса на дисплее:")
    w.geometry(m["BodyPlace"], "BodyPlace x")
    w.label("Начало полос на дисплее:")
    w.geometry(m["BandOrigin"], "BandOrigin x")
    w.label("[Размер главного окна]")
    w.value(tw(m["window"][0]), "window width")
    w.value(tw(m["window"][1]), "window height")
    w.label("Заголовок дисплея и его цвет:")
    w.geometry(m["lblMonitor"], "lblMonitor left")
    w.value(labels[4], "label colour 4")
    w.label("[Смещения полос 1-5 от начала полос]")
    for i, (x, y) in enumerate(m["BandOffsets"][:5]):
        w.value(tw(x), "band offset 0 x" if i == 0 else None)
        w.value(tw(y), "band offset 4 y" if i == 4 else None)
    w.label("[Выбор числа полос]")
    # read but not applied: the combo pass colours this list
    w.value(colour(skin["combo_boxes"][1]), "cmbPolosok colour")
    w.geometry(m["cmbPolosok"], "cmbPolosok left")
    w.value(m["cmbPolosok_size"], "cmbPolosok size")
    w.label("[Надпись дисплея]")
    w.geometry(m["lblInfoMonitor"], "lblInfoMonitor left")
    w.value(m["lblInfoMonitor_caption"], "lblInfoMonitor caption")
    w.value(m["lblInfoMonitor_size"], "lblInfoMonitor size")   # must be a plain number

    # --- tool window sizes and title pictures -------------------------------
    w.label("[Размер окна Linkora]")
    w.geometry(LINKORA["window"], "Linkora width")
    w.label("[Размер окна Voltamo]")
    w.geometry(VOLTAMO["window"], "Voltamo width")
    w.label("[Картинки заголовков: главное окно, Linkora, Voltamo]")
    w.value(skin["titles"][0], "picMark")
    w.value(skin["titles"][1], "picCon")
    w.value(skin["titles"][2], "picOm")

    # --- band labels and palettes -------------------------------------------
    w.label("[Места полос 1-5]")
    for i, (x, y) in enumerate(m["lblPoloska"][:5]):
        w.value(tw(x), "band label 0 left" if i == 0 else None)
        w.value(tw(y), "band label 4 top" if i == 4 else None)
    w.label("Размер полос:")
    w.geometry(m["lblPoloska_size"], "band label width")
    w.label("Рамка выбора в Linkora: цвет, толщина")
    w.value(colour(skin["frame"]), "frame colour")
    w.value(skin["frame_width"], "frame width")
    w.label("[Палитры: фон, картинка фона, размеры]")
    w.value(colour(skin["palettes"]), "palette colour")
    w.value(skin["palette_picture"], "palette picture")
    for p, (width, height) in enumerate(PALETTE_SIZES[:5]):
        w.value(width, "picPallete1 width" if p == 0 else None)
        w.value(height, "picPallete5 height" if p == 4 else None)
    # lblColor(0) to (47), no label line before them
    places = palette_positions()
    for i, (left, top) in enumerate(places[:LISTED_ENTRIES]):
        w.value(left, "lblColor 0 left" if i == 0 else None)
        w.value(top, "lblColor 47 top" if i == 47 else None)

    # --- main window controls -----------------------------------------------
    w.label("[Названия полос]")
    for i, geom in enumerate(m["lbl"][:5]):
        w.values([tw(v) for v in geom[:3]], "lbl 0 left" if i == 0 else None)
        w.value(tw(geom[3]), "lbl 4 height" if i == 4 else None)
    w.label("Кнопка расшифровки:")
    w.geometry(m["Command1"], "Command1 left")
    w.value(m["Command1_size"], "Command1 size")
    w.label("Кнопка подбора цветов:")
    w.geometry(m["Command2"], "Command2 left")
    w.value(m["Command2_size"])
    w.label("Картинка заголовка:")
    w.geometry(m["picMarkTitle"], "picMarkTitle left")
    w.label("Поле номинала:")
    w.geometry(m["txtNominal"], "txtNominal left")
    w.value(m["txtNominal_size"])
    w.label("Список единиц:")
    w.geometry(m["cmbEdinIzmereniya"], "cmbEdinIzmereniya left")
    w.value(m["cmbEdinIzmereniya_size"], "cmbEdinIzmereniya size")
    for n, text in [(1, "Надпись 1 (заголовок слева):"), (2, "Надпись 2 (заголовок справа):"),
                    (3, "Надпись 3 (над числом полос):"), (4, "Надпись 4 (над номиналом):"),
                    (5, "Надпись 5 (над допуском):")]:
        w.label(text)
        geom, size, bold = m["Label%d" % n]
        w.geometry(geom, "Label1 left" if n == 1 else None)
        w.value(size)
        w.value(bold, "Label5 bold" if n == 5 else None)

    # --- Linkora ------------------------------------------------------------
    k = LINKORA
    w.label("[Окно Linkora]")
    w.geometry(k["picConTitle"], "picConTitle left")
    w.label("Кнопка «Добавить»:")
    w.control("cmdAdd", k["cmdAdd"])
    w.label("Кнопка «Удалить»:")
    w.control("cmdRemove", k["cmdRemove"])
    w.label("Кнопка «Удалить всё»:")
    w.control("cmdClear", k["cmdClear"])
    w.label("Кнопка «Расчёт»:")
    w.control("cmdCalc", k["cmdCalc"])
    w.label("Картинка параллельного соединения:")
    w.geometry(k["picParal"], "picParal left")
    w.label("Картинка последовательного соединения:")
    w.geometry(k["picPosled"], "picPosled left")
    w.label("Надпись «Номинал»:")
    w.control("Label1", k["Label1"], "Linkora Label1")
    w.label("Поле номинала:")
    w.control("txtNominal", k["txtNominal"], "Linkora txtNominal")
    w.label("Список единиц:")
    w.control("cmbEdinIz", k["cmbEdinIz"])
    w.label("Список резисторов:")
    w.control("lstResistors", k["lstResistors"])
    w.label("Надпись «Результат»:")
    w.control("lblResult", k["lblResult"])
    w.label("Поле результата:")
    w.control("txtResult", k["txtResult"], "Linkora txtResult")

    # --- Voltamo ------------------------------------------------------------
    v = VOLTAMO
    w.label("[Окно Voltamo]")
    w.geometry(v["picOmTitle"], "picOmTitle left")
    w.label("Картинка закона Ома:")
    w.geometry(v["picUIR"], "picUIR left")
    for name, text in [("lblU", "Буква U:"), ("lblI", "Буква I:"), ("lblR", "Буква R:")]:
        w.label(text)
        w.control(name, v[name])
    w.label("Первая надпись:")
    w.control("lblFirst", v["lblFirst"])
    w.label("Вторая надпись:")
    w.control("lblSecond", v["lblSecond"])
    w.label("Первое поле:")
    w.control("txtFirst", v["txtFirst"])
    w.label("Второе поле:")
    w.control("txtSecond", v["txtSecond"])
    w.label("Поле результата:")
    w.control("txtResult", v["txtResult"], "Voltamo txtResult")
    w.label("Кнопка расчёта:")
    w.control("Command1", v["Command1"], "Voltamo Command1")

    # --- files the main window watches --------------------------------------
    w.label("[Необходимые файлы]")
    files = required_files(skin)
    for i, path in enumerate(files):
        w.value(path, "first required file" if i == 0 else
                ("last required file" if i == len(files) - 1 else None))

    # --- decorative drawing -------------------------------------------------
    w.label("[Рисование: толщина линий, число прямоугольников, прямоугольники]")
    w.value(skin["line_width"], "line width")
    w.value(len(skin["rectangles"]), "rectangle count")
    for i, (x1, y1, x2, y2, c) in enumerate(skin["rectangles"]):
        w.geometry((x1, y1, x2, y2), "first rectangle x1" if i == 0 else None)
        w.value(colour(c))

    # --- entries added later ------------------------------------------------
    w.label("[Третья полоса: место чёрного цвета]")
    w.values(places[LISTED_ENTRIES], "lblColor 48 left")
    w.label("[Подсказка: L, T, W, H, размер шрифта]")
    w.geometry(m["lblHint"], "lblHint left")
    w.value(m["lblHint_size"])
    w.label("[Ближайшее меньшее значение: L, T, W, H]")
    w.geometry(m["lblHintBelow"], "lblHintBelow left")
    w.label("[Ближайшее большее значение: L, T, W, H]")
    w.geometry(m["lblHintAbove"], "lblHintAbove left")
    w.label("[Шестая полоса (ТКС): смещение от начала полос]")
    w.geometry(m["BandOffsets"][5], "band offset 5 x")
    w.label("[Место шестой полосы]")
    w.geometry(m["lblPoloska"][5], "band label 5 left")
    w.label("[Название шестой полосы: L, T, W, H]")
    w.geometry(m["lbl"][5], "lbl 5 left")
    w.label("[Палитра шестой полосы: размер, места цветов]")
    w.values(PALETTE_SIZES[5], "picPallete6 width")
    for i in TCR_ENTRIES:
        w.values(places[i], "lblColor 49 left" if i == 49 else None)
    w.label("[Список ТКС: L, T, W, размер шрифта]")
    w.geometry(m["cmbTcr"], "cmbTcr left")
    w.value(m["cmbTcr_size"])
    w.label("[Надпись списка ТКС: L, T, W, H]")
    w.geometry(m["lblTcr"], "lblTcr left")
    return w


def check(skin, w):
    """Every line in its place; raises AssertionError naming the first slip."""
    name = skin["file"]
    n = len(skin["rectangles"])
    after_figures = 466 + 5 * n
    six = after_figures + 19  # the six bands' lines follow the reading help's
    assert len(w.lines) == six + 41, (name, len(w.lines))
    later_labels = {after_figures, after_figures + 3, after_figures + 9, after_figures + 14,
                    six, six + 3, six + 6, six + 11, six + 32, six + 37}
    assert w.labels == LABEL_LINES | later_labels, (name, sorted(w.labels ^ LABEL_LINES))
    keys = dict(KEY_LINES, **{"lblColor 48 left": after_figures + 1,
                              "lblHint left": after_figures + 4,
                              "lblHintBelow left": after_figures + 10,
                              "lblHintAbove left": after_figures + 15,
                              "band offset 5 x": six + 1, "band label 5 left": six + 4,
                              "lbl 5 left": six + 7, "picPallete6 width": six + 12,
                              "lblColor 49 left": six + 14, "cmbTcr left": six + 33,
                              "lblTcr left": six + 38})
    for key, line in keys.items():
        assert w.keys.get(key) == line, (name, key, w.keys.get(key), line)
    assert set(w.keys) == set(keys), (name, set(w.keys) ^ set(keys))

    at = lambda line: w.lines[line - 1]
    assert at(1)[0] == PICTURE_SET, (name, at(1))
    assert at(6) == FONT
    assert at(40) == str(tw(MAIN["window"][0]))
    assert at(69) == str(MAIN["lblInfoMonitor_size"])
    assert at(110) == str(ENTRY_MARGIN)            # lblColor(0) is the first silver entry
    assert at(205) == str(ENTRY_MARGIN)            # lblColor(47) heads the first palette
    # black heads the third-digit palette as it heads the second-digit one (lblColor 32)
    assert at(after_figures + 1) == at(110 + 2 * 32) and at(after_figures + 2) == at(111 + 2 * 32)
    assert at(430) == "\\Data\\Resistor.bmp"
    assert at(462) == skin["titles"][2]
    assert list(map(at, (77, 78, 79))) == list(skin["titles"])
    assert at(465) == str(n)
    for line in range(430, 463):
        assert at(line).startswith("\\Data\\"), (name, line)
    for line in (3, 9, 11, 13, 14, 15, 16, 18, 19, 20, 22, 23, 24, 26, 32, 45, 58, 95, 98):
        assert 0 <= int(at(line)) <= 0xFFFFFF, (name, line, at(line))
    for line, text in enumerate(w.lines, 1):
        if line not in w.labels and line not in (1, 4, 6, 8, 68, 77, 78, 79, 99) \
                and not 430 <= line <= 462:
            assert text in ("True", "False") or text.lstrip("-").isdigit(), (name, line, text)
        assert "\r" not in text and "\n" not in text, (name, line)
        text.encode(ENCODING)                       # raises if not Windows-1251
    # rectangles must stay inside the window
    width, height = MAIN["window"]
    for x1, y1, x2, y2, _ in skin["rectangles"]:
        assert 0 <= x1 < x2 < width and 0 <= y1 < y2 < height, (name, x1, y1, x2, y2)
    # the sixth band label and title stand clear of the decode button
    x, y = MAIN["lblPoloska"][5]
    assert y + MAIN["lblPoloska_size"][1] <= MAIN["Command1"][1], name
    assert MAIN["lbl"][5][1] + MAIN["lbl"][5][3] <= MAIN["Command1"][1], name
    # the TCR list stands beside the tolerance list, inside the encoding side
    assert MAIN["cmbTcr"][0] >= 656 + 124 and MAIN["cmbTcr"][0] + MAIN["cmbTcr"][2] <= width, name
    # the reading help stands on the window's surface, clear of the display and in the window
    for key in ("lblHint", "lblHintBelow", "lblHintAbove"):
        x, y, wd, ht = MAIN[key]
        assert y >= MAIN["picMonitor"][1] + MAIN["picMonitor"][3], (name, key)
        assert x + wd < width and y + ht < height, (name, key)


def render(w):
    return (LINE_END.join(w.lines) + LINE_END).encode(ENCODING)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[2] / "data" / "Skin")
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in --out instead of writing them")
    args = parser.parse_args()

    stale = []
    for skin in SKINS:
        w = build(skin)
        check(skin, w)
        data = render(w)
        target = args.out / skin["file"]
        if args.check:
            if not target.exists() or target.read_bytes() != data:
                stale.append(str(target))
        else:
            args.out.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            print("%s: %d lines" % (target, len(w.lines)))
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
