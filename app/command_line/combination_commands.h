#pragma once

// The terminal commands combine (which parts make a value) and divider (which parts make a
// ratio): their options, their checks and their output. No window, no file written.

#include "command_line/output_language.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace command_line
{

// Runs combine or divider; none when the command line names another command (or none). The
// exit statuses are runCommand's.
std::optional<int> runCombinationCommand(const QStringList &arguments, QTextStream &out,
                                         QTextStream &err);

// The part of --help about combine and divider.
QString combinationHelpText(Language language);

} // namespace command_line
