#include "command_line/batch.h"

#include <QJsonDocument>
#include <QProcess>

namespace command_line
{

int runBatch(QTextStream &in, QTextStream &out, QTextStream &err, bool json, Language language,
             const LineRunner &runLine)
{
    qint64 number = 0;
    qint64 failed = 0;
    qint64 run = 0;
    QString line;
    while (in.readLineInto(&line)) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList words = QProcess::splitCommand(line);
        if (words.isEmpty()) {
            // Text keeps a blank line in its place; JSON Lines holds objects only.
            if (!json) {
                out << '\n';
                out.flush();
            }
            continue;
        }
        ++run;
        const LineResult result = runLine(words);
        const bool ok = result.status == 0;
        if (!ok)
            ++failed;
        // A message may come in two lines; a batch gives each line of input one line of output.
        const QString error = QString(result.error).replace(u'\n', u' ');
        if (json) {
            QJsonObject object = ok ? result.json : QJsonObject();
            object.insert(QStringLiteral("line"), number);
            object.insert(QStringLiteral("input"), line);
            object.insert(QStringLiteral("status"), result.status);
            if (!ok)
                object.insert(QStringLiteral("error"), error);
            out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        } else if (ok) {
            out << result.lines.join(QStringLiteral(" | ")) << '\n';
        } else {
            out << say(language, QStringLiteral("ошибка (строка %1): %2"),
                       QStringLiteral("error (line %1): %2"))
                       .arg(number)
                       .arg(error)
                << '\n';
        }
        // A pipe sees each result at once.
        out.flush();
    }
    if (failed == 0)
        return 0;
    err << say(language, QStringLiteral("bandolin: строк с ошибкой: %1 из %2"),
               QStringLiteral("bandolin: %1 of %2 lines failed"))
               .arg(failed)
               .arg(run)
        << '\n';
    err.flush();
    return 1;
}

} // namespace command_line
