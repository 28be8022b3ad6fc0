#include "main_window/form1.h"

#include "common/failure.h"
#include "common/program_folder.h"
#include "common/units.h"
#include "main_window/band_widgets.h"
#include "main_window/resistor_display.h"
#include "ui/click_label.h"
#include "ui/list_accessibility.h"
#include "ui/placement.h"
#include "ui/seams.h"
#include "ui/window_surface.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

namespace main_window {

using namespace config;
namespace {

using ui::ControlKind;

// The design of the window before any skin or language file is applied.
constexpr int kDesignWidth = 900;
constexpr int kDesignHeight = 540;

const char *const kBandTitles[colour_code::kBandPositionCount] = {
    "Первая полоса:",    "Вторая полоса:", "Третья полоса:",
    "Четвёртая полоса:", "Пятая полоса:",  "Шестая полоса:"};

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Bandolin"));
    ui::installListAccessibility();
    createMenus();
    createControls();
    resize(kDesignWidth, kDesignHeight);
}

Form1::~Form1() = default;

void Form1::registerControl(QWidget *control, ControlKind kind)
{
    m_controlOrder.emplace_back(control, kind);
}

void Form1::createMenus()
{
    QMenuBar *bar = menuBar();
    auto addItem = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuFile = bar->addMenu(QStringLiteral("&Файл"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = addItem(mnuFile, "mnuNew", QStringLiteral("&Новый"));
    mnuOpen = addItem(mnuFile, "mnuOpen", QStringLiteral("&Открыть"));
    mnuSaveAs = addItem(mnuFile, "mnuSaveAs", QStringLiteral("Сохранить &как"));
    mnuCopy = addItem(mnuFile, "mnuCopy", QStringLiteral("Ко&пировать"));
    // A focused text box takes Ctrl+C for its own selection before the menu sees it.
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuPreferences = addItem(mnuFile, "mnuPreferences", QStringLiteral("Н&астройка"));
    mnuLine = mnuFile->addSeparator();
    mnuLine->setObjectName(QStringLiteral("mnuLine"));
    mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("В&ыход"));

    mnuUtils = bar->addMenu(QStringLiteral("&Утилиты"));
    mnuUtils->setObjectName(QStringLiteral("mnuUtils"));
    mnuLinkora = addItem(mnuUtils, "mnuLinkora", QStringLiteral("&Linkora"));
    mnuVoltamo = addItem(mnuUtils, "mnuVoltamo", QStringLiteral("&Voltamo"));
    mnuCombinations = addItem(mnuUtils, "mnuCombinations", QStringLiteral("&Комбинации"));

    mnuHelp = bar->addMenu(QStringLiteral("&Справка"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuManual = addItem(mnuHelp, "mnuManual", QStringLiteral("Справочник"));
    mnuAbout = addItem(mnuHelp, "mnuAbout", QStringLiteral("О программе..."));

    connect(mnuPreferences, &QAction::triggered, this, [this] { guarded([this] { mnuPreferences_Click(); }); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuManual, &QAction::triggered, this, [this] { guarded([this] { mnuManual_Click(); }); });
    connect(mnuAbout, &QAction::triggered, this, [this] { guarded([this] { mnuAbout_Click(); }); });
    connectMarkingFileItems();
    connect(mnuLinkora, &QAction::triggered, this, [this] { guarded([this] { mnuLinkora_Click(); }); });
    connect(mnuVoltamo, &QAction::triggered, this, [this] { mnuVoltamo_Click(); });
    connect(mnuCombinations, &QAction::triggered, this,
            [this] { guarded([this] { mnuCombinations_Click(); }); });
}

void Form1::createControls()
{
    m_surface = new ui::WindowSurface(this);
    m_surface->setObjectName(QStringLiteral("FormSurface"));
    setCentralWidget(m_surface);
    connect(m_surface, &ui::WindowSurface::bareSurfaceTouched, this, [this] { HidePalettes(); });

    auto makeLabel = [this](const char *name, const QString &caption, QRect geometry) {
        auto *label = new QLabel(caption, m_surface);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(geometry);
        registerControl(label, ControlKind::Label);
        return label;
    };
    auto makeCombo = [this](const char *name, QRect geometry) {
        auto *combo = new QComboBox(m_surface);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setGeometry(geometry);
        combo->setEditable(false);
        registerControl(combo, ControlKind::DropDownList);
        return combo;
    };
    auto makeButton = [this](const char *name, const QString &caption, QRect geometry) {
        auto *button = new QPushButton(caption, m_surface);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(geometry);
        registerControl(button, ControlKind::Button);
        return button;
    };

    // A picture: the skin's pass over the controls leaves it alone.
    picMarkTitle = new QLabel(m_surface);
    picMarkTitle->setObjectName(QStringLiteral("picMarkTitle"));
    picMarkTitle->setGeometry(10, 6, 880, 56);

    // Decoding side.
    Label1 = makeLabel("Label1", QStringLiteral("Данные для декодирования:"), {16, 72, 270, 20});
    Label3 = makeLabel("Label3", QStringLiteral("Количество полос на резисторе:"), {16, 98, 270, 18});
    cmbPolosok = makeCombo("cmbPolosok", {16, 118, 200, 24});
    connect(cmbPolosok, &QComboBox::activated, this, [this] { guarded([this] { cmbPolosok_Click(); }); });
    for (int i = 0; i < colour_code::kBandPositionCount; ++i) {
        lbl[i] = makeLabel(qPrintable(QStringLiteral("lbl_%1").arg(i)), QString::fromUtf8(kBandTitles[i]),
                           {16, 160 + 32 * i, 128, 20});
        auto *band = new ClickLabel(m_surface);
        band->setObjectName(QStringLiteral("lblPoloska_%1").arg(i));
        band->setText(QStringLiteral("Не выбран"));
        band->setGeometry(148, 156 + 32 * i, 136, 26);
        band->setFrameStyle(QFrame::Box | QFrame::Plain);
        band->setAlignment(Qt::AlignCenter);
        band->setAutoFillBackground(true);
        band->setFocusPolicy(Qt::TabFocus);
        ui::setPointingHand(band);
        registerControl(band, ControlKind::Label);
        lblPoloska[i] = band;
        connect(band, &ClickLabel::clicked, this, [this, i] { guarded([this, i] { lblPoloska_Click(i); }); });
        connect(band, &ClickLabel::keyActivated, this,
                [this, i] { guarded([this, i] { lblPoloska_KeyPress(i); }); });
    }
    Command1 = makeButton("Command1", QStringLiteral("Декодировать"), {16, 328, 268, 32});
    connect(Command1, &QPushButton::clicked, this, [this] { guarded([this] { Command1_Click(); }); });

    // The display.
    picMonitor = new ResistorDisplay(m_surface);
    picMonitor->setObjectName(QStringLiteral("picMonitor"));
    picMonitor->setGeometry(300, 72, 340, 252);
    // The language files have no line for a display caption, so it shows none.
    lblMonitor = new QLabel(picMonitor);
    lblMonitor->setObjectName(QStringLiteral("lblMonitor"));
    lblMonitor->move(8, 4);
    registerControl(lblMonitor, ControlKind::Label);
    lblInfoMonitor = new QLabel(QStringLiteral("Bandolin"), picMonitor);
    lblInfoMonitor->setObjectName(QStringLiteral("lblInfoMonitor"));
    lblInfoMonitor->setGeometry(10, 140, 320, 104);
    lblInfoMonitor->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInfoMonitor->setWordWrap(true);
    registerControl(lblInfoMonitor, ControlKind::Label);

    // Encoding side.
    Label2 = makeLabel("Label2", QStringLiteral("Данные для кодирования:"), {656, 72, 232, 20});
    Label4 = makeLabel("Label4", QStringLiteral("Введите номинал резистора:"), {656, 100, 232, 18});
    txtNominal = new NominalEdit(m_surface);
    txtNominal->setObjectName(QStringLiteral("txtNominal"));
    txtNominal->setGeometry(656, 120, 100, 26);
    registerControl(txtNominal, ControlKind::TextBox);
    connect(txtNominal, &QLineEdit::textChanged, this, [this] { guarded([this] { txtNominal_Change(); }); });
    cmbEdinIzmereniya = makeCombo("cmbEdinIzmereniya", {764, 120, 124, 26});
    Label5 = makeLabel("Label5", QStringLiteral("Выберите допуск резистора:"), {656, 158, 232, 18});
    // The tolerance selector has no place in the skin: it keeps its design place.
    const config::TwipsRect &tolerance = config::kToleranceListPlace;
    cmbDopusk = makeCombo("cmbDopusk", {common::twipsToPixels(tolerance.left), common::twipsToPixels(tolerance.top),
                                        common::twipsToPixels(tolerance.width),
                                        common::twipsToPixels(tolerance.height)});
    cmbDopusk->addItems(colour_code::ToleranceItems());
    // Its items come from the colour-code tables; shown only while six bands are chosen.
    lblTcr = makeLabel("lblTcr", QStringLiteral("ТКС:"), {788, 158, 100, 18});
    lblTcr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTcr->hide();
    cmbTcr = makeCombo("cmbTcr", {788, 178, 100, 26});
    cmbTcr->hide();
    lblTcr->setBuddy(cmbTcr);
    Command2 = makeButton("Command2", QStringLiteral("Кодировать"), {656, 220, 232, 32});
    connect(Command2, &QPushButton::clicked, this, [this] { guarded([this] { Command2_Click(); }); });
    createReadingHint();

    // The palettes, above everything else, hidden until a band label opens one.
    const QSize paletteSizes[colour_code::kPaletteCount] = {{113, 161}, {113, 177}, {113, 177},
                                                            {113, 209}, {209, 81},  {209, 97}};
    for (int p = 0; p < colour_code::kPaletteCount; ++p) {
        auto *palette = new PalettePanel(m_surface);
        palette->setObjectName(QStringLiteral("picPallete%1").arg(p + 1));
        palette->resize(paletteSizes[p]);
        palette->hide();
        connect(palette, &PalettePanel::bareAreaClicked, this, [this] { HidePalettes(); });
        connect(palette, &PalettePanel::dismissed, this, [this] { HidePalettes(); });
        connect(palette, &PalettePanel::entryHighlighted, this, [this, p](int place) {
            lblColor_MouseMove(colour_code::OfferedEntries(p, tables)[std::size_t(place)].lblColor);
        });
        picPallete[p] = palette;
        std::vector<QWidget *> inDisplayOrder;
        for (const colour_code::PaletteEntry &e : colour_code::PaletteEntries(p)) {
            auto *entry = new ClickLabel(palette);
            entry->setObjectName(QStringLiteral("lblColor_%1").arg(e.lblColor));
            entry->setGeometry(8 + 104 * e.column, 8 + 16 * e.row, 97, 17);
            entry->setAlignment(Qt::AlignCenter);
            entry->setAutoFillBackground(true);
            ui::setPointingHand(entry);
            QPalette pal = entry->palette();
            pal.setColor(QPalette::Window, colour_code::CodeToColour(e.code));
            if (const auto text = colour_code::SwatchTextColour(e.code))
                pal.setColor(QPalette::WindowText, *text);
            else
                pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
            entry->setPalette(pal);
            const int index = e.lblColor;
            lblColor[index] = entry;
            connect(entry, &ClickLabel::clicked, this, [this, index] { guarded([this, index] { lblColor_Click(index); }); });
            connect(entry, &ClickLabel::hovered, this, [this, index] { lblColor_MouseMove(index); });
            inDisplayOrder.push_back(entry);
        }
        palette->setEntries(std::move(inDisplayOrder));
    }
    // The band labels in use are always in index order, so the hidden ones simply drop out.
    const std::vector<QWidget *> keyboardOrder = {
        cmbPolosok, lblPoloska[0],     lblPoloska[1], lblPoloska[2], lblPoloska[3],
        lblPoloska[4], lblPoloska[5],  Command1,      txtNominal,    cmbEdinIzmereniya,
        cmbDopusk,  cmbTcr,            Command2,      lblHintBelow,  lblHintAbove};
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    // Where a platform names a list by the label beside it, the buddy is that label.
    Label3->setBuddy(cmbPolosok);
    Label4->setBuddy(txtNominal);
    Label5->setBuddy(cmbDopusk);
    for (int i = 0; i < colour_code::kLblColorCount; ++i)
        registerControl(lblColor[i], ControlKind::Label);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1_Timer(); }); });
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] { guarded([this] { Timer2_Timer(); }); });
}

void Form1::guarded(const std::function<void()> &handler)
{
    ui::guarded(this, QStringLiteral("Bandolin"), handler);
}

QString Form1::helpProgramPath()
{
#ifdef Q_OS_WIN
    return common::installedPath(u"\\Help.exe");
#else
    return common::installedPath(u"\\Help");
#endif
}

void Form1::mnuManual_Click()
{
    const QString program = helpProgramPath();
    if (!QProcess::startDetached(program, {}, common::programFolder()))
        throw common::Failure(QStringLiteral("Cannot start the help program %1").arg(program));
}

void Form1::mnuExit_Click()
{
    SaveSettings();
    ui::endProgram(0);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Form_QueryUnload: never cancels, whatever the reason for closing.
    if (!ui::endRequested()) {
        SaveSettings();
        ui::endProgram(0);
    }
    event->accept();
}

} // namespace main_window
