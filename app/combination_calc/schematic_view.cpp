#include "combination_calc/schematic_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace combination_calc
{
namespace
{

constexpr double kMaxScale = 1.25;
constexpr double kTerminalRadius = 3.5;
constexpr double kJunctionRadius = 3;

void drawGround(QPainter &p, QPointF top)
{
    for (int i = 0; i < 3; ++i) {
        const double half = 10 - 3.5 * i;
        const double y = top.y() + 3.5 * i;
        p.drawLine(QPointF(top.x() - half, y), QPointF(top.x() + half, y));
    }
}

} // namespace

SchematicView::SchematicView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SchematicView::setDrawing(Drawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

void SchematicView::setColours(const QColor &background, const QColor &ink)
{
    m_background = background;
    m_ink = ink;
    update();
}

Schematic SchematicView::schematic() const
{
    if (!m_drawing)
        return {};
    const QFontMetricsF metrics(font());
    return m_drawing([&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
}

QSize SchematicView::sizeHint() const
{
    return {360, 150};
}

void SchematicView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    p.setPen(QPen(m_ink, 1));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    const Schematic s = schematic();
    if (s.size.isEmpty())
        return;

    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double scale = std::min({kMaxScale, (width() - 4) / s.size.width(),
                                   (height() - 4) / s.size.height()});
    p.translate((width() - s.size.width() * scale) / 2, (height() - s.size.height() * scale) / 2);
    p.scale(scale, scale);

    p.setPen(QPen(m_ink, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (const QLineF &wire : s.wires)
        p.drawLine(wire);
    for (QPointF ground : s.grounds)
        drawGround(p, ground);

    // A box is filled, so that it covers nothing but shows the panel behind its value.
    for (const Schematic::Box &box : s.boxes) {
        p.setBrush(m_background);
        p.drawRect(box.rect);
        p.drawText(box.rect, Qt::AlignCenter, box.text);
    }
    p.setBrush(m_ink);
    for (QPointF junction : s.junctions)
        p.drawEllipse(junction, kJunctionRadius, kJunctionRadius);
    const QFontMetricsF metrics(font());
    for (const Schematic::Terminal &terminal : s.terminals) {
        p.setBrush(m_background);
        p.drawEllipse(terminal.at, kTerminalRadius, kTerminalRadius);
        if (!terminal.label.isEmpty())
            p.drawText(QPointF(terminal.at.x() - metrics.horizontalAdvance(terminal.label) / 2,
                               terminal.at.y() - kTerminalRadius - metrics.descent() - 2),
                       terminal.label);
    }
}

} // namespace combination_calc
