#include "settings_file.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/text_file.h"

#include <QLocale>
#include <QRegularExpression>
#include <cfloat>
#include <cmath>

namespace config
{
namespace
{

// The label lines, by line number. Readers skip them; writers write them exactly.
const QString kHeading = QStringLiteral("[Настройка конфигурации]");
const QString kSkinLabel = QStringLiteral("Скин:");
const QString kLanguageLabel = QStringLiteral("Язык по умолчанию:");
const QString kFormLabel = QStringLiteral("Координаты формы:");
const QString kLinkorLabel = QStringLiteral("Координаты Linkor:");
const QString kVoltamLabel = QStringLiteral("Координаты Voltam:");
const QString kBandCountLabel = QStringLiteral("Кол-во полос по умолчанию:");
const QString kUnitLabel = QStringLiteral("Единицы измерения по умолчанию:");
const QString kToleranceLabel = QStringLiteral("Допуск по умолчанию:");
const QString kLastUnitLabel = QStringLiteral("Последняя выбранная единица измерения в Linkora:");
const QString kLastConnectLabel = QStringLiteral("Последнее соединение в Linkora:");
const QString kConRoundLabel =
    QStringLiteral("Округлять результат до ... знаков после точки Linkor:");
const QString kOmRoundLabel =
    QStringLiteral("Округлять результат до ... знаков после точки Voltam:");
const QString kLastUirLabel = QStringLiteral("Последняя искомая величина Voltamo:");
const QString kLastResistorLabel = QStringLiteral("Последний резистор:");

const QString kFreeWord = QStringLiteral("Произвольно");

QString coordinateText(float value)
{
    return common::regionalNumberText(value);
}
QString roundingText(quint8 value)
{
    return common::regionalNumberText(double(value));
}

// A coordinate by the leading-number rule, as a 32-bit float.
float readCoordinate(common::LineReader &reader)
{
    const QString text = reader.readLine();
    double value = 0;
    try {
        value = common::leadingNumber(text);
    } catch (const common::Failure &failure) {
        reader.fail(failure.message());
    }
    if (std::fabs(value) > double(FLT_MAX))
        reader.fail(QStringLiteral("the coordinate \"%1\" is too large").arg(text));
    return common::toSingle(value);
}

std::optional<TwipsPosition> readPosition(common::LineReader &reader, bool centred)
{
    if (centred) {
        reader.skipLines(2);
        return std::nullopt;
    }
    TwipsPosition position;
    position.x = readCoordinate(reader);
    position.y = readCoordinate(reader);
    return position;
}

int readItemIndex(common::LineReader &reader, const QStringList &items, const char *what)
{
    const QString text = reader.readLine();
    const int index = int(items.indexOf(text));
    if (index < 0)
        reader.fail(
            QStringLiteral("\"%1\" is not an item of the %2 list").arg(text, QLatin1String(what)));
    return index;
}

quint8 readRounding(common::LineReader &reader)
{
    const QString text = reader.readLine();
    const std::optional<double> value = strictNumber(text);
    if (!value)
        reader.fail(QStringLiteral("\"%1\" is not a number").arg(text));
    const double rounded = common::roundHalfEven(*value, 0);
    if (!(rounded >= 0 && rounded <= 255))
        reader.fail(QStringLiteral("\"%1\" is not a number of decimals from 0 to 255").arg(text));
    return quint8(rounded);
}

} // namespace

QString settingsFilePath()
{
    return common::userPath(u"\\Data\\Settings.dat");
}

const QStringList &toleranceItems()
{
    static const QStringList items = {
        QStringLiteral("10%"),  QStringLiteral("5%"),    QStringLiteral("1%"),
        QStringLiteral("2%"),   QStringLiteral("0.5%"),  QStringLiteral("0.25%"),
        QStringLiteral("0.1%"), QStringLiteral("0.05%"),
    };
    return items;
}

std::optional<double> strictNumber(QStringView text)
{
    QString trimmed = text.trimmed().toString();
    const QString regionalPoint = QLocale().decimalPoint();
    if (regionalPoint != QLatin1String(".") && !trimmed.contains(QLatin1Char('.')))
        trimmed.replace(regionalPoint, QStringLiteral("."));
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([EeDd][+-]?\\d+)?$"));
    if (!pattern.match(trimmed).hasMatch())
        return std::nullopt;
    try {
        return common::leadingNumber(trimmed);
    } catch (const common::Failure &) {
        return std::nullopt; // beyond the double range
    }
}

QStringList defaultSettingsLines(float centredX, float centredY)
{
    const QString x = coordinateText(centredX);
    const QString y = coordinateText(centredY);
    return {
        kHeading,
        kSkinLabel,
        QStringLiteral("Default.she"),
        kLanguageLabel,
        QStringLiteral("Русский"),
        kFormLabel,
        kFreeWord,
        x,
        y,
        kLinkorLabel,
        kFreeWord,
        x,
        y,
        kVoltamLabel,
        kFreeWord,
        x,
        y,
        kBandCountLabel,
        QStringLiteral("Четыре"),
        kUnitLabel,
        QStringLiteral("Ом"),
        kToleranceLabel,
        QStringLiteral("5%"),
        kLastUnitLabel,
        QStringLiteral("Ом"),
        kLastConnectLabel,
        QStringLiteral("Параллельное"),
        kConRoundLabel,
        QStringLiteral("3"),
        kOmRoundLabel,
        QStringLiteral("3"),
        kLastUirLabel,
        QStringLiteral("U"),
        kLastResistorLabel,
        QString(), // no resistor stored yet
    };
}

QString lastResistorLabel()
{
    return kLastResistorLabel;
}

QString normalisedPlacementWord(const QString &word, const QString &langPos1,
                                const QString &langPos2)
{
    return word == langPos1 ? langPos1 : langPos2;
}

QStringList saveSettingsLines(const SettingsSnapshot &s)
{
    auto placement = [&](const QString &word) {
        return normalisedPlacementWord(word, s.LangPos1, s.LangPos2);
    };
    return {
        kHeading,
        kSkinLabel,
        s.SkinName,
        kLanguageLabel,
        s.Lang,
        kFormLabel,
        placement(s.FormCentring),
        coordinateText(s.windowLeft),
        coordinateText(s.windowTop),
        kLinkorLabel,
        placement(s.ConnectFormCentring),
        coordinateText(s.ConnectFormX),
        coordinateText(s.ConnectFormY),
        kVoltamLabel,
        placement(s.OmFormCentring),
        coordinateText(s.OmFormX),
        coordinateText(s.OmFormY),
        kBandCountLabel,
        s.bandCountText,
        kUnitLabel,
        s.unitText,
        kToleranceLabel,
        s.toleranceText,
        kLastUnitLabel,
        s.LastResistInCon,
        kLastConnectLabel,
        s.LastConnect,
        kConRoundLabel,
        roundingText(s.ConRound),
        kOmRoundLabel,
        roundingText(s.OmRound),
        kLastUirLabel,
        s.VoltamLastUIR,
        kLastResistorLabel,
        s.lastResistorCode,
    };
}

SettingsFile readSettingsFile(const QString &path)
{
    common::LineReader reader(path);
    SettingsFile file;
    file.path = path;
    for (int line = 1; line <= kSettingsLineCount; ++line)
        file.lines.append(reader.readLine());
    while (!reader.atEnd())
        file.laterLines.append(reader.readLine());
    return file;
}

Settings interpretSettings(const SettingsFile &file, const SettingsWords &words)
{
    common::LineReader reader(file.path, file.lines);
    Settings s;
    reader.skipLines(2);
    s.SkinName = reader.readLine();
    reader.skipLines(1);
    s.Lang = reader.readLine();
    reader.skipLines(1);
    s.FormCentring = reader.readLine();
    s.windowPosition = readPosition(reader, s.FormCentring == words.LangPos1);
    reader.skipLines(1);
    s.ConnectFormCentring = reader.readLine();
    s.connectFormPosition = readPosition(reader, s.ConnectFormCentring == words.LangPos1);
    reader.skipLines(1);
    s.OmFormCentring = reader.readLine();
    s.omFormPosition = readPosition(reader, s.OmFormCentring == words.LangPos1);
    reader.skipLines(1);
    s.bandCountIndex = readItemIndex(reader, words.bandCountItems, "band count");
    reader.skipLines(1);
    s.unitIndex = readItemIndex(reader, words.unitItems, "unit");
    reader.skipLines(1);
    s.toleranceIndex = readItemIndex(reader, toleranceItems(), "tolerance");
    reader.skipLines(1);
    s.LastResistInCon = reader.readLine();
    reader.skipLines(1);
    s.LastConnect = reader.readLine();
    reader.skipLines(1);
    s.ConRound = readRounding(reader);
    reader.skipLines(1);
    s.OmRound = readRounding(reader);
    reader.skipLines(1);
    s.VoltamLastUIR = reader.readLine();
    reader.skipLines(1);
    s.Temp01 = reader.readLine().trimmed();
    return s;
}

} // namespace config
