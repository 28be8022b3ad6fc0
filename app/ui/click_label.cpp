#include "click_label.h"

#include <QMouseEvent>

namespace ui
{

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT hovered();
    QLabel::mouseMoveEvent(event);
}

} // namespace ui
