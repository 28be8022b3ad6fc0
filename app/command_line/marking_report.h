#pragma once

// What the terminal says about a marking, decoded with the window's computation: the display's
// two lines, the numbers in ohms for scripts, the colours and the reading help.

#include "colour_code/colour_tables.h"
#include "command_line/output_language.h"
#include "command_line/reading_hint.h"
#include "config/language_file.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace command_line
{

struct MarkingReport {
    int bandCount = 0;
    colour_code::BandCodeArray codes{};
    QStringList displayLines; // nominal; tolerance and deviation, as the display writes them
    QString rangeLine;        // from the minimum to the maximum
    QString colourList; // encoded: "yellow, violet, black, brown, brown" in the output language
    double ohms = 0;
    double tolerance = 0; // percent
    double deviation = 0; // ohms
    double minimum = 0;
    double maximum = 0;
    std::optional<double> tcr; // six bands: ppm/K
    ReadingHint hint;
};

// The report of a marking whose bands all have a value in their role.
MarkingReport reportMarking(int bandCount, const colour_code::BandCodeArray &codes,
                            const colour_code::ColourTables &tables,
                            const config::MainWindowTexts &texts, Language language, bool encoded);

// One JSON object: value, tolerance, deviation, minimum and maximum in ohms and percent, the
// band colours (English names, and the names of the output language), the preferred series and
// the hint lines; for six bands also the TCR in ppm/K (tcr_ppm_per_k).
QJsonObject reportJson(const MarkingReport &report, const config::MainWindowTexts &texts);

// A value in ohms with the largest unit that keeps it at 1 or more: "4.653 kOhm".
QString valueWithUnit(double ohms, const config::MainWindowTexts &texts);

} // namespace command_line
