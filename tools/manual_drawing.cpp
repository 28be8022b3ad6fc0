#include "manual_drawing.h"

#include "callout.h"
#include "resistor_render.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <cmath>

namespace artwork
{

namespace
{
QFont dejaVu(const QString &family, QFont::StyleHint hint, double pixels, int weight)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(int(std::lround(pixels)));
    font.setWeight(QFont::Weight(weight));
    return font;
}
} // namespace

QFont sans(double pixels, int weight)
{
    return dejaVu(QStringLiteral("DejaVu Sans"), QFont::SansSerif, pixels, weight);
}

QFont mono(double pixels, int weight)
{
    return dejaVu(QStringLiteral("DejaVu Sans Mono"), QFont::Monospace, pixels, weight);
}

QImage card(QSize size)
{
    QImage image = canvas(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPage);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCardEdge, 1));
    p.setBrush(kCard);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
    return image;
}

QImage twoPanelCard(QSize size)
{
    QImage image = card(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCardEdge, 1));
    p.drawLine(QPointF(size.width() / 2.0, 18), QPointF(size.width() / 2.0, size.height() - 18));
    return image;
}

void drawCentredText(QPainter &p, const QString &text, QPointF centreBaseline)
{
    const QFontMetricsF fm(p.font());
    p.drawText(QPointF(centreBaseline.x() - fm.horizontalAdvance(text) / 2, centreBaseline.y()),
               text);
}

QList<BandPlace> fourBands(int a, int b, int multiplier, int tolerance)
{
    return {{68, 16, a}, {114, 13, b}, {140, 13, multiplier}, {190, 13, tolerance}};
}

QList<BandPlace> fiveBands(int a, int b, int c, int multiplier, int tolerance)
{
    return {{68, 16, a}, {112, 12, b}, {134, 12, c}, {156, 12, multiplier}, {190, 12, tolerance}};
}

QImage resistor(QSize area, double k, QPointF origin, const QList<BandPlace> &bands, bool leads,
                double thickness)
{
    BodyShape base;
    base.capRadius *= thickness;
    base.middleRadius *= thickness;
    if (!leads)
        base.leadRadius = 0;
    const BodyShape shape = base.transformed(k, origin.x(), origin.y());
    const ResistorRenderer renderer(area, shape, 4);
    QList<Band> painted;
    for (const BandPlace &b : bands)
        painted.append(
            {b.x * k + origin.x(), (b.x + b.width) * k + origin.x(), bandPaints()[b.code].paint});
    const QImage body = renderer.render(painted);
    QImage out = canvas(area, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawImage(0, 0, dropShadow(body, 1, 4, 3, QColor(40, 50, 70), 0.22));
    p.drawImage(0, 0, body);
    return out;
}

double bandCentre(const BandPlace &b, double k, QPointF origin)
{
    return (b.x + b.width / 2) * k + origin.x();
}

void drawBandLabels(QPainter &p, const QList<QPointF> &anchors, const QStringList &labels,
                    double left, double right, double baseline, const QList<double> &sizes)
{
    const int n = int(anchors.size());
    for (int i = 0; i < n; ++i) {
        const double x = left + (i + 0.5) * (right - left) / n;
        const QPointF anchor = anchors[i];
        p.setPen(QPen(kSoftInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(x, baseline + 7), QPointF(x, baseline + 14),
                                  QPointF(anchor.x(), anchor.y() - 14), anchor}));
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(kInk);
        p.drawEllipse(anchor, 3, 3);
        p.setPen(kInk);
        p.setFont(sans(sizes.value(i, 18), QFont::Bold));
        drawCentredText(p, labels[i], QPointF(x, baseline));
    }
}

QList<QPointF> bandAnchors(const QList<BandPlace> &bands, double k, QPointF origin)
{
    QList<QPointF> anchors;
    const BodyShape shape;
    for (const BandPlace &b : bands) {
        const double centre = b.x + b.width / 2;
        anchors << QPointF(centre * k + origin.x(),
                           (shape.axisY - shape.radiusAt(centre) + 7) * k + origin.y());
    }
    return anchors;
}

void drawTerminal(QPainter &p, QPointF at)
{
    p.setPen(QPen(kWire, 1.8));
    p.setBrush(Qt::white);
    p.drawEllipse(at, 5, 5);
}

void drawJunction(QPainter &p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWire);
    p.drawEllipse(at, 3.6, 3.6);
}

void drawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double head = 5 + width * 2.2;
    QPolygonF tip;
    tip << to << to - QPointF(std::cos(angle - 0.45) * head, std::sin(angle - 0.45) * head)
        << to - QPointF(std::cos(angle + 0.45) * head, std::sin(angle + 0.45) * head);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(tip);
}

void drawNumber(QPainter &p, QPointF centre, int number)
{
    drawCallout(p, centre, number);
}

void drawSwatch(QPainter &p, const QRectF &rect, int code)
{
    const QColor c = bandPaints()[code].paint.colour;
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, c.lighter(118));
    g.setColorAt(1, c.darker(110));
    p.setPen(QPen(QColor(0x7A, 0x8C, 0xA3), 1));
    p.setBrush(g);
    p.drawRoundedRect(rect, 3, 3);
}

} // namespace artwork
