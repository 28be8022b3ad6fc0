#include "config/reading_help_texts.h"

namespace config
{
namespace
{

using Texts = colour_code::ReadingHintTexts;

struct HintLine {
    QString Texts::*member;
    int marks; // %1 to %marks must all be there
    const char *russian;
    const char *english;
};

const std::array<HintLine, kReadingHintLineCount> kHintLines = {{
    {&Texts::title, 0, "Подсказка", "Reading help"},
    {&Texts::preferred, 1, "Значение ряда %1", "%1 value"},
    {&Texts::notPreferred, 1, "Не значение ряда %1: проверьте цвета",
     "Not an %1 value: check the colours"},
    {&Texts::otherEnd, 1, "С другого конца читается %1 — тоже значение ряда",
     "Read from the other end it is %1, also a preferred value"},
    {&Texts::endsApart, 0,
     "Первая полоса ближе к выводу, а полоса допуска стоит отдельно от остальных.",
     "The first band sits nearer a lead; the tolerance band is set apart from the others."},
    {&Texts::otherEndCandidate, 1, "Если читать с другого конца: %1",
     "Read from the other end: %1"},
    {&Texts::lookAlike, 4, "%2 «%3», а не «%4»: %1", "%2 %3, not %4: %1"},
    {&Texts::typedPreferred, 2, "%1: значение ряда %2", "%1: an %2 value"},
    {&Texts::typedNotPreferred, 2, "%1: не значение ряда %2. Ближайшие значения ряда:",
     "%1: not an %2 value. Nearest preferred values:"},
}};

} // namespace

colour_code::ReadingHintTexts readingHintTexts(const QStringList &lines, const QString &lang,
                                               const std::array<QString, 5> &bandTitles)
{
    Texts texts;
    for (int i = 0; i < kReadingHintLineCount; ++i) {
        const HintLine &line = kHintLines[std::size_t(i)];
        texts.*line.member = laterText(lines, FirstReadingHintLine + i, line.marks, lang,
                                       line.russian, line.english);
    }
    // The same in both built-in languages: the codes are not translated.
    const std::optional<QString> smd = laterLine(lines, SmdLine);
    texts.smdCodes = smd && smd->contains(QStringLiteral("%1")) ? *smd : QStringLiteral("SMD: %1");
    for (std::size_t i = 0; i < bandTitles.size(); ++i) {
        QString name = bandTitles[i].trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        texts.bandNames[i] = name;
    }
    return texts;
}

} // namespace config
