#pragma once

#include "config/global_settings.h"
#include "config/language_file.h"
#include "config/skin_file.h"
#include "connection_calc/connection_total.h"
#include "ui/skin_colours.h"

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QComboBox;
class QPushButton;
class QTimer;

namespace ui
{
class ClickLabel;
class WindowSurface;
} // namespace ui

namespace connection_calc
{

// Everything the window's preparation reads from files, gathered before anything is applied.
struct LinkoraPreparation {
    config::LinkoraTexts texts;
    config::LinkoraSkin skin;
    QPixmap title, parallel, series, background;
};

// Reads the language file, the skin file and the pictures that preparing the window under these
// settings needs, touching no window. Throws common::Failure naming the file (and line) or the
// picture that cannot be used.
LinkoraPreparation readLinkoraPreparation(const config::GlobalSettings &settings);

// Linkora: a list of resistors, series or parallel, and their total. It keeps its mode, its
// unit and (in free placement) its position in the main window's settings while it is open;
// the main window writes them to the settings file at exit.
//
// The window is prepared from the settings, the language file and the skin file by Form_Load
// (and again by ReIn). Files and pictures are read before any control is touched, so a
// missing or short file leaves the window as it was and only a message names the file.
class frmLinkor : public QWidget
{
    Q_OBJECT
public:
    // settings: the main window's global settings, read and assigned while the window lives.
    // mainColours: the main window's skin colours by kind of control (its background and the
    // text colours of its labels, text boxes and lists), read at every preparation.
    frmLinkor(config::GlobalSettings &settings, const ui::SkinScheme &mainColours,
              QWidget *parent = nullptr);
    ~frmLinkor() override;

    // Prepares the window (hidden or shown) and starts its timer. Returns false, after telling
    // the user which file failed, when a file or picture is missing or too short; the window
    // is then left as it was.
    bool Form_Load();
    // Prepares the window again after the options have changed; the entries and the result
    // stay, and entries keep their values when the unit names change with the language.
    bool ReIn();
    // Applies what readLinkoraPreparation read and starts the timer.
    void prepare(const LinkoraPreparation &p);
    bool loaded() const { return m_loaded; }
    // Stores the position (in free placement) and the unit in the settings at once, as the
    // timer does at its next tick.
    void keepSettingsCurrent();

    // The controls, under their own names.
    QLabel *picConTitle = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtNominal = nullptr;
    QComboBox *cmbEdinIz = nullptr;
    QPushButton *cmdAdd = nullptr;
    QListWidget *lstResistors = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdClear = nullptr;
    ui::ClickLabel *picParal = nullptr;
    ui::ClickLabel *picPosled = nullptr;
    QFrame *shpSelect = nullptr;
    QPushButton *cmdCalc = nullptr;
    QLabel *lblResult = nullptr;
    QLineEdit *txtResult = nullptr;
    QTimer *Timer1 = nullptr;

    // Handlers, named after their controls and events.
    void txtNominal_Change();
    void cmdAdd_Click();
    void lstResistors_Click();
    void cmdRemove_Click();
    void cmdClear_Click();
    void picParal_Click();
    void picPosled_Click();
    void cmdCalc_Click();
    void Timer1_Timer();

    // Replaces the list with these values (ohms), each written in the largest unit that keeps it
    // at 1 or more, selects the connection and, from two entries on, calculates the total.
    void takeParts(const std::vector<double> &ohms, ConnectionMode mode);

    // The entries of the list, in order, and the five unit names of the unit list.
    QStringList entries() const;
    UnitNames unitNames() const;

    static const QString kFailureText; // shown when a computation fails
    static const QString kFailureTitle;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyTexts(const config::LinkoraTexts &texts);
    void applyLayout(const config::LinkoraSkin &skin);

    void createControls();
    void selectMode(ConnectionMode mode);
    void placeFrame(QWidget *picture);
    QWidget *currentModePicture() const;
    bool freePlacement() const;
    void guarded(const std::function<void()> &handler);
    void registerControl(QWidget *control, ui::ControlKind kind);

    config::GlobalSettings &m_settings;
    const ui::SkinScheme &m_mainColours;
    ui::WindowSurface *m_surface = nullptr;
    std::vector<std::pair<QWidget *, ui::ControlKind>> m_controlOrder;
    bool m_loaded = false;
    // The list changes by the program's own hand (adding, removing, clearing): its selection
    // signals are then no click of the user.
    bool m_listByProgram = false;
};

} // namespace connection_calc
