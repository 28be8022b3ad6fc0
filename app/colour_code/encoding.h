#pragma once

#include "colour_code/colour_tables.h"
#include "colour_code/decoding.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace colour_code {

struct BandAssignment
{
    int bandPosition; // 0..5
    quint8 code;
    friend bool operator==(const BandAssignment &, const BandAssignment &) = default;
};

struct EncodedMarking
{
    // Five and six bands only: the nominal cannot be written in them (a band finds no colour,
    // or it has more than three significant digits). The caller shows the message and resets the
    // band labels and the picture; no colour is applied.
    bool plausibilityFailed = false;
    // Colours found, in the order to apply them (SetBand, then the band label). A later entry
    // for the same band position replaces an earlier one.
    std::vector<BandAssignment> assignments;
    // Band positions the band count uses (the targets), in ascending order.
    std::vector<int> targetPositions;
    // Targets that no colour matched, ascending: their band label and picture stay as they were.
    std::vector<int> unmatchedPositions;
};

// Unit factor of a unit name index (LangTexts 0..3: 1, 10^3, 10^6, 10^9 ohm); 0 for any other.
double UnitFactor(int unitIndex);

// The nearest double to 10^exponent, the value the table file's decimal multipliers read as.
double DecimalPower(int exponent);

// The multiplier target: 10^(digitTextLength - significantDigits) / 1000 x unit factor, formed
// so that it equals the table's multiplier exactly. 0 for an unknown unit.
double MultiplierTarget(qsizetype digitTextLength, int significantDigits, int unitIndex);

// Finds the colours of a nominal. bandCountIndex is the band-count word's index (0, 1, 2, 3 for
// three, four, five, six bands; anything else does nothing); unitIndex the unit word's index
// among LangTexts 0..3 (-1 for none); nominal the typed value in single precision;
// toleranceItem the text of cmbDopusk ("5%"); tcrItem, for six bands, the TCR selector's
// ("50 ppm/K"). Six bands write the value as five bands do, and the TCR after the tolerance.
EncodedMarking EncodeNominal(int bandCountIndex, int unitIndex, float nominal, const QString &toleranceItem,
                             const ColourTables &tables, const QString &tcrItem = QString());

// Text of the plausibility message (LangTexts 8..11 joined by CR LF); its title is LangTexts 12.
QString PlausibilityMessage(const QStringList &langTexts);

// The encode button's ResultLine and display caption. langTexts are all 16 LangTexts; a
// six-band encoding's TCR line (TcrLine) goes on a line of its own after the caption's two.
ResultTexts EncodeResultTexts(const QStringList &langTexts, const QString &nominalText, const QString &unitWord,
                              const QString &toleranceItem, const QString &tcrLine = QString());

} // namespace colour_code
