#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The few places where the program meets the user or the process, kept replaceable so that
// tests can observe them instead of blocking on a dialog or losing their process.
namespace ui
{

enum class MessageIcon { None, Error };

struct Message {
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

// The open and save file dialogs.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString folder;       // where the dialog starts
    QString proposedName; // the file name offered (saving)
    QString filter;       // "Bitmap files (*.bmp )"
};
// Asks for a file; no value when the user cancels.
std::optional<QString> askFileName(QWidget *parent, const FileDialogRequest &request);
using FileDialogHandler =
    std::function<std::optional<QString>(QWidget *, const FileDialogRequest &)>;
// Replaces the dialogs (tests hand them their answer); an empty handler restores them.
void setFileDialogHandler(FileDialogHandler handler);

// Runs an event handler so that no failure escapes it: a failure is shown in a message
// under the title, and the program goes on.
void guarded(QWidget *parent, const QString &title, const std::function<void()> &handler);

} // namespace ui
