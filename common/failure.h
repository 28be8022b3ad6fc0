#pragma once

#include <QString>
#include <stdexcept>

namespace common {

// A failure that stops the operation in progress. The text says what failed (a file and a
// line, where known); the boundary that catches it decides how to tell the user.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace common
