#pragma once

#include <QString>
#include <QStringList>

namespace common {

// Reads a whole Windows-1251 text file as lines (CR LF or a bare LF end a line; a final line
// end does not start an empty line). Throws Failure naming the file when it cannot be read.
QStringList readTextLines(const QString &path);

// Replaces the file atomically with the lines, each ended by CR LF, in Windows-1251.
// Throws Failure naming the file when it cannot be written.
void writeTextLines(const QString &path, const QStringList &lines);

bool fileExists(const QString &path);

// Walks the lines of one file strictly by position, as every reader of the data files does.
// Reading or skipping past the last line throws Failure naming the file and the line.
class LineReader
{
public:
    explicit LineReader(const QString &path); // reads the whole file at once
    LineReader(QString path, QStringList lines);

    QString readLine();
    void skipLines(int count = 1);
    // The number of the line that the next readLine() returns, 1-based.
    int nextLineNumber() const { return m_next + 1; }
    bool atEnd() const { return m_next >= m_lines.size(); }
    const QString &path() const { return m_path; }

    // A failure that names this file and the line last read.
    [[noreturn]] void fail(const QString &what) const;

private:
    QString m_path;
    QStringList m_lines;
    int m_next = 0;
};

} // namespace common
