#include "manual_combinations.h"

#include "manual_drawing.h"

namespace artwork
{
namespace
{

// A resistor body at scale k spans base x 45..265 and base y 0..100; it is drawn without leads,
// the wires standing for them.
constexpr double kBodyLeft = 45, kBodyRight = 265;

struct Drawn {
    double left, right; // where its body starts and ends
};

Drawn drawResistor(QPainter &p, QSize area, double k, double left, double midY,
                   const QList<BandPlace> &bands)
{
    const QPointF origin(left - kBodyLeft * k, midY - 50 * k);
    p.drawImage(0, 0, resistor(area, k, origin, bands, false, 1.15));
    return {left + 2, left + (kBodyRight - kBodyLeft) * k - 2};
}

void wire(QPainter &p, const QPolygonF &points)
{
    p.setPen(QPen(kWire, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
}

void label(QPainter &p, const QString &text, QPointF centreBaseline, double size = 15)
{
    p.setPen(kInk);
    p.setFont(sans(size, QFont::Bold));
    drawCentredText(p, text, centreBaseline);
}

void formula(QPainter &p, QSize size, double centreX, const QString &text, const QString &result)
{
    p.setPen(kInk);
    p.setFont(sans(17));
    drawCentredText(p, text, QPointF(centreX, size.height() - 48));
    p.setPen(kAccent);
    p.setFont(sans(20, QFont::Bold));
    drawCentredText(p, result, QPointF(centreX, size.height() - 18));
}

} // namespace

QImage combinationsExample()
{
    const QSize size(600, 280);
    QImage image = twoPanelCard(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A value: 3.3 kOhm in series with 22 kOhm and 2.2 kOhm in parallel, all E12, make 5.3 kOhm.
    {
        const double k = 0.3, mid = 110, top = 72, bottom = 148;
        const double railL = 134, railR = 262, branchLeft = 165;
        const Drawn a = drawResistor(p, size, k, 40, mid, fourBands(Orange, Orange, Red, Gold));
        const Drawn upper =
            drawResistor(p, size, k, branchLeft, top, fourBands(Red, Red, Orange, Gold));
        const Drawn lower =
            drawResistor(p, size, k, branchLeft, bottom, fourBands(Red, Red, Red, Gold));
        wire(p, {QPointF(22, mid), QPointF(a.left, mid)});
        wire(p, {QPointF(a.right, mid), QPointF(railL, mid)});
        wire(p, {QPointF(railR, mid), QPointF(278, mid)});
        for (const auto &[branch, y] : {std::pair{upper, top}, std::pair{lower, bottom}}) {
            wire(p, {QPointF(branch.left, y), QPointF(railL, y), QPointF(railL, mid)});
            wire(p, {QPointF(branch.right, y), QPointF(railR, y), QPointF(railR, mid)});
        }
        drawJunction(p, QPointF(railL, mid));
        drawJunction(p, QPointF(railR, mid));
        drawTerminal(p, QPointF(18, mid));
        drawTerminal(p, QPointF(282, mid));
        label(p, QStringLiteral("3.3 kΩ"), QPointF((a.left + a.right) / 2, mid - 24));
        label(p, QStringLiteral("22 kΩ"), QPointF((upper.left + upper.right) / 2, top - 22));
        label(p, QStringLiteral("2.2 kΩ"), QPointF((lower.left + lower.right) / 2, bottom + 34));
        formula(p, size, 150, QStringLiteral("R = 3.3 kΩ + 22 kΩ ‖ 2.2 kΩ"),
                QStringLiteral("R = 5.3 kΩ"));
    }
    // A divider: 15 kOhm + 15 kOhm above the tap, 10 kOhm below, take 3 V of 12 V.
    {
        const double k = 0.26, mid = 124, tap = 474, tapTop = 72, ground = 580;
        const Drawn r1a = drawResistor(p, size, k, 332, mid, fourBands(Brown, Green, Orange, Gold));
        const Drawn r1b = drawResistor(p, size, k, 399, mid, fourBands(Brown, Green, Orange, Gold));
        const Drawn r2 = drawResistor(p, size, k, 490, mid, fourBands(Brown, Black, Orange, Gold));
        wire(p, {QPointF(322, mid), QPointF(r1a.left, mid)});
        wire(p, {QPointF(r1a.right, mid), QPointF(r1b.left, mid)});
        wire(p, {QPointF(r1b.right, mid), QPointF(r2.left, mid)});
        wire(p, {QPointF(r2.right, mid), QPointF(ground, mid), QPointF(ground, mid + 20)});
        wire(p, {QPointF(tap, mid), QPointF(tap, tapTop + 5)});
        // Ground: three bars, each shorter.
        p.setPen(QPen(kWire, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double half = 11 - 4 * i, y = mid + 20 + 5 * i;
            p.drawLine(QPointF(ground - half, y), QPointF(ground + half, y));
        }
        drawJunction(p, QPointF(tap, mid));
        drawTerminal(p, QPointF(318, mid));
        drawTerminal(p, QPointF(tap, tapTop));
        p.setPen(kInk);
        p.setFont(sans(15, QFont::Bold));
        p.drawText(QPointF(312, mid - 26), QStringLiteral("Vin 12 V"));
        label(p, QStringLiteral("Vout 3 V"), QPointF(tap, tapTop - 12));
        label(p, QStringLiteral("R1 = 15 kΩ + 15 kΩ"), QPointF((r1a.left + r1b.right) / 2, mid + 36),
              14);
        label(p, QStringLiteral("R2 = 10 kΩ"), QPointF((r2.left + r2.right) / 2, mid + 58), 14);
        formula(p, size, 450, QStringLiteral("Vout = 12 V · 10 kΩ / 40 kΩ"),
                QStringLiteral("Vout = 3 V"));
    }
    return image;
}

} // namespace artwork
