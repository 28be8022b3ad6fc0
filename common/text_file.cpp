#include "text_file.h"

#include "cp1251.h"
#include "failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace common {

QStringList readTextLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot read the file %1: %2").arg(path, file.errorString()));
    const QString text = decodeCp1251(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

void writeTextLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encodeCp1251(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(QStringLiteral("Cannot write the file %1: %2").arg(path, file.errorString()));
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

LineReader::LineReader(const QString &path) : m_path(path), m_lines(readTextLines(path)) {}

LineReader::LineReader(QString path, QStringList lines)
    : m_path(std::move(path)), m_lines(std::move(lines))
{
}

QString LineReader::readLine()
{
    if (atEnd())
        throw Failure(QStringLiteral("The file %1 ends before line %2").arg(m_path).arg(m_next + 1));
    return m_lines.at(m_next++);
}

void LineReader::skipLines(int count)
{
    for (int i = 0; i < count; ++i)
        readLine();
}

void LineReader::fail(const QString &what) const
{
    throw Failure(QStringLiteral("%1, line %2: %3").arg(m_path).arg(m_next).arg(what));
}

} // namespace common
