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

// Band positions keep their role whatever the band count; the first five are also the columns
// of ColourTables::CodeValues. The temperature coefficient (TCR) of six bands came later, after
// the tolerance, so every earlier position keeps its number.
enum BandPosition : int {
    FirstDigitBand = 0,
    SecondDigitBand = 1,
    ThirdDigitBand = 2,
    MultiplierBand = 3,
    ToleranceBand = 4,
    TcrBand = 5,
};
constexpr int kBandPositionCount = 6;
// Band counts 3, 4 and 5 use (and their marking codes carry) only the first five positions.
constexpr int kFiveBandPositions = 5;

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

constexpr int kPaletteCount = 6;    // one per band position
constexpr int kLblColorCount = 58;  // entries of all palettes together

struct PaletteEntry
{
    quint8 code;      // colour code the entry stands for
    int lblColor;     // index in the lblColor control array
    int column;       // 0, or 1 for the right column of the tolerance and TCR palettes
    int row;          // display order within its column, top to bottom, 0-based
};

// Entries of the palette of a band position (0..5) in display order (a two-column palette's
// left column first, then its right column); empty for any other position.
std::span<const PaletteEntry> PaletteEntries(int bandPosition);

// The colour code of an lblColor entry, or -1 for an index outside 0..47.
int LblColorCode(int lblColor);
// The band position whose palette holds an lblColor entry, or -1 for an index outside 0..47.
int LblColorPalette(int lblColor);

// The eight items of the tolerance selector cmbDopusk, in their order.
QStringList ToleranceItems();

// ---- Band counts ----------------------------------------------------------------------------

// The band-count words in list order stand for three, four, five and six bands.
constexpr int kBandCountWords = 4;

// Band count (3, 4, 5, 6) of a band-count word index (0, 1, 2, 3); 0 for any other index.
int BandCountFromIndex(int bandCountIndex);

// Band positions a band count uses, in band order; empty for a count other than 3 to 6.
std::span<const int> BandPositionsUsed(int bandCount);

// Significant digits a band count carries: 3 for five and six bands, otherwise 2.
int SignificantDigitCount(int bandCount);

// Drawing place (0..5) at which a whole marking paints a band position; -1 when that position
// is not painted for this band count.
int MarkingPlace(int bandCount, int bandPosition);

// Drawing place at which a single band choice paints a band position. Position 0 always goes
// to place 0. With three bands position 3 goes to place 2 and the unused positions 2 and 4
// keep their own places. The TCR is painted only with six bands. -1: nothing is painted
// (other band counts, positions outside 0..5).
int SingleBandPlace(int bandCount, int bandPosition);

// Which picture a band is painted with: the first band and the TCR band stand on the body's
// thick ends and have taller pictures of their own.
enum class BandPicture { First, Other, Tcr };
BandPicture BandPictureOf(int bandPosition);

struct BandPaint
{
    int place;           // drawing place 0..5
    quint8 code;         // colour code
    BandPicture picture;
};

// The bands a whole marking paints, in order; empty for a count other than 3 to 6.
std::vector<BandPaint> MarkingPaints(int bandCount, const BandCodeArray &codes);

// ---- The colour-code tables -----------------------------------------------------------------

constexpr double kNotAllowed = -1;

// The temperature coefficient of each colour in ppm/K (IEC 60062), kNotAllowed for white, gold
// and silver: what a table file without its TCR lines gives.
inline constexpr std::array<double, kColourCount> kBuiltInTcr = {
    kNotAllowed, kNotAllowed, 250, 100, 50, 15, 25, 20, 10, 5, 1, kNotAllowed,
};

struct ColourTables
{
    QStringList CodeNames;                                  // band picture name tails, by code
    std::array<std::array<double, 5>, kColourCount> CodeValues{};  // -1: not used in that band
    std::array<quint32, kColourCount> CodeTextColours{};   // band label text colour, by code
    std::array<double, kColourCount> CodeTcr = kBuiltInTcr; // ppm/K, -1: no TCR
};

// The value of a colour in a band position's role: CodeValues for positions 0..4, CodeTcr for
// the TCR band; kNotAllowed for a code or position outside the tables.
double RoleValue(const ColourTables &tables, int code, int bandPosition);

// The items of the TCR selector: every TCR the tables give a colour, largest first, as
// "50 ppm/K".
QStringList TcrItems(const ColourTables &tables);
// The item that shows a TCR, "50 ppm/K".
QString TcrItem(double tcr);

// The entries of a band position's palette that the tables give a value in that band's role,
// in display order: a colour with -1 there (an older ResTable.tab without the third-digit
// black, say) is not offered.
std::vector<PaletteEntry> OfferedEntries(int bandPosition, const ColourTables &tables);

// Fills the tables from the colour-code table file (39 lines, then a heading and one TCR line
// per colour). Rows that the file leaves unchanged (empty value lines, short rows) keep the
// values the tables held. A TCR line that the file does not have, or leaves empty, gives the
// built-in value; "Нет" means none, anything else is read by the leading-number rule. Throws
// common::Failure naming the file and line for a missing or short file, a malformed row or a
// number beyond range; the tables are then left untouched.
void LoadResTable(const QString &path, ColourTables &tables);

// Parses one value row into the row's columns. Empty lines store nothing; fewer than five
// fields leave the remaining columns as they were. Returns false for a sixth field.
bool ParseCodeValuesRow(QStringView line, std::array<double, 5> &row);

} // namespace colour_code
