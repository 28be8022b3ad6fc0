#include "combination_calc/combination_window.h"

#include "combination_calc/schematic_view.h"
#include "common/failure.h"
#include "common/text_file.h"
#include "common/units.h"
#include "config/skin_file.h"
#include "ui/fixed_texts.h"
#include "ui/placement.h"
#include "ui/seams.h"
#include "ui/window_surface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace combination_calc
{
namespace
{

using common::pixelsToTwips;
using common::twipsToPixels;

constexpr int kTimerInterval = 200;
constexpr int kSlowSearch = 400; // ms before "Searching…" shows
constexpr int kInputColumnWidth = 330;
constexpr QSize kDesignSize(1000, 560);

QString percentText(double percent)
{
    return QString::number(percent) + QLatin1Char('%');
}

} // namespace

CombinationsPreparation readCombinationsPreparation(const config::GlobalSettings &settings)
{
    CombinationsPreparation p;
    const QString path = config::languageFilePath(settings.Lang);
    const QStringList lines = common::readTextLines(path);
    const config::LinkoraTexts linkora = config::parseLinkoraTexts(path, lines);
    const config::VoltamoTexts voltamo = config::parseVoltamoTexts(path, lines);
    p.texts = config::combinationTexts(lines, settings.Lang);
    p.words.ohms = QStringList(linkora.unitNames.begin(), linkora.unitNames.end());
    p.words.milliampere = p.texts.milliampere;
    p.words.microampere = p.texts.microampere;
    p.voltUnit = voltamo.voltageUnit;
    if (!config::isNoPicture(settings.GlobalPicture))
        p.background = ui::loadPicture(settings.GlobalPicture);
    return p;
}

frmCombinations::frmCombinations(config::GlobalSettings &settings,
                                 const ui::SkinScheme &mainColours, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_mainColours(mainColours)
{
    setObjectName(QStringLiteral("frmCombinations"));
    setWindowTitle(QStringLiteral("Combinations"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    resize(kDesignSize);
}

QSize frmCombinations::designSize()
{
    return kDesignSize;
}

void frmCombinations::registerControl(QWidget *control, ui::ControlKind kind)
{
    m_controlOrder.emplace_back(control, kind);
}

void frmCombinations::createControls()
{
    m_surface = ui::WindowSurface::fill(this, QStringLiteral("CombinationsSurface"));
    auto named = [this](auto *control, const char *name, ui::ControlKind kind) {
        control->setObjectName(QString::fromLatin1(name));
        registerControl(control, kind);
        return control;
    };

    optValue = named(new QRadioButton(m_surface), "optValue", ui::ControlKind::Label);
    optDivider = named(new QRadioButton(m_surface), "optDivider", ui::ControlKind::Label);
    optValue->setChecked(true);
    m_kinds = new QButtonGroup(this);
    m_kinds->addButton(optValue);
    m_kinds->addButton(optDivider);

    stkInputs = new QStackedWidget(m_surface);
    stkInputs->setObjectName(QStringLiteral("stkInputs"));
    stkInputs->addWidget(createValuePage());
    stkInputs->addWidget(createDividerPage());
    fitInputPage();

    auto *parts = new QGridLayout;
    parts->setHorizontalSpacing(8);
    parts->setVerticalSpacing(8);
    lblSeries = named(new QLabel(m_surface), "lblSeries", ui::ControlKind::Label);
    cmbSeries = named(new QComboBox(m_surface), "cmbSeries", ui::ControlKind::DropDownList);
    for (combinations::Series series : combinations::kAllSeries)
        cmbSeries->addItem(combinations::seriesName(series));
    lblParts = named(new QLabel(m_surface), "lblParts", ui::ControlKind::Label);
    spnParts = named(new QSpinBox(m_surface), "spnParts", ui::ControlKind::TextBox);
    spnParts->setRange(1, 4);
    spnParts->setValue(3);
    lblTolerance = named(new QLabel(m_surface), "lblTolerance", ui::ControlKind::Label);
    cmbTolerance = named(new QComboBox(m_surface), "cmbTolerance", ui::ControlKind::DropDownList);
    lblExclude = named(new QLabel(m_surface), "lblExclude", ui::ControlKind::Label);
    txtExclude = named(new QLineEdit(m_surface), "txtExclude", ui::ControlKind::TextBox);
    chkStock = named(new QCheckBox(m_surface), "chkStock", ui::ControlKind::Label);
    int row = 0;
    for (auto [label, control] : {std::pair<QLabel *, QWidget *>{lblSeries, cmbSeries},
                                  {lblParts, spnParts},
                                  {lblTolerance, cmbTolerance},
                                  {lblExclude, txtExclude}}) {
        label->setBuddy(control);
        parts->addWidget(label, row, 0);
        parts->addWidget(control, row, 1);
        ++row;
    }
    parts->addWidget(chkStock, row, 0, 1, 2);
    parts->setColumnStretch(1, 1);

    auto *kinds = new QHBoxLayout;
    kinds->addWidget(optValue);
    kinds->addWidget(optDivider);
    kinds->addStretch(1);
    auto *inputs = new QVBoxLayout;
    inputs->setSpacing(10);
    inputs->addLayout(kinds);
    inputs->addWidget(stkInputs);
    // A rule between what is sought and what it is made of.
    auto *rule = named(new QFrame(m_surface), "shpRule", ui::ControlKind::Shape);
    rule->setFrameStyle(QFrame::HLine | QFrame::Plain);
    inputs->addWidget(rule);
    inputs->addLayout(parts);
    inputs->addStretch(1);

    lstAnswers = named(new QTreeWidget(m_surface), "lstAnswers", ui::ControlKind::ListBox);
    lstAnswers->setRootIsDecorated(false);
    lstAnswers->setUniformRowHeights(true);
    lstAnswers->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAnswers->setAllColumnsShowFocus(true);
    lstAnswers->header()->setStretchLastSection(false);
    picSchematic = new SchematicView(m_surface);
    picSchematic->setObjectName(QStringLiteral("picSchematic"));
    picSchematic->setMinimumHeight(120);
    cmdToLinkora = named(new QPushButton(m_surface), "cmdToLinkora", ui::ControlKind::Button);
    cmdCopy = named(new QPushButton(m_surface), "cmdCopy", ui::ControlKind::Button);
    lblStatus = named(new QLabel(m_surface), "lblStatus", ui::ControlKind::Label);
    lblStatus->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblStatus, 1);
    buttons->addWidget(cmdToLinkora);
    buttons->addWidget(cmdCopy);
    auto *answers = new QVBoxLayout;
    answers->setSpacing(8);
    answers->addWidget(lstAnswers, 3);
    answers->addWidget(picSchematic, 2);
    answers->addLayout(buttons);

    auto *inputColumn = new QWidget(m_surface);
    inputColumn->setFixedWidth(kInputColumnWidth);
    inputColumn->setLayout(inputs);
    inputs->setContentsMargins(0, 0, 0, 0);
    auto *whole = new QHBoxLayout(m_surface);
    whole->setContentsMargins(14, 12, 14, 12);
    whole->setSpacing(16);
    whole->addWidget(inputColumn);
    whole->addLayout(answers, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    m_slowSearch = new QTimer(this);
    m_slowSearch->setSingleShot(true);
    m_slowSearch->setInterval(kSlowSearch);
    m_runner = new SearchRunner(this);

    setKeyboardOrder();
    connectInputs();
}

QWidget *frmCombinations::createValuePage()
{
    auto *page = new QWidget;
    lblTarget = new QLabel(page);
    lblTarget->setObjectName(QStringLiteral("lblTarget"));
    registerControl(lblTarget, ui::ControlKind::Label);
    txtTarget = new QLineEdit(page);
    txtTarget->setObjectName(QStringLiteral("txtTarget"));
    registerControl(txtTarget, ui::ControlKind::TextBox);
    cmbTargetUnit = new QComboBox(page);
    cmbTargetUnit->setObjectName(QStringLiteral("cmbTargetUnit"));
    registerControl(cmbTargetUnit, ui::ControlKind::DropDownList);
    lblTarget->setBuddy(txtTarget);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->addWidget(lblTarget, 0, 0);
    grid->addWidget(txtTarget, 0, 1);
    grid->addWidget(cmbTargetUnit, 0, 2);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget *frmCombinations::createDividerPage()
{
    auto *page = new QWidget;
    auto make = [this, page](auto *control, const char *name, ui::ControlKind kind) {
        control->setParent(page);
        control->setObjectName(QString::fromLatin1(name));
        registerControl(control, kind);
        return control;
    };
    lblVin = make(new QLabel, "lblVin", ui::ControlKind::Label);
    txtVin = make(new QLineEdit, "txtVin", ui::ControlKind::TextBox);
    lblVinUnit = make(new QLabel, "lblVinUnit", ui::ControlKind::Label);
    optVout = make(new QRadioButton, "optVout", ui::ControlKind::Label);
    txtVout = make(new QLineEdit, "txtVout", ui::ControlKind::TextBox);
    lblVoutUnit = make(new QLabel, "lblVoutUnit", ui::ControlKind::Label);
    optRatio = make(new QRadioButton, "optRatio", ui::ControlKind::Label);
    txtRatio = make(new QLineEdit, "txtRatio", ui::ControlKind::TextBox);
    lblTotalFrom = make(new QLabel, "lblTotalFrom", ui::ControlKind::Label);
    txtTotalLow = make(new QLineEdit, "txtTotalLow", ui::ControlKind::TextBox);
    cmbTotalLowUnit = make(new QComboBox, "cmbTotalLowUnit", ui::ControlKind::DropDownList);
    lblTotalTo = make(new QLabel, "lblTotalTo", ui::ControlKind::Label);
    txtTotalHigh = make(new QLineEdit, "txtTotalHigh", ui::ControlKind::TextBox);
    cmbTotalHighUnit = make(new QComboBox, "cmbTotalHighUnit", ui::ControlKind::DropDownList);
    lblVin->setBuddy(txtVin);
    lblTotalFrom->setBuddy(txtTotalLow);
    lblTotalTo->setBuddy(txtTotalHigh);
    optVout->setChecked(true);
    m_dividerGiven = new QButtonGroup(this);
    m_dividerGiven->addButton(optVout);
    m_dividerGiven->addButton(optRatio);
    txtRatio->setEnabled(false);
    txtTotalLow->setText(QStringLiteral("1"));
    txtTotalHigh->setText(QStringLiteral("1"));

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->addWidget(lblVin, 0, 0);
    grid->addWidget(txtVin, 0, 1);
    grid->addWidget(lblVinUnit, 0, 2);
    grid->addWidget(optVout, 1, 0);
    grid->addWidget(txtVout, 1, 1);
    grid->addWidget(lblVoutUnit, 1, 2);
    grid->addWidget(optRatio, 2, 0);
    grid->addWidget(txtRatio, 2, 1);
    grid->addWidget(lblTotalFrom, 3, 0);
    grid->addWidget(txtTotalLow, 3, 1);
    grid->addWidget(cmbTotalLowUnit, 3, 2);
    grid->addWidget(lblTotalTo, 4, 0);
    grid->addWidget(txtTotalHigh, 4, 1);
    grid->addWidget(cmbTotalHighUnit, 4, 2);
    grid->setColumnStretch(1, 1);
    return page;
}

void frmCombinations::fitInputPage()
{
    // The stack takes the height of the page shown, so that what follows it moves up under a
    // short page rather than leaving a gap.
    for (int i = 0; i < stkInputs->count(); ++i)
        stkInputs->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == stkInputs->currentIndex()
                                                                       ? QSizePolicy::Preferred
                                                                       : QSizePolicy::Ignored);
    stkInputs->updateGeometry();
}

void frmCombinations::setKeyboardOrder()
{
    // The radio buttons of a group take one stop; the arrows move between them. The controls of
    // the page not shown drop out of the order by themselves.
    const QList<QWidget *> order = {
        optValue,         optDivider,  txtTarget,    cmbTargetUnit, txtVin,      optVout,
        txtVout,          optRatio,    txtRatio,     txtTotalLow,   cmbTotalLowUnit,
        txtTotalHigh,     cmbTotalHighUnit, cmbSeries, spnParts,    cmbTolerance,
        txtExclude,       chkStock,    lstAnswers,   cmdToLinkora,  cmdCopy};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// ----- preparation -----

bool frmCombinations::Form_Load()
{
    CombinationsPreparation preparation;
    try {
        preparation = readCombinationsPreparation(m_settings);
    } catch (const common::Failure &failure) {
        QWidget *owner = isVisible() ? this : parentWidget();
        ui::showMessage(owner, ui::preparationFailure(m_settings.Lang, windowTitle(),
                                                      failure.message()));
        return false;
    }
    prepare(preparation);
    return true;
}

void frmCombinations::prepare(const CombinationsPreparation &p)
{
    const config::GlobalSettings &s = m_settings;
    m_prepared = p;
    m_surface->setBackgroundColour(m_mainColours.windowBackground);
    m_surface->setBackgroundPicture(p.background);

    // Colours and font by kind of control, as Linkora takes them.
    ui::SkinScheme scheme;
    scheme.labelText = m_mainColours.labelText;
    scheme.textBoxBackground = common::colourFromValue(s.TextBoxColorCon);
    scheme.textBoxText = m_mainColours.textBoxText;
    scheme.dropDownBackground = scheme.listBoxBackground =
        common::colourFromValue(s.ComboBoxColorCon);
    scheme.dropDownText = scheme.listBoxText = m_mainColours.dropDownText;
    scheme.buttonBackground = common::colourFromValue(s.ButtonColor);
    scheme.font = s.GeneralFont;
    for (const auto &[control, kind] : m_controlOrder)
        ui::applySkinScheme(control, kind, scheme);
    ui::setFontFamily(picSchematic, s.GeneralFont);
    picSchematic->setColours(scheme.textBoxBackground, scheme.textBoxText);

    if (!m_loaded) {
        // The inputs the settings remember; later preparations keep what the user chose.
        const int series = cmbSeries->findText(s.CombSeries);
        cmbSeries->setCurrentIndex(series >= 0 ? series : 3);
        spnParts->setValue(s.CombParts);
        // The window opens ready for the value.
        txtTarget->setFocus(Qt::OtherFocusReason);
    }
    applyTexts();

    if (s.CombFormW > 0 && s.CombFormH > 0)
        resize(twipsToPixels(s.CombFormW), twipsToPixels(s.CombFormH));
    move(twipsToPixels(s.CombFormX), twipsToPixels(s.CombFormY));
    if (s.isCentred(s.CombFormCentring))
        ui::keepCentred(this);

    m_loaded = true;
    if (!Timer1->isActive())
        Timer1->start();
    inputChanged();
}

void frmCombinations::fillUnitList(QComboBox *list, int selected)
{
    const int keep = list->count() ? list->currentIndex() : selected;
    const QSignalBlocker quiet(list);
    list->clear();
    for (int unit = 0; unit < kUnitCount; ++unit)
        list->addItem(m_prepared.words.ohms.value(unit));
    list->setCurrentIndex(keep);
}

void frmCombinations::fillToleranceList()
{
    const int keep = std::max(0, cmbTolerance->currentIndex());
    const QSignalBlocker quiet(cmbTolerance);
    cmbTolerance->clear();
    const auto series = combinations::seriesFromName(cmbSeries->currentText());
    cmbTolerance->addItem(m_prepared.texts.seriesTolerance.arg(
        percentText(combinations::seriesTolerancePercent(series.value_or(combinations::Series::E24)))));
    for (double percent : toleranceChoices())
        cmbTolerance->addItem(percentText(percent));
    cmbTolerance->setCurrentIndex(keep);
}

void frmCombinations::applyTexts()
{
    const config::CombinationTexts &t = m_prepared.texts;
    if (!t.windowCaption.isEmpty())
        setWindowTitle(t.windowCaption);
    optValue->setText(t.optValue);
    optDivider->setText(t.optDivider);
    lblTarget->setText(t.lblTarget);
    txtTarget->setToolTip(t.txtTargetTip);
    lblVin->setText(t.lblVin);
    txtVin->setToolTip(t.txtVinTip);
    lblVinUnit->setText(m_prepared.voltUnit);
    lblVoutUnit->setText(m_prepared.voltUnit);
    optVout->setText(t.optVout);
    optRatio->setText(t.optRatio);
    lblTotalFrom->setText(t.lblTotalFrom);
    lblTotalTo->setText(t.lblTotalTo);
    lblSeries->setText(t.lblSeries);
    lblParts->setText(optDivider->isChecked() ? t.lblPartsPerSide : t.lblParts);
    lblTolerance->setText(t.lblTolerance);
    lblExclude->setText(t.lblExclude);
    txtExclude->setToolTip(t.txtExcludeTip);
    chkStock->setText(t.chkStock);
    chkStock->setToolTip(t.chkStockTip.arg(combinations::stockFilePath()));
    cmdToLinkora->setText(t.cmdToLinkora);
    cmdToLinkora->setToolTip(t.cmdToLinkoraTip);
    cmdCopy->setText(t.cmdCopy);
    cmdCopy->setToolTip(t.cmdCopyTip);
    fillUnitList(cmbTargetUnit, 1);
    fillUnitList(cmbTotalLowUnit, 1);
    fillUnitList(cmbTotalHighUnit, 2);
    fillToleranceList();

    // Names for assistive technology: a value box is named by its caption (its buddy), a unit
    // list by the caption of its value and the word for a unit; a text box beside a radio
    // button by the button.
    txtVout->setAccessibleName(spokenCaption(t.optVout));
    txtRatio->setAccessibleName(spokenCaption(t.optRatio));
    // Linux names a list by its text and a label that has it as buddy; a unit list has none,
    // so its description says what it is.
    const std::pair<QComboBox *, QString> units[] = {{cmbTargetUnit, t.lblTarget},
                                                     {cmbTotalLowUnit, t.lblTotalFrom},
                                                     {cmbTotalHighUnit, t.lblTotalTo}};
    for (const auto &[list, caption] : units) {
        const QString name = spokenCaption(caption) + QStringLiteral(", ") + t.unitName;
        list->setAccessibleName(name);
        list->setAccessibleDescription(name);
    }
    lstAnswers->setAccessibleName(t.answersName);
    picSchematic->setAccessibleName(t.schematicName);
    lblStatus->setAccessibleName(QString());
    lstAnswers->setHeaderLabels(optDivider->isChecked() ? dividerHeaders(t) : valueHeaders(t));
}

// ----- placement -----

bool frmCombinations::freePlacement() const
{
    return !m_settings.isCentred(m_settings.CombFormCentring);
}

void frmCombinations::keepSettingsCurrent()
{
    if (freePlacement()) {
        const QPointF at = ui::positionTwips(this);
        m_settings.CombFormX = float(at.x());
        m_settings.CombFormY = float(at.y());
    }
    m_settings.CombFormW = float(pixelsToTwips(width()));
    m_settings.CombFormH = float(pixelsToTwips(height()));
    m_settings.CombSeries = cmbSeries->currentText();
    m_settings.CombParts = optDivider->isChecked() ? m_valueParts : spnParts->value();
}

void frmCombinations::Timer1_Timer()
{
    if (m_settings.isCentred(m_settings.CombFormCentring))
        ui::keepCentred(this);
    keepSettingsCurrent();
}

void frmCombinations::closeEvent(QCloseEvent *event)
{
    keepSettingsCurrent();
    Timer1->stop();
    m_runner->cancel();
    event->accept();
}

} // namespace combination_calc
