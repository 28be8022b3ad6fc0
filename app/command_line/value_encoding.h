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
    QString tcrItem;       // six bands: an item of the TCR selector ("50 ppm/K")
    bool operator==(const BandChoice &) const = default;
};

enum class BandChoiceProblem {
    BandCount,          // --bands is not 3, 4, 5 or 6
    Tolerance,          // not a tolerance the bands have
    ThreeBandTolerance, // three bands have no tolerance band: their tolerance is 20 %
    TcrBandCount,       // --tcr with --bands other than 6
};

// The band count, tolerance and TCR items of --bands, --tolerance and --tcr. Without any: four
// bands at 5 %; a tolerance of 2 % or tighter alone: five bands; 20 % alone: three bands; a
// TCR: six bands. Five or six bands without a tolerance: 1 %; six bands without a TCR: 50 ppm/K.
std::variant<BandChoice, BandChoiceProblem> chooseBands(std::optional<double> tolerance,
                                                        std::optional<int> bandCount,
                                                        std::optional<double> tcr = std::nullopt);

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
