#pragma once

#include <QString>
#include <QStringList>

namespace command_line
{

struct StartMode {
    // A terminal command (or --help, --version, an option the program does not know); false:
    // the window starts, with Qt's own options left for the application object to read.
    bool command = false;
    // The arguments after the program name, without Qt's own options.
    QStringList arguments;
};

// Decides before any application object exists, so that a command needs no display. Qt's own
// options (-platform xcb, -style=fusion, -reverse, ...) alone still start the window.
StartMode decideStart(const QStringList &argumentsAfterProgram);

} // namespace command_line
