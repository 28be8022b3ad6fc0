#pragma once

// A marking written on one line, for the clipboard and the terminal:
// "4.7 kOhm ±1%: yellow, violet, black, brown, brown", "10 kOhm ±1% 50 ppm/K: brown, ..., red".

#include "colour_code/colour_tables.h"
#include "colour_code/decoding.h"

#include <QString>
#include <QStringList>
#include <array>

namespace colour_code
{

// The colour names of the bands a band count uses, in band order, in lower case, joined by
// ", ". Empty for a band count other than 3 to 6.
QString BandColourList(int bandCount, const BandCodeArray &codes,
                       const std::array<QString, kColourCount> &colourNames);

// A number as the encoder's input writes it: a point, a zero before it below 1, no blank.
QString PointNumberText(double value);
QString PointNumberText(float value);

// The value with its unit and the tolerance of a decoding: "4.7 kOhm ±1%", "0.47 Ohm ±5%";
// six bands add the TCR: "10 kOhm ±1% 50 ppm/K".
QString MarkingValueText(const DecodedMarking &decoded, const QStringList &unitNames);

// The whole line for a marking, decoded with the tables.
QString MarkingSummary(int bandCount, const BandCodeArray &codes, const ColourTables &tables,
                       const QStringList &unitNames,
                       const std::array<QString, kColourCount> &colourNames);

} // namespace colour_code
