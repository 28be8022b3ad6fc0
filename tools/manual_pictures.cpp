#include "manual_pictures.h"

#include "manual_combinations.h"
#include "manual_drawing.h"
#include "resistor_render.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork
{
namespace
{

// ----- the colour code: what each band of a four-band resistor means -----

QImage bandMeanings()
{
    const QSize size(600, 296);
    QImage image = card(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const double k = 1.45;
    const QPointF origin((size.width() - 310 * k) / 2, 70);
    const QList<BandPlace> bands = fourBands(Yellow, Violet, Red, Gold);
    p.drawImage(0, 0, resistor(size, k, origin, bands));

    // What each band says, above it, and its number in the reading order, below it.
    const double bodyBottom = origin.y() + (50 + 36) * k;
    drawBandLabels(p, bandAnchors(bands, k, origin),
                   {QStringLiteral("4"), QStringLiteral("7"), QStringLiteral("× 100"),
                    QStringLiteral("± 5 %")},
                   origin.x() + 20 * k, origin.x() + 290 * k, 34, {24, 24, 20, 20});
    for (int i = 0; i < bands.size(); ++i)
        drawNumber(p, QPointF(bandCentre(bands[i], k, origin), bodyBottom + 22), i + 1);

    // The reading direction: from the band nearest to an end.
    const double arrowY = bodyBottom + 46;
    drawArrow(p, QPointF(origin.x() + 60 * k, arrowY), QPointF(origin.x() + 230 * k, arrowY),
              kSoftInk, 2);

    p.setFont(sans(22, QFont::Bold));
    p.setPen(kInk);
    drawCentredText(p, QStringLiteral("47 × 100 Ω = 4.7 kΩ  ± 5 %"),
                    QPointF(size.width() / 2.0, size.height() - 18));
    return image;
}

// ----- encoding: a value becomes five bands, three significant digits -----

void drawField(QPainter &p, const QRectF &rect, const QString &text, bool dropDown)
{
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xBA), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(rect, 3, 3);
    p.setPen(kInk);
    p.setFont(sans(17));
    const QFontMetricsF fm(p.font());
    p.drawText(QPointF(rect.left() + 9, rect.center().y() + (fm.ascent() - fm.descent()) / 2),
               text);
    if (dropDown) {
        const QPointF c(rect.right() - 13, rect.center().y() + 1);
        p.setPen(Qt::NoPen);
        p.setBrush(kSoftInk);
        p.drawPolygon(QPolygonF({c + QPointF(-5, -3), c + QPointF(5, -3), c + QPointF(0, 3)}));
    }
}

QImage encodingExample()
{
    const QSize size(600, 230);
    QImage image = card(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The inputs as the window arranges them: value and unit side by side, tolerance below.
    drawNumber(p, QPointF(30, 58), 2);
    drawField(p, QRectF(48, 42, 84, 32), QStringLiteral("4.7"), false);
    drawField(p, QRectF(140, 42, 76, 32), QStringLiteral("kΩ"), true);
    drawNumber(p, QPointF(30, 114), 3);
    drawField(p, QRectF(48, 98, 84, 32), QStringLiteral("1%"), true);
    drawNumber(p, QPointF(30, 170), 4);
    QRectF button(48, 154, 168, 32);
    QLinearGradient g(button.topLeft(), button.bottomLeft());
    g.setColorAt(0, QColor(0xFB, 0xFC, 0xFE));
    g.setColorAt(1, QColor(0xE2, 0xE8, 0xF0));
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xBA), 1));
    p.setBrush(g);
    p.drawRoundedRect(button, 4, 4);
    drawArrow(p, QPointF(button.center().x() - 14, button.center().y()),
              QPointF(button.center().x() + 14, button.center().y()), kInk, 2.5);

    drawArrow(p, QPointF(234, 114), QPointF(272, 114), kAccent, 3);

    const double k = 0.98;
    const QPointF origin(278, 68);
    const QList<BandPlace> bands = fiveBands(Yellow, Violet, Black, Brown, Brown);
    p.drawImage(0, 0, resistor(size, k, origin, bands));
    drawBandLabels(p, bandAnchors(bands, k, origin), {"4", "7", "0", "× 10", "1 %"},
                   origin.x() + 10 * k, origin.x() + 300 * k, 30, {19, 19, 19, 16, 16});
    p.setFont(sans(19, QFont::Bold));
    drawCentredText(p, QStringLiteral("470 × 10 Ω = 4.7 kΩ  ± 1 %"),
                    QPointF(origin.x() + 155 * k, size.height() - 26));
    return image;
}

// ----- the marking file name -----

QImage markingFileName()
{
    const QSize size(600, 248);
    QImage image = card(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // BNDX77, the band count, the five colour codes, a blank and the result line.
    const QFont font = mono(34, QFont::Bold);
    const QFontMetricsF fm(font);
    const double cell = fm.horizontalAdvance(QLatin1Char('0'));
    const QString prefix = QStringLiteral("BNDX77");
    const QString code = QStringLiteral("432041");
    const QString rest = QStringLiteral(" ….bmp");
    const double width = cell * (prefix.size() + code.size() + rest.size());
    const double left = (size.width() - width) / 2;
    const double codeLeft = left + cell * prefix.size();
    const double base = 54;
    p.setFont(font);
    p.setPen(kSoftInk);
    p.drawText(QPointF(left, base), prefix);
    p.setPen(kAccent);
    p.drawText(QPointF(codeLeft, base), code.left(1));
    p.setPen(kInk);
    p.drawText(QPointF(codeLeft + cell, base), code.mid(1));
    p.setPen(kSoftInk);
    p.drawText(QPointF(codeLeft + 6 * cell, base), rest);

    // Under each colour code its colour: 3 brown, 2 black, 0 (the third digit, which four
    // bands do not use), 4 red, 1 gold.
    const int codes[] = {Brown, Black, Silver, Red, Gold};
    const double swatchTop = base + 14;
    for (int i = 0; i < 5; ++i) {
        const QRectF r(codeLeft + cell * (1 + i) + 2, swatchTop, cell - 4, 26);
        if (i == 2) {
            p.setPen(QPen(kSoftInk, 1.2, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r, 3, 3);
        } else {
            drawSwatch(p, r, codes[i]);
        }
    }

    // Brackets under the parts, numbered as the text explains them.
    const auto bracket = [&](double from, double to, int number) {
        const double y = swatchTop + 40;
        p.setPen(QPen(kSoftInk, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(from + 2, y - 6), QPointF(from + 2, y),
                                  QPointF(to - 2, y), QPointF(to - 2, y - 6)}));
        drawNumber(p, QPointF((from + to) / 2, y + 20), number);
    };
    bracket(left, codeLeft, 1);
    bracket(codeLeft, codeLeft + cell, 2);
    bracket(codeLeft + cell, codeLeft + 6 * cell, 3);
    bracket(codeLeft + 6 * cell, left + width, 4);

    // The marking the name carries.
    const double k = 0.62;
    const QPointF origin(size.width() / 2.0 - 170, swatchTop + 92);
    p.drawImage(0, 0, resistor(size, k, origin, fourBands(Brown, Black, Red, Gold)));
    p.setPen(kInk);
    p.setFont(sans(21, QFont::Bold));
    p.drawText(QPointF(origin.x() + 316 * k, origin.y() + 50 * k + 8),
               QStringLiteral("= 1 kΩ  ± 5 %"));
    return image;
}

// ----- the two connections -----

QImage connections()
{
    const QSize size(600, 270);
    QImage image = twoPanelCard(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const double k = 0.38;
    const QList<BandPlace> r1 = fourBands(Brown, Black, Brown, Gold);
    const QList<BandPlace> r2 = fourBands(Brown, Black, Red, Gold);
    const auto value = [&](const QString &text, QPointF centreBaseline) {
        p.setPen(kInk);
        p.setFont(sans(15, QFont::Bold));
        drawCentredText(p, text, centreBaseline);
    };
    const auto formula = [&](const QString &text, const QString &result, double cx) {
        p.setPen(kInk);
        p.setFont(sans(18));
        drawCentredText(p, text, QPointF(cx, size.height() - 48));
        p.setFont(sans(20, QFont::Bold));
        p.setPen(kAccent);
        drawCentredText(p, result, QPointF(cx, size.height() - 18));
    };
    // Body of a resistor at scale k spans base x 45..265; leads are drawn as wires instead.
    const double bodyLeft = 45 * k, bodyRight = 265 * k;

    // Parallel, on the left as in the Linkora window: two resistors between two rails.
    {
        const double railL = 50, railR = 250, top = 62, bottom = 142, mid = 102;
        const double x0 = 150 - (bodyLeft + bodyRight) / 2;
        p.setPen(QPen(kWire, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(26, mid), QPointF(railL, mid));
        p.drawLine(QPointF(railR, mid), QPointF(274, mid));
        for (double y : {top, bottom}) {
            p.drawPolyline(
                QPolygonF({QPointF(x0 + bodyLeft + 2, y), QPointF(railL, y), QPointF(railL, mid)}));
            p.drawPolyline(QPolygonF(
                {QPointF(x0 + bodyRight - 2, y), QPointF(railR, y), QPointF(railR, mid)}));
        }
        p.drawImage(0, 0, resistor(size, k, QPointF(x0, top - 50 * k), r1, false, 1.15));
        p.drawImage(0, 0, resistor(size, k, QPointF(x0, bottom - 50 * k), r2, false, 1.15));
        drawJunction(p, QPointF(railL, mid));
        drawJunction(p, QPointF(railR, mid));
        drawTerminal(p, QPointF(22, mid));
        drawTerminal(p, QPointF(278, mid));
        value(QStringLiteral("R1 = 100 Ω"), QPointF(150, top - 22));
        value(QStringLiteral("R2 = 1 kΩ"), QPointF(150, bottom + 34));
        formula(QStringLiteral("1/R = 1/R1 + 1/R2"), QStringLiteral("R = 90.909 Ω"), 150);
    }
    // Series, on the right: the two in a chain.
    {
        const double mid = 102, gap = 22;
        const double span = 2 * (bodyRight - bodyLeft) + gap;
        const double start = 450 - span / 2;
        const double x1 = start - bodyLeft, x2 = start + (bodyRight - bodyLeft) + gap - bodyLeft;
        p.setPen(QPen(kWire, 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(326, mid), QPointF(x1 + bodyLeft + 2, mid));
        p.drawLine(QPointF(x1 + bodyRight - 2, mid), QPointF(x2 + bodyLeft + 2, mid));
        p.drawLine(QPointF(x2 + bodyRight - 2, mid), QPointF(574, mid));
        p.drawImage(0, 0, resistor(size, k, QPointF(x1, mid - 50 * k), r1, false, 1.15));
        p.drawImage(0, 0, resistor(size, k, QPointF(x2, mid - 50 * k), r2, false, 1.15));
        drawTerminal(p, QPointF(322, mid));
        drawTerminal(p, QPointF(578, mid));
        value(QStringLiteral("R1 = 100 Ω"), QPointF(x1 + (bodyLeft + bodyRight) / 2, mid - 34));
        value(QStringLiteral("R2 = 1 kΩ"), QPointF(x2 + (bodyLeft + bodyRight) / 2, mid + 46));
        formula(QStringLiteral("R = R1 + R2"), QStringLiteral("R = 1.1 kΩ"), 450);
    }
    return image;
}

// ----- Ohm's law -----

QImage ohmsLaw()
{
    const QSize size(600, 250);
    QImage image = card(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The triangle: U above the line, I and R side by side below it.
    const QPointF apex(150, 22), left(34, 224), right(266, 224);
    const double divider = 112;
    const double t = (divider - apex.y()) / (left.y() - apex.y());
    const QPointF divL(apex.x() + (left.x() - apex.x()) * t, divider);
    const QPointF divR(apex.x() + (right.x() - apex.x()) * t, divider);
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF({apex, right, left, apex}));
    triangle.closeSubpath();
    QLinearGradient fill(0, apex.y(), 0, left.y());
    fill.setColorAt(0, QColor(104, 148, 196));
    fill.setColorAt(1, QColor(70, 112, 164));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 45, 70, 40));
    p.drawPath(triangle.translated(2, 4));
    p.setBrush(fill);
    p.drawPath(triangle);
    const QColor ink(0x1C, 0x30, 0x4C);
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(divL, divR);
    p.drawLine(QPointF(apex.x(), divider), QPointF(apex.x(), left.y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    p.setPen(Qt::white);
    p.setFont(sans(40, QFont::Bold));
    drawCentredText(p, QStringLiteral("U"), QPointF(apex.x(), 96));
    drawCentredText(p, QStringLiteral("I"), QPointF(apex.x() - 46, 196));
    drawCentredText(p, QStringLiteral("R"), QPointF(apex.x() + 46, 196));

    // The three ways to read it, and an example of each.
    struct Line {
        const char *formula;
        const char *example;
    };
    const Line lines[] = {{"U = I · R", "2 A · 3 Ω = 6 V"},
                          {"I = U / R", "5 V / 1000 Ω = 0.005 A"},
                          {"R = U / I", "12 V / 0.5 A = 24 Ω"}};
    double y = 62;
    for (const Line &line : lines) {
        p.setPen(kInk);
        p.setFont(sans(25, QFont::Bold));
        p.drawText(QPointF(318, y), QString::fromUtf8(line.formula));
        p.setPen(kSoftInk);
        p.setFont(sans(16));
        p.drawText(QPointF(320, y + 24), QString::fromUtf8(line.example));
        y += 70;
    }
    return image;
}

// ----- window placement -----

void drawScreen(QPainter &p, const QRectF &screen)
{
    p.setPen(QPen(kWire, 2));
    p.setBrush(QColor(0xE4, 0xEB, 0xF3));
    p.drawRoundedRect(screen.adjusted(-8, -8, 8, 8), 8, 8);
    p.setBrush(QColor(0xFB, 0xFC, 0xFE));
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xBA), 1));
    p.drawRect(screen);
    // The stand.
    p.setPen(Qt::NoPen);
    p.setBrush(kWire);
    const double cx = screen.center().x();
    p.drawRect(QRectF(cx - 10, screen.bottom() + 8, 20, 14));
    p.drawRoundedRect(QRectF(cx - 38, screen.bottom() + 21, 76, 6), 3, 3);
}

void drawWindow(QPainter &p, const QRectF &rect, bool ghost)
{
    if (ghost) {
        p.setPen(QPen(kSoftInk, 1.3, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(rect, 3, 3);
        return;
    }
    p.setPen(QPen(QColor(0x7A, 0x8C, 0xA3), 1));
    p.setBrush(QColor(0xE9, 0xEE, 0xF4));
    p.drawRoundedRect(rect, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(rect.left(), rect.top(), rect.width(), 9), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(rect.left() + rect.width() * 0.36, rect.top() + 15, rect.width() * 0.28,
                      rect.height() - 21));
    p.setBrush(QColor(0xC9, 0xD3, 0xDF));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(rect.left() + 6, rect.top() + 16 + i * 9, rect.width() * 0.26, 4));
        p.drawRect(QRectF(rect.right() - 6 - rect.width() * 0.26, rect.top() + 16 + i * 9,
                          rect.width() * 0.26, 4));
    }
}

QImage placement()
{
    const QSize size(600, 218);
    QImage image = card(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QSizeF screen(220, 136), window(92, 60);
    // Free: the window stays where it was put, and opens there next time.
    {
        const QRectF s(40, 34, screen.width(), screen.height());
        drawScreen(p, s);
        const QRectF before(s.left() + 18, s.top() + 16, window.width(), window.height());
        const QRectF after(s.left() + 110, s.top() + 60, window.width(), window.height());
        drawWindow(p, before, true);
        drawWindow(p, after, false);
        drawArrow(p, before.center(), after.center() - QPointF(18, 8), kHighlight, 2.5);
        drawNumber(p, QPointF(s.left() - 8, s.top() - 8), 1);
    }
    // Centred: the window always returns to the middle of the screen.
    {
        const QRectF s(340, 34, screen.width(), screen.height());
        drawScreen(p, s);
        const QRectF dragged(s.left() + 12, s.top() + 62, window.width(), window.height());
        const QRectF centred(s.center().x() - window.width() / 2,
                             s.center().y() - window.height() / 2, window.width(), window.height());
        p.setPen(QPen(QColor(0xB5, 0xC2, 0xD2), 1, Qt::DashLine));
        p.drawLine(QPointF(s.center().x(), s.top() + 4), QPointF(s.center().x(), s.bottom() - 4));
        p.drawLine(QPointF(s.left() + 4, s.center().y()), QPointF(s.right() - 4, s.center().y()));
        drawWindow(p, dragged, true);
        drawWindow(p, centred, false);
        drawArrow(p, dragged.center(), centred.center() - QPointF(12, -4), kHighlight, 2.5);
        drawNumber(p, QPointF(s.left() - 8, s.top() - 8), 2);
    }
    return image;
}

// ----- reading help: which end is first, and a colour taken for its neighbour -----

QImage readingHelp()
{
    const QSize size(600, 260);
    QImage image = twoPanelCard(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A value and whether its series has it: a green tick or a red cross.
    const auto verdict = [&](double cx, double baseline, const QString &value, bool preferred,
                             const QString &series) {
        const QString mark = (preferred ? QStringLiteral("  ✓ ") : QStringLiteral("  ✗ ")) + series;
        p.setFont(sans(18, QFont::Bold));
        const QFontMetricsF fm(p.font());
        const double left = cx - fm.horizontalAdvance(value + mark) / 2;
        p.setPen(kInk);
        p.drawText(QPointF(left, baseline), value);
        p.setPen(preferred ? QColor(0x2E, 0x7D, 0x32) : QColor(0xC6, 0x28, 0x28));
        p.drawText(QPointF(left + fm.horizontalAdvance(value), baseline), mark);
    };
    const double k = 0.84;

    // The first band sits nearer a lead, the tolerance band stands apart: read one way the
    // marking is 10 kOhm, the other way 120 Ohm.
    {
        const QPointF origin(150 - 155 * k, 14);
        const QList<BandPlace> bands = fiveBands(Brown, Black, Black, Red, Brown);
        p.drawImage(0, 0, resistor(size, k, origin, bands));
        const double below = origin.y() + 86 * k + 4;
        drawNumber(p, QPointF(bandCentre(bands[0], k, origin), below + 14), 1);
        const double gapFrom = origin.x() + 168 * k + 2, gapTo = origin.x() + 190 * k - 2;
        p.setPen(QPen(kHighlight, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(gapFrom, below), QPointF(gapFrom, below + 6),
                                  QPointF(gapTo, below + 6), QPointF(gapTo, below)}));
        drawArrow(p, QPointF(50, 136), QPointF(250, 136), kAccent, 2.5);
        verdict(150, 166, QStringLiteral("10 kΩ ± 1 %"), true, QStringLiteral("E96"));
        drawArrow(p, QPointF(250, 196), QPointF(50, 196), kSoftInk, 2.5);
        drawNumber(p, QPointF(30, 196), 2);
        verdict(150, 226, QStringLiteral("120 Ω ± 1 %"), true, QStringLiteral("E24"));
    }
    // A brown taken for black's neighbour gives a value that no maker sells.
    {
        const QPointF origin(450 - 155 * k, 14);
        p.drawImage(0, 0, resistor(size, k, origin, fourBands(Orange, Brown, Red, Gold)));
        verdict(450, 136, QStringLiteral("3.1 kΩ ± 5 %"), false, QStringLiteral("E24"));
        drawNumber(p, QPointF(376, 172), 3);
        drawSwatch(p, QRectF(404, 160, 34, 24), Brown);
        drawArrow(p, QPointF(446, 172), QPointF(482, 172), kAccent, 2.5);
        drawSwatch(p, QRectF(490, 160, 34, 24), Black);
        verdict(450, 226, QStringLiteral("3 kΩ ± 5 %"), true, QStringLiteral("E24"));
    }
    return image;
}

} // namespace

std::vector<ManualPicture> manualPictures()
{
    return {
        {QStringLiteral("ManualBands.png"), bandMeanings()},
        {QStringLiteral("ManualEncoding.png"), encodingExample()},
        {QStringLiteral("ManualFileName.png"), markingFileName()},
        {QStringLiteral("ManualConnections.png"), connections()},
        {QStringLiteral("ManualLaw.png"), ohmsLaw()},
        {QStringLiteral("ManualPlacement.png"), placement()},
        {QStringLiteral("ManualReadingHelp.png"), readingHelp()},
        {QStringLiteral("ManualCombinations.png"), combinationsExample()},
    };
}

} // namespace artwork
