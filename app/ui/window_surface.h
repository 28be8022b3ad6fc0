#pragma once

#include <QColor>
#include <QLineF>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <vector>

namespace ui
{

// A window's own surface under its controls: background colour and picture, the skin's
// decorative rectangles, and the pointer on bare surface (the main window closes its
// palettes then).
class WindowSurface : public QWidget
{
    Q_OBJECT
public:
    struct Figure {
        QRect rect; // pixels
        QColor colour;
    };

    explicit WindowSurface(QWidget *parent = nullptr);
    // A surface that fills the whole of a window, under the given object name.
    static WindowSurface *fill(QWidget *window, const QString &name);
    void setBackgroundColour(const QColor &colour);
    void setBackgroundPicture(const QPixmap &picture);
    void setFigures(std::vector<Figure> figures, int lineWidth);
    const std::vector<Figure> &figures() const { return m_figures; }

Q_SIGNALS:
    void bareSurfaceTouched();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    std::vector<Figure> m_figures;
    int m_lineWidth = 1;
};

} // namespace ui
