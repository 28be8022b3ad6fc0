#pragma once

#include "config/global_settings.h"
#include "config/language_file.h"
#include "option_widgets.h"
#include "ui/skin_colours.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui
{
class WindowSurface;
}

namespace options
{

// What the main window hands the dialog.
struct OptionsContext {
    // The 35 settings lines as the windows stand now (what leaving the program would write):
    // the dialog starts from them, and OK writes them with the user's changes.
    QStringList liveLines;
    // The same lines as the windows stand when OK is pressed; what the dialog does not change
    // is written from them. Without it, liveLines is written.
    std::function<QStringList()> currentLines;
    // The current language's texts of the dialog, as the main window read them with its own;
    // without them the dialog reads the language file.
    std::optional<config::OptionsTexts> texts;
    // The current language's unit names, by place: a change of language keeps the place of the
    // unit last chosen in Linkora.
    std::array<QString, 5> unitNames;
    // Reads what every window would read when it loads under the settings lines, touching no
    // window; throws common::Failure naming the file and line, or the picture, it would refuse.
    std::function<void(const QStringList &lines)> check;
};

// The options dialog. It works on its own copy of the first 33 live settings lines; only OK
// writes the file and sets the global settings, and the caller then re-initialises its windows.
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    // The main window's global settings (OK assigns some of them), the colours and font it
    // gives its controls by kind, and the live state with the check of new settings.
    frmOptions(config::GlobalSettings &settings, const ui::SkinScheme &scheme,
               OptionsContext context, QWidget *parent = nullptr);

    // The dialog's load. A current language file that cannot be read leaves the built-in
    // captions, so that another language can still be chosen.
    void Form_Load();
    // Checks that every window can load under the new settings, writes the settings file and
    // sets the global settings. False when the new settings would be refused or the file
    // cannot be written: the user has been told, nothing is written and no setting changes.
    bool ApplyOptions();
    // Whether OK applied the options.
    bool applied() const { return m_applied; }
    // The live state of the opening, for a dialog made ahead of it; the load reads it.
    void setContext(OptionsContext context) { m_context = std::move(context); }

    // Lines 1-33 of the settings file as the dialog holds them, index = line - 1.
    QStringList OptionValues;

    // The controls, under their own names.
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr,
              *Frame5 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QLineEdit *txtLang = nullptr, *txtSkin = nullptr, *txtConRound = nullptr, *txtOmRound = nullptr;
    QListWidget *filLanguage = nullptr, *filSkins = nullptr;
    QComboBox *cmbBandolPos = nullptr, *cmbLinkorPos = nullptr, *cmbVoltamPos = nullptr;
    // The Combinations window's placement, kept in the settings lines after line 35.
    QGroupBox *Frame6 = nullptr;
    QLabel *Label9 = nullptr;
    QComboBox *cmbCombinationsPos = nullptr;
    UpwardScrollBar *VSCon = nullptr, *VSOm = nullptr;
    QPushButton *cmdOk = nullptr, *cmdCancel = nullptr, *cmdDefault = nullptr;
    QLabel *Image1 = nullptr;

    // Handlers, named after their control and event.
    void filLanguage_Click();
    void filSkins_Click();
    void cmbBandolPos_Click();
    void cmbLinkorPos_Click();
    void cmbVoltamPos_Click();
    void VSCon_Change();
    void VSOm_Change();
    void cmdDefault_Click();
    void cmdCancel_Click();
    void cmdOk_Click();

private:
    void createControls();
    void registerControl(QWidget *control, ui::ControlKind kind);
    std::array<QComboBox *, 3> placementLists() const;
    void fillPlacementLists(const QString &langPos2, const QString &langPos1);
    void showCaptions(const config::OptionsTexts &texts);
    void fillFileList(QListWidget *list, const QString &folder, const QString &pattern);
    void selectPlacement(int list, int item);
    // Marks the file a text box names in its list, without running the list's reaction.
    void markChosenFile(QListWidget *list, const QString &fileName);
    // Names for assistive technology after the captions beside the controls.
    void nameControls();
    void placementChosen(int list);
    void tell(const QString &lead, const QString &detail);

    config::GlobalSettings &m_settings;
    const ui::SkinScheme &m_scheme;
    std::optional<ui::SkinScheme> m_appliedScheme; // what the controls have been given
    OptionsContext m_context;
    ui::WindowSurface *m_surface = nullptr;
    std::vector<std::pair<QWidget *, ui::ControlKind>> m_controlOrder;
    bool m_applied = false;
};

} // namespace options
