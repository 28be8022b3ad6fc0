#pragma once

#include "seams.h"

#include <QString>

// Messages that no language file carries are written in the two languages delivered with the
// program: the one in use speaks when it is one of them, and both do for any other language.
namespace ui
{

// The text for the language in use (the language file's name, as the settings keep it);
// Russian, the joint, then English for a language that is neither.
QString inLanguage(const QString &lang, const QString &russian, const QString &english,
                   const QString &joint = QStringLiteral("\n"));

// A message: its lead line in the language in use, a blank line, then what it is about (a
// file, a reason) as it stands.
QString explained(const QString &lang, const QString &russian, const QString &english,
                  const QString &detail);

// A tool window that cannot be prepared: which window, then what failed (file and line).
Message preparationFailure(const QString &lang, const QString &window, const QString &failure);

} // namespace ui
