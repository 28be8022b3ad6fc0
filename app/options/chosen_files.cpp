#include "chosen_files.h"

#include "common/cp1251.h"
#include "common/failure.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/settings_file.h"
#include "config/skin_file.h"

#include <QImage>

namespace options
{
namespace
{

void checkPicture(const QString &relative)
{
    if (config::isNoPicture(relative))
        return;
    const QString path = common::programPath(relative);
    if (QImage(path).isNull())
        throw common::Failure(QStringLiteral("Cannot load the picture %1").arg(path));
}

void checkSkin(const QString &skinName)
{
    const QString path = config::skinFilePath(skinName);
    const config::SkinFile skin = config::readSkinFile(path);
    const config::MainWindowSkin &s = skin.main;
    try {
        for (const QString &picture :
             {s.GlobalPicture, s.picMark, s.picCon, s.picOm, s.picPalletePicture})
            checkPicture(picture);
    } catch (const common::Failure &failure) {
        throw common::Failure(QStringLiteral("%1: %2").arg(path, failure.message()));
    }
}

} // namespace

ChosenLanguage readChosenFiles(const QString &skinName, const QString &lang)
{
    checkSkin(skinName);
    const QString path = config::languageFilePath(lang);
    const QStringList lines = common::readTextLines(path);
    ChosenLanguage language;
    language.mainTexts = config::parseMainWindowTexts(path, lines);
    config::parseVoltamoTexts(path, lines);
    config::parseLinkoraTexts(path, lines);
    language.optionsTexts = config::parseOptionsTexts(path, lines);
    config::parseAboutText(path, lines);
    return language;
}

void checkSettingsLines(const QString &path, const QStringList &lines,
                        const config::MainWindowTexts &language)
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
    config::SettingsWords words;
    words.LangPos1 = language.LangPos1;
    for (const QString &name : language.BandCountNames)
        words.bandCountItems << name;
    for (int i = 0; i < 4; ++i)
        words.unitItems << language.LangTexts[i];
    config::interpretSettings({path, lines}, words);
}

} // namespace options
