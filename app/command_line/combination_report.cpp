#include "command_line/combination_report.h"

#include <QJsonObject>
#include <cmath>

namespace command_line
{
namespace
{

using combinations::Answer;
using combinations::DividerAnswer;
using combinations::Network;

QString shortNumber(double value)
{
    return QString::number(value, 'g', 6);
}

// "0%" only for an exact answer; otherwise signed, to three significant digits.
QString errorText(double percent)
{
    if (percent == 0)
        return QStringLiteral("0%");
    return (percent > 0 ? QStringLiteral("+") : QString()) + QString::number(percent, 'g', 3) +
           QLatin1Char('%');
}

QString rangeText(const QString &low, const QString &high, Language language)
{
    return say(language, QStringLiteral("от %1 до %2"), QStringLiteral("%1 to %2")).arg(low, high);
}

QString currentText(double amps, Language language)
{
    static const char *const kEnglish[] = {"A", "mA", "µA", "nA"};
    static const char *const kRussian[] = {"А", "мА", "мкА", "нА"};
    int unit = 0;
    while (unit < 3 && std::fabs(amps) < 1) {
        amps *= 1000;
        ++unit;
    }
    return shortNumber(amps) + QLatin1Char(' ') +
           QString::fromUtf8(language == Language::Russian ? kRussian[unit] : kEnglish[unit]);
}

// The rows with each column as wide as its widest cell.
QStringList columns(const QList<QStringList> &rows)
{
    QList<qsizetype> widths;
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths << 0;
            widths[c] = std::max(widths[c], row[c].size());
        }
    QStringList lines;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += row[c].leftJustified(c + 1 < row.size() ? widths[c] + 3 : 0);
        lines << line;
    }
    return lines;
}

QJsonArray partsJson(const Network &network)
{
    QJsonArray parts;
    for (const double part : network.parts())
        parts.append(part);
    return parts;
}

} // namespace

QString shortValueText(double ohms, const QStringList &unitNames)
{
    return combinations::valueText(shortNumber(ohms).toDouble(), unitNames);
}

QStringList combineLines(const std::vector<Answer> &answers, const QStringList &unitNames,
                         Language language)
{
    QList<QStringList> rows;
    for (const Answer &answer : answers)
        rows << QStringList{combinations::networkText(answer.network, unitNames),
                            errorText(answer.errorPercent), shortValueText(answer.total, unitNames),
                            rangeText(shortValueText(answer.minimum, unitNames),
                                      shortValueText(answer.maximum, unitNames), language)};
    return columns(rows);
}

QJsonArray combineJson(const std::vector<Answer> &answers)
{
    QJsonArray list;
    for (const Answer &answer : answers) {
        QJsonObject json;
        json.insert(QStringLiteral("total"), answer.total);
        json.insert(QStringLiteral("error_percent"), answer.errorPercent);
        json.insert(QStringLiteral("parts"), partsJson(answer.network));
        json.insert(QStringLiteral("network"), combinations::networkText(answer.network));
        json.insert(QStringLiteral("minimum"), answer.minimum);
        json.insert(QStringLiteral("maximum"), answer.maximum);
        list.append(json);
    }
    return list;
}

QStringList dividerLines(const std::vector<DividerAnswer> &answers, const QStringList &unitNames,
                         Language language)
{
    QList<QStringList> rows;
    for (const DividerAnswer &answer : answers) {
        QStringList row{QStringLiteral("R1 = ") + combinations::networkText(answer.r1, unitNames),
                        QStringLiteral("R2 = ") + combinations::networkText(answer.r2, unitNames),
                        shortNumber(answer.ratio), errorText(answer.errorPercent),
                        rangeText(shortNumber(answer.ratioMinimum),
                                  shortNumber(answer.ratioMaximum), language)};
        if (answer.currentAmps)
            row << currentText(*answer.currentAmps, language);
        rows << row;
    }
    return columns(rows);
}

QJsonArray dividerJson(const std::vector<DividerAnswer> &answers)
{
    QJsonArray list;
    for (const DividerAnswer &answer : answers) {
        QJsonObject json;
        json.insert(QStringLiteral("ratio"), answer.ratio);
        json.insert(QStringLiteral("error_percent"), answer.errorPercent);
        json.insert(QStringLiteral("total"), answer.total());
        json.insert(QStringLiteral("r1"), answer.r1.total());
        json.insert(QStringLiteral("r2"), answer.r2.total());
        QJsonArray parts = partsJson(answer.r1);
        for (const QJsonValue part : partsJson(answer.r2))
            parts.append(part);
        json.insert(QStringLiteral("parts"), parts);
        json.insert(QStringLiteral("r1_parts"), partsJson(answer.r1));
        json.insert(QStringLiteral("r2_parts"), partsJson(answer.r2));
        const QString r1 = combinations::networkText(answer.r1);
        const QString r2 = combinations::networkText(answer.r2);
        json.insert(QStringLiteral("network"), QStringLiteral("R1 = %1; R2 = %2").arg(r1, r2));
        json.insert(QStringLiteral("r1_network"), r1);
        json.insert(QStringLiteral("r2_network"), r2);
        json.insert(QStringLiteral("minimum"), answer.ratioMinimum);
        json.insert(QStringLiteral("maximum"), answer.ratioMaximum);
        if (answer.currentAmps)
            json.insert(QStringLiteral("current_amps"), *answer.currentAmps);
        list.append(json);
    }
    return list;
}

} // namespace command_line
