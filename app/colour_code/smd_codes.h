#pragma once

// The codes printed on surface-mount resistors instead of bands:
// - three digits, two digits and the number of zeros: "472" = 4.7 kOhm, "100" = 10 Ohm;
// - four digits, three digits and the number of zeros: "4701" = 4.7 kOhm;
// - R as the decimal point: "4R7", "R47" (three characters), "10R0" (four);
// - the zero-ohm jumper: "0", "000", "0000";
// - EIA-96: two digits 01-96 that index the E96 values, and a multiplier letter: "68C".
// A code does not mark the tolerance; each kind has the one its parts usually have.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace colour_code
{

enum class SmdKind { ThreeDigit, FourDigit, Eia96, Jumper };

struct SmdReading {
    SmdKind kind = SmdKind::ThreeDigit;
    bool decimalR = false; // three or four characters with R as the decimal point
    double ohms = 0;
    double typicalTolerance = 0; // percent: 5 for three digits, 1 for four and EIA-96, 0 jumper
    bool operator==(const SmdReading &) const = default;
};

enum class SmdProblem {
    None,
    NotACode,  // none of the forms above
    EiaIndex,  // two digits and a multiplier letter, but the digits are 00 or 97-99
    EiaLetter, // two digits and a letter that is no multiplier ("68G")
};

struct SmdDecoding {
    SmdProblem problem = SmdProblem::None;
    // One reading, or two for a code that reads two ways ("10R": EIA-96 1.24 Ohm, or 10 Ohm
    // with R as the decimal point), the EIA-96 reading first. Empty with a problem.
    std::vector<SmdReading> readings;
};

// Reads a code in either letter case.
SmdDecoding DecodeSmdCode(QStringView code);

// The power of ten of an EIA-96 multiplier letter (upper case): Z -3, Y and R -2, X and S -1,
// A 0, B and H 1, C 2, D 3, E 4, F 5.
std::optional<int> Eia96Exponent(QChar letter);

struct SmdCode {
    QString code;
    SmdKind kind = SmdKind::ThreeDigit;
    bool decimalR = false;
    bool operator==(const SmdCode &) const = default;
};

// Every code that makers print for a value in ohms and that writes it exactly: three digits
// (or three characters with R below 10 Ohm), four digits (or four characters with R below
// 100 Ohm), EIA-96 for a value of the E96 series, with each letter of its multiplier; for 0 the
// jumper's "0", "000" and "0000". Empty for a value no code writes (more significant digits,
// out of range, below 0).
std::vector<SmdCode> EncodeSmdCodes(double ohms);

// The codes as a list: "472, 4701", "4992, EIA-96 68C". Empty when there are none.
QString SmdCodeList(const std::vector<SmdCode> &codes);

} // namespace colour_code
