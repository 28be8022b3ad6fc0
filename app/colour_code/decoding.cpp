#include "colour_code/decoding.h"

#include "common/failure.h"
#include "common/numbers.h"

#include <QLocale>

namespace colour_code {
namespace {

double tableValue(const ColourTables &tables, quint8 code, int column)
{
    if (code >= kColourCount)
        throw common::Failure(QStringLiteral("Colour code %1 is not in the colour table").arg(code));
    return tables.CodeValues[code][std::size_t(column)];
}

// Digit texts are joined as the user's regional number texts and read back, so a digit value
// of -1 (a colour without meaning in that band) reads as garbage rather than being refused.
double digitsValue(const ColourTables &tables, const BandCodeArray &codes, int digitCount)
{
    QString digits;
    for (int position = 0; position < digitCount; ++position)
        digits += common::regionalNumberText(tableValue(tables, codes[std::size_t(position)], position));
    return common::leadingNumber(digits);
}

} // namespace

UnitValue ChooseUnit(double ohms)
{
    UnitValue result{ohms, 0};
    for (int step = 0; step < 4 && result.value / 1000 >= 1; ++step) {
        result.value /= 1000;
        ++result.unitIndex;
    }
    return result;
}

QString NominalValueText(double ohms, const QStringList &unitNames)
{
    const UnitValue inUnit = ChooseUnit(ohms);
    return common::plainNumberText(inUnit.value) + QLatin1Char(' ') +
           unitNames.value(inUnit.unitIndex);
}

QString NominalInputText(double value)
{
    // The encoder's input always takes a decimal point, whatever the regional separator.
    QString text = common::regionalNumberText(value);
    text.replace(QLocale().decimalPoint(), QStringLiteral("."));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

DecodedMarking DecodeMarking(int bandCount, const BandCodeArray &codes, const ColourTables &tables,
                             const QStringList &unitNames, float previousTolerance,
                             const QString &previousDeviationText)
{
    DecodedMarking result;
    result.tolerance = previousTolerance;
    result.deviationText = previousDeviationText;

    double value = 0;
    if (bandCount == 6)
        result.tcr = RoleValue(tables, codes[TcrBand], TcrBand);
    if (bandCount == 3 || bandCount == 4) {
        value = digitsValue(tables, codes, 2) * tableValue(tables, codes[MultiplierBand], MultiplierBand);
        if (bandCount == 3) {
            result.tolerance = 20;
            result.drawing = MarkingDrawing{3, {codes[0], codes[1], 0, codes[3], 0}};
        } else {
            result.tolerance = common::toSingle(tableValue(tables, codes[ToleranceBand], ToleranceBand));
            result.drawing = MarkingDrawing{4, {codes[0], codes[1], 0, codes[3], codes[4]}};
        }
    } else if (bandCount == 5 || bandCount == 6) {
        value = digitsValue(tables, codes, 3) * tableValue(tables, codes[MultiplierBand], MultiplierBand);
        result.tolerance = common::toSingle(tableValue(tables, codes[ToleranceBand], ToleranceBand));
        result.drawing = MarkingDrawing{bandCount, codes};
    }

    const UnitValue inUnit = ChooseUnit(value);
    value = inUnit.value;
    const int k = inUnit.unitIndex;
    result.value = value;
    result.unitIndex = k;
    result.nominalText = NominalInputText(value);

    // The deviation goes to a smaller unit while it is below 1, but never below ohms.
    float deviation = common::toSingle(double(result.tolerance) * value / 100);
    int deviationUnit = k;
    for (int step = 0; step < 3; ++step) {
        if (deviation < 1 && deviationUnit > 0) {
            deviation *= 1000.0f;
            --deviationUnit;
        }
    }
    if (deviationUnit <= 3)
        result.deviationText =
            common::plainNumberText(deviation) + QLatin1Char(' ') + unitNames.value(deviationUnit);

    result.resultText = common::plainNumberText(value) + QLatin1Char(' ') + unitNames.value(k);
    return result;
}

QString TcrLine(const QString &format, double tcr)
{
    return format.arg(common::regionalNumberText(tcr));
}

ResultTexts DecodeResultTexts(const QStringList &langTexts, const QString &valueText, float tolerance,
                              const QString &deviationText, const QString &tcrLine)
{
    const QString toleranceText = common::regionalNumberText(tolerance) + QLatin1Char('%');
    const QString nominalPart = langTexts.value(5) + QLatin1Char(' ') + valueText;
    const QString tolerancePart =
        langTexts.value(6) + QLatin1Char(' ') + toleranceText + QLatin1Char(' ') + langTexts.value(7);
    ResultTexts texts;
    texts.resultLine = nominalPart + QLatin1Char(' ') + tolerancePart + QLatin1Char(' ') + deviationText;
    // The deviation text brings its own leading blank.
    texts.caption = nominalPart + QStringLiteral("\r\n ") + tolerancePart + deviationText;
    if (!tcrLine.isEmpty())
        texts.caption += QStringLiteral("\r\n") + tcrLine;
    return texts;
}

std::optional<QString> DecodedToleranceItem(float tolerance)
{
    QString item = (common::plainNumberText(tolerance) + QLatin1Char('%')).trimmed();
    if (item.startsWith(QLatin1Char('.')))
        item.prepend(QLatin1Char('0'));
    if (item == QStringLiteral("20%"))
        return std::nullopt;
    return item;
}

} // namespace colour_code
