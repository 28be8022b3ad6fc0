#include "command_line/marking_report.h"

#include "colour_code/decoding.h"
#include "colour_code/marking_text.h"
#include "colour_code/reading_help.h"
#include "colour_code/smd_codes.h"
#include "colour_code/written_numbers.h"
#include "command_line/colour_words.h"
#include "command_line/smd_report.h"
#include "common/numbers.h"

#include <QJsonArray>
#include <cmath>

namespace command_line
{
namespace
{

QStringList unitNames(const config::MainWindowTexts &texts)
{
    return QStringList(texts.LangTexts.begin(), texts.LangTexts.end());
}

QJsonArray jsonStrings(const QStringList &texts)
{
    QJsonArray array;
    for (const QString &text : texts)
        array.append(text);
    return array;
}

QStringList englishColours(const colour_code::BandMarking &marking)
{
    QStringList colours;
    for (const int position : colour_code::BandPositionsUsed(marking.bandCount))
        colours << englishColourNames()[marking.codes[std::size_t(position)]];
    return colours;
}

// The readings the hint offers, each with why it is one: the other end, or a band's colour taken
// for its look-alike (the band counted from 1 in band order).
QJsonArray candidatesJson(const std::vector<colour_code::HintCandidate> &candidates)
{
    QJsonArray array;
    for (const colour_code::HintCandidate &c : candidates) {
        QJsonObject candidate;
        if (c.change) {
            candidate.insert(QStringLiteral("why"), QStringLiteral("look-alike"));
            candidate.insert(QStringLiteral("band"), c.change->place + 1);
            candidate.insert(QStringLiteral("from"), englishColourNames()[c.change->from]);
            candidate.insert(QStringLiteral("to"), englishColourNames()[c.change->to]);
        } else {
            candidate.insert(QStringLiteral("why"), QStringLiteral("other end"));
        }
        candidate.insert(QStringLiteral("colours"), jsonStrings(englishColours(c.marking)));
        candidate.insert(QStringLiteral("value"), colour_code::AsWritten(c.ohms));
        candidate.insert(QStringLiteral("tolerance"), colour_code::AsWritten(c.tolerance));
        // The hint offers only preferred readings; the field says so for every candidate.
        candidate.insert(QStringLiteral("preferred"), true);
        candidate.insert(QStringLiteral("series"), colour_code::SeriesName(c.series));
        array.append(candidate);
    }
    return array;
}

} // namespace

QString valueWithUnit(double ohms, const config::MainWindowTexts &texts)
{
    return colour_code::WrittenValue(ohms, std::span(texts.LangTexts).first<5>());
}

MarkingReport reportMarking(int bandCount, const colour_code::BandCodeArray &codes,
                            const colour_code::ColourTables &tables,
                            const config::MainWindowTexts &texts, Language language, bool encoded)
{
    // The window's value: its digits times its multiplier. The display's texts of it are not
    // needed, and a batch of markings would feel their cost. A marking of value 0 ("black black
    // red") is the one the plain computation leaves to the window's decoding.
    double ohms = 0;
    double tolerance = 0;
    if (const auto value = colour_code::ValueOfMarking({bandCount, codes}, tables)) {
        ohms = value->ohms;
        tolerance = value->tolerance;
    } else {
        const colour_code::DecodedMarking decoded =
            colour_code::DecodeMarking(bandCount, codes, tables, unitNames(texts), 0, QString());
        ohms = decoded.value * std::pow(1000.0, decoded.unitIndex);
        tolerance = decoded.tolerance;
    }

    MarkingReport report;
    report.bandCount = bandCount;
    report.codes = codes;
    if (encoded)
        report.colourList = colour_code::BandColourList(bandCount, codes, texts.ColourNames);
    report.ohms = colour_code::AsWritten(ohms);
    // The tolerance in single precision as the display writes it: 0.05, not 0.0500000007.
    report.tolerance = colour_code::AsWritten(common::toSingle(tolerance), 7);
    report.deviation = colour_code::AsWritten(report.ohms * report.tolerance / 100);
    report.minimum = colour_code::AsWritten(report.ohms * (100 - report.tolerance) / 100);
    report.maximum = colour_code::AsWritten(report.ohms * (100 + report.tolerance) / 100);
    // The display's two lines, with the numbers written as in the rest of the output.
    report.displayLines << texts.LangTexts[5] + u' ' + valueWithUnit(report.ohms, texts)
                        << texts.LangTexts[6] + u' ' +
                               colour_code::WrittenNumber(report.tolerance) + QStringLiteral("% ") +
                               texts.LangTexts[7] + u' ' + valueWithUnit(report.deviation, texts);
    // Six bands: the TCR on a line of its own, as the display shows it.
    if (bandCount == 6) {
        report.tcr = colour_code::RoleValue(tables, codes[colour_code::TcrBand], colour_code::TcrBand);
        report.displayLines << texts.SixBands.tcrLine.arg(colour_code::WrittenNumber(*report.tcr));
    }
    report.rangeLine =
        say(language, QStringLiteral("Диапазон: от %1 до %2"), QStringLiteral("Range: %1 to %2"))
            .arg(valueWithUnit(report.minimum, texts), valueWithUnit(report.maximum, texts));
    report.hint =
        readingHint({bandCount, codes, report.ohms, report.tolerance, encoded}, tables, texts);
    return report;
}

QJsonObject reportJson(const MarkingReport &report, const config::MainWindowTexts &texts)
{
    QStringList names;
    for (const int position : colour_code::BandPositionsUsed(report.bandCount))
        names << texts.ColourNames[report.codes[std::size_t(position)]].toLower();
    const QStringList colours = englishColours({report.bandCount, report.codes});
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
    json.insert(QStringLiteral("candidates"), candidatesJson(report.hint.candidates));
    json.insert(QStringLiteral("smd"), smdCodesJson(colour_code::EncodeSmdCodes(report.ohms)));
    return json;
}

} // namespace command_line
