#include "ui_seams.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {
MessageHandler &messageHandler()
{
    static MessageHandler handler;
    return handler;
}
ExitHandler &exitHandler()
{
    static ExitHandler handler;
    return handler;
}
bool &endFlag()
{
    static bool requested = false;
    return requested;
}
} // namespace

void showMessage(QWidget *parent, const Message &message)
{
    if (messageHandler()) {
        messageHandler()(parent, message);
        return;
    }
    QMessageBox box(message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageHandler(MessageHandler handler) { messageHandler() = std::move(handler); }

void endProgram(int exitCode)
{
    endFlag() = true;
    if (exitHandler()) {
        exitHandler()(exitCode);
        return;
    }
    // Every window goes with the main one, without running its own closing logic.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    QCoreApplication::exit(exitCode);
}

bool endRequested() { return endFlag(); }
void setExitHandler(ExitHandler handler) { exitHandler() = std::move(handler); }
void resetEndRequest() { endFlag() = false; }

} // namespace ui
