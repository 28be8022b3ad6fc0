#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace colour_code {

// The twelve band colours. The order is the program's own: silver and gold first, then black
// to white, so for black to white the digit is the code minus 2.
enum ColourCode : quint8 {
    Silver = 0,
    Gold = 1,
    Black = 2,
    Brown = 3,
    Red = 4,
    Orange = 5,
    Yellow = 6,
    Green = 7,
    LightBlue = 8,
    Violet = 9,
    Grey = 10,
    White = 11,
};
constexpr int kColourCount = 12;

// Band positions keep their role whatever the band count; they are also the columns of
// ColourTables::CodeValues.
enum BandPosition : int {
    FirstDigitBand = 0,
    SecondDigitBand = 1,
    ThirdDigitBand = 2,
    MultiplierBand = 3,
    ToleranceBand = 4,
};
constexpr int kBandPositionCount = 5;

using BandCodeArray = std::array<quint8, kBandPositionCount>;

// ---- Swatch colours -------------------------------------------------------------------------

// Swatch colour of a code as a stored colour value (red in the low byte). A code outside 0..11
// gives black (0), the same as code 2.
quint32 CodeToColourValue(int code);
QColor CodeToColour(int code);

// The code whose swatch colour this is; any other colour gives 0 (silver).
quint8 ColourValueToCode(quint32 value);
quint8 ColourToCode(const QColor &colour);

// The main window's single conversion with a direction flag: when valueIsColour is set, value
// is a stored colour value and output receives its code; otherwise value is a code and output
// receives its stored swatch colour value.
void ConvertColourCode(quint32 value, bool valueIsColour, quint32 &output);

// Text colour of a swatch: light grey on the dark swatches (black, brown, violet); no value
// for the others, which use the palette's button text colour.
std::optional<QColor> SwatchTextColour(int code);

// ---- Palettes -------------------------------------------------------------------------------

constexpr int kPaletteCount = 5;    // one per band position
constexpr int kLblColorCount = 49;  // entries of all palettes together

struct PaletteEntry
{
    quint8 code;      // colour code the entry stands for
    int lblColor;     // index in the lblColor control array
    int column;       // 0, or 1 for the right column of the tolerance palette
    int row;          // display order within its column, top to bottom, 0-based
};

// Entries of the palette of a band position (0..4) in display order (the tolerance palette's
// left column first, then its right column); empty for any other position.
std::span<const PaletteEntry> PaletteEntries(int bandPosition);

// The colour code of an lblColor entry, or -1 for an index outside 0..47.
int LblColorCode(int lblColor);
// The band position whose palette holds an lblColor entry, or -1 for an index outside 0..47.
int LblColorPalette(int lblColor);

// The eight items of the tolerance selector cmbDopusk, in their order.
QStringList ToleranceItems();

// ---- Band counts ----------------------------------------------------------------------------

// Band count (3, 4, 5) of a band-count word index (0, 1, 2); 0 for any other index.
int BandCountFromIndex(int bandCountIndex);

// Band positions a band count uses, in band order; empty for a count other than 3, 4, 5.
std::span<const int> BandPositionsUsed(int bandCount);

// Drawing place (0..4) at which a whole marking paints a band position; -1 when that position
// is not painted for this band count.
int MarkingPlace(int bandCount, int bandPosition);

// Drawing place at which a single band choice paints a band position. Position 0 always goes
// to place 0. With three bands position 3 goes to place 2 and the unused positions 2 and 4
// keep their own places. -1: nothing is painted (other band counts, positions outside 0..4).
int SingleBandPlace(int bandCount, int bandPosition);

struct BandPaint
{
    int place;       // drawing place 0..4
    quint8 code;     // colour code
    bool firstBand;  // the first band has its own, taller picture
};

// The bands a whole marking paints, in order; empty for a count other than 3, 4, 5.
std::vector<BandPaint> MarkingPaints(int bandCount, const BandCodeArray &codes);

// ---- The colour-code tables -----------------------------------------------------------------

struct ColourTables
{
    QStringList CodeNames;                                  // band picture name tails, by code
    std::array<std::array<double, 5>, kColourCount> CodeValues{};  // -1: not used in that band
    std::array<quint32, kColourCount> CodeTextColours{};   // band label text colour, by code
};

constexpr double kNotAllowed = -1;

// The entries of a band position's palette that the tables give a value in that band's role,
// in display order: a colour with -1 there (an older ResTable.tab without the third-digit
// black, say) is not offered.
std::vector<PaletteEntry> OfferedEntries(int bandPosition, const ColourTables &tables);

// Fills the tables from the colour-code table file (39 lines). Rows that the file leaves
// unchanged (empty value lines, short rows) keep the values the tables held. Throws
// common::Failure naming the file and line for a missing or short file or a malformed row;
// the tables are then left untouched.
void LoadResTable(const QString &path, ColourTables &tables);

// Parses one value row into the row's columns. Empty lines store nothing; fewer than five
// fields leave the remaining columns as they were. Returns false for a sixth field.
bool ParseCodeValuesRow(QStringView line, std::array<double, 5> &row);

} // namespace colour_code
