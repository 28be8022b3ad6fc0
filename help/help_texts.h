#pragma once

// The help program's own few texts. The language file has no lines for them, so they are
// fixed: Russian when the language is "Русский", English for any other language, and both
// when the language is not known yet (the settings file could not be read).

#include "help_block.h"
#include "message_box.h"

#include <QString>

namespace help
{

enum class TextLanguage { Both, Russian, English };

TextLanguage textLanguageFor(const Manual &manual);

// What the user is told when the program cannot start; empty text when nothing is wrong.
Message startProblemMessage(const Manual &manual);

// The note under an incomplete manual; empty when the help block is complete.
QString incompleteNote(const Manual &manual);

// The window caption when the language file gives none.
QString fallbackCaption(const Manual &manual);

} // namespace help
