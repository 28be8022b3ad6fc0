#pragma once

// The reading help's texts: the later lines of a language file from FirstReadingHintLine on.

#include "colour_code/reading_help.h"
#include "config/language_file.h"

#include <QString>
#include <QStringList>
#include <array>

namespace config
{

// Lines FirstReadingHintLine to FirstReadingHintLine + kReadingHintLineCount - 1, in the order
// of the members of colour_code::ReadingHintTexts, and SmdLine for its smdCodes.
constexpr int kReadingHintLineCount = ReadingHintLinesEnd - FirstReadingHintLine;

// The texts of a language file's lines (the whole file). A line the file does not have, or one
// without each of its marks %1, %2..., gives way to the built-in text of the language lang
// (inLanguage). The band names are the band titles lbl(0..4) of the main window without their
// colon, as the band labels are named.
colour_code::ReadingHintTexts readingHintTexts(const QStringList &lines, const QString &lang,
                                               const std::array<QString, 5> &bandTitles);

} // namespace config
