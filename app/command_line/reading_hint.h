#pragma once

#include "colour_code/colour_tables.h"
#include "colour_code/reading_help.h"
#include "config/language_file.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace command_line
{

// The reading help as the terminal gives it: the window's hint lines, with the nearest preferred
// values of a typed value folded into its last line, since a terminal offers nothing to click;
// after a decoding, the line of SMD codes too.
struct ReadingHint {
    QStringList lines;
    bool preferred = false;
    QStringList series;                 // the series the value belongs to ("E24"); empty if none
    std::optional<double> below, above; // ohms: the nearest preferred values of a typed value
    // The readings the lines offer instead of a decoded value, as data.
    std::vector<colour_code::HintCandidate> candidates;
};

struct HintRequest {
    int bandCount = 0;
    colour_code::BandCodeArray codes{};
    double ohms = 0;
    double tolerance = 0; // percent
    bool encoded = false; // the value was typed (encode) rather than read from colours (decode)
};

// The reading help for a decoded marking or an encoded value, in the language of the texts.
ReadingHint readingHint(const HintRequest &request, const colour_code::ColourTables &tables,
                        const config::MainWindowTexts &texts);

} // namespace command_line
