#pragma once

// Band colours as a person types them in a terminal: the delivered names in Russian and English,
// common spellings ("gray", "purple", "blue" for light blue, "черный" without the dots), any
// letter case, and the names of the language file in use.

#include "colour_code/colour_tables.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace command_line
{

using ColourNames = std::array<QString, colour_code::kColourCount>;

// The colour code of a word; none when it names no colour. languageNames are the colour names
// of the language file in use, accepted besides the built-in ones.
std::optional<quint8> colourOfWord(const QString &word, const ColourNames &languageNames = {});

struct ColourWords {
    std::vector<quint8> codes; // in the order of the words
    QString unknownWord;       // the first word that names no colour; empty when all do
};

// The colours of the words in order. "light blue" may come as one word or as two.
ColourWords colourWords(const QStringList &words, const ColourNames &languageNames = {});

// The English names, in code order, as the JSON output and the completion write them.
const ColourNames &englishColourNames();

} // namespace command_line
