#include "window_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace ui
{

WindowSurface::WindowSurface(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

WindowSurface *WindowSurface::fill(QWidget *window, const QString &name)
{
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *surface = new WindowSurface(window);
    surface->setObjectName(name);
    layout->addWidget(surface);
    return surface;
}

void WindowSurface::setBackgroundColour(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void WindowSurface::setBackgroundPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void WindowSurface::setFigures(std::vector<Figure> figures, int lineWidth)
{
    m_figures = std::move(figures);
    m_lineWidth = qMax(1, lineWidth);
    update();
}

void WindowSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    for (const Figure &f : m_figures) {
        painter.setPen(QPen(f.colour, m_lineWidth));
        painter.drawRect(f.rect);
    }
}

void WindowSurface::mouseMoveEvent(QMouseEvent *event)
{
    // Controls pass on the pointer movements they do not use; only the bare surface counts.
    if (!childAt(event->position().toPoint()))
        Q_EMIT bareSurfaceTouched();
    QWidget::mouseMoveEvent(event);
}

void WindowSurface::mousePressEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        Q_EMIT bareSurfaceTouched();
    QWidget::mousePressEvent(event);
}

} // namespace ui
