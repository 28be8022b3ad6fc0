#include "command_line/reading_hint.h"

namespace command_line
{

ReadingHint readingHint(const HintRequest &, const colour_code::ColourTables &, Language)
{
    return {};
}

} // namespace command_line
