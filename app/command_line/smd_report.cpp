#include "command_line/smd_report.h"

#include "colour_code/written_numbers.h"

#include <algorithm>

namespace command_line
{
namespace
{

using colour_code::SmdKind;

QString kindName(SmdKind kind)
{
    switch (kind) {
    case SmdKind::ThreeDigit:
        return QStringLiteral("three-digit");
    case SmdKind::FourDigit:
        return QStringLiteral("four-digit");
    case SmdKind::Eia96:
        return QStringLiteral("EIA-96");
    case SmdKind::Jumper:
        break;
    }
    return QStringLiteral("jumper");
}

QString kindText(const colour_code::SmdReading &reading, Language language)
{
    switch (reading.kind) {
    case SmdKind::ThreeDigit:
        return reading.decimalR ? say(language, QStringLiteral("Код из трёх знаков, R — запятая"),
                                      QStringLiteral("Three characters, R for the decimal point"))
                                : say(language, QStringLiteral("Трёхзначный код"),
                                      QStringLiteral("Three-digit code"));
    case SmdKind::FourDigit:
        return reading.decimalR
                   ? say(language, QStringLiteral("Код из четырёх знаков, R — запятая"),
                         QStringLiteral("Four characters, R for the decimal point"))
                   : say(language, QStringLiteral("Четырёхзначный код"),
                         QStringLiteral("Four-digit code"));
    case SmdKind::Eia96:
        return say(language, QStringLiteral("Код EIA-96"), QStringLiteral("EIA-96 code"));
    case SmdKind::Jumper:
        break;
    }
    return say(language, QStringLiteral("Перемычка"), QStringLiteral("Zero-ohm jumper"));
}

} // namespace

bool meantAsSmdCode(const QString &word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

SmdReport reportSmdCode(const QString &code, const colour_code::SmdDecoding &read,
                        const config::MainWindowTexts &texts, Language language)
{
    SmdReport report;
    if (read.readings.size() > 1)
        report.lines << say(language, QStringLiteral("%1 читается двояко:"),
                            QStringLiteral("%1 reads two ways:"))
                            .arg(code);
    QJsonArray readings;
    for (const colour_code::SmdReading &reading : read.readings) {
        report.lines << texts.LangTexts[5] + u' ' +
                            colour_code::WrittenValue(reading.ohms,
                                                      std::span(texts.LangTexts).first<5>());
        QString kind = kindText(reading, language);
        if (reading.kind != SmdKind::Jumper)
            kind += say(language, QStringLiteral(": допуск обычно %1%, на корпусе не указан"),
                        QStringLiteral(": tolerance typically %1%, not marked"))
                        .arg(colour_code::WrittenNumber(reading.typicalTolerance));
        report.lines << kind;
        QJsonObject json;
        json.insert(QStringLiteral("kind"), kindName(reading.kind));
        json.insert(QStringLiteral("decimal_r"), reading.decimalR);
        json.insert(QStringLiteral("value"), colour_code::AsWritten(reading.ohms));
        json.insert(QStringLiteral("typical_tolerance"), reading.typicalTolerance);
        readings.append(json);
    }
    report.json.insert(QStringLiteral("code"), code);
    report.json.insert(QStringLiteral("ambiguous"), read.readings.size() > 1);
    report.json.insert(QStringLiteral("readings"), readings);
    report.json.insert(QStringLiteral("text"), report.lines.join(u' '));
    return report;
}

QString smdProblemMessage(const QString &code, colour_code::SmdProblem problem, Language language)
{
    switch (problem) {
    case colour_code::SmdProblem::EiaIndex:
        return say(language, QStringLiteral("«%1»: номера кодов EIA-96 — от 01 до 96"),
                   QStringLiteral("'%1': EIA-96 codes run from 01 to 96"))
            .arg(code);
    case colour_code::SmdProblem::EiaLetter:
        return say(language,
                   QStringLiteral("«%1»: %2 — не буква множителя EIA-96 (Z, Y или R, X или S, A, "
                                  "B или H, C, D, E, F)"),
                   QStringLiteral("'%1': %2 is not an EIA-96 multiplier letter (Z, Y or R, X or "
                                  "S, A, B or H, C, D, E, F)"))
            .arg(code, code.right(1).toUpper());
    case colour_code::SmdProblem::None:
    case colour_code::SmdProblem::NotACode:
        break;
    }
    return say(language,
               QStringLiteral("«%1» — не цвет полосы и не код SMD; коды пишутся 472, 4701, 4R7, "
                              "R47, 10R0, 0 или 000 (перемычка), EIA-96 68C"),
               QStringLiteral("'%1' is neither a band colour nor an SMD code; codes are written "
                              "472, 4701, 4R7, R47, 10R0, 0 or 000 (a jumper), EIA-96 68C"))
        .arg(code);
}

SmdReport reportSmdCodes(double ohms)
{
    const std::vector<colour_code::SmdCode> codes = colour_code::EncodeSmdCodes(ohms);
    SmdReport report;
    const QString list = colour_code::SmdCodeList(codes);
    if (!list.isEmpty())
        report.lines << list;
    report.json.insert(QStringLiteral("value"), ohms);
    report.json.insert(QStringLiteral("smd"), smdCodesJson(codes));
    report.json.insert(QStringLiteral("text"), list);
    return report;
}

QJsonArray smdCodesJson(const std::vector<colour_code::SmdCode> &codes)
{
    QJsonArray array;
    for (const colour_code::SmdCode &c : codes) {
        QJsonObject json;
        json.insert(QStringLiteral("code"), c.code);
        json.insert(QStringLiteral("kind"), kindName(c.kind));
        json.insert(QStringLiteral("decimal_r"), c.decimalR);
        array.append(json);
    }
    return array;
}

} // namespace command_line
