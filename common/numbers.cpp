#include "numbers.h"

#include "failure.h"

#include <QLocale>
#include <climits>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace common {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Collects the characters of the leading number (blanks removed, "D" turned into "E").
// Returns an empty string when the text has no leading number.
std::string collectNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    std::string out;
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        out += static_cast<char>(text[i].unicode());
        ++i;
        skipBlanks();
    }
    bool anyDigit = false;
    while (i < n && (isDigit(text[i]) || isBlank(text[i]))) {
        if (isDigit(text[i])) {
            out += static_cast<char>(text[i].unicode());
            anyDigit = true;
        }
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        out += '.';
        ++i;
        while (i < n && (isDigit(text[i]) || isBlank(text[i]))) {
            if (isDigit(text[i])) {
                out += static_cast<char>(text[i].unicode());
                anyDigit = true;
            }
            ++i;
        }
    }
    if (!anyDigit)
        return {};
    if (i < n) {
        const QChar e = text[i].toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            qsizetype j = i + 1;
            std::string exponent = "E";
            while (j < n && isBlank(text[j]))
                ++j;
            if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
                exponent += static_cast<char>(text[j++].unicode());
            bool expDigit = false;
            while (j < n && (isDigit(text[j]) || isBlank(text[j]))) {
                if (isDigit(text[j])) {
                    exponent += static_cast<char>(text[j].unicode());
                    expDigit = true;
                }
                ++j;
            }
            if (expDigit) // "1E" alone is the number 1
                out += exponent;
        }
    }
    return out;
}

locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

struct Decomposed
{
    std::string digits; // significant digits, no trailing zeros, at least one digit
    int exponent = 0;   // decimal exponent of the first digit
    bool negative = false;
};

Decomposed decompose(double value, int significant)
{
    Decomposed d;
    d.negative = std::signbit(value) && value != 0;
    if (value == 0) {
        d.digits = "0";
        return d;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(value));
    // buffer: d.ddddde[+-]xx
    std::string s(buffer);
    const auto ePos = s.find('e');
    d.exponent = std::atoi(s.c_str() + ePos + 1);
    for (std::size_t k = 0; k < ePos; ++k)
        if (s[k] != '.')
            d.digits += s[k];
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

QString plainText(double value, int significant)
{
    if (std::isnan(value))
        return QStringLiteral(" NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral(" Inf");
    const Decomposed d = decompose(value, significant);
    std::string out = d.negative ? "-" : " ";
    if (d.digits == "0") {
        out += "0";
    } else if (d.exponent >= significant || d.exponent < -4) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out += d.digits.substr(1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
        out += exp;
    } else if (d.exponent < 0) {
        out += '.';
        out += std::string(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    } else {
        const auto whole = static_cast<std::size_t>(d.exponent + 1);
        if (d.digits.size() <= whole) {
            out += d.digits + std::string(whole - d.digits.size(), '0');
        } else {
            out += d.digits.substr(0, whole);
            out += '.';
            out += d.digits.substr(whole);
        }
    }
    return QString::fromLatin1(out.c_str());
}

QString regionalFromPlain(QString text)
{
    if (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}

} // namespace

double leadingNumber(QStringView text)
{
    const std::string number = collectNumber(text);
    if (number.empty())
        return 0;
    errno = 0;
    char *end = nullptr;
    const double value = strtod_l(number.c_str(), &end, cLocale());
    if (errno == ERANGE && std::isinf(value))
        throw Failure(QStringLiteral("The number \"%1\" is too large").arg(QString::fromLatin1(number.c_str())));
    return value; // an underflow reads as the nearest tiny value or 0
}

bool hasLeadingNumber(QStringView text) { return !collectNumber(text).empty(); }

QString plainNumberText(double value) { return plainText(value, 15); }
QString plainNumberText(float value) { return plainText(static_cast<double>(value), 7); }
QString regionalNumberText(double value) { return regionalFromPlain(plainNumberText(value)); }
QString regionalNumberText(float value) { return regionalFromPlain(plainNumberText(value)); }

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) // 2^52: already whole
        return value;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    double rounded;
    if (fraction > 0.5)
        rounded = whole + 1;
    else if (fraction < 0.5)
        rounded = whole;
    else
        rounded = std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
    return rounded / scale;
}

int wholeCount(QStringView text)
{
    const double rounded = roundHalfEven(leadingNumber(text), 0);
    if (!(rounded > 0))
        return 0;
    return rounded >= double(INT_MAX) ? INT_MAX : int(rounded);
}

} // namespace common
