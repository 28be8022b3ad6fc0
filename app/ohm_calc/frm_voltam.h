#pragma once

#include "config/global_settings.h"
#include "config/language_file.h"
#include "ohm_calc/ohm_law.h"
#include "ui/skin_colours.h"

#include "config/skin_file.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ui
{
class ClickLabel;
class WindowSurface;
} // namespace ui

namespace ohm_calc
{

// Everything the window's preparation reads, gathered before any of it is applied.
struct VoltamoPreparation {
    QPixmap law;
    QPixmap title;
    QPixmap background; // null for "Nothing"
    config::VoltamoTexts texts;
    config::VoltamoSkin skin;
};

// Reads the pictures, the language file and the skin file that preparing the window under these
// settings needs, touching no window. Throws common::Failure naming the file (and line) or the
// picture that cannot be used.
VoltamoPreparation readVoltamoPreparation(const config::GlobalSettings &settings);

// Voltamo: solves U = I x R for the letter the user clicks on the picture of the law. The
// window reads and assigns its fields of the main window's settings (placement, the sought
// letter) and takes the main window's skin colours; it never writes a file.
class frmVoltam : public QWidget
{
    Q_OBJECT
public:
    frmVoltam(config::GlobalSettings &settings, const ui::SkinScheme &skinColours,
              QWidget *parent = nullptr);

    // Prepares the window from the current skin, language and settings. Every file and picture
    // is read before anything is applied, so a missing file or one that ends too early leaves
    // the window as it was; the user is told which file (and line) failed, and false returned.
    bool Form_Load();
    // Runs the preparation again (after the options have changed the files). The inputs and
    // the result are kept.
    bool ReIn() { return Form_Load(); }
    // Applies what readVoltamoPreparation read and starts the timer.
    void prepare(const VoltamoPreparation &p);
    // Stores the position (in free placement) and the sought letter in the settings.
    void keepSettingsCurrent();

    // The sought quantity as its letter, "U", "I" or "R".
    QString soughtLetter() const { return letterOf(m_sought); }
    Quantity sought() const { return m_sought; }

    // The controls, under their own names.
    QLabel *picUIR = nullptr;
    ui::ClickLabel *lblU = nullptr, *lblI = nullptr, *lblR = nullptr;
    QLabel *lblFirst = nullptr;
    QLineEdit *txtFirst = nullptr;
    QLabel *lblSecond = nullptr;
    QLineEdit *txtSecond = nullptr;
    QPushButton *Command1 = nullptr;
    QLineEdit *txtResult = nullptr;
    QLabel *picOmTitle = nullptr;
    QTimer *Timer1 = nullptr;

    // Handlers, named as the program's design names them.
    void lblU_Click() { choose(Quantity::U); }
    void lblI_Click() { choose(Quantity::I); }
    void lblR_Click() { choose(Quantity::R); }
    void Command1_Click();
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    // Letter colours, the two input captions and the button caption for the sought quantity.
    void choose(Quantity sought);
    QString nameOf(Quantity quantity) const;
    QString unitOf(Quantity quantity) const;

    config::GlobalSettings &m_settings;
    const ui::SkinScheme &m_skinColours;
    ui::WindowSurface *m_surface = nullptr;
    config::VoltamoTexts m_texts;
    Quantity m_sought = Quantity::R;
};

} // namespace ohm_calc
