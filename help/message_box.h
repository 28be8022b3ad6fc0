#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace help
{

struct Message {
    QString text;
    QString title;
};

// Shows a modal error message with a single OK button and returns when it is closed.
void showMessage(QWidget *parent, const Message &message);
using MessageHandler = std::function<void(QWidget *, const Message &)>;
// Replaces how messages are shown (tests observe them); an empty handler restores the box.
void setMessageHandler(MessageHandler handler);

} // namespace help
