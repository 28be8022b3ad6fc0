#pragma once

// What the main window's load reads, gathered before any control is touched: the settings
// lines, the language, the skin, the colour-code tables and every picture the load and the
// painting of a marking need. The same reading serves the load and the options dialog's check
// before it writes new settings, so a choice that the load would refuse never reaches the file.

#include "colour_code/colour_tables.h"
#include "config/combination_settings.h"
#include "config/combination_texts.h"
#include "config/global_settings.h"
#include "config/language_file.h"
#include "config/settings_file.h"
#include "config/skin_file.h"

#include <QPixmap>
#include <QPoint>
#include <optional>

namespace main_window
{

struct MainWindowFiles {
    config::SettingsFile file;
    config::MainWindowTexts texts;
    config::OptionsTexts optionsTexts; // from the same language file, for the options dialog
    config::Settings settings;
    config::CombinationTexts combinationTexts;       // its menu item comes from here
    config::CombinationSettings combinationSettings; // the lines after line 35
    config::MainWindowSkin skin;
    colour_code::ColourTables tables;
    QPixmap background;        // the window's background picture; null for "Nothing"
    QPixmap title;             // picMark
    QPixmap paletteBackground; // null for "Nothing"
};

// The picture the resistor body is painted from.
inline const QString kPictureName = QStringLiteral("Resistor");

// Reads everything the main window's load needs under the settings lines. The colour-code
// tables start from `tables`, since rows the table file leaves empty keep their values; the
// skin's palettes close the gaps of the colours the tables do not offer. Throws
// common::Failure naming the file and line, or the picture, that the load would refuse.
MainWindowFiles readMainWindowFiles(const config::SettingsFile &file,
                                    const colour_code::ColourTables &tables);

// Where a band is drawn (place 0-5) in the display, in twips; none when the skin's origin and
// offset add up beyond 16 bits.
std::optional<QPoint> bandDrawingPlace(const config::MainWindowSkin &skin, int place);

// The file a band is painted from: "\Data\" + B (first band), S (others) or T (the TCR band),
// the skin's picture set and the colour's name. A picture set without its T pictures paints the
// TCR band with its first band's, which stands on the other thick end of the body.
QString bandPicturePath(const config::MainWindowSkin &skin, const colour_code::ColourTables &tables,
                        colour_code::BandPicture picture, quint8 code);

// The skin values the main window publishes to the other windows.
void publishSkin(const config::MainWindowSkin &skin, config::GlobalSettings &settings);

} // namespace main_window
