#pragma once

// A marking travels as its code: the band count followed by one character per band position.
// The settings keep the last resistor in this form, and a saved marking carries it in its file
// name, after a fixed prefix. Pure code: nothing here touches a window or a file.

#include "colour_code/colour_tables.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace marking_files
{

// Every marking file name starts with this prefix (compared case-sensitively).
inline constexpr QStringView kMarkFilePrefix = u"BNDX77";
// What ExtractMarkCode gives for a name that is not a marking name.
inline constexpr QStringView kNoMarkFile = u"NoMarkFile";

struct Marking {
    int BandCount = 0;
    colour_code::BandCodeArray BandCodes{};
    bool operator==(const Marking &) const = default;
};

// The band count, then one character per band position 0 to 4 (and, for six bands, 5): the
// codes 0-9 as their digit, grey (10) as "A" and white (11) as "B", so that the code keeps its
// six characters (seven for six bands) and every colour reads back unchanged.
QString markCode(const Marking &marking);

// Reads a code written by markCode: exactly a digit followed by five characters of 0-9, "A"
// or "B", or "6" followed by six of them. No value for anything else; blanks are not skipped.
std::optional<Marking> parseMarkCode(QStringView code);

// Whether a marking can be shown: band count 3 to 6, every code a colour (0-11), and every
// position the band count uses holding a colour that the table allows there (its value is not
// -1). Positions the band count does not use may hold any colour.
bool isValidMarking(const Marking &marking, const colour_code::ColourTables &tables);

// The code in a path's file name: the text before the last "." (the dot kept), without the
// folder, cut to 12 characters (13 when a "6" follows the prefix: a six-band code); when that
// starts with the prefix, its last six characters (seven), otherwise kNoMarkFile. Both "/" and "\" separate folders. A dot in a folder name with no
// dot in the file name cuts inside the folder, so such a path is no marking name.
QString ExtractMarkCode(QStringView path);

// The marking a file's name carries; none when the name is no marking name or its code is no
// valid marking.
std::optional<Marking> markingOfFile(QStringView path, const colour_code::ColourTables &tables);

// ResultLine as part of a file name: the folder separators "/" and "\", and the characters
// no file name may hold (NUL and the other control characters), become "_", so the name
// always stays inside the folder it is written to.
QString fileNameSafe(QString text);

// The name Save As proposes for a marking: the prefix, the code, a blank, the result line made
// safe for a file name, ".bmp". The result line is shortened where the whole name would
// exceed the 255 bytes a file name may take.
QString markingFileName(const Marking &marking, const QString &resultLine);

// The path to write a picture to: ".bmp" appended when the file name has no extension. An
// extension is a last "." followed by one to five letters or digits, at least one a letter;
// the dots of the numbers in a result line ("4.7 кОм", "0.05%") are none.
QString withBitmapExtension(const QString &path);

} // namespace marking_files
