#include "splash_about/splash_window.h"

#include "common/program_folder.h"
#include "common/sharp_picture.h"
#include "common/units.h"
#include "ui/placement.h"
#include "ui/skin_colours.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace splash_about
{
namespace
{

using common::twipsToPixels;

// The window's design, in twips.
constexpr int kWidth = 7200, kHeight = 4080;

// The window's own colour: the animation's lines and pictures are drawn on it, and the
// pictures of Data/ that it shows blend into it at their edges.
const QColor kWindowColour(0x1C, 0x26, 0x33);
const QColor kBorderColour(0x44, 0x57, 0x70);
const QColor kTitleColour(0xF2, 0xF5, 0xF9);
const QColor kCreditsColour(0x9A, 0xA8, 0xBA);

void placeTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

// A picture of Data/ at its natural size; a missing one leaves the control empty at its
// design size.
void showPicture(QLabel *image, const QString &relative)
{
    const QPixmap picture = common::loadSharpPixmap(common::programPath(relative));
    if (picture.isNull())
        return;
    image->setPixmap(picture);
    image->resize(common::logicalSize(picture));
}

} // namespace

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Bandolin"));
    // The end of the splash hands over to the main window; closing it must not end the run.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setFocusPolicy(Qt::StrongFocus); // for the keys that end it
    ui::setBackgroundColour(this, kWindowColour);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1, 0, 0, kWidth, 1080);
    showPicture(Image1, QStringLiteral("\\Data\\Splash.jpg"));

    // The labels come up with their texts once the window is on the screen (see paintEvent);
    // until then they are hidden, and the first frame does not wait for them.
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 360, 255, 4920, 510);
    ui::setTextColour(Label1, kTitleColour);
    ui::setFontSize(Label1, 12, true);
    Label1->hide();

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    placeTwips(Image2, 360, 1485, 2250, 2250);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeTwips(Label2, 2790, 2700, 3960, 720);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setTextColour(Label2, kCreditsColour);
    ui::setFontSize(Label2, 8);
    Label2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may end the splash early
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    move(ui::centredPosition(this));
}

void frmSplash::Form_Load()
{
    AnimX = kAnimStart;
    showPicture(Image2, QStringLiteral("\\Data\\Intro.jpg"));
    Timer1->start();
    Timer2->start();
}

void frmSplash::Timer1_Timer()
{
    EndSplash();
}

void frmSplash::Timer2_Timer()
{
    const AnimationTick tick = animationTick(AnimX);
    AnimX = tick.AnimX;
    if (m_drawing.isNull()) {
        // At the screen's resolution, so that the slice's @2x copy stays sharp.
        const qreal ratio = devicePixelRatioF();
        m_drawing = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_drawing.setDevicePixelRatio(ratio);
        m_drawing.fill(Qt::transparent);
    }
    QPainter painter(&m_drawing);
    painter.setPen(QPen(QColor(kAnimLineGrey, kAnimLineGrey, kAnimLineGrey), 1));
    const auto px = [](QPoint twips) {
        return QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    };
    for (const AnimationStroke &stroke : tick.strokes) {
        if (stroke.kind == AnimationStroke::Kind::Line) {
            painter.drawLine(px(stroke.from), px(stroke.to));
        } else {
            // Read at every step, as the design has it; a missing picture is left out.
            const QImage slice = common::loadSharpImage(common::programPath(u"\\Data\\SMres.jpg"));
            if (!slice.isNull())
                painter.drawImage(px(stroke.from), slice);
        }
    }
    painter.end();
    if (tick.finished)
        Timer2->stop();
    update();
}

void frmSplash::EndSplash()
{
    if (m_ended)
        return;
    m_ended = true;
    Timer1->stop();
    Timer2->stop();
    close();
    Q_EMIT finished();
}

void frmSplash::showTexts()
{
    Label1->setText(QStringLiteral("Цветовая маркировка резисторов"));
    Label2->setText(QStringLiteral("Bandolin " BANDOLIN_VERSION
                                   " — программа и рисунки команды Bandolin, 2026"));
    Label1->show();
    Label2->show();
}

void frmSplash::paintEvent(QPaintEvent *)
{
    // The first text of a run loads the font system, which takes longer than showing the
    // window itself: the window goes up first with its pictures, the texts follow at once.
    if (!m_textsQueued) {
        m_textsQueued = true;
        QTimer::singleShot(0, this, [this] { showTexts(); });
    }
    QPainter painter(this);
    if (!m_drawing.isNull())
        painter.drawImage(0, 0, m_drawing);
    painter.setPen(kBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    // The labels and pictures pass on the clicks they do not use; only the bare surface ends
    // the splash.
    const QPoint at = event->position().toPoint();
    if (rect().contains(at) && !childAt(at))
        EndSplash();
    QWidget::mouseReleaseEvent(event);
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EndSplash();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A splash is not activated by every window manager; it asks for the keys itself.
    activateWindow();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    // Closed some other way (by the window manager): still hand over to the main window.
    event->accept();
    EndSplash();
}

} // namespace splash_about
