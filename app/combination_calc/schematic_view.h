#pragma once

#include "combination_calc/schematic_layout.h"

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

namespace combination_calc
{

// The schematic of the selected answer, laid out again for the font it is painted with and
// scaled down to fit when the window is small. Empty while no answer is selected.
class SchematicView : public QWidget
{
    Q_OBJECT
public:
    explicit SchematicView(QWidget *parent = nullptr);

    // What to draw, laid out for a text width; none to draw nothing.
    using Drawing = std::function<Schematic(const TextWidth &)>;
    void setDrawing(Drawing drawing);
    bool empty() const { return !m_drawing; }
    // The colours: the panel's background and the ink of its wires, boxes and values.
    void setColours(const QColor &background, const QColor &ink);
    // The drawing as laid out now; an empty schematic while there is none.
    Schematic schematic() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing m_drawing;
    QColor m_background = Qt::white;
    QColor m_ink = Qt::black;
};

} // namespace combination_calc
