#pragma once

// A value in ohms turned into band colours the way the window's encoder does it: the value goes
// into the encoder's input as a nominal with a unit, and EncodeNominal finds the colours in the
// tables. What the window would refuse or cut is refused here with its reason.

#include "colour_code/colour_tables.h"

#include <QString>
#include <optional>
#include <variant>

namespace command_line
{

struct BandChoice {
    int bandCount = 4;
    QString toleranceItem; // an item of the tolerance selector ("5%"); empty for three bands
    bool operator==(const BandChoice &) const = default;
};

enum class BandChoiceProblem {
    BandCount,          // --bands is not 3, 4 or 5
    Tolerance,          // not a tolerance the bands have
    ThreeBandTolerance, // three bands have no tolerance band: their tolerance is 20 %
};

// The band count and tolerance item of --bands and --tolerance. Without either: four bands at
// 5 %; a tolerance of 2 % or tighter alone: five bands; 20 % alone: three bands. Five bands
// alone: 1 %.
std::variant<BandChoice, BandChoiceProblem> chooseBands(std::optional<double> tolerance,
                                                        std::optional<int> bandCount);

struct ValueEncoding {
    enum class Problem {
        None,
        NotAboveZero,
        TooManyDigits, // more significant digits than the bands hold (limit: that number)
        BelowRange,    // limit: the smallest value the bands write
        AboveRange,    // limit: the largest value the bands write
        NoColour,      // the tables have no colour for a band (band: its position)
    };
    Problem problem = Problem::None;
    double limit = 0;
    int band = -1;
    colour_code::BandCodeArray codes{}; // when there is no problem; unused positions 0
};

ValueEncoding EncodeValue(double ohms, const BandChoice &choice,
                          const colour_code::ColourTables &tables);

// The smallest and the largest value a band count writes with the tables.
double SmallestValue(int bandCount, const colour_code::ColourTables &tables);
double LargestValue(int bandCount, const colour_code::ColourTables &tables);

} // namespace command_line
