#include "colour_code/encoding.h"

#include "common/numbers.h"

namespace colour_code {
namespace {

// A character of the digit text read as a number; a missing or non-digit character reads as 0.
double digitAt(const QString &digits, int index) { return common::leadingNumber(digits.mid(index, 1)); }

// True when a digit past the first `count` characters is not 0.
bool hasDigitsBeyond(const QString &digits, int count)
{
    for (qsizetype i = count; i < digits.size(); ++i)
        if (digits[i] != QLatin1Char('0'))
            return true;
    return false;
}

QString withoutLeadingBlank(QString text)
{
    if (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    return text;
}

} // namespace

double UnitFactor(int unitIndex)
{
    switch (unitIndex) {
    case 0: return 1;
    case 1: return 1e3;
    case 2: return 1e6;
    case 3: return 1e9;
    default: return 0;
    }
}

double DecimalPower(int exponent)
{
    // Read the same way the table file's multipliers are read, so both give the same double.
    return common::leadingNumber(QStringLiteral("1E%1").arg(exponent));
}

double MultiplierTarget(qsizetype digitTextLength, int significantDigits, int unitIndex)
{
    if (unitIndex < 0 || unitIndex > 3)
        return 0;
    return DecimalPower(int(digitTextLength) - significantDigits - 3 + 3 * unitIndex);
}

EncodedMarking EncodeNominal(int bandCountIndex, int unitIndex, float nominal, const QString &toleranceItem,
                             const ColourTables &tables, const QString &tcrItem)
{
    EncodedMarking result;
    const int bandCount = BandCountFromIndex(bandCountIndex);
    if (bandCount == 0)
        return result;

    // In milli-ohms a nominal of up to four characters is a whole number of up to six digits.
    const QString digits = withoutLeadingBlank(common::plainNumberText(float(nominal * 1000.0f)));
    const int significant = SignificantDigitCount(bandCount);

    std::array<double, kBandPositionCount> targets{};
    for (int position = 0; position < significant; ++position)
        targets[std::size_t(position)] = digitAt(digits, position);
    targets[MultiplierBand] = MultiplierTarget(digits.size(), significant, unitIndex);
    if (bandCount >= 4) {
        QString tolerance = toleranceItem;
        tolerance.chop(1); // the "%"
        targets[ToleranceBand] = common::leadingNumber(tolerance);
    }
    if (bandCount == 6)
        targets[TcrBand] = common::leadingNumber(tcrItem);

    for (const int position : BandPositionsUsed(bandCount))
        result.targetPositions.push_back(position);

    std::array<bool, kBandPositionCount> matched{};
    for (int code = 0; code < kColourCount; ++code) {
        for (const int position : result.targetPositions) {
            if (targets[std::size_t(position)] == RoleValue(tables, code, position)) {
                result.assignments.push_back({position, quint8(code)});
                matched[std::size_t(position)] = true;
            }
        }
    }
    for (const int position : result.targetPositions)
        if (!matched[std::size_t(position)])
            result.unmatchedPositions.push_back(position);

    // Five and six bands carry three significant digits and nothing more: a band without a
    // colour, or a fourth digit the bands would drop, means the value cannot be written this way.
    if (bandCount >= 5 && (!result.unmatchedPositions.empty() || hasDigitsBeyond(digits, significant))) {
        result.plausibilityFailed = true;
        result.assignments.clear();
    }
    return result;
}

QString PlausibilityMessage(const QStringList &langTexts)
{
    return QStringList{langTexts.value(8), langTexts.value(9), langTexts.value(10), langTexts.value(11)}.join(
        QStringLiteral("\r\n"));
}

ResultTexts EncodeResultTexts(const QStringList &langTexts, const QString &nominalText, const QString &unitWord,
                              const QString &toleranceItem, const QString &tcrLine)
{
    const QString nominalPart = langTexts.value(5) + QLatin1Char(' ') + nominalText + QLatin1Char(' ') + unitWord;
    const QString tolerancePart = langTexts.value(6) + QLatin1Char(' ') + toleranceItem;
    ResultTexts texts{nominalPart + QLatin1Char(' ') + tolerancePart,
                      nominalPart + QStringLiteral("\r\n ") + tolerancePart};
    if (!tcrLine.isEmpty())
        texts.caption += QStringLiteral("\r\n") + tcrLine;
    return texts;
}

} // namespace colour_code
