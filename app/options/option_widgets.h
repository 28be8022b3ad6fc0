#pragma once

// Controls of the options dialog: a scroll bar that counts upwards, and two that cost less to
// show than their Qt originals. The dialog is made, laid out and drawn afresh for every opening,
// and it has more frames and wrapped captions than any other window.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRect>
#include <QScrollBar>
#include <QStaticText>

namespace options
{

// A vertical scroll bar whose upper arrow increases its value: the larger value sits at the
// top, and a click on an arrow or beside the thumb moves the value the way the thumb moves.
class UpwardScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit UpwardScrollBar(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void turnMouseAction(int action);
    bool m_mouseHeld = false;
};

// A plain text laid out once and drawn once into a picture of its own: later paintings copy
// the picture, which costs a small part of drawing the letters again.
class TextPicture
{
public:
    // Lays the text out again only when the text, font, options or width (negative: one line)
    // differ from the last call.
    void setText(const QString &text, const QFont &font, const QTextOption &option, qreal width);
    QSizeF size() const { return m_text.size(); }
    void draw(QPainter &painter, QPointF at, const QColor &colour);

private:
    QStaticText m_text;
    QFont m_font;
    qreal m_width = -1;
    QImage m_picture;
    QColor m_pictureColour;
};

// A frame: its caption, and below it a plain box a shade off the window's colour. The style's
// own frame stretches a picture over the whole box, the costliest part of drawing the dialog.
class FrameBox : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Where the caption and the box go, worked out again when the size, font or style changes.
    QRect m_caption, m_box;
    QString m_placedTitle;
    TextPicture m_drawnTitle; // made once: the drawing at opening reuses it
};

// A caption whose sizes are worked out once for its text and font: a layout asks for them many
// times over, every opening asks again, and a wrapped text is laid out anew at every question.
class CaptionLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    // A plain caption is drawn from its text laid out once for its width and font, as the style
    // draws it; anything else (a picture, a mnemonic, rich text) as QLabel draws it.
    void paintEvent(QPaintEvent *event) override;

private:
    struct Sizes;
    Sizes &sizes() const;
    // What the sizes were looked up for: looking them up by a key made of text, font, wrap and
    // resolution at every question of the layout cost more than the questions themselves.
    mutable Sizes *m_sizes = nullptr;
    mutable QString m_sizesText;
    mutable QFont m_sizesFont;
    mutable int m_sizesDpi = 0;
    mutable bool m_sizesWrap = false;
    TextPicture m_drawn;
};

} // namespace options
