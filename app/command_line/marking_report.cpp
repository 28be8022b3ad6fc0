#include "command_line/marking_report.h"

#include "colour_code/decoding.h"
#include "colour_code/marking_text.h"
#include "command_line/colour_words.h"
#include "common/numbers.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <cmath>

namespace command_line
{
namespace
{

// The nearest double to the number's text of 15 digits: 4.7 x 1000 is 4700, not 4700.000000000001.
double asWritten(double value)
{
    return common::leadingNumber(common::plainNumberText(value));
}

QStringList unitNames(const config::MainWindowTexts &texts)
{
    return QStringList(texts.LangTexts.begin(), texts.LangTexts.end());
}

QString displayLine(QString line)
{
    return line.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

QJsonArray jsonStrings(const QStringList &texts)
{
    QJsonArray array;
    for (const QString &text : texts)
        array.append(text);
    return array;
}

} // namespace

QString valueWithUnit(double ohms, const config::MainWindowTexts &texts)
{
    int unit = 0;
    double value = ohms;
    while (unit < 4 && value / 1000 >= 1) {
        value /= 1000;
        ++unit;
    }
    return colour_code::PointNumberText(value) + QLatin1Char(' ') +
           texts.LangTexts[std::size_t(unit)];
}

MarkingReport reportMarking(int bandCount, const colour_code::BandCodeArray &codes,
                            const colour_code::ColourTables &tables,
                            const config::MainWindowTexts &texts, Language language, bool encoded)
{
    const QStringList langTexts = unitNames(texts);
    const colour_code::DecodedMarking decoded =
        colour_code::DecodeMarking(bandCount, codes, tables, langTexts, 0, QString());
    const colour_code::ResultTexts shown = colour_code::DecodeResultTexts(
        langTexts, decoded.resultText, decoded.tolerance, decoded.deviationText,
        decoded.tcr ? colour_code::TcrLine(texts.SixBands.tcrLine, *decoded.tcr) : QString());

    MarkingReport report;
    report.bandCount = bandCount;
    report.codes = codes;
    for (const QString &line : shown.caption.split(QStringLiteral("\r\n")))
        report.displayLines << displayLine(line);
    report.colourList = colour_code::BandColourList(bandCount, codes, texts.ColourNames);
    report.tcr = decoded.tcr;
    report.ohms = asWritten(decoded.value * std::pow(1000.0, decoded.unitIndex));
    // The tolerance as the display writes it: 0.05, not the single-precision 0.0500000007.
    report.tolerance = common::leadingNumber(common::plainNumberText(decoded.tolerance));
    report.deviation = asWritten(report.ohms * report.tolerance / 100);
    report.minimum = asWritten(report.ohms * (100 - report.tolerance) / 100);
    report.maximum = asWritten(report.ohms * (100 + report.tolerance) / 100);
    report.rangeLine =
        say(language, QStringLiteral("Диапазон: от %1 до %2"), QStringLiteral("Range: %1 to %2"))
            .arg(valueWithUnit(report.minimum, texts), valueWithUnit(report.maximum, texts));
    report.hint =
        readingHint({bandCount, codes, report.ohms, report.tolerance, encoded}, tables, texts);
    return report;
}

QJsonObject reportJson(const MarkingReport &report, const config::MainWindowTexts &texts)
{
    QStringList colours;
    QStringList names;
    for (const int position : colour_code::BandPositionsUsed(report.bandCount)) {
        const quint8 code = report.codes[std::size_t(position)];
        colours << englishColourNames()[code];
        names << texts.ColourNames[code].toLower();
    }
    QJsonObject json;
    json.insert(QStringLiteral("bands"), report.bandCount);
    json.insert(QStringLiteral("colours"), jsonStrings(colours));
    json.insert(QStringLiteral("colour_names"), jsonStrings(names));
    json.insert(QStringLiteral("value"), report.ohms);
    json.insert(QStringLiteral("tolerance"), report.tolerance);
    json.insert(QStringLiteral("deviation"), report.deviation);
    json.insert(QStringLiteral("minimum"), report.minimum);
    json.insert(QStringLiteral("maximum"), report.maximum);
    if (report.tcr)
        json.insert(QStringLiteral("tcr_ppm_per_k"), *report.tcr);
    json.insert(QStringLiteral("text"), report.displayLines.join(QLatin1Char(' ')));
    json.insert(QStringLiteral("preferred_series"), jsonStrings(report.hint.series));
    json.insert(QStringLiteral("hints"), jsonStrings(report.hint.lines));
    QJsonObject nearest;
    if (report.hint.below)
        nearest.insert(QStringLiteral("below"), *report.hint.below);
    if (report.hint.above)
        nearest.insert(QStringLiteral("above"), *report.hint.above);
    if (!nearest.isEmpty())
        json.insert(QStringLiteral("nearest_preferred"), nearest);
    return json;
}

} // namespace command_line
