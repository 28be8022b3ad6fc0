#pragma once

// \Data\Settings.dat: 35 lines, label lines and value lines alternating. Readers never compare
// the labels; they take values strictly by line position. Pure code: nothing here touches a
// window.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace config
{

constexpr int kSettingsLineCount = 35;

// Data/Settings.dat in the user's folder: every reader and writer of the main program uses it.
QString settingsFilePath();

// The fixed items of the tolerance selector cmbDopusk, in list order.
const QStringList &toleranceItems();

// ---- Numbers -------------------------------------------------------------------------------

// A strict number: the whole text, blanks around it aside, is one decimal number (sign,
// digits, "." or the regional decimal separator, "E"/"D" exponent). No value for anything
// else, including a number followed by other text ("3x").
std::optional<double> strictNumber(QStringView text);

// ---- Writing -------------------------------------------------------------------------------

// The 35 lines of a fresh settings file. All three coordinate pairs hold the same position.
QStringList defaultSettingsLines(float centredX, float centredY);

// Everything the exit path writes, taken from the live state and the main window's controls.
struct SettingsSnapshot {
    QString SkinName;
    QString Lang;
    QString FormCentring;
    float windowLeft = 0; // the main window's present left and top edges, twips
    float windowTop = 0;
    QString ConnectFormCentring;
    float ConnectFormX = 0, ConnectFormY = 0;
    QString OmFormCentring;
    float OmFormX = 0, OmFormY = 0;
    QString bandCountText; // the texts the three selectors show
    QString unitText;
    QString toleranceText;
    QString LastResistInCon;
    QString LastConnect;
    quint8 ConRound = 0;
    quint8 OmRound = 0;
    QString VoltamLastUIR;
    QString lastResistorCode; // line 35: the code of the live marking
    QString LangPos1;         // the current language's centred and free placement words
    QString LangPos2;
};

// The 35 lines that the exit path writes. Placement words are normalised to one of the two
// words of the current language.
QStringList saveSettingsLines(const SettingsSnapshot &snapshot);

// The label of line 34, which every writer puts before the last resistor code.
QString lastResistorLabel();

// LangPos1 when the stored word means centred, LangPos2 for any other text.
QString normalisedPlacementWord(const QString &word, const QString &langPos1,
                                const QString &langPos2);

// ---- Reading -------------------------------------------------------------------------------

// The raw lines of the file. Reading checks only that there are 35 lines.
struct SettingsFile {
    QString path;
    QStringList lines; // index = line number - 1; exactly 35
    QStringList laterLines = {}; // the lines after line 35, which tool windows added later

    const QString &line(int number) const { return lines.at(number - 1); }
    const QString &SkinName() const { return line(3); }
    const QString &Lang() const { return line(5); }
};

// Throws common::Failure naming the file and the first missing line when the file is shorter
// than 35 lines (or naming the file when it cannot be read). Later lines go to laterLines.
SettingsFile readSettingsFile(const QString &path);

// What interpreting the values needs from the language just loaded.
struct SettingsWords {
    QString LangPos1;
    QStringList bandCountItems; // the items of cmbPolosok
    QStringList unitItems;      // the items of cmbEdinIzmereniya
};

struct TwipsPosition {
    float x = 0;
    float y = 0;
    bool operator==(const TwipsPosition &) const = default;
};

struct Settings {
    QString SkinName;
    QString Lang;
    QString FormCentring;
    // Read only when the placement word differs from LangPos1 (free placement); a centred
    // window has no stored position.
    std::optional<TwipsPosition> windowPosition;
    QString ConnectFormCentring;
    std::optional<TwipsPosition> connectFormPosition;
    QString OmFormCentring;
    std::optional<TwipsPosition> omFormPosition;
    int bandCountIndex = 0; // item of cmbPolosok that line 19 names
    int unitIndex = 0;      // item of cmbEdinIzmereniya (line 21)
    int toleranceIndex = 0; // item of cmbDopusk (line 23)
    QString LastResistInCon;
    QString LastConnect;
    quint8 ConRound = 0;
    quint8 OmRound = 0;
    QString VoltamLastUIR;
    QString Temp01; // line 35, trimmed
};

// Interprets the lines as the main window's load does, once the language is loaded.
// Coordinates follow the leading-number rule ("12,5" reads 12, "abc" 0). Throws
// common::Failure naming the file and the line for a selector text that is not an item of
// its list, or a rounding value that is not a number rounding (halves to even) to 0-255.
Settings interpretSettings(const SettingsFile &file, const SettingsWords &words);

} // namespace config
