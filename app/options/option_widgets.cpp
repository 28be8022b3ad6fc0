#include "option_widgets.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <map>

namespace options
{
namespace
{

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

} // namespace

struct CaptionLabel::Sizes {
    QSize hint, minimum;
    QHash<int, int> heights; // by width
};

CaptionLabel::Sizes &CaptionLabel::sizes() const
{
    if (!m_sizes || m_sizesText != text() || m_sizesFont != font() || m_sizesDpi != logicalDpiY() ||
        m_sizesWrap != wordWrap()) {
        static std::map<QString, Sizes> known; // entries stay where they are as others are added
        m_sizes = &known[sizesKey(this)];
        m_sizesText = text();
        m_sizesFont = font();
        m_sizesDpi = logicalDpiY();
        m_sizesWrap = wordWrap();
    }
    return *m_sizes;
}

void FrameBox::resizeEvent(QResizeEvent *event)
{
    m_caption = m_box = QRect();
    QGroupBox::resizeEvent(event);
}

void FrameBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_caption = m_box = QRect();
    QGroupBox::changeEvent(event);
}

void FrameBox::paintEvent(QPaintEvent *)
{
    if (m_box.isNull() || m_placedTitle != title()) {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        m_caption =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        m_box =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
        m_box.setTop(qMax(m_box.top(), m_caption.bottom() + 4)); // the box starts below its caption
        m_placedTitle = title();
    }
    // Lighter than a dark window, darker than a light one, as the style's frame is.
    const QColor window = palette().color(QPalette::Window);
    const bool dark = window.lightnessF() < 0.5;
    QPainter painter(this);
    painter.fillRect(m_box, dark ? window.lighter(170) : window.darker(125)); // the edge
    painter.fillRect(m_box.adjusted(1, 1, -1, -1), dark ? window.lighter(115) : window.darker(104));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(m_caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
}

QSize CaptionLabel::sizeHint() const
{
    Sizes &s = sizes();
    if (!s.hint.isValid())
        s.hint = QLabel::sizeHint();
    return s.hint;
}

QSize CaptionLabel::minimumSizeHint() const
{
    Sizes &s = sizes();
    if (!s.minimum.isValid())
        s.minimum = QLabel::minimumSizeHint();
    return s.minimum;
}

int CaptionLabel::heightForWidth(int width) const
{
    Sizes &s = sizes();
    if (const auto known = s.heights.constFind(width); known != s.heights.cend())
        return *known;
    return s.heights[width] = QLabel::heightForWidth(width);
}

} // namespace options
