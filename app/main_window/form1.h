#pragma once

#include "colour_code/colour_tables.h"
#include "colour_code/marking_state.h"
#include "colour_code/reading_help.h"
#include "config/global_settings.h"
#include "config/language_file.h"
#include "config/language_state.h"
#include "config/settings_file.h"
#include "config/skin_file.h"
#include "ui/skin_colours.h"

#include <QLockFile>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace ohm_calc {
class frmVoltam;
} // namespace ohm_calc

namespace ui {
class ClickLabel;
class WindowSurface;
} // namespace ui

namespace marking_files {
struct Marking;
} // namespace marking_files

namespace connection_calc {
class frmLinkor;
} // namespace connection_calc

namespace combination_calc {
class frmCombinations;
} // namespace combination_calc

namespace config {
struct CombinationSettings;
} // namespace config

namespace options {
class frmOptions;
struct OptionsContext;
} // namespace options

namespace main_window {

struct MainWindowFiles;
class NominalEdit;
class PalettePanel;
class ResistorDisplay;
using ui::ClickLabel;

// The main window: owner of the global settings, the marking, the colour tables, the
// language texts and the skin values. Its handlers are thin: the computations live in
// colour_code/ and config/.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Brings the window up from the files. Returns false when the load failed (the user has
    // been told and the end of the program requested) or another copy runs.
    bool Form_Load();
    // Runs the whole load again (after the options have changed the files).
    bool ReIn() { return Form_Load(); }

    config::GlobalSettings settings;
    colour_code::MarkingState marking;
    config::LanguageState texts;
    colour_code::ColourTables tables;
    config::MainWindowSkin skin;
    // The skin's colours and font by kind of control, for this window and the tool windows.
    ui::SkinScheme SkinColours;
    bool LoadedFlag = false;
    QString PictureName;

    // The controls, under their own names.
    QMenu *mnuFile = nullptr;
    QAction *mnuNew = nullptr, *mnuOpen = nullptr, *mnuSaveAs = nullptr, *mnuCopy = nullptr,
            *mnuPreferences = nullptr, *mnuLine = nullptr, *mnuExit = nullptr;
    QMenu *mnuUtils = nullptr;
    QAction *mnuLinkora = nullptr, *mnuVoltamo = nullptr, *mnuCombinations = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuManual = nullptr, *mnuAbout = nullptr;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr;
    std::array<QLabel *, colour_code::kBandPositionCount> lbl{};
    std::array<ClickLabel *, colour_code::kBandPositionCount> lblPoloska{};
    std::array<PalettePanel *, colour_code::kPaletteCount> picPallete{};
    std::array<ClickLabel *, colour_code::kLblColorCount> lblColor{};
    QComboBox *cmbPolosok = nullptr;
    QComboBox *cmbEdinIzmereniya = nullptr;
    QComboBox *cmbDopusk = nullptr;
    // The TCR of six bands, beside the tolerance list while six bands are chosen.
    QComboBox *cmbTcr = nullptr;
    QLabel *lblTcr = nullptr;
    NominalEdit *txtNominal = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *picMarkTitle = nullptr;
    ResistorDisplay *picMonitor = nullptr;
    QLabel *lblInfoMonitor = nullptr;
    QLabel *lblMonitor = nullptr;
    // The reading help below the display, and the nearest preferred values an encoding offers.
    QLabel *lblHint = nullptr;
    ClickLabel *lblHintBelow = nullptr, *lblHintAbove = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

    // Handlers and operations, named as the program's design names them.
    void cmbPolosok_Click();
    void lblPoloska_Click(int index);
    // Space or Enter on a band label, after its click: the other palettes close and the
    // highlight starts on the band's colour, or on the palette's first entry.
    void lblPoloska_KeyPress(int index);
    void lblColor_Click(int index);
    void lblColor_MouseMove(int index);
    void HidePalettes();
    void Timer1_Timer();
    void Timer2_Timer();
    void Command1_Click();
    void Command2_Click();
    void txtNominal_Change();
    void mnuExit_Click();
    void mnuManual_Click();
    void mnuAbout_Click(); // in form1_about.cpp
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSaveAs_Click();
    // The marking on the clipboard: its text and the display's picture as Save As writes it.
    void mnuCopy_Click(); // in form1_clipboard.cpp
    void mnuLinkora_Click();
    void mnuVoltamo_Click();
    // Prepares the Voltamo window again (after the options have changed the files); a window
    // that is not open is prepared then and stays hidden until the menu shows it.
    void ReInVoltamo();
    // The Voltamo window while it is loaded, shown or not.
    QPointer<ohm_calc::frmVoltam> voltamoWindow;
    // Runs the options dialog on the live state; after an applied OK every window loads again
    // from the files it wrote. When that fails after all, the previous settings file is put
    // back and every window stays as it was.
    void mnuPreferences_Click();
    // The dialog the next File > Preferences shows, made while the program is idle once the
    // window is shown and after each opening; null until then.
    QPointer<options::frmOptions> nextOptionsDialog;
    void prepareOptionsDialog();

    void ResetPicture();
    void SetBand(int position, quint8 code);
    void DrawMarking(int bandCount, const colour_code::BandCodeArray &codes);
    QString DecodeMarking(int bandCount, const colour_code::BandCodeArray &codes);
    // True when the bands took the colours of the nominal (and, with six bands, of the TCR item).
    bool EncodeNominal(const QString &bandWord, const QString &unitWord, float nominal,
                       const QString &toleranceItem, const QString &tcrItem = QString());
    // Computes and shows the reading help again from what it was last asked for (the decoded
    // marking or the encoded value) in the texts of the language in use.
    void ShowReadingHint();
    // The neighbour choices: the value goes into txtNominal with its unit and is encoded.
    void lblHintBelow_Click();
    void lblHintAbove_Click();
    // Applies the texts read from the language file of that name.
    void LoadLanguage(const QString &name, const config::MainWindowTexts &texts);
    void ApplySkin(const MainWindowFiles &files);
    void WriteDefaultSettings();
    // The first start's settings file: a copy of the program folder's own when the user's
    // folder is another one and the program folder, not an installation, has one; otherwise the
    // defaults.
    void createSettings();
    void SaveSettings();
    // The 35 lines SaveSettings writes: the live state of every window.
    QStringList liveSettingsLines() const;

    // Index of the band-count word in the selector's text: 0, 1, 2, 3 or -1.
    int bandWordIndex(const QString &word) const;
    bool saveAsWanted() const { return m_saveAsWanted; }
    // Where the help program is expected.
    static QString helpProgramPath();

    // The Linkora window while it is loaded (prepared, shown or not), otherwise null.
    connection_calc::frmLinkor *LinkoraWindow() const;
    // The Linkora window, created and prepared (and left hidden) when it is not loaded; null
    // when its preparation failed, which the user has been told.
    connection_calc::frmLinkor *LoadLinkora();
    // After the options changed the files: prepares the loaded window again (keeping its
    // entries), or prepares it hidden when it is not loaded.
    void ReInLinkora();

    // In form1_combinations.cpp: the Combinations window while it is open, otherwise null; its
    // menu item; its answer handed to Linkora (opened when it is not), in series or parallel.
    combination_calc::frmCombinations *CombinationsWindow() const;
    void mnuCombinations_Click();
    void combinationsToLinkora(const std::vector<double> &parts, bool parallel);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Escape closes an open palette wherever the focus is: in the palette, or on the band label
    // where a click that opened it leaves the focus.
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct WindowFiles;
    // Reads what the main window's load, both tool windows' preparation and the about window
    // would read under the settings lines, touching no window. Throws common::Failure naming
    // the file and line, or the picture, that one of them would refuse.
    WindowFiles readWindowFiles(const config::SettingsFile &file) const;
    // Loads every window again from the settings file; throws common::Failure with every window
    // unchanged when a file cannot be read.
    void reInitWindows();
    // The main window's load after the options dialog's OK: the skin, the language and the
    // placement rules are applied again around what the window shows, which stays as it was.
    void reapplyMainWindowFiles(const MainWindowFiles &files);
    ohm_calc::frmVoltam *newVoltamoWindow();
    void createControls();
    void createMenus();
    void connectMarkingFileItems();
    // The load after its reading: settings, language, skin, tables, the last resistor.
    void applyMainWindowFiles(const MainWindowFiles &files);
    void applySettings(const MainWindowFiles &files);
    // The settings of every load: skin and language names, placements, the tool windows'.
    void applyWindowSettings(const MainWindowFiles &files);
    void colourDisplayAndTolerance();
    bool restoreLastResistor(); // true when a stored marking was restored
    // Selects the marking's band count, decodes it and selects its tolerance item, ready for
    // the encoder to rebuild the band labels and the display.
    void restoreMarking(const marking_files::Marking &restored);
    void colourMenuBar();
    // How a band label got its colour; what another skin or language needs to show it again.
    struct BandLook {
        enum class Source { NotChosen, Palette, Table } source = Source::NotChosen;
        int entry = -1;  // Palette: the lblColor entry chosen, whose caption and colours it takes
        quint8 code = 0; // Table: the colour, captioned and coloured from the tables
    };
    // Shows in each palette the entries the colour-code tables offer, and only those take part
    // in its keyboard order.
    void offerPaletteEntries();
    void setNotChosen(int position);
    // Caption and colours of a band label; its name for assistive technology follows them.
    void showBand(int position, const BandLook &look);
    // The band label's title and caption as its name ("First band: Red"). The title is that
    // of the place where the label stands for the current band count.
    void nameBand(int position);
    // Names for assistive technology after the captions beside the controls.
    void nameControls();
    // Selects the tolerance item that shows a decoded tolerance, when the list has it.
    void selectToleranceItem(float tolerance);
    // Selects the TCR item of a decoded TCR, when the list has it.
    void selectTcrItem(double tcr);
    // Fills the TCR list from the tables, keeping the item shown where the list still has it.
    void offerTcrItems();
    // The TCR list's item while six bands are chosen; empty otherwise.
    QString tcrItemInUse() const;
    void setSaveAsWanted(bool wanted);
    void failEncoding();
    int unitWordIndex(const QString &word) const;
    // The display's texts (and ResultLine) in the current language from what they were made
    // of: the title, or the last decoding's or encoding's result. Every text of the display
    // that depends on the language is written here.
    void showDisplayTexts();
    // After a decoding, an encoding or a palette choice: a marking with every band in use
    // chosen becomes the last resistor that the settings keep.
    void rememberWholeMarking();
    // Reads the encoder's inputs and encodes them; true when the bands took their colours.
    bool encodeInputs();
    // In form1_reading_help.cpp.
    void createReadingHint();
    void placeReadingHint();
    void setReadingHint(const colour_code::ReadingHintRequest &request);
    void showDecodedHint();
    void showEncodedHint(const QString &bandWord, const QString &unitWord,
                         const QString &toleranceItem);
    void chooseNeighbour(const std::optional<colour_code::NeighbourChoice> &choice);
    QPoint bandPlace(int place) const;
    void paintBandPicture(colour_code::BandPicture picture, quint8 code, int place);
    // The bare resistor on a cleared display.
    void paintBody();
    // Paints the body and the bands painted since the display was last cleared again, with the
    // skin's places and pictures as they are now.
    void repaintDisplay();
    // Lays out the band labels for the band-count word selected; returns its index or -1.
    int layOutBands();
    void selectBandCount(int index);
    bool bandsInUseChosen() const;
    // Runs an event handler so that no failure escapes it: the user is told what failed.
    void guarded(const std::function<void()> &handler);
    void registerControl(QWidget *control, ui::ControlKind kind);

    ui::WindowSurface *m_surface = nullptr;
    std::vector<std::pair<QWidget *, ui::ControlKind>> m_controlOrder;
    std::unique_ptr<QLockFile> m_lock;
    QPointer<combination_calc::frmCombinations> m_combinations; // deleted when it closes
    // The Combinations window's settings as read (the defaults for lines the file lacks), and
    // the lines SaveSettings writes after line 35.
    void applyCombinationSettings(const config::CombinationSettings &read);
    QStringList combinationSettingsLines() const;
    // The lines above as they stood at the load of a file without them; none when it had them.
    QStringList m_combinationLinesUnwritten;
    QPointer<connection_calc::frmLinkor> m_linkora; // deleted when it closes
    bool m_inNominalChange = false;
    colour_code::ReadingHintRequest m_hintRequest;
    std::optional<colour_code::ReadingHint> m_hint;
    // Save As is enabled by a decoding, an encoding or an opened marking, and disabled by a
    // change of the band count.
    bool m_saveAsWanted = false;
    std::array<BandLook, colour_code::kBandPositionCount> m_bandLooks{};
    // What the display's result texts were made from.
    struct ShownResult {
        bool decoded = false;
        // A decoding: the marking and the members it started from.
        int bandCount = 0;
        colour_code::BandCodeArray codes{};
        float tolerance = 0;
        QString deviationText;
        // An encoding: the inputs.
        QString nominal;
        int unit = -1;
        QString toleranceItem;
        QString tcrItem; // six bands only
    };
    std::optional<ShownResult> m_result; // none before the first decoding or encoding
    bool m_resultShown = false;          // false while the display shows its title
    struct PaintedBand {
        colour_code::BandPicture picture = colour_code::BandPicture::Other;
        quint8 code = 0;
        int place = 0;
    };
    std::vector<PaintedBand> m_paintedBands; // in painting order, one per place
    // The options dialog's texts of the language in use, read with the main window's.
    config::OptionsTexts m_optionsTexts;
    // The options dialog's texts and checks over the live lines given.
    options::OptionsContext optionsContext(const QStringList &liveLines) const;
    void scheduleOptionsDialog();
    // Line 35 as the settings get it: the last marking with every band in use chosen, or the
    // line as it was read when there has been none.
    QString m_lastWholeMarking;
};

} // namespace main_window
