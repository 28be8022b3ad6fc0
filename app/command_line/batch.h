#pragma once

// Many markings, codes or values through one process: standard input, one per line with its
// options, and one result per line on standard output, each written as soon as it is known.

#include "command_line/output_language.h"

#include <QJsonObject>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace command_line
{

// What one line gave: its text lines or JSON object, or its error and exit status.
struct LineResult {
    int status = 0;
    QStringList lines;
    QJsonObject json;
    QString error;
};

// Runs a line's words (split as a shell splits them) as the command's arguments.
using LineRunner = std::function<LineResult(const QStringList &words)>;

// Reads lines until the input ends. Text: a line's result lines joined by " | ", or its error
// after "error (line N):"; a blank line gives a blank line. JSON Lines: one compact object per
// line that is not blank, with "line", "input" and "status", and "error" for a failed line.
// Returns 1 when any line failed (saying how many on err), otherwise 0.
int runBatch(QTextStream &in, QTextStream &out, QTextStream &err, bool json, Language language,
             const LineRunner &runLine);

} // namespace command_line
