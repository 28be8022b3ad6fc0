#include "colour_code/written_numbers.h"

#include "colour_code/decoding.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace colour_code
{
namespace
{

// Beyond this many places either side of the point a number is written with an exponent.
constexpr int kLongestPlaces = 20;
constexpr int kDigits = 15;

// "4.70000000000000e+03" for 4700: std::to_chars, much quicker than the locale-aware
// formatting, which a batch of markings would feel.
std::string_view scientific(double value, char (&buffer)[40], int digits = kDigits)
{
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    return {buffer, std::size_t(end - buffer)};
}

} // namespace

namespace
{

// The digits (without a zero at the end) and the exponent of the first of them.
struct Digits {
    char text[kDigits];
    int count = 0;
    int exponent = 0;
};

Digits digitsOf(double value)
{
    char buffer[40];
    const std::string_view written = scientific(std::fabs(value), buffer);
    const std::size_t e = written.find('e');
    Digits d;
    for (std::size_t i = 0; i < e; ++i)
        if (written[i] != '.')
            d.text[d.count++] = written[i];
    while (d.count > 1 && d.text[d.count - 1] == '0')
        --d.count;
    std::from_chars(written.data() + e + (written[e + 1] == '+' ? 2 : 1),
                    written.data() + written.size(), d.exponent);
    return d;
}

} // namespace

double PowerOfTen(int exponent)
{
    double p = 1;
    for (int i = 0; i < std::abs(exponent); ++i)
        p *= 10;
    return p;
}

double DecimalValue(qint64 mantissa, int exponent)
{
    return exponent >= 0 ? double(mantissa) * PowerOfTen(exponent)
                         : double(mantissa) / PowerOfTen(-exponent);
}

SignificantDigits SignificantDigitsOf(double value)
{
    const Digits d = digitsOf(value);
    return {QString::fromLatin1(d.text, d.count), d.exponent};
}

double AsWritten(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    char buffer[40];
    const std::string_view text = scientific(value, buffer, digits);
    double rounded = value;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

QString WrittenNumber(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);
    const Digits d = digitsOf(value);
    if (d.exponent > kLongestPlaces || d.exponent < -kLongestPlaces)
        return QString::number(value, 'g', kDigits);
    // At most a sign, "0.", 20 zeros and 15 digits, or 21 digits and a point.
    char text[48];
    int n = 0;
    if (value < 0)
        text[n++] = '-';
    if (d.exponent < 0) {
        text[n++] = '0';
        text[n++] = '.';
        for (int i = 0; i < -d.exponent - 1; ++i)
            text[n++] = '0';
        for (int i = 0; i < d.count; ++i)
            text[n++] = d.text[i];
    } else {
        for (int i = 0; i < std::max(d.count, d.exponent + 1); ++i) {
            if (i == d.exponent + 1)
                text[n++] = '.';
            text[n++] = i < d.count ? d.text[i] : '0';
        }
    }
    return QString::fromLatin1(text, n);
}

QString WrittenValue(double ohms, std::span<const QString> unitNames)
{
    const UnitValue inUnit = ChooseUnit(ohms);
    const std::size_t unit = std::size_t(inUnit.unitIndex);
    return WrittenNumber(inUnit.value) + u' ' +
           (unit < unitNames.size() ? unitNames[unit] : QString());
}

} // namespace colour_code
