#include "command_line/value_encoding.h"

#include "colour_code/encoding.h"
#include "colour_code/marking_text.h"
#include "colour_code/value_words.h"
#include "common/numbers.h"

#include <QtMath>
#include <algorithm>
#include <limits>

namespace command_line
{
namespace
{

using colour_code::kNotAllowed;
using colour_code::significantDigits;

int digitCount(int bandCount)
{
    return colour_code::SignificantDigitCount(bandCount);
}

// The smallest or largest entry of a table column that a colour has in that role.
double columnExtreme(const colour_code::ColourTables &tables, int column, bool largest)
{
    double extreme = largest ? -std::numeric_limits<double>::infinity()
                             : std::numeric_limits<double>::infinity();
    for (const auto &row : tables.CodeValues) {
        const double v = row[std::size_t(column)];
        if (v == kNotAllowed || (column == colour_code::MultiplierBand && v <= 0))
            continue;
        extreme = largest ? std::max(extreme, v) : std::min(extreme, v);
    }
    return extreme;
}

double valueOfDigits(int bandCount, const colour_code::ColourTables &tables, bool largest)
{
    const int digits = digitCount(bandCount);
    double mantissa = 0;
    for (int position = 0; position < digits; ++position)
        mantissa = mantissa * 10 + columnExtreme(tables, position, largest);
    const double value = mantissa * columnExtreme(tables, colour_code::MultiplierBand, largest);
    // As the number texts write it, so 10 x 0.01 is 0.1.
    return std::isfinite(value) ? common::leadingNumber(common::plainNumberText(value)) : value;
}

} // namespace

double SmallestValue(int bandCount, const colour_code::ColourTables &tables)
{
    return valueOfDigits(bandCount, tables, false);
}

double LargestValue(int bandCount, const colour_code::ColourTables &tables)
{
    return valueOfDigits(bandCount, tables, true);
}

std::variant<BandChoice, BandChoiceProblem> chooseBands(std::optional<double> tolerance,
                                                        std::optional<int> bandCount,
                                                        std::optional<double> tcr)
{
    if (bandCount && (*bandCount < 3 || *bandCount > 6))
        return BandChoiceProblem::BandCount;
    if (tcr || bandCount == 6) {
        // Six bands: the five of a precision marking, then the TCR.
        if (bandCount && *bandCount != 6)
            return BandChoiceProblem::TcrBandCount;
        auto five = chooseBands(tolerance, 5);
        if (auto *choice = std::get_if<BandChoice>(&five)) {
            choice->bandCount = 6;
            choice->tcrItem = colour_code::TcrItem(tcr.value_or(50));
        }
        return five;
    }
    if (!tolerance) {
        if (bandCount == 3)
            return BandChoice{3, QString(), QString()};
        return BandChoice{bandCount.value_or(4),
                          bandCount == 5 ? QStringLiteral("1%") : QStringLiteral("5%"), QString()};
    }
    if (*tolerance == 20) {
        if (bandCount && *bandCount != 3)
            return BandChoiceProblem::Tolerance;
        return BandChoice{3, QString(), QString()};
    }
    if (bandCount == 3)
        return BandChoiceProblem::ThreeBandTolerance;
    for (const QString &item : colour_code::ToleranceItems()) {
        if (common::leadingNumber(item) == *tolerance)
            return BandChoice{bandCount.value_or(*tolerance <= 2 ? 5 : 4), item, QString()};
    }
    return BandChoiceProblem::Tolerance;
}

ValueEncoding EncodeValue(double ohms, const BandChoice &choice,
                          const colour_code::ColourTables &tables)
{
    using Problem = ValueEncoding::Problem;
    ValueEncoding result;
    const int bandCount = choice.bandCount;
    if (!(ohms > 0)) {
        result.problem = Problem::NotAboveZero;
        return result;
    }
    if (significantDigits(ohms) > digitCount(bandCount)) {
        result.problem = Problem::TooManyDigits;
        result.limit = digitCount(bandCount);
        return result;
    }
    if (ohms < SmallestValue(bandCount, tables)) {
        result.problem = Problem::BelowRange;
        result.limit = SmallestValue(bandCount, tables);
        return result;
    }
    if (ohms > LargestValue(bandCount, tables)) {
        result.problem = Problem::AboveRange;
        result.limit = LargestValue(bandCount, tables);
        return result;
    }

    // What the window's input holds for this value: the nominal below 1000 in the largest of
    // the selector's four units.
    int unit = 0;
    double nominal = ohms;
    while (unit < 3 && nominal / 1000 >= 1) {
        nominal /= 1000;
        ++unit;
    }
    const float typed =
        common::toSingle(common::leadingNumber(colour_code::PointNumberText(nominal)));
    const colour_code::EncodedMarking encoded = colour_code::EncodeNominal(
        bandCount - 3, unit, typed, choice.toleranceItem, tables, choice.tcrItem);
    if (encoded.plausibilityFailed || !encoded.unmatchedPositions.empty()) {
        result.problem = Problem::NoColour;
        result.band = encoded.unmatchedPositions.empty() ? colour_code::MultiplierBand
                                                         : encoded.unmatchedPositions.front();
        return result;
    }
    for (const colour_code::BandAssignment &a : encoded.assignments)
        result.codes[std::size_t(a.bandPosition)] = a.code;
    return result;
}

} // namespace command_line
