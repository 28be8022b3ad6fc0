#pragma once

#include <QString>
#include <QStringView>

namespace common {

// The leading-number rule used for typed input and every file: leading blanks are skipped,
// the longest beginning that forms a decimal number (sign, digits, "." and fraction, "E" or
// "D" exponent) is taken, blanks inside it are skipped, "," ends it, and a text without such
// a beginning reads as 0. A value beyond the double range throws Failure.
double leadingNumber(QStringView text);

// True when the text begins (after blanks) with something the rule reads as a number.
bool hasLeadingNumber(QStringView text);

// Plain number text: " .47", "-.5", " 0", " 1000", " 1E+15". At most 15 significant digits,
// exponent form from 1E+15 on and below 1E-4 in magnitude.
QString plainNumberText(double value);
// The same for single-precision values: 7 significant digits, exponent form from 1E+07 on.
QString plainNumberText(float value);

// Regional number text for display: no leading blank, the decimal separator of QLocale(),
// a zero before the separator below 1, the same digit counts as the plain text.
QString regionalNumberText(double value);
QString regionalNumberText(float value);

// Rounds to the given number of decimals, halves to the even neighbour (0.125 -> 0.12).
double roundHalfEven(double value, int decimals);

// A count as the data files write it (line counts, topic counts): the leading number rounded
// to a whole number, halves to even. Nothing below 0 counts as 0 and a count beyond the int
// range is kept at INT_MAX (no file is that long). Throws Failure as leadingNumber does.
int wholeCount(QStringView text);

// Converts a double to single precision the way an assignment to a 32-bit float does.
inline float toSingle(double value) { return static_cast<float>(value); }

} // namespace common
