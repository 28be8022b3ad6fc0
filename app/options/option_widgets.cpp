#include "option_widgets.h"

#include <QEvent>
#include <QMouseEvent>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
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

void TextPicture::setText(const QString &text, const QFont &font, const QTextOption &option,
                          qreal width)
{
    if (m_text.text() == text && m_font == font && m_width == width &&
        m_text.textOption().alignment() == option.alignment() &&
        m_text.textOption().wrapMode() == option.wrapMode())
        return;
    m_text.setTextFormat(Qt::PlainText);
    m_text.setTextOption(option);
    m_text.setTextWidth(width);
    m_text.setText(text);
    m_text.prepare(QTransform(), font);
    m_font = font;
    m_width = width;
    m_picture = QImage();
}

void TextPicture::draw(QPainter &painter, QPointF at, const QColor &colour)
{
    // Letters may reach a little past the laid-out box (overhangs, accents): the picture keeps
    // a margin round it. It is drawn at whole pixels, where the letters themselves would go.
    constexpr int margin = 3;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (m_picture.isNull() || m_pictureColour != colour || m_picture.devicePixelRatio() != ratio) {
        const QSize logical = m_text.size().toSize() + QSize(2 * margin + 1, 2 * margin + 1);
        m_picture = QImage(logical * ratio, QImage::Format_ARGB32_Premultiplied);
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(Qt::transparent);
        QPainter picture(&m_picture);
        picture.setFont(m_font);
        picture.setPen(colour);
        picture.drawStaticText(QPointF(margin, margin), m_text);
        m_pictureColour = colour;
    }
    painter.drawImage(QPointF(qRound(at.x()) - margin, qRound(at.y()) - margin), m_picture);
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
    painter.fillRect(m_box.adjusted(1, 1, -1, -1), dark ? window.lighter(115) : window.darker(104));
    painter.setPen(dark ? window.lighter(170) : window.darker(125)); // the edge, one pixel wide
    painter.drawRect(m_box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    if (title().contains(u'&')) {
        painter.drawText(m_caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
        return;
    }
    m_drawnTitle.setText(title(), font(), QTextOption(), -1);
    const qreal top = m_caption.top() + (m_caption.height() - m_drawnTitle.size().height()) / 2;
    m_drawnTitle.draw(painter, QPointF(m_caption.left(), top), painter.pen().color());
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    const bool rich = textFormat() == Qt::RichText ||
                      (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
    if (rich || text().contains(u'&') || !pixmap().isNull() || frameWidth() != 0 || margin() != 0) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect area = contentsRect();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    QTextOption option(align & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    m_drawn.setText(text(), font(), option, area.width());
    qreal top = area.top();
    if (align & Qt::AlignVCenter)
        top += (area.height() - m_drawn.size().height()) / 2;
    else if (align & Qt::AlignBottom)
        top += area.height() - m_drawn.size().height();
    QPainter painter(this);
    m_drawn.draw(painter, QPointF(area.left(), top), palette().color(foregroundRole()));
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

UpwardScrollBar::UpwardScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    // The larger value at the top; the Up key and the wheel turned away increase it.
    setInvertedAppearance(true);
    setInvertedControls(false);
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this](int action) { turnMouseAction(action); });
}

void UpwardScrollBar::mousePressEvent(QMouseEvent *event)
{
    m_mouseHeld = true;
    QScrollBar::mousePressEvent(event);
}

void UpwardScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    QScrollBar::mouseReleaseEvent(event);
    m_mouseHeld = false;
}

void UpwardScrollBar::turnMouseAction(int action)
{
    // The arrows and the areas beside the thumb keep their places while the values run
    // upwards, so a press on them moves the value the other way. The value itself is not yet
    // set when this runs; only the slider position is.
    if (!m_mouseHeld)
        return;
    switch (action) {
    case SliderSingleStepSub:
        setSliderPosition(value() + singleStep());
        break;
    case SliderSingleStepAdd:
        setSliderPosition(value() - singleStep());
        break;
    case SliderPageStepSub:
        setSliderPosition(value() + pageStep());
        break;
    case SliderPageStepAdd:
        setSliderPosition(value() - pageStep());
        break;
    default:
        break;
    }
}

} // namespace options
