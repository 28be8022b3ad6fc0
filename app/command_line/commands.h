#pragma once

#include <QStringList>
#include <QTextStream>

namespace command_line
{

// Exit statuses of the commands.
enum ExitStatus : int {
    Done = 0,
    Refused = 1,      // a file could not be read, or the bands cannot write the value
    NotUnderstood = 2 // the command line: an unknown option or command, a bad colour or value
};

// Runs a terminal command: decode, encode, --help, --version. The arguments come after the
// program name, without Qt's own options. Reads the tables and the language file of the output
// language, from the user's folder or the program folder as the window does, and writes no
// file: the caller sets the program folder with FolderAccess::Inspect. Needs a QCoreApplication.
int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace command_line
