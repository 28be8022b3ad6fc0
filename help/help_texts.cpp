#include "help_texts.h"

#include <QDir>
#include <QFileInfo>

namespace help
{
namespace
{

QString pick(TextLanguage language, const QString &russian, const QString &english,
             const QString &joint = QStringLiteral("\n\n"))
{
    switch (language) {
    case TextLanguage::Russian:
        return russian;
    case TextLanguage::English:
        return english;
    case TextLanguage::Both:
        break;
    }
    return russian + joint + english;
}

} // namespace

TextLanguage textLanguageFor(const Manual &manual)
{
    if (manual.problem == StartProblem::SettingsMissing ||
        manual.problem == StartProblem::SettingsUnreadable)
        return TextLanguage::Both;
    return manual.HelpLang == QStringLiteral("Русский") ? TextLanguage::Russian
                                                        : TextLanguage::English;
}

Message startProblemMessage(const Manual &manual)
{
    const TextLanguage language = textLanguageFor(manual);
    const QString file = QDir::toNativeSeparators(manual.problemFile);
    QString russian, english;
    switch (manual.problem) {
    case StartProblem::None:
        return {};
    case StartProblem::SettingsMissing:
        russian = QStringLiteral("Не найден файл настроек:\n%1\nЗапустите Bandolin: он создаст "
                                 "этот файл. Затем откройте справочник снова.");
        english = QStringLiteral("The settings file is missing:\n%1\nStart Bandolin once: it "
                                 "creates the file. Then open the manual again.");
        break;
    case StartProblem::SettingsUnreadable:
        russian = QStringLiteral("Не удаётся прочитать язык (строку 5) из файла настроек:\n%1");
        english =
            QStringLiteral("The language (line 5) cannot be read from the settings file:\n%1");
        break;
    case StartProblem::LanguageMissing:
        russian = QStringLiteral("Не найден файл языка:\n%1\nВыберите другой язык в окне "
                                 "настроек Bandolin.");
        english = QStringLiteral("The language file is missing:\n%1\nChoose another language in "
                                 "the Preferences window of Bandolin.");
        break;
    case StartProblem::LanguageUnreadable:
        russian = QStringLiteral("Не удаётся прочитать файл языка:\n%1");
        english = QStringLiteral("The language file cannot be read:\n%1");
        break;
    }
    return {
        pick(language, russian.arg(file), english.arg(file)),
        pick(language, QStringLiteral("Справка"), QStringLiteral("Help"), QStringLiteral(" / "))};
}

QString incompleteNote(const Manual &manual)
{
    if (manual.problem != StartProblem::None || manual.help.complete)
        return {};
    const QString file = QFileInfo(manual.languageFile).fileName();
    const QString line = QString::number(manual.help.brokenAtLine);
    return pick(textLanguageFor(manual),
                QStringLiteral("Справочник неполон: файл языка %1 обрывается на строке %2.")
                    .arg(file, line),
                QStringLiteral("The manual is incomplete: the language file %1 breaks off at "
                               "line %2.")
                    .arg(file, line),
                QStringLiteral("\n"));
}

QString fallbackCaption(const Manual &manual)
{
    return pick(textLanguageFor(manual), QStringLiteral("Справочник"), QStringLiteral("Manual"),
                QStringLiteral(" / "));
}

} // namespace help
