#pragma once

// Two controls of the options dialog that cost less to show than their Qt originals. The dialog
// is made, laid out and drawn afresh at every opening, and it has more frames and wrapped
// captions than any other window.

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QRect>

namespace options
{

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
};

} // namespace options
