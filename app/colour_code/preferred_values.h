#pragma once

// The preferred values of IEC 60063 (the E series) in which resistors are made. A value outside
// the series of its tolerance is a strong sign that a marking was misread.

#include <QString>
#include <optional>
#include <span>

namespace colour_code
{

enum class Series { E6, E12, E24, E48, E96, E192 };

// One decade of a series as published, in hundredths: 100 (1.00) to 988 (9.88). The published
// tables, not the rounding formula: E24's 2.7 to 4.7 and 8.2, and E192's 9.20, differ from it.
std::span<const int> SeriesValues(Series series);
QString SeriesName(Series series); // "E24"

// The series a tolerance in percent expects: 20 % E6, 10 % E12, 5 % E24, 2 % E48, 1 % E96,
// 0.5 % and tighter E192; a tolerance between two of them expects the looser one's series.
// None for a tolerance not above 0.
std::optional<Series> ExpectedSeries(double tolerance);

// True when a value in ohms is a value of the series, in a decade from 0.1 ohm up.
bool InSeries(double ohms, Series series);

// The series in which a value counts as preferred at a tolerance: the expected series, or at
// 2 % and tighter E24, which makers sell at those tolerances too. None when it is not preferred
// (or the tolerance is not above 0).
std::optional<Series> PreferredSeries(double ohms, double tolerance);

enum class Direction { Below, Above };

// The nearest value preferred at the tolerance strictly below or above a value in ohms; none
// below 0.1 ohm, for a value not above 0 or a tolerance not above 0. At a decade edge the
// neighbour lies in the next decade: above 9.1 kOhm at 5 % is 10 kOhm.
std::optional<double> NextPreferred(double ohms, double tolerance, Direction direction);

} // namespace colour_code
