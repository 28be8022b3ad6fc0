#pragma once

// Skin files (\Skin\*.she): one value per line, read strictly by position. Geometry is kept in
// twips as the file has it, colours as stored values (red in the low byte), font sizes in
// points. Pure code: applying the values to windows is the windows' business.
//
// Numbers follow the leading-number rule (no number reads as 0) unless noted. Every failure
// is a common::Failure naming the file and the line:
//  - the file ends before a line that is read (also a missing decorative figure);
//  - a bold flag that is neither "True"/"False" (any letter case) nor a number;
//  - the strict font size of lblInfoMonitor (line 69) that is not a number;
//  - a value that does not fit its type (a 16-bit integer outside -32768..32767, a colour
//    outside the 32-bit range, a float beyond the single-precision range).
//
// Readers:
//  - readMainWindowSkin: lines 1-287 and 430 to the end; lines 288-429 are skipped unread, so
//    a skin whose tool sections are empty still serves the main window. A skin without the
//    place of lblColor(48) after its figures gets one from placeThirdDigitBlack, and one without
//    the reading help's places after it gets them from placeReadingHint, and one without the
//    six bands' places after those gets them from placeSixBands.
//  - readLinkoraSkin: lines 289-365 only; the file need not go beyond line 365.
//  - readVoltamoSkin: lines 367-428 only; the file need not go beyond line 428.
//  - readSkinFile: all three sections from one reading of the file.

#include "colour_code/colour_tables.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

namespace config
{

// Skin/<skinName>, the user's own before the program folder's.
QString skinFilePath(const QString &skinName);

// "Nothing" in a picture field means no picture.
inline bool isNoPicture(const QString &path)
{
    return path == QLatin1String("Nothing");
}

// Geometry held as 32-bit floats, in twips.
struct TwipsPoint // left, top (or x, y)
{
    float left = 0;
    float top = 0;
    bool operator==(const TwipsPoint &) const = default;
};

struct TwipsSize {
    float width = 0;
    float height = 0;
    bool operator==(const TwipsSize &) const = default;
};

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipsRect &) const = default;
};

// L,T,W,H and a font size.
struct SizedRect {
    TwipsRect rect;
    float fontSize = 0;
    bool operator==(const SizedRect &) const = default;
};

// L,T,W,H, font size and bold.
struct StyledRect {
    TwipsRect rect;
    float fontSize = 0;
    bool bold = false;
    bool operator==(const StyledRect &) const = default;
};

// A drop-down list: L,T,W and a font size (its height follows from its font).
struct SizedCombo {
    float left = 0;
    float top = 0;
    float width = 0;
    float fontSize = 0;
    bool operator==(const SizedCombo &) const = default;
};

// A drop-down list with L,T,W, font size and bold.
struct StyledCombo {
    float left = 0;
    float top = 0;
    float width = 0;
    float fontSize = 0;
    bool bold = false;
    bool operator==(const StyledCombo &) const = default;
};

// A label placed by its left and top only, with font size and bold.
struct StyledPoint {
    TwipsPoint place;
    float fontSize = 0;
    bool bold = false;
    bool operator==(const StyledPoint &) const = default;
};

// Outline of a rectangle drawn on the main window, corners (x1, y1) and (x2, y2).
struct DecorativeRectangle {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    quint32 colour = 0;
    bool operator==(const DecorativeRectangle &) const = default;
};

constexpr int kRequiredFileCount = 33;

// The main window's part of a skin: lines 1-287 and 430 to the end. Members are named after
// the values or controls they serve. 16-bit integer fields are int.
struct MainWindowSkin {
    QString PictureSetCode;                      // 1: first character, empty if it is a blank
    quint32 WindowColour = 0;                    // 3: main window background
    QString GlobalPicture;                       // 4: path or "Nothing", as written
    QString GeneralFont;                         // 6
    quint32 MenuBarColour = 0;                   // 9
    quint32 ShapeColor = 0;                      // 11
    std::array<quint32, 5> LabelColours{};       // 13-16 (0-3), 45 (4)
    std::array<quint32, 3> TextBoxColours{};     // 18-20
    std::array<quint32, 3> ComboBoxColours{};    // 22-24
    quint32 ButtonColor = 0;                     // 26
    QRect picMonitor;                            // 28-31 L,T,W,H (16-bit)
    quint32 picMonitorColour = 0;                // 32
    QPoint BodyPlace;                            // 34-35 (16-bit)
    QPoint BandOrigin;                           // 37-38 (16-bit)
    QSize windowSize;                            // 40-41 (16-bit)
    TwipsPoint lblMonitor;                       // 43-44
    // 47-56 (16-bit), band positions 0-4; the TCR band's after the reading help's lines.
    std::array<QPoint, 6> BandOffsets{};
    SizedCombo cmbPolosok;                       // 59-62 (line 58 is not used)
    TwipsRect lblInfoMonitor;                    // 64-67
    QString lblInfoMonitorCaption;               // 68
    float lblInfoMonitorFontSize = 0;            // 69 (strict)
    float ConnectFormW = 0, ConnectFormH = 0;    // 71-72
    float OmFormW = 0, OmFormH = 0;              // 74-75
    QString picMark, picCon, picOm;              // 77-79
    // 81-90: lblPoloska(0..4) left, top; lblPoloska(5) after the reading help's lines.
    std::array<TwipsPoint, 6> BandLabelPlaces{};
    TwipsSize lblPoloskaSize;                    // 92-93
    quint32 shpRCRamkaC = 0;                     // 95
    float shpRCRamkaT = 0;                       // 96
    quint32 picPalleteColour = 0;                // 98
    QString picPalletePicture;                   // 99: path or "Nothing", as written
    // 100-109: picPallete1..5; picPallete6 after the reading help's lines.
    std::array<TwipsSize, 6> picPalleteSizes{};
    // 110-205: lblColor(0..47); lblColor(48), black of the third-digit palette, from the
    // lines after the decorative figures (or placed by placeThirdDigitBlack); lblColor(49..57),
    // the TCR palette's, after the reading help's lines (or placed by placeSixBands).
    std::array<TwipsPoint, colour_code::kLblColorCount> lblColor{};
    std::array<TwipsRect, 6> lbl{};              // 207-226: band titles; lbl(5) later
    SizedRect Command1;                          // 228-232: decode button
    SizedRect Command2;                          // 234-238: encode button
    TwipsPoint picMarkTitle;                     // 240-241
    SizedRect txtNominal;                        // 243-247
    SizedCombo cmbEdinIzmereniya;                // 249-252
    std::array<StyledRect, 5> Labels{};          // Label1..Label5: 254-259, 261-266, ... 282-287
    std::array<QString, kRequiredFileCount> RequiredFiles; // 430-462, as written
    int lineWidth = 0;                                     // 464 (16-bit), pixels
    std::vector<DecorativeRectangle> rectangles; // 465: n (a count below 0 draws none), 466...
    // The skin places lblColor(48) itself: a label line and its left and top after the figures.
    bool thirdDigitBlackPlaced = false;
    // After lblColor(48), each after a label line: the reading help lblHint (L,T,W,H, font size)
    // and its neighbour choices lblHintBelow and lblHintAbove (L,T,W,H each).
    SizedRect lblHint;
    TwipsRect lblHintBelow, lblHintAbove;
    // The skin places the reading help itself; otherwise placeReadingHint does.
    bool readingHintPlaced = false;
    // After the reading help, each group after a label line: the TCR band's drawing offset,
    // lblPoloska(5)'s place, lbl(5), picPallete6's size and its entries lblColor(49..57), the
    // TCR selector cmbTcr (L,T,W, font size) and its caption lblTcr (L,T,W,H).
    SizedCombo cmbTcr;
    TwipsRect lblTcr;
    // The skin places the six bands itself; otherwise placeSixBands does.
    bool sixBandsPlaced = false;

    bool operator==(const MainWindowSkin &) const = default;
};

// frmLinkor's section, lines 289-365.
struct LinkoraSkin {
    TwipsPoint picConTitle;  // 289-290
    StyledRect cmdAdd;       // 292-297
    StyledRect cmdRemove;    // 299-304
    StyledRect cmdClear;     // 306-311
    StyledRect cmdCalc;      // 313-318
    TwipsPoint picParal;     // 320-321
    TwipsPoint picPosled;    // 323-324
    StyledRect Label1;       // 326-331
    StyledRect txtNominal;   // 333-338
    StyledCombo cmbEdinIz;   // 340-344
    StyledRect lstResistors; // 346-351
    StyledRect lblResult;    // 353-358
    StyledRect txtResult;    // 360-365

    bool operator==(const LinkoraSkin &) const = default;
};

// frmVoltam's section, lines 367-428.
struct VoltamoSkin {
    TwipsPoint picOmTitle; // 367-368
    TwipsPoint picUIR;     // 370-371
    StyledPoint lblU;      // 373-376
    StyledPoint lblI;      // 378-381
    StyledPoint lblR;      // 383-386
    StyledRect lblFirst;   // 388-393
    StyledRect lblSecond;  // 395-400
    StyledRect txtFirst;   // 402-407
    StyledRect txtSecond;  // 409-414
    StyledRect txtResult;  // 416-421
    StyledRect Command1;   // 423-428

    bool operator==(const VoltamoSkin &) const = default;
};

struct SkinFile {
    MainWindowSkin main;
    LinkoraSkin linkora;
    VoltamoSkin voltamo;
};

MainWindowSkin readMainWindowSkin(const QString &path);
LinkoraSkin readLinkoraSkin(const QString &path);
VoltamoSkin readVoltamoSkin(const QString &path);
SkinFile readSkinFile(const QString &path);

// The same readers over lines already in memory (path only names the file in failures).
MainWindowSkin parseMainWindowSkin(const QString &path, const QStringList &lines);
LinkoraSkin parseLinkoraSkin(const QString &path, const QStringList &lines);
VoltamoSkin parseVoltamoSkin(const QString &path, const QStringList &lines);
SkinFile parseSkinFile(const QString &path, const QStringList &lines);

// Size of a palette entry lblColor, in twips, and the distance between the tops of two
// entries of a column: neighbours share their one-pixel border.
constexpr TwipsSize kPaletteEntrySize{1455, 255};
constexpr float kPaletteRowPitch = 240;

// A skin written before the third-digit palette offered black has no place for lblColor(48).
// The entry then takes the place that the second-digit palette gives its black entry; the
// third-digit entries at and below it move down by that palette's row pitch (at least
// kPaletteRowPitch) where they would overlap, and the palette grows to hold them all. Does nothing when the skin places it.
void placeThirdDigitBlack(MainWindowSkin &skin);

// A skin without the reading help's lines shows it below the display, as wide as the display,
// in the labels' font size (Label3's), with the neighbour choices on its second line. Does
// nothing when the skin places it.
void placeReadingHint(MainWindowSkin &skin);

// The tolerance list cmbDopusk has no skin lines: it keeps this place, in twips.
constexpr TwipsRect kToleranceListPlace{656 * 15, 178 * 15, 124 * 15, 26 * 15};

// A skin from before six bands: the TCR band is drawn after the tolerance band, set apart from it
// as the tolerance band is from the multiplier, at the first band's height (both stand on the
// body's thick ends); the sixth band label and title follow the fifth at the distance between
// the fourth and the fifth, and the decode button moves down by as much where they would
// cover it; the TCR palette is the tolerance palette's two columns one row longer; the TCR
// selector stands beside the tolerance list up to Label5's right edge (at least 100 pixels
// wide), with its caption above it in Label5's row. Does nothing when the skin places them.
void placeSixBands(MainWindowSkin &skin);

// A bold flag: "True" or "False" in any letter case, or a number (0 false, anything else
// true); blanks around it are ignored. No value for anything else.
std::optional<bool> boldFlag(QStringView text);

} // namespace config
