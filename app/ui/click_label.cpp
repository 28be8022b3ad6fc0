#include "click_label.h"

#include "ui/skin_colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui
{
namespace
{

// A clickable label is a button to a screen reader, and pressing it clicks it.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? static_cast<const QLabel *>(widget())->text() : name;
    }
    QAccessible::State state() const override
    {
        // Palette entries take the focus from the keys of their palette, not from Tab.
        QAccessible::State st = QAccessibleWidget::state();
        st.focusable = true;
        return st;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            Q_EMIT static_cast<ClickLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *clickLabelInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) &&
        object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    static const bool accessibleAsButton = [] {
        QAccessible::installFactory(clickLabelInterface);
        return true;
    }();
    Q_UNUSED(accessibleAsButton);
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

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat())
            return; // a held key clicks once
        Q_EMIT clicked();
        Q_EMIT keyActivated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The text colour reads on the label's own background, its contrast on the text colour:
    // one of the two rings reads on whatever lies behind the label.
    const QColor text = palette().color(QPalette::WindowText);
    QPainter painter(this);
    painter.setPen(QPen(readableTextOn(text), 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(QPen(text, 1));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

QString nameFromCaption(const QString &caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace ui
