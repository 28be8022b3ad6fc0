#pragma once

// Values as a person writes them for the encoder: "4700", "4.7k", "4.7 kOhm", "2.2M", "1G", and
// the letter-and-digit code of IEC 60062, in which R, K, M, G and T stand for the decimal point
// ("4k7", "4R7", "0R47", "R47"). Russian letters (к, М, Г, Ом) and a decimal comma are read
// too.

#include <QString>
#include <optional>

namespace colour_code
{

struct ResistanceWord {
    enum class Problem {
        None,
        NotAValue,      // nothing a value is written with
        LowerCaseM,     // "2.2m": milliohms in the letter code, megaohms to many people
        AmbiguousComma, // "4,700": a decimal comma or a thousands separator
    };
    Problem problem = Problem::None;
    double ohms = 0; // when there is no problem
};

ResistanceWord parseResistance(const QString &text);

// A tolerance in percent: "1%", "1", "±0.5 %", "0,5%". None for anything else.
std::optional<double> parseTolerance(const QString &text);

// A TCR in ppm/K: "50", "50ppm", "50 ppm/K", "±50". None for anything else.
std::optional<double> parseTcr(const QString &text);

// The number of significant digits of a value above 0 ("4700" has two, "4750" three).
int significantDigits(double value);

} // namespace colour_code
