#pragma once

#include "common/failure.h"

#include <QRegularExpression>
#include <QString>
#include <functional>

namespace testing_support {

// Runs the action and returns the failure's message, or an empty text when none came.
inline QString failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const common::Failure &failure) {
        return failure.message();
    }
    return {};
}

// Whether a failure message names the given line of its file.
inline bool namesLine(const QString &message, int line)
{
    return message.contains(QRegularExpression(QStringLiteral("line %1\\b").arg(line)));
}

} // namespace testing_support
