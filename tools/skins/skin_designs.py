"""The delivered skins' designs: the places shared by every skin, in pixels, and what gives
each skin its look.  make_skins.py turns them into the .she files."""

# --------------------------------------------------------------------------
# Geometry shared by every skin (pixels).  The windows and the artwork are
# drawn for these places, so both skins use them unchanged.
# --------------------------------------------------------------------------

FONT = "DejaVu Sans"

MAIN = {
    "window": (900, 614),                       # width, height
    "picMonitor": (300, 72, 340, 418),          # the display
    "BodyPlace": (15, 60),                      # body picture inside the display
    "BandOrigin": (15, 60),                     # origin of the band places inside the display
    "lblMonitor": (8, 4),                       # display title, inside the display
    # Band places relative to BandOrigin; they match the band places drawn in Resistor.bmp.
    # The sixth, the TCR, stands on the right cap as the first does on the left one, set apart
    # from the tolerance band as the tolerance band is from the multiplier.
    "BandOffsets": [(68, 14), (112, 24), (134, 24), (156, 24), (190, 24), (224, 14)],
    "cmbPolosok": (16, 118, 200), "cmbPolosok_size": 9,
    "lblInfoMonitor": (10, 186, 320, 120), "lblInfoMonitor_size": 12,
    "lblInfoMonitor_caption": "Bandolin",
    # Band labels lblPoloska(i): left, top; all share one size.
    "lblPoloska": [(148, 156 + 32 * i) for i in range(6)],
    "lblPoloska_size": (136, 26),
    # Band titles lbl(i).
    "lbl": [(16, 160 + 32 * i, 128, 20) for i in range(6)],
    "Command1": (16, 360, 268, 32), "Command1_size": 10,          # decode, below the sixth band
    "Command2": (656, 220, 232, 32), "Command2_size": 10,         # encode
    "picMarkTitle": (10, 6),
    "txtNominal": (656, 120, 100, 26), "txtNominal_size": 10,
    "cmbEdinIzmereniya": (764, 120, 124), "cmbEdinIzmereniya_size": 9,
    "Label1": ((16, 72, 270, 20), 10, True),
    "Label2": ((656, 72, 232, 20), 10, True),
    "Label3": ((16, 98, 270, 18), 9, False),
    "Label4": ((656, 100, 232, 18), 9, False),
    "Label5": ((656, 158, 232, 18), 9, False),
    # The TCR list of six bands beside the tolerance list (656, 178, 124, 26, which has no skin
    # lines), its caption above it in Label5's row, flush right so that Label5's text stays clear.
    "cmbTcr": (788, 178, 100), "cmbTcr_size": 9,
    "lblTcr": (788, 158, 100, 18),
    # The reading help below the three sides; its neighbour choices show with the one-line
    # hint of an encoding, so they take its second line.
    "lblHint": (16, 506, 868, 76), "lblHint_size": 10,
    "lblHintBelow": (16, 530, 160, 26),
    "lblHintAbove": (184, 530, 160, 26),
}

LINKORA = {
    "window": (480, 344),
    "picConTitle": (10, 6),
    "cmdAdd": ((16, 118, 108, 28), 9, False),
    "cmdRemove": ((128, 118, 108, 28), 9, False),
    "cmdClear": ((16, 300, 220, 28), 9, False),
    "cmdCalc": ((262, 190, 206, 32), 10, True),
    "picParal": (262, 70),
    "picPosled": (372, 70),
    "Label1": ((16, 64, 220, 18), 9, False),
    "txtNominal": ((16, 84, 120, 26), 10, False),
    "cmbEdinIz": ((144, 84, 92), 9, False),       # no height: it follows from the font
    "lstResistors": ((16, 152, 220, 140), 9, False),
    "lblResult": ((262, 236, 206, 18), 9, False),
    "txtResult": ((262, 256, 206, 26), 10, True),
}

VOLTAMO = {
    "window": (400, 264),
    "picOmTitle": (10, 6),
    "picUIR": (16, 66),
    # The letters sit over UIR.jpg: left, top, size, bold.
    "lblU": ((90, 96), 20, True),
    "lblI": ((54, 168), 20, True),
    "lblR": ((124, 168), 20, True),
    "lblFirst": ((200, 66, 184, 18), 9, False),
    "lblSecond": ((200, 120, 184, 18), 9, False),
    "txtFirst": ((200, 86, 184, 26), 10, False),
    "txtSecond": ((200, 140, 184, 26), 10, False),
    "txtResult": ((200, 222, 184, 26), 10, True),
    "Command1": ((200, 178, 184, 32), 10, True),
}

# Palettes: lblColor indices in display order, top to bottom.  The tolerance
# palette has two columns.  Entry metrics are in twips, as the entries were laid out.
PALETTE_COLUMNS = [
    [[47, 46, 43, 42, 45, 44, 34, 33, 41]],                        # picPallete1, first digit
    [[32, 35, 36, 25, 24, 37, 38, 39, 40, 23]],                    # picPallete2, second digit
    [[48, 26, 27, 22, 21, 28, 29, 30, 31, 20]],                    # picPallete3, third digit
    [[15, 14, 16, 13, 12, 17, 18, 11, 10, 9, 8, 19]],              # picPallete4, multiplier
    [[0, 1, 2, 3], [4, 5, 6, 7]],                                  # picPallete5, tolerance
    [[49, 50, 51, 52, 53], [54, 55, 56, 57]],                      # picPallete6, TCR
]
ENTRY_MARGIN = 120        # from the palette's left and top edge to the first entry
ENTRY_PITCH = 240         # between entries of a column
ENTRY_SIZE = (1455, 255)  # width, height of one entry
SECOND_COLUMN_LEFT = 1560
PALETTE_SIZES = [(1695, 2415), (1695, 2655), (1695, 2655), (1695, 3135), (3135, 1215),
                 (3135, 1455)]
# lblColor(48), the black of the third-digit palette, came after the others: its place is
# written after the decorative figures, so every older line keeps its number; the TCR
# palette's entries lblColor(49..57) came later still.
LISTED_ENTRIES = 48
ENTRY_COUNT = 58
TCR_ENTRIES = range(49, 58)

COLOUR_NAMES = ["Silver", "Gold", "Black", "Brown", "Red", "Orange", "Yellow",
                "Green", "Blue", "Violet", "Grey", "White"]   # colour code order
PICTURE_SET = "1"


# --------------------------------------------------------------------------
# The two skins: everything that gives a skin its look.
# --------------------------------------------------------------------------

DEFAULT = {
    "file": "Default.she",
    "window": "#E9EEF4",
    "background_picture": "Nothing",
    "menu_bar": "#DDE4EC",
    "shapes": "#7A8CA3",
    # 0 palette entry text and text of band labels without colour, 1 every label,
    # 2 background of band labels without colour, 3 result text, 4 display title.
    "labels": ["#1B2430", "#1B2B3F", "#C9D3DF", "#16325C", "#7A8CA3"],
    # 0 unused, 1 background, 2 text.
    "text_boxes": ["#FFFFFF", "#FFFFFF", "#10203A"],
    # 0 background of the tolerance list, 1 background, 2 text.
    "combo_boxes": ["#FFFFFF", "#FFFFFF", "#10203A"],
    "buttons": "#D6E0EC",
    "display": "#FAFBFD",
    "palettes": "#F4F6F9",
    "palette_picture": "Nothing",
    "frame": "#1F6FE0",          # selection frame of Linkora
    "frame_width": 2,
    "titles": ("\\Data\\MarkTitle.bmp", "\\Data\\ConTitle.bmp", "\\Data\\OmTitle.bmp"),
    "line_width": 1,
    # Decorative rectangles in window pixels: x1, y1, x2, y2, colour.
    "rectangles": [
        (8, 66, 292, 494, "#A9B8CB"),     # decoding side
        (296, 68, 644, 494, "#A9B8CB"),   # around the display
        (648, 66, 892, 494, "#A9B8CB"),   # encoding side
        (8, 500, 892, 588, "#A9B8CB"),    # reading help
    ],
}

DARK = {
    "file": "Dark.she",
    "window": "#1D232B",
    "background_picture": "Nothing",
    "menu_bar": "#272E38",
    "shapes": "#5F7089",
    # Palette entries stand on the bright swatch colours, so their text stays dark;
    # band labels without colour get a mid grey so the same dark text reads on them.
    # The display is dark, so its result text and title are light.
    "labels": ["#11161C", "#DCE3EC", "#8E9BAD", "#DCE8F6", "#8FA3BD"],
    "text_boxes": ["#2A323D", "#2A323D", "#E6ECF3"],
    "combo_boxes": ["#2A323D", "#2A323D", "#E6ECF3"],
    "buttons": "#36424F",
    # The body picture is transparent around the resistor, so the display shows its
    # own colour there.
    "display": "#151A21",
    "palettes": "#2E3642",
    "palette_picture": "Nothing",
    "frame": "#5AA9FF",
    "frame_width": 3,
    "titles": ("\\Data\\MarkTitleDark.bmp", "\\Data\\ConTitleDark.bmp", "\\Data\\OmTitleDark.bmp"),
    "line_width": 2,
    "rectangles": [
        (8, 68, 292, 494, "#4B5B72"),     # decoding side
        (296, 68, 644, 494, "#4B5B72"),   # around the display
        (648, 68, 892, 494, "#4B5B72"),   # encoding side
        (8, 500, 892, 588, "#4B5B72"),    # reading help
    ],
}

SKINS = [DEFAULT, DARK]
