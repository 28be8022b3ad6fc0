#include "combinations/combinations.h"

#include "colour_code/value_words.h"
#include "common/program_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cmath>

namespace combinations
{
namespace
{

// A file written on this desktop is UTF-8; one from the program's own world may be
// Windows-1251, as its data files are.
QString decodedText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1251("windows-1251");
    return cp1251(bytes);
}

// Far more than any shelf's list; a file beyond it (or a device that never ends) is cut.
constexpr qint64 kMostBytes = 1 << 22;

} // namespace

StockFile readStock(const QString &path)
{
    StockFile stock;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stock;
    stock.opened = true;
    // A device tells no size.
    const QByteArray bytes =
        file.read(file.size() > 0 ? std::min(file.size(), kMostBytes) : kMostBytes);
    stock.tooMany = !file.atEnd();
    QString text = decodedText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const colour_code::ResistanceWord read = colour_code::parseResistance(line);
        if (read.problem != colour_code::ResistanceWord::Problem::None || !(read.ohms > 0) ||
            !std::isfinite(read.ohms)) {
            stock.problems << QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(line);
            continue;
        }
        if (std::find(stock.values.begin(), stock.values.end(), read.ohms) != stock.values.end())
            continue;
        if (stock.values.size() == std::size_t(kMostParts)) {
            stock.tooMany = true;
            continue;
        }
        stock.values.push_back(read.ohms);
    }
    return stock;
}

QString stockFilePath()
{
    const QString found = common::programPath(u"\\Data\\Stock.txt");
    return QFileInfo::exists(found) ? found : common::userPath(u"\\Data\\Stock.txt");
}

} // namespace combinations
