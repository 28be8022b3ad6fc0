#include "combination_calc/combination_format.h"

#include <cmath>

namespace combination_calc
{
namespace
{

using combinations::Network;

// A number to the given significant digits in plain decimals, without trailing zeros.
QString significant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(digits - 1 - magnitude, 0, 9);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString rangeText(const QString &low, const QString &high)
{
    return low + QStringLiteral(" … ") + high;
}

} // namespace

QString ohmsText(double ohms, const UnitWords &words)
{
    int unit = 0;
    double value = ohms;
    // Rounding first: 999.96 Ohm is written 1 kOhm, not 1000 Ohm.
    while (unit < words.ohms.size() - 1 && significant(value, 4).toDouble() >= 1000) {
        value /= 1000;
        ++unit;
    }
    return significant(value, 4) + QLatin1Char(' ') + words.ohms.value(unit);
}

QString errorText(double percent)
{
    const QString digits = significant(percent, 3);
    if (digits == QStringLiteral("0"))
        return QStringLiteral("0%");
    return (percent > 0 ? QStringLiteral("+") : QString()) + digits + QLatin1Char('%');
}

QString ratioText(double ratio)
{
    return significant(ratio, 4);
}

QString currentText(double amps, const UnitWords &words)
{
    const double milli = amps * 1e3;
    if (significant(milli, 3).toDouble() >= 1)
        return significant(milli, 3) + QLatin1Char(' ') + words.milliampere;
    return significant(amps * 1e6, 3) + QLatin1Char(' ') + words.microampere;
}

QStringList valueHeaders(const config::CombinationTexts &t)
{
    return {t.headerTotal, t.headerError, t.headerParts, t.headerEnvelope};
}

QStringList dividerHeaders(const config::CombinationTexts &t)
{
    return {t.headerRatio, t.headerError, QStringLiteral("R1"), QStringLiteral("R2"),
            t.headerEnvelope, t.headerCurrent};
}

QStringList valueCells(const combinations::Answer &a, const UnitWords &words)
{
    return {ohmsText(a.total, words), errorText(a.errorPercent),
            combinations::networkText(a.network, words.ohms),
            rangeText(ohmsText(a.minimum, words), ohmsText(a.maximum, words))};
}

QStringList dividerCells(const combinations::DividerAnswer &a, const UnitWords &words)
{
    return {ratioText(a.ratio),
            errorText(a.errorPercent),
            combinations::networkText(a.r1, words.ohms),
            combinations::networkText(a.r2, words.ohms),
            rangeText(ratioText(a.ratioMinimum), ratioText(a.ratioMaximum)),
            a.currentAmps ? currentText(*a.currentAmps, words) : QString()};
}

QString copiedText(const combinations::Answer &a, const config::CombinationTexts &t,
                   const UnitWords &words)
{
    return t.copiedValue.arg(combinations::networkText(a.network, words.ohms),
                             ohmsText(a.total, words),
                             errorText(a.errorPercent), ohmsText(a.minimum, words),
                             ohmsText(a.maximum, words));
}

QString copiedText(const combinations::DividerAnswer &a, const config::CombinationTexts &t,
                   const UnitWords &words)
{
    QString text = t.copiedDivider.arg(combinations::networkText(a.r1, words.ohms),
                                       combinations::networkText(a.r2, words.ohms),
                                       ratioText(a.ratio), errorText(a.errorPercent),
                                       ratioText(a.ratioMinimum), ratioText(a.ratioMaximum));
    if (a.currentAmps)
        text += QStringLiteral("; ") + t.copiedCurrent.arg(currentText(*a.currentAmps, words));
    return text;
}

QString spokenCaption(const QString &caption)
{
    QString words;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        words += caption[i];
    }
    words = words.trimmed();
    if (words.endsWith(QLatin1Char(':')))
        words.chop(1);
    return words.trimmed();
}

} // namespace combination_calc
