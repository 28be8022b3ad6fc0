#include "colour_code/marking_text.h"

#include "common/numbers.h"

namespace colour_code
{

QString BandColourList(int bandCount, const BandCodeArray &codes,
                       const std::array<QString, kColourCount> &colourNames)
{
    QStringList names;
    for (const int position : BandPositionsUsed(bandCount)) {
        const quint8 code = codes[std::size_t(position)];
        names << (code < kColourCount ? colourNames[code].toLower() : QString());
    }
    return names.join(QStringLiteral(", "));
}

namespace
{

QString withZeroBeforePoint(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(QStringLiteral("-.")))
        text.insert(1, QLatin1Char('0'));
    return text;
}

} // namespace

QString PointNumberText(double value)
{
    return withZeroBeforePoint(common::plainNumberText(value));
}
QString PointNumberText(float value)
{
    return withZeroBeforePoint(common::plainNumberText(value));
}

QString MarkingValueText(const DecodedMarking &decoded, const QStringList &unitNames)
{
    QString text = PointNumberText(decoded.value) + QLatin1Char(' ') +
                   unitNames.value(decoded.unitIndex) + QStringLiteral(" ±") +
                   PointNumberText(decoded.tolerance) + QLatin1Char('%');
    if (decoded.tcr)
        text += QLatin1Char(' ') + TcrItem(*decoded.tcr);
    return text;
}

QString MarkingSummary(int bandCount, const BandCodeArray &codes, const ColourTables &tables,
                       const QStringList &unitNames,
                       const std::array<QString, kColourCount> &colourNames)
{
    const DecodedMarking decoded = DecodeMarking(bandCount, codes, tables, unitNames, 0, QString());
    return MarkingValueText(decoded, unitNames) + QStringLiteral(": ") +
           BandColourList(bandCount, codes, colourNames);
}

} // namespace colour_code
