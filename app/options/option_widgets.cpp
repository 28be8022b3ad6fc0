#include "option_widgets.h"

#include <QHash>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace options
{
namespace
{

struct CaptionSizes {
    QSize hint, minimum;
    QHash<int, int> heights; // by width
};

// What a caption's sizes depend on, as the dialog's captions are set up.
QString sizesKey(const QLabel *label)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(label->text(), label->font().key())
        .arg(label->wordWrap())
        .arg(label->margin())
        .arg(label->indent())
        .arg(label->logicalDpiY());
}

CaptionSizes &sizesOf(const QLabel *label)
{
    static QHash<QString, CaptionSizes> known;
    return known[sizesKey(label)];
}

} // namespace

void FrameBox::paintEvent(QPaintEvent *)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect caption =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    QRect box =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    box.setTop(qMax(box.top(), caption.bottom() + 4)); // the box starts below its caption
    // Lighter than a dark window, darker than a light one, as the style's frame is.
    const QColor window = palette().color(QPalette::Window);
    const bool dark = window.lightnessF() < 0.5;
    QPainter painter(this);
    painter.fillRect(box.adjusted(1, 1, -1, -1), dark ? window.lighter(115) : window.darker(104));
    painter.setPen(dark ? window.lighter(170) : window.darker(125));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
}

QSize CaptionLabel::sizeHint() const
{
    CaptionSizes &sizes = sizesOf(this);
    if (!sizes.hint.isValid())
        sizes.hint = QLabel::sizeHint();
    return sizes.hint;
}

QSize CaptionLabel::minimumSizeHint() const
{
    CaptionSizes &sizes = sizesOf(this);
    if (!sizes.minimum.isValid())
        sizes.minimum = QLabel::minimumSizeHint();
    return sizes.minimum;
}

int CaptionLabel::heightForWidth(int width) const
{
    CaptionSizes &sizes = sizesOf(this);
    if (const auto known = sizes.heights.constFind(width); known != sizes.heights.cend())
        return *known;
    return sizes.heights[width] = QLabel::heightForWidth(width);
}

} // namespace options
