#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

namespace main_window {

// The display box: keeps what is painted into it (its persistent image) until it is cleared.
// The labels placed on it are child widgets and not part of that image. On a high-resolution
// screen it keeps a second image at the screen's resolution, painted from the pictures' @2x
// copies, and shows that one; the persistent image (what Save As writes) stays as it is.
class ResistorDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit ResistorDisplay(QWidget *parent = nullptr);

    void setBackground(const QColor &colour);
    QColor background() const { return m_background; }
    // Clears the persistent image to the background colour.
    void clear();
    // Loads a picture file and paints it at its natural size with its top-left corner at the
    // point (pixels). Throws common::Failure naming the file when it cannot be loaded.
    void paintPicture(const QString &file, QPoint topLeft);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitImage();
    QImage m_image;
    QImage m_sharp; // null on a screen of one device pixel per pixel
    QColor m_background = Qt::white;
};

} // namespace main_window
