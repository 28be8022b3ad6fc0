#pragma once

#include <QString>
#include <functional>

class QWidget;

// The few places where the program meets the user or the process, kept replaceable so that
// tests can observe them instead of blocking on a dialog or losing their process.
namespace ui {

enum class MessageIcon { None, Error };

struct Message
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// Shows a modal message with a single OK button and returns when it is closed.
void showMessage(QWidget *parent, const Message &message);
using MessageHandler = std::function<void(QWidget *, const Message &)>;
// Replaces how messages are shown; an empty handler restores the message box.
void setMessageHandler(MessageHandler handler);

// Ends the program at once (after the caller has saved what must be saved).
void endProgram(int exitCode = 0);
bool endRequested();
using ExitHandler = std::function<void(int)>;
void setExitHandler(ExitHandler handler);
void resetEndRequest();

} // namespace ui
