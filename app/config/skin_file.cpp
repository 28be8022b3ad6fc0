#include "skin_file.h"

#include "config/settings_file.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/text_file.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace config
{
namespace
{

// Lines of the sections that only the tool windows read.
constexpr int kLinkoraFirstLine = 289;
constexpr int kVoltamoFirstLine = 367;
constexpr int kRequiredFilesFirstLine = 430;
// lblColor entries placed by lines 110-205; the black of the third-digit palette comes later.
constexpr int kSkinListedEntries = 48;
constexpr std::size_t kThirdDigitBlack = 48;
constexpr std::size_t kSixth = colour_code::TcrBand;

// Reads typed values one line at a time; every failure names the file and the line.
class SkinReader
{
public:
    SkinReader(const QString &path, const QStringList &lines) : m_reader(path, lines), m_lines(lines) {}

    // True when a label line and `count` value lines follow, none of the values blank.
    bool hasValuesAfterLabel(int count) const
    {
        const int first = m_reader.nextLineNumber(); // 0-based index of the line after the label
        if (first + count > m_lines.size())
            return false;
        for (int i = first; i < first + count; ++i)
            if (m_lines[i].trimmed().isEmpty())
                return false;
        return true;
    }

    void skipTo(int line) { m_reader.skipLines(line - m_reader.nextLineNumber()); }
    void label() { m_reader.skipLines(1); }
    QString text() { return m_reader.readLine(); }

    float single()
    {
        const double value = number();
        if (std::fabs(value) > double(FLT_MAX))
            m_reader.fail(QStringLiteral("the number is too large"));
        return common::toSingle(value);
    }

    // A 16-bit integer: the number rounded as a conversion to integer rounds.
    int int16() { return int(integer(-32768.0, 32767.0, "a 16-bit integer")); }

    quint32 colour()
    {
        return quint32(qint32(integer(-2147483648.0, 2147483647.0, "a colour value")));
    }

    float strictSingle()
    {
        const QString line = text();
        const std::optional<double> value = strictNumber(line);
        if (!value)
            m_reader.fail(QStringLiteral("\"%1\" is not a number").arg(line));
        if (std::fabs(*value) > double(FLT_MAX))
            m_reader.fail(QStringLiteral("the number is too large"));
        return common::toSingle(*value);
    }

    bool bold()
    {
        const QString line = text();
        const std::optional<bool> flag = boldFlag(line);
        if (!flag)
            m_reader.fail(QStringLiteral("\"%1\" is not a bold flag (True or False)").arg(line));
        return *flag;
    }

    TwipsPoint point()
    {
        TwipsPoint p;
        p.left = single();
        p.top = single();
        return p;
    }

    TwipsSize size()
    {
        TwipsSize s;
        s.width = single();
        s.height = single();
        return s;
    }

    TwipsRect rect()
    {
        TwipsRect r;
        r.left = single();
        r.top = single();
        r.width = single();
        r.height = single();
        return r;
    }

    SizedRect sizedRect()
    {
        SizedRect r;
        r.rect = rect();
        r.fontSize = single();
        return r;
    }

    StyledRect styledRect()
    {
        StyledRect r;
        r.rect = rect();
        r.fontSize = single();
        r.bold = bold();
        return r;
    }

    SizedCombo sizedCombo()
    {
        SizedCombo c;
        c.left = single();
        c.top = single();
        c.width = single();
        c.fontSize = single();
        return c;
    }

    StyledCombo styledCombo()
    {
        StyledCombo c;
        c.left = single();
        c.top = single();
        c.width = single();
        c.fontSize = single();
        c.bold = bold();
        return c;
    }

    StyledPoint styledPoint()
    {
        StyledPoint p;
        p.place = point();
        p.fontSize = single();
        p.bold = bold();
        return p;
    }

    QPoint intPoint()
    {
        const int x = int16();
        const int y = int16();
        return QPoint(x, y);
    }

private:
    double number()
    {
        const QString line = text();
        try {
            return common::leadingNumber(line);
        } catch (const common::Failure &failure) {
            m_reader.fail(failure.message());
        }
    }

    double integer(double lowest, double highest, const char *what)
    {
        const double rounded = common::roundHalfEven(number(), 0);
        if (!(rounded >= lowest && rounded <= highest))
            m_reader.fail(QStringLiteral("the number does not fit %1").arg(QLatin1String(what)));
        return rounded;
    }

    common::LineReader m_reader;
    QStringList m_lines;
};

// Lines 1-287.
void readMainFront(SkinReader &r, MainWindowSkin &s)
{
    const QString first = r.text();
    if (!first.isEmpty() && first[0] != QLatin1Char(' ') && first[0] != QLatin1Char('\t'))
        s.PictureSetCode = first.left(1);
    r.label();
    s.WindowColour = r.colour();
    s.GlobalPicture = r.text();
    r.label();
    s.GeneralFont = r.text();
    r.label();
    r.text(); // not used
    s.MenuBarColour = r.colour();
    r.label();
    s.ShapeColor = r.colour();
    r.label();
    for (int i = 0; i < 4; ++i)
        s.LabelColours[i] = r.colour();
    r.label();
    for (quint32 &c : s.TextBoxColours)
        c = r.colour();
    r.label();
    for (quint32 &c : s.ComboBoxColours)
        c = r.colour();
    r.label();
    s.ButtonColor = r.colour();
    r.label();
    {
        const int left = r.int16();
        const int top = r.int16();
        const int width = r.int16();
        const int height = r.int16();
        s.picMonitor = QRect(left, top, width, height);
    }
    s.picMonitorColour = r.colour();
    r.label();
    s.BodyPlace = r.intPoint();
    r.label();
    s.BandOrigin = r.intPoint();
    r.label();
    {
        const int width = r.int16();
        const int height = r.int16();
        s.windowSize = QSize(width, height);
    }
    r.label();
    s.lblMonitor = r.point();
    s.LabelColours[4] = r.colour();
    r.label();
    for (int i = 0; i < colour_code::kFiveBandPositions; ++i)
        s.BandOffsets[std::size_t(i)] = r.intPoint();
    r.label();
    r.text(); // a colour the main window does not apply
    s.cmbPolosok = r.sizedCombo();
    r.label();
    s.lblInfoMonitor = r.rect();
    s.lblInfoMonitorCaption = r.text();
    s.lblInfoMonitorFontSize = r.strictSingle();
    r.label();
    s.ConnectFormW = r.single();
    s.ConnectFormH = r.single();
    r.label();
    s.OmFormW = r.single();
    s.OmFormH = r.single();
    r.label();
    s.picMark = r.text();
    s.picCon = r.text();
    s.picOm = r.text();
    r.label();
    for (int i = 0; i < colour_code::kFiveBandPositions; ++i)
        s.BandLabelPlaces[std::size_t(i)] = r.point();
    r.label();
    s.lblPoloskaSize = r.size();
    r.label();
    s.shpRCRamkaC = r.colour();
    s.shpRCRamkaT = r.single();
    r.label();
    s.picPalleteColour = r.colour();
    s.picPalletePicture = r.text();
    for (int i = 0; i < colour_code::kFiveBandPositions; ++i)
        s.picPalleteSizes[std::size_t(i)] = r.size();
    for (int i = 0; i < kSkinListedEntries; ++i)
        s.lblColor[std::size_t(i)] = r.point();
    r.label();
    for (int i = 0; i < colour_code::kFiveBandPositions; ++i)
        s.lbl[std::size_t(i)] = r.rect();
    r.label();
    s.Command1 = r.sizedRect();
    r.label();
    s.Command2 = r.sizedRect();
    r.label();
    s.picMarkTitle = r.point();
    r.label();
    s.txtNominal = r.sizedRect();
    r.label();
    s.cmbEdinIzmereniya = r.sizedCombo();
    for (StyledRect &label : s.Labels) {
        r.label();
        label = r.styledRect();
    }
}

// Lines 430 to the end.
void readMainBack(SkinReader &r, MainWindowSkin &s)
{
    r.skipTo(kRequiredFilesFirstLine);
    for (QString &file : s.RequiredFiles)
        file = r.text();
    r.label();
    s.lineWidth = r.int16();
    const int count = r.int16();
    s.rectangles.clear();
    for (int i = 0; i < count; ++i) {
        DecorativeRectangle rect;
        rect.x1 = r.single();
        rect.y1 = r.single();
        rect.x2 = r.single();
        rect.y2 = r.single();
        rect.colour = r.colour();
        s.rectangles.push_back(rect);
    }
    // The third-digit palette's black came after the figures, so older skins end before it.
    s.thirdDigitBlackPlaced = r.hasValuesAfterLabel(2);
    if (s.thirdDigitBlackPlaced) {
        r.label();
        s.lblColor[kThirdDigitBlack] = r.point();
    }
    placeThirdDigitBlack(s);
    // The reading help came later still.
    s.readingHintPlaced = s.thirdDigitBlackPlaced && r.hasValuesAfterLabel(5);
    if (s.readingHintPlaced) {
        r.label();
        s.lblHint = r.sizedRect();
        r.label();
        s.lblHintBelow = r.rect();
        r.label();
        s.lblHintAbove = r.rect();
    }
    placeReadingHint(s);
    // Six bands came after the reading help.
    s.sixBandsPlaced = s.readingHintPlaced && r.hasValuesAfterLabel(2);
    if (s.sixBandsPlaced) {
        r.label();
        s.BandOffsets[kSixth] = r.intPoint();
        r.label();
        s.BandLabelPlaces[kSixth] = r.point();
        r.label();
        s.lbl[kSixth] = r.rect();
        r.label();
        s.picPalleteSizes[kSixth] = r.size();
        for (const colour_code::PaletteEntry &e : colour_code::PaletteEntries(colour_code::TcrBand))
            s.lblColor[std::size_t(e.lblColor)] = r.point();
        r.label();
        s.cmbTcr = r.sizedCombo();
        r.label();
        s.lblTcr = r.rect();
    }
    placeSixBands(s);
}

LinkoraSkin readLinkora(SkinReader &r)
{
    r.skipTo(kLinkoraFirstLine);
    LinkoraSkin s;
    s.picConTitle = r.point();
    r.label();
    s.cmdAdd = r.styledRect();
    r.label();
    s.cmdRemove = r.styledRect();
    r.label();
    s.cmdClear = r.styledRect();
    r.label();
    s.cmdCalc = r.styledRect();
    r.label();
    s.picParal = r.point();
    r.label();
    s.picPosled = r.point();
    r.label();
    s.Label1 = r.styledRect();
    r.label();
    s.txtNominal = r.styledRect();
    r.label();
    s.cmbEdinIz = r.styledCombo();
    r.label();
    s.lstResistors = r.styledRect();
    r.label();
    s.lblResult = r.styledRect();
    r.label();
    s.txtResult = r.styledRect();
    return s;
}

VoltamoSkin readVoltamo(SkinReader &r)
{
    r.skipTo(kVoltamoFirstLine);
    VoltamoSkin s;
    s.picOmTitle = r.point();
    r.label();
    s.picUIR = r.point();
    r.label();
    s.lblU = r.styledPoint();
    r.label();
    s.lblI = r.styledPoint();
    r.label();
    s.lblR = r.styledPoint();
    r.label();
    s.lblFirst = r.styledRect();
    r.label();
    s.lblSecond = r.styledRect();
    r.label();
    s.txtFirst = r.styledRect();
    r.label();
    s.txtSecond = r.styledRect();
    r.label();
    s.txtResult = r.styledRect();
    r.label();
    s.Command1 = r.styledRect();
    return s;
}

} // namespace

QString skinFilePath(const QString &skinName)
{
    return common::programPath(QStringLiteral("\\Skin\\") + skinName);
}

void placeThirdDigitBlack(MainWindowSkin &skin)
{
    using namespace colour_code;
    if (skin.thirdDigitBlackPlaced)
        return;
    const auto second = PaletteEntries(SecondDigitBand);
    const auto third = PaletteEntries(ThirdDigitBand);
    const TwipsPoint place = skin.lblColor[std::size_t(second[0].lblColor)];
    skin.lblColor[kThirdDigitBlack] = place;
    // Neighbours in a column share their border line, so an entry's own height is the pitch.
    const float height = kPaletteRowPitch;
    const float width = kPaletteEntrySize.width;
    const float pitch =
        std::max(height, skin.lblColor[std::size_t(second[1].lblColor)].top - place.top);

    // The entries of its column that do not lie wholly above it, and everything from the
    // highest of them down, move as one block to a row pitch below it.
    std::optional<float> blockTop;
    for (const PaletteEntry &e : third.subspan(1)) {
        const TwipsPoint &p = skin.lblColor[std::size_t(e.lblColor)];
        if (p.left < place.left + width && place.left < p.left + width && place.top < p.top + height)
            blockTop = std::min(blockTop.value_or(p.top), p.top);
    }
    if (blockTop && *blockTop < place.top + pitch) {
        const float shift = place.top + pitch - *blockTop;
        for (const PaletteEntry &e : third.subspan(1))
            if (TwipsPoint &p = skin.lblColor[std::size_t(e.lblColor)]; p.top >= *blockTop)
                p.top += shift;
    }

    // Grow the palette to hold every entry, keeping the second-digit palette's margins.
    auto extent = [&skin](std::span<const PaletteEntry> entries) {
        TwipsSize e;
        for (const PaletteEntry &entry : entries) {
            const TwipsPoint &p = skin.lblColor[std::size_t(entry.lblColor)];
            e.width = std::max(e.width, p.left + kPaletteEntrySize.width);
            e.height = std::max(e.height, p.top + kPaletteEntrySize.height);
        }
        return e;
    };
    const TwipsSize &secondSize = skin.picPalleteSizes[SecondDigitBand];
    const TwipsSize secondExtent = extent(second);
    const TwipsSize thirdExtent = extent(third);
    TwipsSize &size = skin.picPalleteSizes[ThirdDigitBand];
    size.width = std::max(size.width, thirdExtent.width + std::max(0.0f, secondSize.width - secondExtent.width));
    size.height = std::max(size.height, thirdExtent.height + std::max(0.0f, secondSize.height - secondExtent.height));
}

void placeReadingHint(MainWindowSkin &skin)
{
    if (skin.readingHintPlaced)
        return;
    // Twips: a gap of 6 pixels under the display, room for six lines of text.
    const auto left = float(skin.picMonitor.left());
    const auto top = float(skin.picMonitor.top() + skin.picMonitor.height() + 90);
    const auto width = float(skin.picMonitor.width());
    skin.lblHint = {{left, top, width, 1440}, skin.Labels[2].fontSize};
    const TwipsSize choice{2250, 390};
    skin.lblHintBelow = {left, top + 345, choice.width, choice.height};
    skin.lblHintAbove = {left + choice.width + 120, top + 345, choice.width, choice.height};
}

void placeSixBands(MainWindowSkin &skin)
{
    using namespace colour_code;
    if (skin.sixBandsPlaced)
        return;
    const QPoint &multiplier = skin.BandOffsets[MultiplierBand];
    const QPoint &tolerance = skin.BandOffsets[ToleranceBand];
    skin.BandOffsets[kSixth] = {2 * tolerance.x() - multiplier.x(), skin.BandOffsets[FirstDigitBand].y()};

    const TwipsPoint fourth = skin.BandLabelPlaces[MultiplierBand];
    const TwipsPoint fifth = skin.BandLabelPlaces[ToleranceBand];
    const TwipsPoint step{fifth.left - fourth.left, fifth.top - fourth.top};
    skin.BandLabelPlaces[kSixth] = {fifth.left + step.left, fifth.top + step.top};
    TwipsRect title = skin.lbl[ToleranceBand];
    title.left += step.left;
    title.top += step.top;
    skin.lbl[kSixth] = title;
    const auto overlaps = [](const TwipsRect &a, const TwipsRect &b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    const TwipsRect band{skin.BandLabelPlaces[kSixth].left, skin.BandLabelPlaces[kSixth].top,
                         skin.lblPoloskaSize.width, skin.lblPoloskaSize.height};
    TwipsRect &decode = skin.Command1.rect;
    if (overlaps(band, decode) || overlaps(title, decode))
        decode.top += std::max(step.top, band.top + band.height - decode.top);

    // The tolerance palette's columns, one row longer.
    const auto tolerance5 = PaletteEntries(ToleranceBand);
    const TwipsPoint first = skin.lblColor[std::size_t(tolerance5[0].lblColor)];
    const float pitch = skin.lblColor[std::size_t(tolerance5[1].lblColor)].top - first.top;
    const float secondColumn = skin.lblColor[std::size_t(tolerance5[4].lblColor)].left;
    for (const PaletteEntry &e : PaletteEntries(TcrBand))
        skin.lblColor[std::size_t(e.lblColor)] = {e.column == 0 ? first.left : secondColumn,
                                                  first.top + pitch * float(e.row)};
    skin.picPalleteSizes[kSixth] = skin.picPalleteSizes[ToleranceBand];
    skin.picPalleteSizes[kSixth].height += pitch;

    const float gap = 120; // 8 pixels
    const TwipsRect &caption = skin.Labels[4].rect;
    const float left = kToleranceListPlace.left + kToleranceListPlace.width + gap;
    const float width = std::max(caption.left + caption.width - left, 1500.0f);
    skin.cmbTcr = {left, kToleranceListPlace.top, width, skin.cmbEdinIzmereniya.fontSize};
    skin.lblTcr = {left, caption.top, width, caption.height};
}

std::optional<bool> boldFlag(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> value = strictNumber(trimmed))
        return *value != 0;
    return std::nullopt;
}

MainWindowSkin parseMainWindowSkin(const QString &path, const QStringList &lines)
{
    SkinReader reader(path, lines);
    MainWindowSkin skin;
    readMainFront(reader, skin);
    readMainBack(reader, skin);
    return skin;
}

LinkoraSkin parseLinkoraSkin(const QString &path, const QStringList &lines)
{
    SkinReader reader(path, lines);
    return readLinkora(reader);
}

VoltamoSkin parseVoltamoSkin(const QString &path, const QStringList &lines)
{
    SkinReader reader(path, lines);
    return readVoltamo(reader);
}

SkinFile parseSkinFile(const QString &path, const QStringList &lines)
{
    SkinReader reader(path, lines);
    SkinFile skin;
    readMainFront(reader, skin.main);
    skin.linkora = readLinkora(reader);
    skin.voltamo = readVoltamo(reader);
    readMainBack(reader, skin.main);
    return skin;
}

MainWindowSkin readMainWindowSkin(const QString &path)
{
    return parseMainWindowSkin(path, common::readTextLines(path));
}

LinkoraSkin readLinkoraSkin(const QString &path)
{
    return parseLinkoraSkin(path, common::readTextLines(path));
}

VoltamoSkin readVoltamoSkin(const QString &path)
{
    return parseVoltamoSkin(path, common::readTextLines(path));
}

SkinFile readSkinFile(const QString &path)
{
    return parseSkinFile(path, common::readTextLines(path));
}

} // namespace config
