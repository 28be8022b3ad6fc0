#include "connection_calc/linkora_window.h"

#include "colour_code/decoding.h"
#include "common/sharp_picture.h"
#include "common/failure.h"
#include "common/numbers.h"
#include "common/units.h"
#include "ui/click_label.h"
#include "ui/fixed_texts.h"
#include "ui/list_accessibility.h"
#include "ui/placement.h"
#include "ui/seams.h"
#include "ui/window_surface.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace connection_calc
{
namespace
{

using common::pixelsToTwips;
using common::twipsToPixels;

constexpr int kNominalMaxLength = 9;
constexpr int kTimerInterval = 200;
// The selection frame stands this far (twips) outside the picture it surrounds.
constexpr double kFrameMargin = 20;

const QString kWindowTitle = QStringLiteral("Linkora");

QColor colour(quint32 value)
{
    return common::colourFromValue(value);
}

} // namespace

LinkoraPreparation readLinkoraPreparation(const config::GlobalSettings &settings)
{
    LinkoraPreparation p;
    p.texts = config::readLinkoraTexts(config::languageFilePath(settings.Lang));
    p.skin = config::readLinkoraSkin(config::skinFilePath(settings.SkinName));
    p.title = ui::loadPicture(settings.picCon);
    p.parallel = ui::loadPicture(QStringLiteral("\\Data\\Connect1.bmp"));
    p.series = ui::loadPicture(QStringLiteral("\\Data\\Connect2.bmp"));
    if (!config::isNoPicture(settings.GlobalPicture))
        p.background = ui::loadPicture(settings.GlobalPicture);
    return p;
}

const QString frmLinkor::kFailureText = QStringLiteral("Сопротивление введено неправильно!");
const QString frmLinkor::kFailureTitle = QStringLiteral("Ошибка!");

frmLinkor::frmLinkor(config::GlobalSettings &settings, const ui::SkinScheme &mainColours,
                     QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_mainColours(mainColours)
{
    setObjectName(QStringLiteral("frmLinkor"));
    setWindowTitle(kWindowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    ui::installListAccessibility();
    createControls();
}

frmLinkor::~frmLinkor() = default;

void frmLinkor::registerControl(QWidget *control, ui::ControlKind kind)
{
    m_controlOrder.emplace_back(control, kind);
}

void frmLinkor::guarded(const std::function<void()> &handler)
{
    ui::guarded(this, kWindowTitle, handler);
}

void frmLinkor::createControls()
{
    m_surface = ui::WindowSurface::fill(this, QStringLiteral("LinkoraSurface"));

    auto named = [](QWidget *control, const char *name) {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    auto makeButton = [&](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, m_surface);
        named(button, name);
        registerControl(button, ui::ControlKind::Button);
        return button;
    };
    auto makePicture = [&](const char *name) {
        auto *picture = new ui::ClickLabel(m_surface);
        named(picture, name);
        picture->setFocusPolicy(Qt::StrongFocus);
        ui::setPointingHand(picture);
        return picture;
    };

    // Design places (pixels); the skin moves and sizes everything.
    picConTitle = new QLabel(m_surface);
    named(picConTitle, "picConTitle");
    picConTitle->setGeometry(10, 6, 460, 48);

    Label1 = new QLabel(QStringLiteral("Введите номинал резистора:"), m_surface);
    named(Label1, "Label1");
    Label1->setGeometry(16, 64, 220, 18);
    registerControl(Label1, ui::ControlKind::Label);

    txtNominal = new QLineEdit(m_surface);
    named(txtNominal, "txtNominal");
    txtNominal->setMaxLength(kNominalMaxLength);
    txtNominal->setGeometry(16, 84, 120, 26);
    registerControl(txtNominal, ui::ControlKind::TextBox);

    cmbEdinIz = new QComboBox(m_surface);
    named(cmbEdinIz, "cmbEdinIz");
    cmbEdinIz->setEditable(false);
    cmbEdinIz->setGeometry(144, 84, 92, 26);
    registerControl(cmbEdinIz, ui::ControlKind::DropDownList);

    cmdAdd = makeButton("cmdAdd", QStringLiteral("Добавить"));
    cmdAdd->setGeometry(16, 118, 108, 28);

    lstResistors = new QListWidget(m_surface);
    named(lstResistors, "lstResistors");
    lstResistors->setSelectionMode(QAbstractItemView::SingleSelection);
    lstResistors->setGeometry(16, 152, 220, 180);
    registerControl(lstResistors, ui::ControlKind::ListBox);

    cmdRemove = makeButton("cmdRemove", QStringLiteral("Удалить"));
    cmdRemove->setGeometry(128, 118, 108, 28);
    cmdClear = makeButton("cmdClear", QStringLiteral("Удалить всё"));
    cmdClear->setGeometry(16, 340, 220, 28);

    picParal = makePicture("picParal");
    picParal->setGeometry(262, 70, 96, 96);
    picPosled = makePicture("picPosled");
    picPosled->setGeometry(372, 70, 96, 96);

    // The frame is drawn over the pictures but lets their clicks through.
    shpSelect = new QFrame(m_surface);
    named(shpSelect, "shpSelect");
    shpSelect->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpSelect->setAttribute(Qt::WA_TransparentForMouseEvents);
    registerControl(shpSelect, ui::ControlKind::Shape);

    cmdCalc = makeButton("cmdCalc", QStringLiteral("Расчёт"));
    cmdCalc->setGeometry(262, 190, 206, 32);

    lblResult = new QLabel(QStringLiteral("Результат:"), m_surface);
    named(lblResult, "lblResult");
    lblResult->setGeometry(262, 236, 206, 18);
    registerControl(lblResult, ui::ControlKind::Label);

    txtResult = new QLineEdit(m_surface);
    named(txtResult, "txtResult");
    txtResult->setReadOnly(true);
    txtResult->setGeometry(262, 256, 206, 26);
    registerControl(txtResult, ui::ControlKind::TextBox);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);

    const QList<QWidget *> keyboardOrder = {txtNominal, cmbEdinIz, cmdAdd,  lstResistors,
                                            cmdRemove,  cmdClear,  cmdCalc, txtResult,
                                            picParal,   picPosled};
    for (qsizetype i = 1; i < keyboardOrder.size(); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    Label1->setBuddy(txtNominal);
    lblResult->setBuddy(txtResult);

    connect(txtNominal, &QLineEdit::textChanged, this,
            [this] { guarded([this] { txtNominal_Change(); }); });
    // Enter in the nominal box adds it, as the button would.
    connect(txtNominal, &QLineEdit::returnPressed, this, [this] {
        if (cmdAdd->isEnabled())
            cmdAdd->click();
    });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { guarded([this] { cmdAdd_Click(); }); });
    connect(lstResistors, &QListWidget::itemClicked, this,
            [this] { guarded([this] { lstResistors_Click(); }); });
    // A selection by the keyboard counts as a click; the view's own choice of a current row
    // (on inserting or on focus) selects nothing and does not.
    connect(lstResistors, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_listByProgram)
            guarded([this] { lstResistors_Click(); });
    });
    connect(cmdRemove, &QPushButton::clicked, this,
            [this] { guarded([this] { cmdRemove_Click(); }); });
    connect(cmdClear, &QPushButton::clicked, this,
            [this] { guarded([this] { cmdClear_Click(); }); });
    connect(picParal, &ui::ClickLabel::clicked, this,
            [this] { guarded([this] { picParal_Click(); }); });
    connect(picPosled, &ui::ClickLabel::clicked, this,
            [this] { guarded([this] { picPosled_Click(); }); });
    connect(cmdCalc, &QPushButton::clicked, this, [this] { guarded([this] { cmdCalc_Click(); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1_Timer(); }); });
}

// ----- preparation -----

bool frmLinkor::Form_Load()
{
    LinkoraPreparation preparation;
    try {
        preparation = readLinkoraPreparation(m_settings);
    } catch (const common::Failure &failure) {
        QWidget *owner = isVisible() ? this : parentWidget();
        ui::showMessage(owner,
                        ui::preparationFailure(m_settings.Lang, kWindowTitle, failure.message()));
        return false;
    }
    prepare(preparation);
    return true;
}

bool frmLinkor::ReIn()
{
    return Form_Load();
}

void frmLinkor::prepare(const LinkoraPreparation &p)
{
    const config::GlobalSettings &s = m_settings;
    m_surface->setBackgroundColour(m_mainColours.windowBackground);

    for (QPushButton *button : {cmdAdd, cmdRemove, cmdClear, cmdCalc})
        button->setEnabled(false);

    // Colours and font by kind of control: the published skin values, and the text colours
    // that the main window's label, text box and lists show.
    ui::SkinScheme scheme;
    scheme.shapeBorder = colour(s.ShapeColor);
    scheme.labelText = m_mainColours.labelText;
    scheme.textBoxBackground = colour(s.TextBoxColorCon);
    scheme.textBoxText = m_mainColours.textBoxText;
    scheme.dropDownBackground = scheme.listBoxBackground = colour(s.ComboBoxColorCon);
    scheme.dropDownText = scheme.listBoxText = m_mainColours.dropDownText;
    scheme.buttonBackground = colour(s.ButtonColor);
    scheme.font = s.GeneralFont;
    for (const auto &[control, kind] : m_controlOrder)
        ui::applySkinScheme(control, kind, scheme);

    ui::setTextColour(shpSelect, colour(s.shpRCRamkaC));
    const double frameWidth = common::roundHalfEven(double(s.shpRCRamkaT), 0);
    shpSelect->setLineWidth(int(std::clamp(frameWidth, 0.0, 64.0)));

    picConTitle->setPixmap(p.title);
    picConTitle->resize(common::logicalSize(p.title));

    move(twipsToPixels(s.ConnectFormX), twipsToPixels(s.ConnectFormY));
    setFixedSize(twipsToPixels(s.ConnectFormW), twipsToPixels(s.ConnectFormH));

    picParal->setPixmap(p.parallel);
    picParal->resize(common::logicalSize(p.parallel));
    picPosled->setPixmap(p.series);
    picPosled->resize(common::logicalSize(p.series));

    selectMode(connectionModeOf(s.LastConnect));

    applyTexts(p.texts);

    // A skin without a background picture leaves none behind from an earlier skin.
    m_surface->setBackgroundPicture(p.background);

    // A unit that is none of the list's (a settings file edited by hand) selects the base unit.
    const int unit = cmbEdinIz->findText(s.LastResistInCon);
    cmbEdinIz->setCurrentIndex(unit >= 0 ? unit : 0);

    applyLayout(p.skin);
    placeFrame(currentModePicture());
    m_loaded = true;
    if (!Timer1->isActive())
        Timer1->start();
}

void frmLinkor::applyTexts(const config::LinkoraTexts &t)
{
    // Entries added under the previous unit names take the new names at the same places, so
    // that they keep their values after a change of language.
    const bool hadUnits = cmbEdinIz->count() == kUnitCount;
    const UnitNames previous = unitNames();
    cmbEdinIz->clear();
    for (const QString &name : t.unitNames)
        cmbEdinIz->addItem(name);
    if (hadUnits) {
        m_listByProgram = true;
        for (int i = 0; i < lstResistors->count(); ++i) {
            QListWidgetItem *item = lstResistors->item(i);
            item->setText(renameEntryUnit(item->text(), previous, t.unitNames));
        }
        m_listByProgram = false;
    }

    cmdAdd->setText(t.cmdAddCaption);
    cmdRemove->setText(t.cmdRemoveCaption);
    cmdClear->setText(t.cmdClearCaption);
    cmdCalc->setText(t.cmdCalcCaption);
    lblResult->setText(t.lblResultCaption + QLatin1Char(':'));
    Label1->setText(t.Label1Caption);
    picParal->setToolTip(t.picParalToolTip);
    picPosled->setToolTip(t.picPosledToolTip);
    picParal->setAccessibleName(t.picParalToolTip);
    picPosled->setAccessibleName(t.picPosledToolTip);
    txtNominal->setAccessibleName(ui::nameFromCaption(t.Label1Caption));
    cmbEdinIz->setAccessibleName(t.cmbEdinIzName);
    lstResistors->setAccessibleName(t.lstResistorsToolTip);
    txtResult->setAccessibleName(ui::nameFromCaption(t.lblResultCaption));
    txtNominal->setToolTip(t.txtNominalToolTip);
    cmbEdinIz->setToolTip(t.cmbEdinIzToolTip);
    lstResistors->setToolTip(t.lstResistorsToolTip);
    cmdAdd->setToolTip(t.cmdAddToolTip);
    cmdRemove->setToolTip(t.cmdRemoveToolTip);
    cmdClear->setToolTip(t.cmdClearToolTip);
    cmdCalc->setToolTip(t.cmdCalcToolTip);
}

void frmLinkor::applyLayout(const config::LinkoraSkin &k)
{
    ui::placeAt(picConTitle, k.picConTitle);
    ui::placeStyled(cmdAdd, k.cmdAdd);
    ui::placeStyled(cmdRemove, k.cmdRemove);
    ui::placeStyled(cmdClear, k.cmdClear);
    ui::placeStyled(cmdCalc, k.cmdCalc);
    ui::placeAt(picParal, k.picParal);
    ui::placeAt(picPosled, k.picPosled);
    ui::placeStyled(Label1, k.Label1);
    ui::placeStyled(txtNominal, k.txtNominal);
    ui::setFontSize(cmbEdinIz, 0, k.cmbEdinIz.bold);
    ui::placeCombo(cmbEdinIz, k.cmbEdinIz.left, k.cmbEdinIz.top, k.cmbEdinIz.width,
                   k.cmbEdinIz.fontSize);
    ui::placeStyled(lstResistors, k.lstResistors);
    ui::placeStyled(lblResult, k.lblResult);
    ui::placeStyled(txtResult, k.txtResult);
}

// ----- the mode and its frame -----

void frmLinkor::selectMode(ConnectionMode mode)
{
    m_settings.LastConnect = connectionWord(mode);
    placeFrame(currentModePicture());
}

QWidget *frmLinkor::currentModePicture() const
{
    return connectionModeOf(m_settings.LastConnect) == ConnectionMode::Parallel ? picParal
                                                                                : picPosled;
}

void frmLinkor::placeFrame(QWidget *picture)
{
    const QRect g = picture->geometry();
    const double left = pixelsToTwips(g.x()) - kFrameMargin;
    const double top = pixelsToTwips(g.y()) - kFrameMargin;
    const double width = pixelsToTwips(g.width()) + 2 * kFrameMargin;
    const double height = pixelsToTwips(g.height()) + 2 * kFrameMargin;
    shpSelect->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                           twipsToPixels(height));
    shpSelect->raise();
}

// ----- events -----

void frmLinkor::txtNominal_Change()
{
    cmdAdd->setEnabled(!txtNominal->text().isEmpty());
}

void frmLinkor::cmdAdd_Click()
{
    m_listByProgram = true;
    lstResistors->addItem(entryText(txtNominal->text(), cmbEdinIz->currentText()));
    m_listByProgram = false;
    txtNominal->clear();
}

void frmLinkor::lstResistors_Click()
{
    cmdRemove->setEnabled(true);
    cmdClear->setEnabled(true);
}

void frmLinkor::cmdRemove_Click()
{
    m_listByProgram = true;
    const QList<QListWidgetItem *> selected = lstResistors->selectedItems();
    if (!selected.isEmpty())
        delete lstResistors->takeItem(lstResistors->row(selected.first()));
    // The view would make the next entry current and selected; the user chooses again.
    lstResistors->setCurrentRow(-1);
    m_listByProgram = false;
    if (lstResistors->count() == 0)
        cmdRemove->setEnabled(false);
    txtResult->clear();
}

void frmLinkor::cmdClear_Click()
{
    m_listByProgram = true;
    lstResistors->clear();
    m_listByProgram = false;
    cmdClear->setEnabled(false);
    txtResult->clear();
}

void frmLinkor::picParal_Click()
{
    selectMode(ConnectionMode::Parallel);
}

void frmLinkor::picPosled_Click()
{
    selectMode(ConnectionMode::Series);
}

void frmLinkor::cmdCalc_Click()
{
    QString text;
    try {
        text = computeTotal(entries(), unitNames(), connectionModeOf(m_settings.LastConnect),
                            m_settings.ConRound)
                   .text;
    } catch (const common::Failure &) {
        // The result keeps what it showed; the list stays as it is.
        ui::showMessage(this, {kFailureText, kFailureTitle, ui::MessageIcon::Error});
        return;
    }
    txtResult->setText(text);
}

bool frmLinkor::freePlacement() const
{
    // Any word but the centred one means free placement at the remembered position.
    return !m_settings.isCentred(m_settings.ConnectFormCentring);
}

void frmLinkor::keepSettingsCurrent()
{
    if (freePlacement()) {
        const QPointF at = ui::positionTwips(this);
        m_settings.ConnectFormX = float(at.x());
        m_settings.ConnectFormY = float(at.y());
    }
    m_settings.LastResistInCon = cmbEdinIz->currentText();
}

void frmLinkor::Timer1_Timer()
{
    if (m_settings.isCentred(m_settings.ConnectFormCentring))
        ui::keepCentred(this);
    cmdCalc->setEnabled(lstResistors->count() >= 2);
    keepSettingsCurrent();
    if (lstResistors->count() > 0) {
        cmdClear->setEnabled(true);
    } else {
        cmdClear->setEnabled(false);
        cmdRemove->setEnabled(false);
    }
}

void frmLinkor::closeEvent(QCloseEvent *event)
{
    keepSettingsCurrent();
    Timer1->stop();
    event->accept();
}

// ----- contents -----

void frmLinkor::takeParts(const std::vector<double> &ohms, ConnectionMode mode)
{
    cmdClear_Click();
    m_listByProgram = true;
    for (double value : ohms) {
        const colour_code::UnitValue inUnit = colour_code::ChooseUnit(value);
        lstResistors->addItem(entryText(colour_code::NominalInputText(inUnit.value),
                                        cmbEdinIz->itemText(inUnit.unitIndex)));
    }
    m_listByProgram = false;
    selectMode(mode);
    Timer1_Timer(); // the buttons follow the new list at once
    if (cmdCalc->isEnabled())
        cmdCalc_Click();
}

QStringList frmLinkor::entries() const
{
    QStringList list;
    for (int i = 0; i < lstResistors->count(); ++i)
        list << lstResistors->item(i)->text();
    return list;
}

UnitNames frmLinkor::unitNames() const
{
    UnitNames names;
    for (int k = 0; k < kUnitCount && k < cmbEdinIz->count(); ++k)
        names[std::size_t(k)] = cmbEdinIz->itemText(k);
    return names;
}

} // namespace connection_calc
