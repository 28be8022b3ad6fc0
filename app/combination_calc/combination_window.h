#pragma once

#include "combination_calc/combination_format.h"
#include "combination_calc/combination_inputs.h"
#include "combination_calc/search_runner.h"
#include "config/combination_texts.h"
#include "config/global_settings.h"
#include "ui/skin_colours.h"

#include <QPixmap>
#include <QWidget>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTimer;
class QTreeWidget;

namespace ui
{
class WindowSurface;
}

namespace combination_calc
{

class SchematicView;

// Everything the window's preparation reads from files, gathered before anything is applied.
struct CombinationsPreparation {
    config::CombinationTexts texts;
    UnitWords words;
    QString voltUnit;
    QPixmap background; // null for "Nothing"
};

// Reads the language file and the background picture that preparing the window under these
// settings needs, touching no window. Throws common::Failure naming the file (and line) or the
// picture that cannot be used.
CombinationsPreparation readCombinationsPreparation(const config::GlobalSettings &settings);

// Combinations: which parts of a series make a value, or a divider ratio. The answers follow the
// inputs as they are typed; the search runs off the window's thread. The window keeps its
// placement, size, series and number of parts in the main window's settings while it is open.
class frmCombinations : public QWidget
{
    Q_OBJECT
public:
    // settings: the main window's global settings, read and assigned while the window lives.
    // mainColours: the main window's skin colours by kind of control.
    frmCombinations(config::GlobalSettings &settings, const ui::SkinScheme &mainColours,
                    QWidget *parent = nullptr);

    // The size the window opens with when the settings hold none, in pixels.
    static QSize designSize();

    // Prepares the window (hidden or shown). Returns false, after telling the user which file
    // failed, when the language file or the background picture cannot be read; the window is
    // then left as it was.
    bool Form_Load();
    // Prepares the window again after the options have changed; the inputs stay and the answers
    // are found again in the new language.
    bool ReIn() { return Form_Load(); }
    void prepare(const CombinationsPreparation &p);
    // Stores the placement (position in free placement, size), the series and the number of
    // parts in the settings at once, as the timer does at its next tick.
    void keepSettingsCurrent();

    // The inputs as the controls hold them.
    SearchInputs inputs() const;
    // The answers shown, and whether a search for newer inputs is still under way.
    const Found &answers() const { return m_found; }
    bool searching() const;
    // The row selected in the answers list; -1 for none.
    int selectedAnswer() const;

    // The controls, under their own names.
    QRadioButton *optValue = nullptr, *optDivider = nullptr;
    QStackedWidget *stkInputs = nullptr;
    QLabel *lblTarget = nullptr;
    QLineEdit *txtTarget = nullptr;
    QComboBox *cmbTargetUnit = nullptr;
    QLabel *lblVin = nullptr, *lblVinUnit = nullptr, *lblVoutUnit = nullptr;
    QLineEdit *txtVin = nullptr, *txtVout = nullptr, *txtRatio = nullptr;
    QRadioButton *optVout = nullptr, *optRatio = nullptr;
    QLabel *lblTotalFrom = nullptr, *lblTotalTo = nullptr;
    QLineEdit *txtTotalLow = nullptr, *txtTotalHigh = nullptr;
    QComboBox *cmbTotalLowUnit = nullptr, *cmbTotalHighUnit = nullptr;
    QLabel *lblSeries = nullptr, *lblParts = nullptr, *lblTolerance = nullptr,
           *lblExclude = nullptr;
    QComboBox *cmbSeries = nullptr, *cmbTolerance = nullptr;
    QSpinBox *spnParts = nullptr;
    QLineEdit *txtExclude = nullptr;
    QCheckBox *chkStock = nullptr;
    QTreeWidget *lstAnswers = nullptr;
    SchematicView *picSchematic = nullptr;
    QPushButton *cmdToLinkora = nullptr, *cmdCopy = nullptr;
    QLabel *lblStatus = nullptr;
    QTimer *Timer1 = nullptr;

    // Handlers, named after their controls and events.
    // Any input changed: the answers are asked for again.
    void inputChanged();
    void optKind_Click();
    void cmbSeries_Click();
    void lstAnswers_Click();
    void cmdToLinkora_Click();
    void cmdCopy_Click();
    void Timer1_Timer();

Q_SIGNALS:
    // "To Linkora": the parts of the selected answer, in series or in parallel.
    void toLinkora(const std::vector<double> &parts, bool parallel);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    QWidget *createValuePage();
    QWidget *createDividerPage();
    void fitInputPage();
    void setKeyboardOrder();
    void connectInputs();
    void applyTexts();
    void showAnswers(const Found &found);
    void showSelected();
    void showStatus(const QString &text);
    void fillUnitList(QComboBox *list, int selected);
    void fillToleranceList();
    bool freePlacement() const;
    void registerControl(QWidget *control, ui::ControlKind kind);

    config::GlobalSettings &m_settings;
    const ui::SkinScheme &m_mainColours;
    ui::WindowSurface *m_surface = nullptr;
    std::vector<std::pair<QWidget *, ui::ControlKind>> m_controlOrder;
    QButtonGroup *m_kinds = nullptr;
    QButtonGroup *m_dividerGiven = nullptr;
    SearchRunner *m_runner = nullptr;
    QTimer *m_slowSearch = nullptr; // "Searching…" shows only for a search that takes a while
    CombinationsPreparation m_prepared;
    Found m_found;
    QString m_stockNote; // what the stock file's reading found wrong, shown with the answers
    bool m_loaded = false;
    int m_valueParts = 3; // the value search's number of parts while the divider shows
};

} // namespace combination_calc
