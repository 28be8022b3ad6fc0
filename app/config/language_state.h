#pragma once

#include "colour_code/reading_help.h"
#include "config/language_file.h"

#include <QString>
#include <QStringList>
#include <array>

namespace config
{

// The texts of the current language that the main window keeps after reading its file; the
// tool windows read the unit names and messages from here.
struct LanguageState {
    QStringList LangTexts = QStringList(16, QString()); // 16 entries
    QString NotChosenText;
    std::array<QString, 4> BandCountNames; // three to six bands
    std::array<QString, 12> ColourNames;
    colour_code::ReadingHintTexts ReadingHint;
    SixBandTexts SixBands;
};

} // namespace config
