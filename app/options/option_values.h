#pragma once

// The options dialog's private copy of the settings file: lines 1-33 as texts (index = line
// - 1), what the dialog shows of them, what its Default puts in, the change of language, and
// what OK writes and sets. No widgets here.

#include "config/global_settings.h"
#include "config/language_file.h"

#include <QString>
#include <QStringList>
#include <array>

namespace options
{

constexpr int kOptionValueCount = 33;

// The entries the dialog changes, by index (settings line - 1). All others are written back
// as they were read.
namespace entry
{
constexpr int SkinName = 2;
constexpr int Lang = 4;
constexpr int FormCentring = 6;
constexpr int ConnectFormCentring = 10;
constexpr int OmFormCentring = 14;
constexpr int BandCount = 18;
constexpr int Unit = 20;
constexpr int LastResistInCon = 24;
constexpr int ConRound = 28;
constexpr int OmRound = 30;
} // namespace entry

// The placement entries of the main window, frmLinkor and frmVoltam, in this order (the
// order of the dialog's three placement lists).
constexpr std::array<int, 3> kPlacementEntries = {entry::FormCentring, entry::ConnectFormCentring,
                                                  entry::OmFormCentring};

// The two items of every placement list.
constexpr int kFreeItem = 0;    // LangPos2: free placement at the saved position
constexpr int kCentredItem = 1; // LangPos1: centred on the screen

constexpr int kMaxRounding = 8;

// The item that shows a stored placement word: centred for the language's centred word, free
// for any other text, a word of another language or a hand-edited one included.
int placementItem(const QString &storedWord, const QString &langPos1);
// The word a placement item stands for in a language.
QString placementWord(int item, const QString &langPos1, const QString &langPos2);

// The scroll-bar value of a stored rounding: its number by the leading-number rule, rounded
// (halves to even) and kept within 0-8; a text without a number gives 0.
int roundingPosition(const QString &stored);
QString roundingText(int position);

// What the dialog shows of its values.
struct DialogValues {
    QString SkinName;                    // txtSkin
    QString Lang;                        // txtLang
    std::array<int, 3> placementItems{}; // cmbBandolPos, cmbLinkorPos, cmbVoltamPos
    int ConRound = 0;                    // VSCon
    int OmRound = 0;                     // VSOm
    bool operator==(const DialogValues &) const = default;
};

// The values as the dialog's load shows them, given the current language's centred word.
DialogValues dialogValues(const QStringList &optionValues, const QString &langPos1);
// What Default puts into the dialog: Русский, Default.she, free placement, 3 decimals.
DialogValues defaultDialogValues();

// After a change of language: the default unit becomes the new language's word for 1 ohm, the
// default band count its word for four bands, the unit last chosen in frmLinkor the new word at
// its place among the current language's unit names (1 ohm when it is none of them), and each
// placement entry the new word of the item chosen for it, so that free stays free and centred
// stays centred. The default tolerance is no word of a language and stays.
void translateOptionValues(QStringList &values, const std::array<int, 3> &placementItems,
                           const std::array<QString, 5> &currentUnitNames,
                           const config::OptionsTexts &newLanguage);

// The dialog's values with every entry the dialog itself does not change (positions, the
// main window's lists, what the tool windows keep) taken from the live lines.
QStringList withLiveValues(const QStringList &values, const QStringList &liveLines);

// The 35 lines OK writes: the 33 values, the label of line 34 and the last resistor code.
QStringList settingsLines(const QStringList &values, const QString &lastResistorCode);

// The lines after line 35 as the windows stand (liveLines), with the Combinations window's
// placement word set to the centred or the free word given. A file without them gets none: the
// window's defaults then hold.
QStringList laterSettingsLines(const QStringList &liveLines, const QString &langPos1,
                               const QString &langPos2, bool combinationsCentred);

// Throws common::Failure naming the file and line when a line holds a character outside the
// settings file's code page: it would read back as another text.
void checkCodePage(const QString &path, const QStringList &lines);

// The global settings OK sets from the values: the three placement words, both roundings and
// the language name.
void applyToSettings(const QStringList &values, config::GlobalSettings &settings);

// The dialog's title: the caption of the menu item that opens it, without its access-key
// mark and its trailing dots ("&Preferences..." gives "Preferences").
QString dialogTitle(const QString &menuCaption);

} // namespace options
