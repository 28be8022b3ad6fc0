#pragma once

#include "colour_code/colour_tables.h"
#include "command_line/output_language.h"

#include <QStringList>

namespace command_line
{

struct ReadingHint {
    QStringList series; // the preferred series the value belongs to ("E24")
    QStringList lines;  // plain text lines, as the main window shows them
};

struct HintRequest {
    int bandCount = 0;
    colour_code::BandCodeArray codes{};
    double ohms = 0;
    double tolerance = 0; // percent
    bool encoded = false; // the value was typed (encode) rather than read from colours (decode)
};

// The reading help for a decoded marking or an encoded value: whether resistors are made in
// that value, and the readings close to it. The reading help composes it; until it does, a
// marking comes with no hint.
ReadingHint readingHint(const HintRequest &request, const colour_code::ColourTables &tables,
                        Language language);

} // namespace command_line
