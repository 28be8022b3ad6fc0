#pragma once

#include "colour_code/colour_tables.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace colour_code {

// A whole marking to paint: the band count and the codes as the painting gets them (positions
// a band count does not use are passed as 0).
struct MarkingDrawing
{
    int bandCount = 0;
    BandCodeArray codes{};
};

struct DecodedMarking
{
    QString resultText;       // value and unit, " 4.7 кОм": the value text DecodeMarking returns
    QString nominalText;      // for txtNominal: regional number text with a "." as decimal point
    double value = 0;         // the value in the chosen unit
    int unitIndex = 0;        // k: the unit name index (LangTexts 0..4) for cmbEdinIzmereniya
    float tolerance = 0;      // the new Tolerance (the previous one for an unknown band count)
    QString deviationText;    // the new DeviationText (the previous one when it stays)
    std::optional<MarkingDrawing> drawing; // none for a band count other than 3 to 6
    std::optional<double> tcr; // six bands: the TCR band's value in ppm/K
};

// A value in ohms in the unit the display chooses: divided by 1000 while it stays at least 1,
// at most four times, so the unit index (LangTexts 0..4) is 0 to 4.
struct UnitValue {
    double value = 0;
    int unitIndex = 0;
};
UnitValue ChooseUnit(double ohms);

// A nominal in ohms as the display writes it: plain number text of the value in its unit, a
// blank and the unit name (" 4.7 кОм").
QString NominalValueText(double ohms, const QStringList &unitNames);

// A value in its unit as txtNominal takes it: regional number text with a "." as decimal point.
QString NominalInputText(double value);

// Decodes a marking. Six bands read their first five as five bands do, and the sixth as the
// TCR. unitNames are the unit names LangTexts 0..4 (a longer list such as all of
// LangTexts may be passed). previousTolerance and previousDeviationText are the members'
// values before the call; they come back unchanged where the computation keeps them.
DecodedMarking DecodeMarking(int bandCount, const BandCodeArray &codes, const ColourTables &tables,
                             const QStringList &unitNames, float previousTolerance,
                             const QString &previousDeviationText);

struct ResultTexts
{
    QString resultLine; // ResultLine: one line, used to name saved markings
    QString caption;    // lblInfoMonitor: two lines separated by CR LF
};

// The decode button's ResultLine and display caption. langTexts are all 16 LangTexts;
// valueText is what DecodeMarking returned. A six-band marking's TCR line (TcrLine) goes on a
// line of its own after the caption's two; ResultLine stays as for five bands.
ResultTexts DecodeResultTexts(const QStringList &langTexts, const QString &valueText, float tolerance,
                              const QString &deviationText, const QString &tcrLine = QString());

// The display's TCR line: the language's text with %1 for the number ("TCR: %1 ppm/K").
QString TcrLine(const QString &format, double tcr);

// The tolerance selector item that shows a decoded tolerance ("0.5%"), or none for 20 %
// (three bands), when the selector keeps its item. The text need not be one of the list's items.
std::optional<QString> DecodedToleranceItem(float tolerance);

} // namespace colour_code
