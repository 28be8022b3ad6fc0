#include "placement.h"

#include "common/sharp_picture.h"
#include "common/failure.h"
#include "common/program_folder.h"
#include "common/units.h"
#include "skin_colours.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui
{

using common::twipsToPixels;

void placeRect(QWidget *control, const config::TwipsRect &r)
{
    control->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                         twipsToPixels(r.height));
}

void placeAt(QWidget *control, const config::TwipsPoint &p)
{
    control->move(twipsToPixels(p.left), twipsToPixels(p.top));
}

void placeStyled(QWidget *control, const config::StyledRect &entry)
{
    placeRect(control, entry.rect);
    setFontSize(control, entry.fontSize, entry.bold);
}

void placeCombo(QComboBox *combo, float left, float top, float width, float fontSize)
{
    setFontSize(combo, fontSize);
    combo->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                       combo->sizeHint().height());
}

QSize screenSize(const QWidget *widget)
{
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QPoint centredPosition(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return window->pos();
    const QRect area = screen->geometry();
    const QSize frame = window->frameGeometry().size();
    return {area.x() + (area.width() - frame.width()) / 2,
            area.y() + (area.height() - frame.height()) / 2};
}

void keepCentred(QWidget *window)
{
    const QPoint centre = centredPosition(window);
    if (window->pos() != centre)
        window->move(centre);
}

void bringForward(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

QPointF positionTwips(const QWidget *window)
{
    return {float(common::pixelsToTwips(window->pos().x())),
            float(common::pixelsToTwips(window->pos().y()))};
}

QPointF centredTwips(const QWidget *widget, float width, float height)
{
    const QSize screen = screenSize(widget);
    return {(float(common::pixelsToTwips(screen.width())) - width) / 2,
            (float(common::pixelsToTwips(screen.height())) - height) / 2};
}

QPixmap loadPicture(const QString &relative)
{
    const QString path = common::programPath(relative);
    const QPixmap picture = common::loadSharpPixmap(path);
    if (picture.isNull())
        throw common::Failure(QStringLiteral("Cannot load the picture %1").arg(path));
    return picture;
}

void setPointingHand(QWidget *control)
{
    control->setCursor(Qt::PointingHandCursor);
}

} // namespace ui
