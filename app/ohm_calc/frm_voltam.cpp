#include "ohm_calc/frm_voltam.h"

#include "common/sharp_picture.h"
#include "common/failure.h"
#include "common/units.h"
#include "config/skin_file.h"
#include "ui/click_label.h"
#include "ui/fixed_texts.h"
#include "ui/placement.h"
#include "ui/seams.h"
#include "ui/window_surface.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace ohm_calc
{
namespace
{

using common::twipsToPixels;

constexpr int kTimerInterval = 300; // ms
constexpr int kInputMaxLength = 10;
constexpr int kLetterMargin = 4; // pixels
const QColor kSoughtLetter(255, 255, 255);
const QColor kGivenLetter(0, 0, 0);

// A letter keeps its left and top; its size follows its text and font.
void placeLetter(QLabel *letter, const config::StyledPoint &entry)
{
    ui::placeAt(letter, entry.place);
    ui::setFontSize(letter, entry.fontSize, entry.bold);
    letter->adjustSize();
}

void showPicture(QLabel *box, const QPixmap &picture)
{
    box->setPixmap(picture);
    box->resize(common::logicalSize(picture));
}

} // namespace

VoltamoPreparation readVoltamoPreparation(const config::GlobalSettings &s)
{
    VoltamoPreparation p;
    p.law = ui::loadPicture(QStringLiteral("\\Data\\UIR.jpg"));
    p.title = ui::loadPicture(s.picOm);
    p.texts = config::readVoltamoTexts(config::languageFilePath(s.Lang));
    if (!config::isNoPicture(s.GlobalPicture))
        p.background = ui::loadPicture(s.GlobalPicture);
    p.skin = config::readVoltamoSkin(config::skinFilePath(s.SkinName));
    return p;
}

frmVoltam::frmVoltam(config::GlobalSettings &settings, const ui::SkinScheme &skinColours,
                     QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_skinColours(skinColours)
{
    setObjectName(QStringLiteral("frmVoltam"));
    setWindowTitle(QStringLiteral("Voltamo"));
    createControls();
}

void frmVoltam::createControls()
{
    m_surface = ui::WindowSurface::fill(this, QStringLiteral("VoltamSurface"));

    auto name = [](QWidget *w, const char *objectName) {
        w->setObjectName(QString::fromLatin1(objectName));
    };
    picOmTitle = new QLabel(m_surface);
    name(picOmTitle, "picOmTitle");
    picOmTitle->move(10, 6);
    picUIR = new QLabel(m_surface);
    name(picUIR, "picUIR");
    picUIR->setGeometry(16, 66, 168, 168);

    // The letters lie over the picture of the law.
    const std::pair<ui::ClickLabel **, const char *> letters[3] = {
        {&lblU, "lblU"}, {&lblI, "lblI"}, {&lblR, "lblR"}};
    for (const auto &[letter, objectName] : letters) {
        *letter = new ui::ClickLabel(m_surface);
        name(*letter, objectName);
        (*letter)->setText(QString::fromLatin1(objectName + 3));
        (*letter)->setAlignment(Qt::AlignCenter);
        (*letter)->setFocusPolicy(Qt::TabFocus);
        (*letter)->setMargin(kLetterMargin); // room for the focus frame around the letter
        ui::setPointingHand(*letter);
    }
    lblU->move(90, 96);
    lblI->move(54, 168);
    lblR->move(124, 168);
    connect(lblU, &ui::ClickLabel::clicked, this, [this] { lblU_Click(); });
    connect(lblI, &ui::ClickLabel::clicked, this, [this] { lblI_Click(); });
    connect(lblR, &ui::ClickLabel::clicked, this, [this] { lblR_Click(); });

    auto makeInput = [this, name](const char *objectName, QRect geometry) {
        auto *box = new QLineEdit(m_surface);
        name(box, objectName);
        box->setGeometry(geometry);
        box->setMaxLength(kInputMaxLength);
        return box;
    };
    lblFirst = new QLabel(QStringLiteral("Label2"), m_surface);
    name(lblFirst, "lblFirst");
    lblFirst->setGeometry(200, 66, 184, 18);
    txtFirst = makeInput("txtFirst", {200, 86, 184, 26});
    lblSecond = new QLabel(QStringLiteral("Label2"), m_surface);
    name(lblSecond, "lblSecond");
    lblSecond->setGeometry(200, 120, 184, 18);
    txtSecond = makeInput("txtSecond", {200, 140, 184, 26});
    Command1 = new QPushButton(QStringLiteral("Считать"), m_surface);
    name(Command1, "Command1");
    Command1->setGeometry(200, 178, 184, 32);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    txtResult = new QLineEdit(m_surface);
    name(txtResult, "txtResult");
    txtResult->setGeometry(200, 222, 184, 26);
    txtResult->setReadOnly(true);

    setTabOrder(txtFirst, txtSecond);
    setTabOrder(txtSecond, Command1);
    setTabOrder(Command1, txtResult);
    // The letters come after the four controls of the window's own order.
    setTabOrder(txtResult, lblU);
    setTabOrder(lblU, lblI);
    setTabOrder(lblI, lblR);
    lblFirst->setBuddy(txtFirst);
    lblSecond->setBuddy(txtSecond);
    // The letters come first among the window's children, so without this the window would
    // open on U and the first number typed would go nowhere.
    txtFirst->setFocus(Qt::OtherFocusReason);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    setFixedSize(400, 320);
}

bool frmVoltam::Form_Load()
{
    VoltamoPreparation p;
    try {
        p = readVoltamoPreparation(m_settings);
    } catch (const common::Failure &failure) {
        ui::showMessage(this,
                        ui::preparationFailure(m_settings.Lang, windowTitle(), failure.message()));
        return false;
    }
    prepare(p);
    return true;
}

void frmVoltam::prepare(const VoltamoPreparation &p)
{
    showPicture(picUIR, p.law);
    m_surface->setBackgroundColour(m_skinColours.windowBackground);
    showPicture(picOmTitle, p.title);
    move(twipsToPixels(m_settings.OmFormX), twipsToPixels(m_settings.OmFormY));
    setFixedSize(twipsToPixels(m_settings.OmFormW), twipsToPixels(m_settings.OmFormH));

    for (QWidget *label :
         {static_cast<QWidget *>(lblU), static_cast<QWidget *>(lblI), static_cast<QWidget *>(lblR),
          static_cast<QWidget *>(lblFirst), static_cast<QWidget *>(lblSecond)})
        ui::applySkinScheme(label, ui::ControlKind::Label, m_skinColours);
    for (QWidget *box : {txtFirst, txtSecond, txtResult})
        ui::applySkinScheme(box, ui::ControlKind::TextBox, m_skinColours);
    ui::applySkinScheme(Command1, ui::ControlKind::Button, m_skinColours);

    m_texts = p.texts;
    Command1->setText(m_texts.Command1Caption);
    lblU->setToolTip(m_texts.lblUToolTip);
    lblI->setToolTip(m_texts.lblIToolTip);
    lblR->setToolTip(m_texts.lblRToolTip);
    lblU->setAccessibleName(nameOf(Quantity::U));
    lblI->setAccessibleName(nameOf(Quantity::I));
    lblR->setAccessibleName(nameOf(Quantity::R));
    txtResult->setToolTip(m_texts.txtResultToolTip);
    choose(quantityFromLetter(m_settings.VoltamLastUIR));

    m_surface->setBackgroundPicture(p.background);

    const config::VoltamoSkin &s = p.skin;
    ui::placeAt(picOmTitle, s.picOmTitle);
    ui::placeAt(picUIR, s.picUIR);
    placeLetter(lblU, s.lblU);
    placeLetter(lblI, s.lblI);
    placeLetter(lblR, s.lblR);
    ui::placeStyled(lblFirst, s.lblFirst);
    ui::placeStyled(lblSecond, s.lblSecond);
    ui::placeStyled(txtFirst, s.txtFirst);
    ui::placeStyled(txtSecond, s.txtSecond);
    ui::placeStyled(txtResult, s.txtResult);
    ui::placeStyled(Command1, s.Command1);
    for (QWidget *letter : {lblU, lblI, lblR})
        letter->raise(); // over the picture, wherever the skin puts them

    Timer1->start();
}

QString frmVoltam::nameOf(Quantity quantity) const
{
    switch (quantity) {
    case Quantity::U:
        return m_texts.voltageName;
    case Quantity::I:
        return m_texts.currentName;
    case Quantity::R:
        break;
    }
    return m_texts.resistanceName;
}

QString frmVoltam::unitOf(Quantity quantity) const
{
    switch (quantity) {
    case Quantity::U:
        return m_texts.voltageUnit;
    case Quantity::I:
        return m_texts.currentUnit;
    case Quantity::R:
        break;
    }
    return m_texts.resistanceUnit;
}

void frmVoltam::choose(Quantity sought)
{
    m_sought = sought;
    const std::pair<Quantity, ui::ClickLabel *> letters[3] = {
        {Quantity::U, lblU}, {Quantity::I, lblI}, {Quantity::R, lblR}};
    for (const auto &[quantity, letter] : letters)
        ui::setTextColour(letter, quantity == sought ? kSoughtLetter : kGivenLetter);
    const auto [first, second] = givenQuantities(sought);
    lblFirst->setText(nameOf(first) + QLatin1Char(':'));
    lblSecond->setText(nameOf(second) + QLatin1Char(':'));
    Command1->setText(nameOf(sought));
    txtFirst->setAccessibleName(nameOf(first));
    txtSecond->setAccessibleName(nameOf(second));
    txtResult->setAccessibleName(nameOf(sought)); // the result of the button named so
    // At once, not only at the next tick: a re-preparation in between restores this choice.
    m_settings.VoltamLastUIR = letterOf(sought);
}

void frmVoltam::Command1_Click()
{
    try {
        txtResult->setText(computeResult(m_sought, txtFirst->text(), txtSecond->text(),
                                         m_settings.OmRound, unitOf(m_sought)));
    } catch (const common::Failure &) {
        ui::showMessage(this, {m_texts.failureText, m_texts.failureTitle, ui::MessageIcon::Error});
    }
}

void frmVoltam::Timer1_Timer()
{
    if (m_settings.isCentred(m_settings.OmFormCentring))
        ui::keepCentred(this);
    keepSettingsCurrent();
}

void frmVoltam::keepSettingsCurrent()
{
    // Any word but the centred one means free placement, as the settings file reads it.
    if (!m_settings.isCentred(m_settings.OmFormCentring)) {
        const QPointF at = ui::positionTwips(this);
        m_settings.OmFormX = float(at.x());
        m_settings.OmFormY = float(at.y());
    }
    m_settings.VoltamLastUIR = letterOf(m_sought);
}

void frmVoltam::closeEvent(QCloseEvent *event)
{
    keepSettingsCurrent();
    event->accept();
}

} // namespace ohm_calc
