#pragma once

// How the Combinations window writes its answers: in the list, in the schematic and on the
// clipboard. No widgets here.

#include "combinations/combinations.h"
#include "config/combination_texts.h"

#include <QString>
#include <QStringList>

namespace combination_calc
{

// The words of the language that values are written with.
struct UnitWords {
    QStringList ohms; // 1, 10^3, 10^6, 10^9 and 10^12 ohm
    QString milliampere, microampere;
};

// A resistance in the largest unit that keeps it at 1 or more, to four significant digits, the
// decimal mark a point: "4.7 kOhm", "90.91 Ohm".
QString ohmsText(double ohms, const UnitWords &words);
// A signed error in percent to three significant digits, never in exponent form: "+0.21%",
// "-1.3%", "0%".
QString errorText(double percent);
// A ratio to four significant digits: "0.2747".
QString ratioText(double ratio);
// A current in milliamperes from 1 mA up, in microamperes below: "3.3 mA", "12 µA".
QString currentText(double amps, const UnitWords &words);

// The columns of the answers list, and one answer's cells in them.
QStringList valueHeaders(const config::CombinationTexts &texts);
QStringList dividerHeaders(const config::CombinationTexts &texts);
QStringList valueCells(const combinations::Answer &answer, const UnitWords &words);
QStringList dividerCells(const combinations::DividerAnswer &answer, const UnitWords &words);

// An answer as one line of text for the clipboard.
QString copiedText(const combinations::Answer &answer, const config::CombinationTexts &texts,
                   const UnitWords &words);
QString copiedText(const combinations::DividerAnswer &answer,
                   const config::CombinationTexts &texts, const UnitWords &words);

// A caption's words as a name: without its access-key marks and its colon ("V&in:" gives "Vin",
// "R&&D" gives "R&D").
QString spokenCaption(const QString &caption);

} // namespace combination_calc
