#include "ui/list_accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace ui
{
namespace
{

// What Qt's own interface of a list box tells, but for the name.
class ListAccessible : public QAccessibleWidget
{
public:
    explicit ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString entry = list()->currentText();
        switch (kind) {
        case QAccessible::Name: {
            const QString name = list()->accessibleName();
            if (name.isEmpty() || entry.isEmpty())
                return name.isEmpty() ? entry : name;
            return name + QStringLiteral(": ") + entry;
        }
        case QAccessible::Value:
            return entry;
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }

    // The open list is the one child, as with Qt's interface.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    // Opening the list first; taking the focus too, which Qt's interface does not offer.
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *listInterface(const QString &className, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    if (!list || className != QLatin1String("QComboBox"))
        return nullptr;
    return new ListAccessible(list);
}

} // namespace

void installListAccessibility()
{
    // A factory installed after the application's own is asked before it.
    static const bool installed = (QAccessible::installFactory(listInterface), true);
    Q_UNUSED(installed);
}

} // namespace ui
