#pragma once

// Language files (\Languages\<name>.lng): one text per line, identified only by its line
// number. Values are taken unchanged (no trimming); a blank line is an empty entry. Every
// reader needs the file only up to its last line, and a file that ends earlier throws
// common::Failure naming the file and the first missing line.

#include "colour_code/reading_help.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace config
{

// Languages/<lang>.lng, the user's own before the program folder's.
QString languageFilePath(const QString &lang);

// Six bands' texts, from the later lines SixBandsLine on, or built in.
struct SixBandTexts {
    QString bandTitle;   // lbl(5), the sixth band's title
    QString tcrCaption;  // lblTcr, the caption of the TCR selector
    QString tcrToolTip;  // cmbTcr's tooltip and description
    QString tcrLine;     // the display's TCR line; %1 is the number
    QString paletteName; // picPallete6's name for assistive technology

    bool operator==(const SixBandTexts &) const = default;
};

// The main window's texts: lines 4-34, 36-37, 80-102 and the later lines.
struct MainWindowTexts {
    // 4-13: mnuFile, mnuNew, mnuOpen, mnuSaveAs, mnuPreferences, mnuExit, mnuUtils, mnuHelp,
    // mnuManual, mnuAbout.
    std::array<QString, 10> MenuCaptions;
    QString NotChosenText; // 14
    // 0-4: unit names for 1, 10^3, 10^6, 10^9, 10^12 ohm (15-19); 5-15: lines 92-102.
    std::array<QString, 16> LangTexts;
    // 20-22: 3, 4 and 5 bands; later line SixBandsLine: 6 bands.
    std::array<QString, 4> BandCountNames;
    std::array<QString, 12> ColourNames;   // 23-34, by colour code
    QString LangPos2;                      // 36: free placement
    QString LangPos1;                      // 37: centred placement
    // 80-91: Label1, Label2, lbl(0..4), Command1, Command2, Label3, Label4, Label5.
    std::array<QString, 12> ControlCaptions;
    // Later line CopyCaptionLine: File > Copy; none in a file without it.
    std::optional<QString> CopyCaption;
    // The later lines from FirstReadingHintLine on, or the built-in texts of the language the
    // file is named after (reading_help_texts.h).
    colour_code::ReadingHintTexts ReadingHint;
    // Later line UnitListNameLine: cmbEdinIzmereniya's accessible name, or the built-in text.
    QString UnitListName;
    SixBandTexts SixBands;

    bool operator==(const MainWindowTexts &) const = default;
};

// frmVoltam's texts: lines 15 and 38-49.
struct VoltamoTexts {
    QString resistanceUnit;   // 15
    QString voltageUnit;      // 38
    QString currentUnit;      // 39
    QString Command1Caption;  // 40
    QString voltageName;      // 41
    QString currentName;      // 42
    QString resistanceName;   // 43
    QString lblUToolTip;      // 44
    QString lblIToolTip;      // 45
    QString lblRToolTip;      // 46
    QString txtResultToolTip; // 47
    QString failureText;      // 48
    QString failureTitle;     // 49

    bool operator==(const VoltamoTexts &) const = default;
};

// frmLinkor's texts: lines 15-19 and 50-64.
struct LinkoraTexts {
    std::array<QString, 5> unitNames; // 15-19
    QString cmdAddCaption;            // 50
    QString cmdRemoveCaption;         // 51
    QString cmdClearCaption;          // 52
    QString cmdCalcCaption;           // 53
    QString lblResultCaption;         // 54, as written (the window appends ":")
    QString Label1Caption;            // 55
    QString picParalToolTip;          // 56
    QString picPosledToolTip;         // 57
    QString txtNominalToolTip;        // 58
    QString cmbEdinIzToolTip;         // 59
    QString lstResistorsToolTip;      // 60
    QString cmdAddToolTip;            // 61
    QString cmdRemoveToolTip;         // 62
    QString cmdClearToolTip;          // 63
    QString cmdCalcToolTip;           // 64
    QString cmbEdinIzName;            // later line UnitListNameLine, or the built-in text

    bool operator==(const LinkoraTexts &) const = default;
};

// The options dialog's texts: lines 8, 15-19, 21, 36-37 and 65-79. The unit names and line 21
// serve a change of language, which rewrites the stored unit and band-count words.
struct OptionsTexts {
    std::array<QString, 5> unitNames; // 15-19: 1, 10^3, 10^6, 10^9 and 10^12 ohm
    QString fourBandsName;            // 21
    QString LangPos2;                 // 36
    QString LangPos1;                 // 37
    // 65-79: Frame1, Frame2, Frame3, Frame4, Label2, Label3, Label4, Label5, Label6, Frame5,
    // Label1, Label7, cmdOk, cmdCancel, cmdDefault.
    std::array<QString, 15> Captions;
    // 8: the menu item that opens the dialog, whose caption is the dialog's title.
    QString PreferencesCaption;
    // The frame and the caption of the Combinations window's placement, from the later lines
    // (CombinationTexts) or built in.
    QString CombinationsFrame, CombinationsPlacement;

    bool operator==(const OptionsTexts &) const = default;
};

// The blocks of the windows of this program, each read by its own reader above. The about
// lines after line 103 belong to the about window and the help block after them to the help
// program, which read them themselves.
struct LanguageFile {
    MainWindowTexts main;
    VoltamoTexts voltamo;
    LinkoraTexts linkora;
    OptionsTexts options;
};

// Texts added to the format later follow the help block, so every earlier line keeps its
// number. They are numbered from 0 after the block's last line, in this order. A file without
// them (an older or a shortened translation) still serves every window; its readers fall back
// to built-in texts (inLanguage).
enum LaterLine : int {
    CopyCaptionLine = 0,      // File > Copy
    FirstReadingHintLine = 1, // the reading help's texts, from here on
    ReadingHintLinesEnd = 10, // the first line after them
    UnitListNameLine = 10,    // the accessible name of the unit lists
    SmdLine = 11,             // the reading help's line of SMD codes ("SMD: %1")
    // Six bands, in the order of their texts.
    SixBandsLine = 12,        // the fourth band-count word
    SixthBandTitleLine = 13,  // SixBandTexts::bandTitle
    TcrCaptionLine = 14,
    TcrToolTipLine = 15,
    TcrDisplayLine = 16,      // must hold %1
    TcrPaletteNameLine = 17,
    FirstCombinationLine = 18, // the Combinations window's texts, from here on
};

// Index (0-based) into lines of the first line after the help block; none when the file ends,
// or holds a count that cannot be read, before that block is complete.
std::optional<qsizetype> laterLinesStart(const QStringList &lines);
// The later line of that number; none when the file does not have it.
std::optional<QString> laterLine(const QStringList &lines, int number);

// The later line of that number when the file has it with each of the marks %1 to %marks, and
// otherwise the built-in text of the language lang (inLanguage, both joined by " / ").
QString laterText(const QStringList &lines, int number, int marks, const QString &lang,
                  const char *russian, const char *english);

// A built-in text for the language in use (the language file's name, as the settings keep
// it): Russian, English, or for any other language both, Russian first, with the joint.
QString inLanguage(const QString &lang, const QString &russian, const QString &english,
                   const QString &joint = QStringLiteral("\n"));

MainWindowTexts readMainWindowTexts(const QString &path);
VoltamoTexts readVoltamoTexts(const QString &path);
LinkoraTexts readLinkoraTexts(const QString &path);
OptionsTexts readOptionsTexts(const QString &path);
LanguageFile readLanguageFile(const QString &path);

// The same readers over lines already in memory (path only names the file in failures).
MainWindowTexts parseMainWindowTexts(const QString &path, const QStringList &lines);
VoltamoTexts parseVoltamoTexts(const QString &path, const QStringList &lines);
LinkoraTexts parseLinkoraTexts(const QString &path, const QStringList &lines);
OptionsTexts parseOptionsTexts(const QString &path, const QStringList &lines);
LanguageFile parseLanguageFile(const QString &path, const QStringList &lines);

} // namespace config
