#include "colour_code/colour_tables.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "common/units.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace colour_code {
namespace {

// Swatch colours as RGB; they double as the key that turns a chosen colour back into its
// code, so all twelve must stay distinct.
constexpr std::array<QRgb, kColourCount> kSwatchRgb = {
    0xE0E0E0, // silver
    0xEAD03E, // gold
    0x000000, // black
    0x804000, // brown
    0xFF0000, // red
    0xFF8000, // orange
    0xFFFF00, // yellow
    0x00FF00, // green
    0x00FFFF, // light blue
    0x800080, // violet
    0x808080, // grey
    0xFFFFFF, // white
};

constexpr std::array<PaletteEntry, 9> kFirstDigitPalette = {{
    {Brown, 47, 0, 0}, {Red, 46, 0, 1}, {Orange, 43, 0, 2}, {Yellow, 42, 0, 3},
    {Green, 45, 0, 4}, {LightBlue, 44, 0, 5}, {Violet, 34, 0, 6}, {Grey, 33, 0, 7},
    {White, 41, 0, 8},
}};
constexpr std::array<PaletteEntry, 10> kSecondDigitPalette = {{
    {Black, 32, 0, 0}, {Brown, 35, 0, 1}, {Red, 36, 0, 2}, {Orange, 25, 0, 3},
    {Yellow, 24, 0, 4}, {Green, 37, 0, 5}, {LightBlue, 38, 0, 6}, {Violet, 39, 0, 7},
    {Grey, 40, 0, 8}, {White, 23, 0, 9},
}};
// Black came last to the control array, so its entry has the highest index.
constexpr std::array<PaletteEntry, 10> kThirdDigitPalette = {{
    {Black, 48, 0, 0}, {Brown, 26, 0, 1}, {Red, 27, 0, 2}, {Orange, 22, 0, 3},
    {Yellow, 21, 0, 4}, {Green, 28, 0, 5}, {LightBlue, 29, 0, 6}, {Violet, 30, 0, 7},
    {Grey, 31, 0, 8}, {White, 20, 0, 9},
}};
constexpr std::array<PaletteEntry, 12> kMultiplierPalette = {{
    {Silver, 15, 0, 0}, {Gold, 14, 0, 1}, {Black, 16, 0, 2}, {Brown, 13, 0, 3},
    {Red, 12, 0, 4}, {Orange, 17, 0, 5}, {Yellow, 18, 0, 6}, {Green, 11, 0, 7},
    {LightBlue, 10, 0, 8}, {Violet, 9, 0, 9}, {Grey, 8, 0, 10}, {White, 19, 0, 11},
}};
constexpr std::array<PaletteEntry, 8> kTolerancePalette = {{
    {Silver, 0, 0, 0}, {Gold, 1, 0, 1}, {Brown, 2, 0, 2}, {Red, 3, 0, 3},
    {Green, 4, 1, 0}, {LightBlue, 5, 1, 1}, {Violet, 6, 1, 2}, {Grey, 7, 1, 3},
}};
// The nine colours with a TCR, in two columns like the tolerance palette.
constexpr std::array<PaletteEntry, 9> kTcrPalette = {{
    {Black, 49, 0, 0}, {Brown, 50, 0, 1}, {Red, 51, 0, 2}, {Orange, 52, 0, 3}, {Yellow, 53, 0, 4},
    {Green, 54, 1, 0}, {LightBlue, 55, 1, 1}, {Violet, 56, 1, 2}, {Grey, 57, 1, 3},
}};

constexpr std::array<int, 3> kThreeBandPositions = {0, 1, 3};
constexpr std::array<int, 4> kFourBandPositions = {0, 1, 3, 4};
constexpr std::array<int, 5> kFiveBandPositionsUsed = {0, 1, 2, 3, 4};
constexpr std::array<int, 6> kSixBandPositions = {0, 1, 2, 3, 4, 5};

void storeField(const QString &field, int column, std::array<double, 5> &row, bool &overflow)
{
    if (column >= int(row.size())) {
        overflow = true;
        return;
    }
    row[std::size_t(column)] = field == QStringLiteral("Нет") ? kNotAllowed : common::leadingNumber(field);
}

// The TCR lines of a file that has them; a line it lacks or leaves empty keeps the built-in
// value, so a table from before them reads as the table of IEC 60062.
void readTcrLines(common::LineReader &reader, std::array<double, kColourCount> &tcr)
{
    tcr = kBuiltInTcr;
    if (reader.atEnd())
        return;
    reader.skipLines(1);
    for (double &value : tcr) {
        if (reader.atEnd())
            return;
        const QString line = reader.readLine();
        if (line.isEmpty())
            continue;
        try {
            value = line == QStringLiteral("Нет") ? kNotAllowed : common::leadingNumber(line);
        } catch (const common::Failure &failure) { // a number beyond the double range
            reader.fail(failure.message());
        }
    }
}

} // namespace

quint32 CodeToColourValue(int code)
{
    if (code < 0 || code >= kColourCount)
        return 0;
    return common::valueFromRgb(kSwatchRgb[std::size_t(code)]);
}

quint8 ColourValueToCode(quint32 value)
{
    for (int code = 0; code < kColourCount; ++code)
        if (CodeToColourValue(code) == value)
            return quint8(code);
    return Silver;
}

void ConvertColourCode(quint32 value, bool valueIsColour, quint32 &output)
{
    if (valueIsColour)
        output = ColourValueToCode(value);
    else
        output = value < quint32(kColourCount) ? CodeToColourValue(int(value)) : 0;
}

std::span<const PaletteEntry> PaletteEntries(int bandPosition)
{
    switch (bandPosition) {
    case FirstDigitBand: return kFirstDigitPalette;
    case SecondDigitBand: return kSecondDigitPalette;
    case ThirdDigitBand: return kThirdDigitPalette;
    case MultiplierBand: return kMultiplierPalette;
    case ToleranceBand: return kTolerancePalette;
    case TcrBand: return kTcrPalette;
    default: return {};
    }
}

int LblColorCode(int lblColor)
{
    for (int position = 0; position < kPaletteCount; ++position)
        for (const PaletteEntry &entry : PaletteEntries(position))
            if (entry.lblColor == lblColor)
                return entry.code;
    return -1;
}

int LblColorPalette(int lblColor)
{
    for (int position = 0; position < kPaletteCount; ++position)
        for (const PaletteEntry &entry : PaletteEntries(position))
            if (entry.lblColor == lblColor)
                return position;
    return -1;
}

std::vector<PaletteEntry> OfferedEntries(int bandPosition, const ColourTables &tables)
{
    std::vector<PaletteEntry> offered;
    for (const PaletteEntry &entry : PaletteEntries(bandPosition))
        if (RoleValue(tables, entry.code, bandPosition) != kNotAllowed)
            offered.push_back(entry);
    return offered;
}

double RoleValue(const ColourTables &tables, int code, int bandPosition)
{
    if (code < 0 || code >= kColourCount || bandPosition < 0 || bandPosition >= kBandPositionCount)
        return kNotAllowed;
    if (bandPosition == TcrBand)
        return tables.CodeTcr[std::size_t(code)];
    return tables.CodeValues[std::size_t(code)][std::size_t(bandPosition)];
}

QString TcrItem(double tcr)
{
    return common::plainNumberText(tcr).trimmed() + QStringLiteral(" ppm/K");
}

QStringList TcrItems(const ColourTables &tables)
{
    std::vector<double> values;
    for (const double tcr : tables.CodeTcr)
        if (tcr != kNotAllowed)
            values.push_back(tcr);
    std::sort(values.begin(), values.end(), std::greater<>());
    QStringList items;
    for (const double tcr : values)
        if (items.isEmpty() || items.back() != TcrItem(tcr)) // values that write alike, once
            items << TcrItem(tcr);
    return items;
}

QStringList ToleranceItems()
{
    static const QStringList items = {
        QStringLiteral("10%"),  QStringLiteral("5%"),    QStringLiteral("1%"),   QStringLiteral("2%"),
        QStringLiteral("0.5%"), QStringLiteral("0.25%"), QStringLiteral("0.1%"), QStringLiteral("0.05%"),
    };
    return items;
}

int BandCountFromIndex(int bandCountIndex)
{
    return bandCountIndex >= 0 && bandCountIndex < kBandCountWords ? bandCountIndex + 3 : 0;
}

std::span<const int> BandPositionsUsed(int bandCount)
{
    switch (bandCount) {
    case 3: return kThreeBandPositions;
    case 4: return kFourBandPositions;
    case 5: return kFiveBandPositionsUsed;
    case 6: return kSixBandPositions;
    default: return {};
    }
}

int SignificantDigitCount(int bandCount)
{
    return bandCount >= 5 ? 3 : 2;
}

BandPicture BandPictureOf(int bandPosition)
{
    switch (bandPosition) {
    case FirstDigitBand: return BandPicture::First;
    case TcrBand: return BandPicture::Tcr;
    default: return BandPicture::Other;
    }
}

int MarkingPlace(int bandCount, int bandPosition)
{
    const std::span<const int> used = BandPositionsUsed(bandCount);
    for (std::size_t place = 0; place < used.size(); ++place)
        if (used[place] == bandPosition)
            return int(place);
    return -1;
}

int SingleBandPlace(int bandCount, int bandPosition)
{
    if (bandPosition == FirstDigitBand)
        return 0;
    if (bandPosition < 0 || bandPosition >= kBandPositionCount)
        return -1;
    if (bandPosition == TcrBand)
        return bandCount == 6 ? TcrBand : -1;
    switch (bandCount) {
    case 5:
    case 6: return bandPosition;
    case 4: return bandPosition <= ThirdDigitBand ? bandPosition : bandPosition - 1;
    case 3: return bandPosition == MultiplierBand ? 2 : bandPosition;
    default: return -1;
    }
}

std::vector<BandPaint> MarkingPaints(int bandCount, const BandCodeArray &codes)
{
    std::vector<BandPaint> paints;
    for (const int position : BandPositionsUsed(bandCount))
        paints.push_back({MarkingPlace(bandCount, position), codes[std::size_t(position)],
                          BandPictureOf(position)});
    return paints;
}

bool ParseCodeValuesRow(QStringView line, std::array<double, 5> &row)
{
    bool overflow = false;
    int column = 0;
    QString field;
    for (qsizetype i = 0; i < line.size() && !overflow; ++i) {
        if (line[i] == QLatin1Char('|')) {
            storeField(field, column++, row, overflow);
            field.clear();
        } else {
            field += line[i];
        }
        if (i == line.size() - 1 && !overflow)
            storeField(field, column++, row, overflow);
    }
    return !overflow;
}

void LoadResTable(const QString &path, ColourTables &tables)
{
    common::LineReader reader(path);
    ColourTables loaded = tables; // applied only once the whole file has been read

    reader.skipLines(1);
    loaded.CodeNames.clear();
    for (int code = 0; code < kColourCount; ++code)
        loaded.CodeNames.append(reader.readLine());

    reader.skipLines(1);
    for (auto &row : loaded.CodeValues) {
        const QString line = reader.readLine();
        bool wellFormed = false;
        try {
            wellFormed = ParseCodeValuesRow(line, row);
        } catch (const common::Failure &failure) { // a number beyond the double range
            reader.fail(failure.message());
        }
        if (!wellFormed)
            reader.fail(QStringLiteral("more than five values in the row \"%1\"").arg(line));
    }

    reader.skipLines(1);
    for (quint32 &colour : loaded.CodeTextColours) {
        const QString line = reader.readLine();
        double value = 0;
        try {
            value = common::roundHalfEven(common::leadingNumber(line), 0);
        } catch (const common::Failure &failure) {
            reader.fail(failure.message());
        }
        if (!(value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max()))
            reader.fail(QStringLiteral("the colour value \"%1\" does not fit in 32 bits").arg(line));
        colour = quint32(qint32(value));
    }

    readTcrLines(reader, loaded.CodeTcr);
    tables = std::move(loaded);
}

} // namespace colour_code
