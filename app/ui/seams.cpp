#include "seams.h"

#include "common/failure.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace ui
{
namespace
{
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
FileDialogHandler &fileDialogHandler()
{
    static FileDialogHandler handler;
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
    QMessageBox box(message.icon == MessageIcon::Error ? QMessageBox::Critical
                                                       : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

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

bool endRequested()
{
    return endFlag();
}
void setExitHandler(ExitHandler handler)
{
    exitHandler() = std::move(handler);
}
void resetEndRequest()
{
    endFlag() = false;
}

std::optional<QString> askFileName(QWidget *parent, const FileDialogRequest &request)
{
    if (fileDialogHandler())
        return fileDialogHandler()(parent, request);
    const QString start = request.proposedName.isEmpty()
                              ? request.folder
                              : QDir(request.folder).filePath(request.proposedName);
    const QString chosen =
        request.kind == FileDialogRequest::Kind::Save
            ? QFileDialog::getSaveFileName(parent, request.title, start, request.filter)
            : QFileDialog::getOpenFileName(parent, request.title, start, request.filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

void setFileDialogHandler(FileDialogHandler handler)
{
    fileDialogHandler() = std::move(handler);
}

void guarded(QWidget *parent, const QString &title, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const common::Failure &failure) {
        showMessage(parent, {failure.message(), title, MessageIcon::Error});
    } catch (const std::exception &e) {
        showMessage(parent, {QString::fromLocal8Bit(e.what()), title, MessageIcon::Error});
    }
}

} // namespace ui
