#pragma once

#include "config/global_settings.h"
#include "config/language_file.h"
#include "ui/skin_colours.h"

#include <QDialog>
#include <QScrollBar>
#include <QStringList>
#include <array>
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

// A vertical scroll bar whose upper arrow increases its value: the larger value sits at the
// top, and a click on an arrow or beside the thumb moves the value the way the thumb moves.
class UpwardScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit UpwardScrollBar(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void turnMouseAction(int action);
    bool m_mouseHeld = false;
};

// The options dialog. It works on its own copy of the first 33 lines of the settings file;
// only OK writes the file and sets the global settings, and the caller then re-initialises
// its windows.
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    // The main window's global settings (OK assigns some of them) and the colours and font it
    // gives its controls by kind.
    frmOptions(config::GlobalSettings &settings, const ui::SkinScheme &scheme,
               QWidget *parent = nullptr);

    // The dialog's load. False when the settings or language file cannot be read: the user has
    // been told and the dialog must not open.
    bool Form_Load();
    // Checks the chosen files, writes the settings file and sets the global settings. False
    // when a chosen file cannot be used or the file cannot be written: the user has been told,
    // nothing is written and no setting changes.
    bool ApplyOptions();
    // Whether OK applied the options.
    bool applied() const { return m_applied; }

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
    void placementChosen(int list);
    void tell(const QString &lead, const QString &detail);

    config::GlobalSettings &m_settings;
    const ui::SkinScheme &m_scheme;
    ui::WindowSurface *m_surface = nullptr;
    std::vector<std::pair<QWidget *, ui::ControlKind>> m_controlOrder;
    bool m_applied = false;
};

// Opens the options dialog modally over the main window. True when OK applied new options:
// the settings file has been written and the global settings set, and the caller must now
// re-initialise its windows.
bool showOptionsDialog(QWidget *parent, config::GlobalSettings &settings,
                       const ui::SkinScheme &scheme);

} // namespace options
