#pragma once

// Numbers as people write them, for the terminal: a decimal point with a zero before it, no
// exponent, up to 15 significant digits ("0.49", "4.653", "0.000245"). The window's display
// keeps its own number texts (common/numbers.h).

#include <QString>
#include <QtGlobal>
#include <span>

namespace colour_code
{

QString WrittenNumber(double value);

// A value in ohms in the unit the display would choose, with that unit's name (unitNames are
// LangTexts 0..4): "4.653 kOhm", "0.49 Ohm".
QString WrittenValue(double ohms, std::span<const QString> unitNames);

// The double nearest to the value's 15 significant digits (or fewer), so that 4.7 x 1000 is
// 4700 and 0.49 x 0.05 / 100 is 0.000245.
double AsWritten(double value, int digits = 15);

// 10^exponent, exact up to 10^22.
double PowerOfTen(int exponent);
// mantissa x 10^exponent as the double nearest to its decimal form: 47 x 10^-1 is 4.7, not
// 47 x 0.1 = 4.7000000000000002.
double DecimalValue(qint64 mantissa, int exponent);

// A value above 0 as its significant digits, at most 15 and without a zero at the end, and
// the power of ten of the first one: 4700 is "47" and 3, 0.047 is "47" and -2.
struct SignificantDigits {
    QString digits;
    int exponent = 0;
};
SignificantDigits SignificantDigitsOf(double value);

} // namespace colour_code
