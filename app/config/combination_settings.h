#pragma once

// The Combinations window's lines of the settings file. They follow the 35 lines every reader
// reads, so a file written before the window existed still reads, and a reader that knows only
// the 35 lines skips them:
//   36 label, 37 placement word, 38-41 left, top, width and height in twips,
//   42 label, 43 series ("E24"), 44 label, 45 the largest number of parts (1-4).

#include "config/settings_file.h"
#include "config/skin_file.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace config
{

constexpr int kCombinationSettingsFirstLine = 36;
constexpr int kCombinationSettingsLineCount = 10;
// The settings line of the placement word.
constexpr int kCombinationPlacementLine = 37;

struct CombinationSettings {
    QString centring; // the placement word; empty in a file without it (free placement)
    // Only in free placement and when the file holds numbers there; none: centred at the
    // first opening.
    std::optional<TwipsPosition> position;
    // None when the file holds no size the window can take.
    std::optional<TwipsSize> size;
    QString series = QStringLiteral("E24"); // a name the window offers, or E24
    int parts = 3;                          // 1-4
    bool operator==(const CombinationSettings &) const = default;
};

// The window's settings from the lines after line 35 (SettingsFile::laterLines). A line the file
// does not have, or one the window cannot use, gives its default; nothing here fails.
CombinationSettings readCombinationSettings(const QStringList &laterLines,
                                            const QString &langPos1);

// The ten lines the window's settings are written as. The placement word is normalised to one of
// the current language's words; a missing position or size is written as empty lines.
QStringList combinationSettingsLines(const CombinationSettings &settings, const QString &langPos1,
                                     const QString &langPos2);

} // namespace config
