#include "message_box.h"

#include <QMessageBox>

namespace help
{
namespace
{
MessageHandler &messageHandler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

void showMessage(QWidget *parent, const Message &message)
{
    if (messageHandler()) {
        messageHandler()(parent, message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

} // namespace help
