#pragma once

#include <QString>

namespace command_line
{

// The terminal speaks the language of the locale: Russian where the messages' locale begins
// with "ru", English otherwise. Both are delivered language files.
enum class Language { Russian, English };

// The locale of messages as POSIX picks it: LC_ALL, then LC_MESSAGES, then LANG, the first
// that is set and not empty.
Language outputLanguage(const QString &lcAll, const QString &lcMessages, const QString &lang);
Language outputLanguageOfEnvironment();

// The language file's name ("Русский", "English").
QString languageName(Language language);

// One of two built-in texts.
inline QString say(Language language, const QString &russian, const QString &english)
{
    return language == Language::Russian ? russian : english;
}

} // namespace command_line
