#pragma once

// What the commands say on standard error, shared by all of them.

#include "colour_code/value_words.h"
#include "command_line/output_language.h"

#include <QString>
#include <QTextStream>

namespace command_line
{

// "bandolin: message" on standard error, with a pointer to --help where the command line was
// at fault; returns the status to end with.
int reportFailure(QTextStream &err, Language language, int status, const QString &message,
                  bool hint = false);

// Why a value as written is not read (a problem other than None).
QString valueProblemText(Language language, const QString &value,
                         colour_code::ResistanceWord::Problem problem);

} // namespace command_line
