#include "command_line/command_messages.h"

namespace command_line
{

int reportFailure(QTextStream &err, Language language, int status, const QString &message,
                  bool hint)
{
    err << "bandolin: " << message << '\n';
    if (hint)
        err << say(language, QStringLiteral("Подробнее: bandolin --help"),
                   QStringLiteral("Try 'bandolin --help'."))
            << '\n';
    err.flush();
    return status;
}

QString valueProblemText(Language language, const QString &value,
                         colour_code::ResistanceWord::Problem problem)
{
    using Problem = colour_code::ResistanceWord::Problem;
    switch (problem) {
    case Problem::LowerCaseM:
        return say(language,
                   QStringLiteral("«%1»: строчная m — это миллиом; мегаом пишется M (2.2M)"),
                   QStringLiteral(
                       "'%1': a lower-case m means milliohms; write M for megaohms (2.2M)"))
            .arg(value);
    case Problem::AmbiguousComma:
        return say(language,
                   QStringLiteral("«%1»: запятая здесь может отделять и дробь, и тысячи; "
                                  "напишите номинал с точкой или без запятой"),
                   QStringLiteral("'%1': the comma may be a decimal comma or a thousands "
                                  "separator; write the value with a point or without it"))
            .arg(value);
    case Problem::None:
    case Problem::NotAValue:
        break;
    }
    return say(language,
               QStringLiteral("«%1» — не номинал; пишите, например, 4700, 4.7k, 4k7, 4R7 или "
                              "\"4.7 kOhm\""),
               QStringLiteral("'%1' is not a resistance; write it as, for example, 4700, 4.7k, "
                              "4k7, 4R7 or \"4.7 kOhm\""))
        .arg(value);
}

} // namespace command_line
