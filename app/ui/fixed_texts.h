#pragma once

#include "config/language_file.h"
#include "seams.h"

#include <QString>

// Messages that no language file carries are written in the two languages delivered with the
// program: the one in use speaks when it is one of them, and both do for any other language.
namespace ui
{

using config::inLanguage;

// A message: its lead line in the language in use, a blank line, then what it is about (a
// file, a reason) as it stands.
QString explained(const QString &lang, const QString &russian, const QString &english,
                  const QString &detail);

// A tool window that cannot be prepared: which window, then what failed (file and line).
Message preparationFailure(const QString &lang, const QString &window, const QString &failure);

} // namespace ui
