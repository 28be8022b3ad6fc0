#include "command_line/output_language.h"

namespace command_line
{

Language outputLanguage(const QString &lcAll, const QString &lcMessages, const QString &lang)
{
    for (const QString &locale : {lcAll, lcMessages, lang})
        if (!locale.isEmpty())
            return locale.startsWith(QStringLiteral("ru")) ? Language::Russian : Language::English;
    return Language::English;
}

Language outputLanguageOfEnvironment()
{
    return outputLanguage(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                          qEnvironmentVariable("LANG"));
}

QString languageName(Language language)
{
    return say(language, QStringLiteral("Русский"), QStringLiteral("English"));
}

} // namespace command_line
