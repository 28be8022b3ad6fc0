#include "option_values.h"

#include "common/cp1251.h"
#include "common/failure.h"
#include "common/numbers.h"
#include "config/combination_settings.h"
#include "config/settings_file.h"

#include <algorithm>
#include <cmath>

namespace options
{

int placementItem(const QString &storedWord, const QString &langPos1)
{
    return storedWord == langPos1 ? kCentredItem : kFreeItem;
}

QString placementWord(int item, const QString &langPos1, const QString &langPos2)
{
    return item == kCentredItem ? langPos1 : langPos2;
}

int roundingPosition(const QString &stored)
{
    double value = 0;
    try {
        value = common::leadingNumber(stored);
    } catch (const common::Failure &) {
        // Beyond the double range: as far beyond the limit as a number gets.
        value = stored.trimmed().startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
    }
    if (!(value > 0))
        return 0;
    if (value >= kMaxRounding)
        return kMaxRounding;
    return int(common::roundHalfEven(value, 0));
}

QString roundingText(int position)
{
    return QString::number(position);
}

DialogValues dialogValues(const QStringList &optionValues, const QString &langPos1)
{
    DialogValues v;
    v.SkinName = optionValues.at(entry::SkinName);
    v.Lang = optionValues.at(entry::Lang);
    for (int i = 0; i < 3; ++i)
        v.placementItems[i] = placementItem(optionValues.at(kPlacementEntries[i]), langPos1);
    v.ConRound = roundingPosition(optionValues.at(entry::ConRound));
    v.OmRound = roundingPosition(optionValues.at(entry::OmRound));
    return v;
}

DialogValues defaultDialogValues()
{
    DialogValues v;
    v.SkinName = QStringLiteral("Default.she");
    v.Lang = QStringLiteral("Русский");
    v.placementItems = {kFreeItem, kFreeItem, kFreeItem};
    v.ConRound = 3;
    v.OmRound = 3;
    return v;
}

void translateOptionValues(QStringList &values, const std::array<int, 3> &placementItems,
                           const std::array<QString, 5> &currentUnitNames,
                           const config::OptionsTexts &newLanguage)
{
    const auto unit = std::find(currentUnitNames.begin(), currentUnitNames.end(),
                                values.at(entry::LastResistInCon));
    values[entry::LastResistInCon] =
        newLanguage.unitNames[unit == currentUnitNames.end() ? 0 : unit - currentUnitNames.begin()];
    values[entry::Unit] = newLanguage.unitNames[0];
    values[entry::BandCount] = newLanguage.fourBandsName;
    for (int i = 0; i < 3; ++i)
        values[kPlacementEntries[i]] =
            placementWord(placementItems[i], newLanguage.LangPos1, newLanguage.LangPos2);
}

QStringList withLiveValues(const QStringList &values, const QStringList &liveLines)
{
    constexpr std::array<int, 7> own = {
        entry::SkinName,       entry::Lang,     entry::FormCentring, entry::ConnectFormCentring,
        entry::OmFormCentring, entry::ConRound, entry::OmRound};
    QStringList result = values;
    for (int i = 0; i < result.size() && i < liveLines.size(); ++i)
        if (std::find(own.begin(), own.end(), i) == own.end())
            result[i] = liveLines[i];
    return result;
}

QStringList settingsLines(const QStringList &values, const QString &lastResistorCode)
{
    QStringList lines = values.mid(0, kOptionValueCount);
    lines << config::lastResistorLabel() << lastResistorCode;
    return lines;
}

QStringList laterSettingsLines(const QStringList &liveLines, const QString &langPos1,
                               const QString &langPos2, bool combinationsCentred)
{
    QStringList later = liveLines.mid(config::kSettingsLineCount);
    const qsizetype word = config::kCombinationPlacementLine - config::kSettingsLineCount - 1;
    if (word < later.size())
        later[word] = combinationsCentred ? langPos1 : langPos2;
    return later;
}

void checkCodePage(const QString &path, const QStringList &lines)
{
    for (int index = 0; index < lines.size(); ++index) {
        const QString &line = lines.at(index);
        if (common::decodeCp1251(common::encodeCp1251(line)) != line)
            throw common::Failure(
                QStringLiteral("%1, line %2: \"%3\" has characters the file cannot hold")
                    .arg(path)
                    .arg(index + 1)
                    .arg(line));
    }
}

void applyToSettings(const QStringList &values, config::GlobalSettings &settings)
{
    settings.FormCentring = values.at(entry::FormCentring);
    settings.ConnectFormCentring = values.at(entry::ConnectFormCentring);
    settings.OmFormCentring = values.at(entry::OmFormCentring);
    settings.ConRound = quint8(roundingPosition(values.at(entry::ConRound)));
    settings.OmRound = quint8(roundingPosition(values.at(entry::OmRound)));
    settings.Lang = values.at(entry::Lang);
}

QString dialogTitle(const QString &menuCaption)
{
    // "&&" stands for "&" itself.
    QString title;
    for (qsizetype i = 0; i < menuCaption.size(); ++i) {
        if (menuCaption[i] == u'&' && ++i == menuCaption.size())
            break;
        title += menuCaption[i];
    }
    while (title.endsWith(u'.') || title.endsWith(u'…'))
        title.chop(1);
    return title.trimmed();
}

} // namespace options
