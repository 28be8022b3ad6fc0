#include "colour_code/smd_codes.h"

#include "colour_code/preferred_values.h"
#include "colour_code/written_numbers.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace colour_code
{
namespace
{

// In the order a list gives them: the usual letter before its alternative (Y before R).
constexpr std::array<std::pair<char16_t, int>, 12> kEiaLetters = {{
    {u'Z', -3},
    {u'Y', -2},
    {u'R', -2},
    {u'X', -1},
    {u'S', -1},
    {u'A', 0},
    {u'B', 1},
    {u'H', 1},
    {u'C', 2},
    {u'D', 3},
    {u'E', 4},
    {u'F', 5},
}};

constexpr double kThreeDigitTolerance = 5;
constexpr double kFourDigitTolerance = 1;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

SmdReading jumper(bool decimalR)
{
    return {SmdKind::Jumper, decimalR, 0, 0};
}

SmdReading ofLength(qsizetype length, bool decimalR, double ohms)
{
    return length == 3 ? SmdReading{SmdKind::ThreeDigit, decimalR, ohms, kThreeDigitTolerance}
                       : SmdReading{SmdKind::FourDigit, decimalR, ohms, kFourDigitTolerance};
}

// A value written as its significant digits (no zero at either end) times a power of ten.
struct Decimal {
    QString digits;
    int exponent = 0;
};

// 15 significant digits, as the number texts write a double, so that 4.7 x 1000 is 47 x 10^2.
std::optional<Decimal> decimalOf(double ohms)
{
    if (!(ohms > 0) || !std::isfinite(ohms))
        return std::nullopt;
    const SignificantDigits d = SignificantDigitsOf(ohms);
    return Decimal{d.digits, d.exponent - int(d.digits.size()) + 1};
}

// n significant digits and the number of zeros after them: "472", "4701".
void addDigitCode(std::vector<SmdCode> &codes, const Decimal &d, int n, SmdKind kind)
{
    if (d.digits.size() > n)
        return;
    const int zeros = d.exponent - (n - int(d.digits.size()));
    if (zeros < 0 || zeros > 9)
        return;
    codes.push_back({d.digits.leftJustified(n, u'0') + QChar(char16_t(u'0' + zeros)), kind, false});
}

// n digits with R as the decimal point, for a value below 10^(n-1): "4R7", "R47", "10R0".
void addDecimalRCode(std::vector<SmdCode> &codes, const Decimal &d, int n, SmdKind kind)
{
    const int whole = std::max(0, int(d.digits.size()) + d.exponent); // digits before the point
    if (whole > n - 1)
        return;
    const int shift = d.exponent + (n - whole); // the digits' power of ten after the point moves
    if (shift < 0)
        return; // more decimals than the code holds
    QString code = (d.digits + QString(shift, u'0')).rightJustified(n, u'0');
    if (code.size() > n)
        return;
    code.insert(whole, u'R');
    codes.push_back({code, kind, true});
}

void addEiaCodes(std::vector<SmdCode> &codes, const Decimal &d)
{
    if (d.digits.size() > 3)
        return;
    const int value = d.digits.leftJustified(3, u'0').toInt();
    const int exponent = d.exponent - (3 - int(d.digits.size()));
    const std::span<const int> e96 = SeriesValues(Series::E96);
    const auto found = std::lower_bound(e96.begin(), e96.end(), value);
    if (found == e96.end() || *found != value)
        return;
    const QString index =
        QStringLiteral("%1").arg(found - e96.begin() + 1, 2, 10, QLatin1Char('0'));
    for (const auto &[letter, power] : kEiaLetters)
        if (power == exponent)
            codes.push_back({index + QChar(letter), SmdKind::Eia96, false});
}

} // namespace

std::optional<int> Eia96Exponent(QChar letter)
{
    for (const auto &[l, power] : kEiaLetters)
        if (letter == QChar(l))
            return power;
    return std::nullopt;
}

SmdDecoding DecodeSmdCode(QStringView text)
{
    const QString code = text.toString().toUpper();
    const SmdDecoding notACode{SmdProblem::NotACode, {}};
    if (code.isEmpty() || code.size() > 4)
        return notACode;
    qsizetype letterAt = -1;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (isDigit(code[i]))
            continue;
        if (letterAt >= 0 || code[i] < u'A' || code[i] > u'Z')
            return notACode; // a second letter, or no letter at all
        letterAt = i;
    }

    if (letterAt < 0) {
        if (code == QStringLiteral("0"))
            return {SmdProblem::None, {jumper(false)}};
        if (code.size() < 3)
            return notACode;
        const qint64 digits = code.chopped(1).toLongLong();
        const int zeros = code.back().digitValue();
        return {SmdProblem::None,
                {digits == 0 ? jumper(false)
                             : ofLength(code.size(), false, DecimalValue(digits, zeros))}};
    }

    SmdDecoding result{SmdProblem::NotACode, {}};
    if (code.size() == 3 && letterAt == 2) {
        const int index = code.left(2).toInt();
        const std::optional<int> exponent = Eia96Exponent(code[2]);
        if (!exponent)
            result.problem = SmdProblem::EiaLetter;
        else if (index < 1 || index > 96)
            result.problem = SmdProblem::EiaIndex;
        else
            result.readings.push_back(
                {SmdKind::Eia96, false,
                 DecimalValue(SeriesValues(Series::E96)[std::size_t(index - 1)], *exponent),
                 kFourDigitTolerance});
    }
    if (code[letterAt] == u'R' && code.size() >= 3) {
        const QString after = code.mid(letterAt + 1);
        const qint64 digits = (code.left(letterAt) + after).toLongLong();
        result.readings.push_back(
            digits == 0 ? jumper(true)
                        : ofLength(code.size(), true, DecimalValue(digits, -int(after.size()))));
    }
    if (!result.readings.empty())
        result.problem = SmdProblem::None;
    return result;
}

std::vector<SmdCode> EncodeSmdCodes(double ohms)
{
    std::vector<SmdCode> codes;
    if (ohms == 0) {
        for (const char *code : {"0", "000", "0000"})
            codes.push_back({QString::fromLatin1(code), SmdKind::Jumper, false});
        return codes;
    }
    const std::optional<Decimal> d = decimalOf(ohms);
    if (!d)
        return codes;
    addDigitCode(codes, *d, 2, SmdKind::ThreeDigit);
    addDecimalRCode(codes, *d, 2, SmdKind::ThreeDigit);
    addDigitCode(codes, *d, 3, SmdKind::FourDigit);
    addDecimalRCode(codes, *d, 3, SmdKind::FourDigit);
    addEiaCodes(codes, *d);
    return codes;
}

QString SmdCodeList(const std::vector<SmdCode> &codes)
{
    QStringList plain;
    QStringList eia;
    for (const SmdCode &c : codes)
        (c.kind == SmdKind::Eia96 ? eia : plain) << c.code;
    if (!eia.isEmpty())
        plain << QStringLiteral("EIA-96 ") + eia.join(QStringLiteral(", "));
    return plain.join(QStringLiteral(", "));
}

} // namespace colour_code
