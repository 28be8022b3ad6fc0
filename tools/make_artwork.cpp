// Draws every picture that the program folder's Data/ delivers, so that no binary picture lives
// in the repository. Usage: make_artwork <output folder>
//
// The output depends only on this code (and the DejaVu Sans font): no randomness, no dates.

#include "manual_pictures.h"
#include "picture_writer.h"
#include "resistor_render.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace artwork;

namespace
{

const QColor kDisplayBackground(0xFA, 0xFB, 0xFD);
const QColor kLightWindow(0xE9, 0xEE, 0xF4);
const QColor kDarkWindow(0x23, 0x27, 0x2E);

Paint paintNamed(const char *name)
{
    for (const NamedPaint &p : bandPaints())
        if (qstrcmp(p.name, name) == 0)
            return p.paint;
    return bodyPaint();
}

// Band places in Resistor.bmp: the first band on the left cap, the others on the middle part,
// the sixth (the TCR) on the right cap, as far from the tolerance band (190) as that is from the
// multiplier (156).
const QRect kFirstBandPlace(68, 14, 16, 72);
const QRect kOtherBandPlace(112, 24, 12, 52);
const QRect kTcrBandPlace(224, 14, 16, 72);

QFont sansFont(double pixelSize, int weight = QFont::Normal)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif); // any sans serif if DejaVu is missing
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setWeight(QFont::Weight(weight));
    return font;
}

// Bands of a resistor drawn in the main picture's geometry, moved along with the shape.
QList<Band> bandsAt(const BodyShape &shape, double k, const QList<std::pair<double, Paint>> &bands,
                    double width = 13)
{
    const double dx = shape.left - 45 * k;
    QList<Band> out;
    for (const auto &b : bands)
        out.append({b.first * k + dx, (b.first + width) * k + dx, b.second});
    return out;
}

// A resistor drawn at scale k whose left body end is at bodyLeftCentre; small ones read better a
// little thicker than the real proportions.
QImage smallResistor(QSize canvas, double k, QPointF bodyLeftCentre, bool leads,
                     const QList<std::pair<double, Paint>> &bands, double thickness = 1.0)
{
    BodyShape base;
    base.capRadius *= thickness;
    base.middleRadius *= thickness;
    if (!leads)
        base.leadRadius = 0;
    const BodyShape shape = base.transformed(k, bodyLeftCentre.x() - base.left * k,
                                             bodyLeftCentre.y() - base.axisY * k);
    ResistorRenderer renderer(canvas, shape, 6);
    return renderer.render(bandsAt(shape, k, bands));
}

// ----- the main resistor and its bands -----

// `picture` as it looks painted over `ground`'s colour: a half-transparent pixel's colour is
// nudged until painting it there gives `ground`'s pixel exactly, so on the display colour the
// pictures were drawn for (Default.she's) the body looks as it did when it carried that colour.
QImage matchedOver(QImage picture, const QImage &ground)
{
    const QColor colour = ground.pixelColor(0, 0);
    const qreal ratio = picture.devicePixelRatio();
    picture.setDevicePixelRatio(1); // pixel for pixel, as the display paints it
    for (int round = 0; round < 64; ++round) {
        QImage painted(picture.size(), QImage::Format_RGB32);
        painted.fill(colour);
        QPainter(&painted).drawImage(0, 0, picture);
        bool changed = false;
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            const auto *got = reinterpret_cast<const QRgb *>(painted.constScanLine(y));
            const auto *want = reinterpret_cast<const QRgb *>(ground.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                if (qAlpha(line[x]) == 0)
                    line[x] = want[x] & RGB_MASK; // what a reader without alpha shows
                if (got[x] == want[x] || qAlpha(line[x]) == 0)
                    continue;
                const auto step = [](int c, int g, int w) {
                    return std::clamp(c + (w > g) - (w < g), 0, 255);
                };
                line[x] =
                    qRgba(step(qRed(line[x]), qRed(got[x]), qRed(want[x])),
                          step(qGreen(line[x]), qGreen(got[x]), qGreen(want[x])),
                          step(qBlue(line[x]), qBlue(got[x]), qBlue(want[x])), qAlpha(line[x]));
                changed = true;
            }
        }
        if (!changed)
            break;
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void makeResistorPictures(Writer &out)
{
    const QSize size(310, 100);
    const BodyShape shape;
    const ResistorRenderer renderer(size, shape);
    const QImage bare = renderer.render({});

    QImage picture = canvas(size, QImage::Format_RGB32);
    picture.fill(kDisplayBackground);
    QImage body = canvas(size, QImage::Format_ARGB32_Premultiplied);
    body.fill(Qt::transparent);
    for (QImage *image : {&picture, &body}) {
        QPainter p(image);
        p.drawImage(0, 0, dropShadow(bare, 1, 4, 2, QColor(40, 50, 70), 0.22));
        p.drawImage(0, 0, bare);
    }
    // The body keeps its transparency, so the display's own background shows around it.
    out.bmpWithAlpha(matchedOver(body.convertToFormat(QImage::Format_ARGB32), picture),
                     QStringLiteral("Resistor.bmp"));

    // A band picture is the band drawn onto the body, cut out at its place: its rows outside the
    // paint (the outline) are then the body's own pixels.
    const auto cut = [&](const Paint &paint, QRect place) {
        const QImage band =
            renderer.render({{double(place.left()), double(place.right() + 1), paint}}, place);
        QImage composite = picture.copy(devicePixels(place));
        QPainter p(&composite);
        p.drawImage(QPoint(0, 0), band, devicePixels(place));
        p.end();
        return composite;
    };
    for (const NamedPaint &np : bandPaints()) {
        const QString name = QLatin1String(np.name) + QLatin1String(".bmp");
        out.bmp(cut(np.paint, kFirstBandPlace), QLatin1String("B1") + name);
        out.bmp(cut(np.paint, kOtherBandPlace), QLatin1String("S1") + name);
        out.bmp(cut(np.paint, kTcrBandPlace), QLatin1String("T1") + name);
    }
}

// ----- connection schematics -----

const QColor kWire(0x2E, 0x40, 0x58);

void drawTerminal(QPainter &p, QPointF at)
{
    p.setPen(QPen(kWire, 1.6));
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawEllipse(at, 3.6, 3.6);
}

void drawJunction(QPainter &p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWire);
    p.drawEllipse(at, 2.8, 2.8);
}

QImage schematicTile()
{
    QImage image = canvas(QSize(96, 96), QImage::Format_RGB32);
    image.fill(kDisplayBackground);
    QPainter p(&image);
    p.setPen(QPen(QColor(0xC9, 0xD3, 0xDF), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 95, 95));
    return image;
}

const QList<std::pair<double, Paint>> &iconBandsA()
{
    static const QList<std::pair<double, Paint>> b = {{68, paintNamed("Brown")},
                                                      {118, paintNamed("Black")},
                                                      {146, paintNamed("Red")},
                                                      {190, paintNamed("Gold")}};
    return b;
}

const QList<std::pair<double, Paint>> &iconBandsB()
{
    static const QList<std::pair<double, Paint>> b = {{68, paintNamed("Yellow")},
                                                      {118, paintNamed("Violet")},
                                                      {146, paintNamed("Orange")},
                                                      {190, paintNamed("Gold")}};
    return b;
}

void makeConnectionPictures(Writer &out)
{
    const double wire = 2.0;
    {
        // Parallel: two resistors between two rails.
        QImage image = schematicTile();
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double top = 28, bottom = 68, railL = 18, railR = 78, mid = 48;
        p.setPen(QPen(kWire, wire, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawLine(QPointF(9, mid), QPointF(railL, mid));
        p.drawLine(QPointF(railR, mid), QPointF(87, mid));
        p.drawPolyline(QPolygonF(
            {QPointF(28, top), QPointF(railL, top), QPointF(railL, bottom), QPointF(28, bottom)}));
        p.drawPolyline(QPolygonF(
            {QPointF(68, top), QPointF(railR, top), QPointF(railR, bottom), QPointF(68, bottom)}));
        const double k = 46.0 / 220;
        p.drawImage(
            0, 0, smallResistor(pictureSize(image), k, QPointF(25, top), false, iconBandsA(), 1.2));
        p.drawImage(
            0, 0,
            smallResistor(pictureSize(image), k, QPointF(25, bottom), false, iconBandsB(), 1.2));
        drawJunction(p, QPointF(railL, mid));
        drawJunction(p, QPointF(railR, mid));
        drawTerminal(p, QPointF(6, mid));
        drawTerminal(p, QPointF(90, mid));
        p.end();
        out.bmp(image, QStringLiteral("Connect1.bmp"));
    }
    {
        // Series: two resistors in a chain, with bare wire between the terminals and the
        // bodies so that the chain reads as one path (no junction: nothing branches here).
        QImage image = schematicTile();
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double mid = 48, length = 29;
        p.setPen(QPen(kWire, wire, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(9, mid), QPointF(87, mid));
        const double k = length / 220;
        p.drawImage(
            0, 0, smallResistor(pictureSize(image), k, QPointF(14, mid), false, iconBandsA(), 1.5));
        p.drawImage(
            0, 0, smallResistor(pictureSize(image), k, QPointF(53, mid), false, iconBandsB(), 1.5));
        drawTerminal(p, QPointF(6, mid));
        drawTerminal(p, QPointF(90, mid));
        p.end();
        out.bmp(image, QStringLiteral("Connect2.bmp"));
    }
}

// ----- Ohm's law triangle -----

void makeLawPicture(Writer &out)
{
    // The window lays the letters over it: U near (74,30), I near (38,102), R near (108,102),
    // each about 20 x 30; white marks the sought letter, black the others, so the compartments
    // are a mid tone on which both read well. Both skins show the same picture, so it is a
    // framed card of its own rather than a piece of either window's background.
    QImage image = canvas(QSize(168, 168), QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient card(0, 0, 0, 168);
    card.setColorAt(0, QColor(0xF4, 0xF7, 0xFB));
    card.setColorAt(1, QColor(0xD6, 0xE0, 0xEC));
    p.fillRect(QRectF(0, 0, 168, 168), card);
    p.setPen(QPen(QColor(0x7A, 0x8C, 0xA3), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 167, 167));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(1.5, 1.5), QPointF(166.5, 1.5));

    const QPointF apex(84, 12), left(12, 154), right(156, 154);
    const double divider = 74;
    const double t = (divider - apex.y()) / (left.y() - apex.y());
    const QPointF divL(apex.x() + (left.x() - apex.x()) * t, divider);
    const QPointF divR(apex.x() + (right.x() - apex.x()) * t, divider);

    QPainterPath triangle;
    triangle.addPolygon(QPolygonF({apex, right, left, apex}));
    triangle.closeSubpath();

    // Soft shadow, then the body of the triangle.
    p.save();
    p.translate(1.5, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 45, 70, 45));
    p.drawPath(triangle);
    p.restore();

    QLinearGradient fill(0, apex.y(), 0, left.y());
    fill.setColorAt(0, QColor(92, 136, 186));
    fill.setColorAt(1, QColor(66, 106, 158));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(triangle);

    // A faint sheen on the upper left faces.
    QLinearGradient sheen(0, 0, 168, 168);
    sheen.setColorAt(0, QColor(255, 255, 255, 46));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(triangle);

    const QColor ink(0x1C, 0x30, 0x4C);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(divL, divR);
    p.drawLine(QPointF(84, divider), QPointF(84, left.y()));
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(triangle);
    p.end();
    out.jpg(image, QStringLiteral("UIR.jpg"));
}

// ----- the program picture and the splash window -----

// The splash window's own colour; the pictures it shows blend into it at their edges.
const QColor kSplashWindow(0x1C, 0x26, 0x33);

// A resistor of 1 kOhm 5 %, tilted, with its shadow, centred at `centre`.
void drawTiltedResistor(QPainter &p, QPointF centre, double k, double angle)
{
    const QSize canvas(int(std::ceil(390 * k)), int(std::ceil(110 * k)));
    BodyShape base;
    base.leadLeft = -20;
    base.leadRight = 340;
    const BodyShape shape =
        base.transformed(k, canvas.width() / 2.0 - 155 * k, canvas.height() / 2.0 - base.axisY * k);
    const ResistorRenderer renderer(canvas, shape, 5);
    const QImage resistor = renderer.render(bandsAt(shape, k,
                                                    {{66, paintNamed("Brown")},
                                                     {114, paintNamed("Black")},
                                                     {138, paintNamed("Red")},
                                                     {188, paintNamed("Gold")}},
                                                    16));
    const QImage shadow = dropShadow(resistor, 0, 0, 3, QColor(30, 45, 70), 0.35);
    const auto place = [&](const QImage &img, QPointF offset) {
        p.save();
        p.translate(centre + offset);
        p.rotate(angle);
        p.drawImage(QPointF(-canvas.width() / 2.0, -canvas.height() / 2.0), img);
        p.restore();
    };
    place(shadow, QPointF(3, 8));
    place(resistor, QPointF(0, 0));
}

// The program picture: the splash window shows it, and the manual shows it on a white page,
// so it carries its own light ground and a fine frame.
void makeIntroPicture(Writer &out)
{
    const QSize size(150, 150);
    QImage image = canvas(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient bg(0, 0, 150, 150);
    bg.setColorAt(0, QColor(0xF6, 0xF8, 0xFB));
    bg.setColorAt(1, QColor(0xCF, 0xDB, 0xE9));
    p.fillRect(image.rect(), bg);
    QRadialGradient glow(QPointF(75, 58), 80);
    glow.setColorAt(0, QColor(255, 255, 255, 190));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);

    drawTiltedResistor(p, QPointF(75, 60), 0.46, -24);

    const QString title = QStringLiteral("Bandolin");
    const QFont font = sansFont(23, QFont::Bold);
    p.setFont(font);
    const QFontMetricsF fm(font);
    const double x = (150 - fm.horizontalAdvance(title)) / 2;
    const double baseline = 134;
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(QPointF(x, baseline + 1.5), title);
    p.setPen(QColor(0x16, 0x32, 0x5C));
    p.drawText(QPointF(x, baseline), title);

    p.setPen(QPen(QColor(0x9F, 0xB1, 0xC7), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRect(0, 0, 149, 149));
    p.end();
    out.jpg(image, QStringLiteral("Intro.jpg"));
}

// The slice that the splash animation paints at each of its steps, side by side inside a grey
// outline: a piece of the resistor's middle part, seen from the side. Its first row lies above
// the outline and the second under its upper edge.
void makeSplashSlice(Writer &out)
{
    const QSize size(20, 52);
    // The body fills rows 2 to 51; the first two rows stay the window's colour, so that the
    // JPEG's colour blocks of two rows do not carry the body's colour above the outline.
    const double axis = 27, radius = 24.6;
    BodyShape base;
    base.leadRadius = 0;
    const double k = radius / base.middleRadius;
    const BodyShape shape = base.transformed(k, 0, axis - base.axisY * k);
    const ResistorRenderer renderer(QSize(310, 52), shape, 6);
    const int sliceLeft = int(155 * k) - 10; // in the middle part, away from the necks
    const QImage body = renderer.render({}, QRect(sliceLeft, 0, 20, 52));
    QImage slice = canvas(size, QImage::Format_RGB32);
    slice.fill(kSplashWindow);
    QPainter p(&slice);
    p.drawImage(QPoint(0, 0), body, devicePixels(QRect(sliceLeft, 0, 20, 52)));
    p.end();
    out.jpg(slice, QStringLiteral("SMres.jpg"), 100);
}

// The splash window's header, behind its title: the window's colour deepening upwards, the ten
// digit colours at the far end and a fine light rule along the bottom.
void makeSplashHeader(Writer &out)
{
    const QSize size(480, 72);
    QImage image = canvas(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Below the rule the picture is the window's colour, so it meets the window without an edge.
    image.fill(kSplashWindow);
    const QRectF above(0, 0, 480, 60);
    QLinearGradient wash(0, 0, 0, 60);
    wash.setColorAt(0, QColor(0x2E, 0x48, 0x6A));
    wash.setColorAt(1, kSplashWindow);
    p.fillRect(above, wash);
    QLinearGradient side(0, 0, 480, 0);
    side.setColorAt(0, QColor(255, 255, 255, 18));
    side.setColorAt(0.6, QColor(255, 255, 255, 0));
    p.fillRect(above, side);

    static const char *digits[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                   "Green", "Blue",  "Violet", "Grey",   "White"};
    const double sw = 6, sh = 24, step = 8.5;
    double x = 480 - 24 - 10 * step + (step - sw);
    const double y = 19;
    for (const char *d : digits) {
        const QColor c = paintNamed(d).colour;
        QLinearGradient g(0, y, 0, y + sh);
        g.setColorAt(0, c.lighter(125));
        g.setColorAt(1, c.darker(115));
        p.setPen(QPen(QColor(0, 0, 0, 90), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, sw, sh), 2, 2);
        x += step;
    }

    QLinearGradient rule(0, 0, 480, 0);
    rule.setColorAt(0, QColor(0xB8, 0x91, 0x3A, 0));
    rule.setColorAt(0.15, QColor(0xB8, 0x91, 0x3A, 200));
    rule.setColorAt(0.85, QColor(0xB8, 0x91, 0x3A, 200));
    rule.setColorAt(1, QColor(0xB8, 0x91, 0x3A, 0));
    p.fillRect(QRectF(0, 62, 480, 1), rule);
    p.end();
    out.jpg(image, QStringLiteral("Splash.jpg"));
}

// ----- title banners -----

enum class Motif { Resistor, Connection, Law };

struct Theme {
    QColor window, accent, line, title, ink;
};

const Theme kLight = {kLightWindow, QColor(0xCF, 0xDC, 0xEC), QColor(0x7A, 0x8C, 0xA3),
                      QColor(0x16, 0x32, 0x5C), QColor(0x2E, 0x40, 0x58)};
const Theme kDark = {kDarkWindow, QColor(0x33, 0x40, 0x52), QColor(0x5E, 0x72, 0x8C),
                     QColor(0xE8, 0xEE, 0xF6), QColor(0xB8, 0xC6, 0xD8)};

void drawMotif(QPainter &p, Motif motif, const QRectF &box, const Theme &theme, QSize canvas)
{
    const double cy = box.center().y();
    switch (motif) {
    case Motif::Resistor: {
        const double k = box.width() / 310;
        p.drawImage(0, 0,
                    smallResistor(canvas, k, QPointF(box.left() + 45 * k, cy), true, iconBandsA()));
        break;
    }
    case Motif::Connection: {
        const double k = (box.width() - 16) / 220;
        const double dy = box.height() * 0.33;
        p.setPen(QPen(theme.ink, 1.5));
        p.drawPolyline(
            QPolygonF({QPointF(box.left() + 10, cy - dy), QPointF(box.left() + 4, cy - dy),
                       QPointF(box.left() + 4, cy + dy), QPointF(box.left() + 10, cy + dy)}));
        p.drawPolyline(
            QPolygonF({QPointF(box.right() - 10, cy - dy), QPointF(box.right() - 4, cy - dy),
                       QPointF(box.right() - 4, cy + dy), QPointF(box.right() - 10, cy + dy)}));
        p.drawLine(QPointF(box.left(), cy), QPointF(box.left() + 4, cy));
        p.drawLine(QPointF(box.right() - 4, cy), QPointF(box.right(), cy));
        p.drawImage(
            0, 0, smallResistor(canvas, k, QPointF(box.left() + 8, cy - dy), false, iconBandsA()));
        p.drawImage(
            0, 0, smallResistor(canvas, k, QPointF(box.left() + 8, cy + dy), false, iconBandsB()));
        break;
    }
    case Motif::Law: {
        const double h = box.height();
        const QPointF apex(box.center().x(), box.top()),
            l(box.center().x() - h * 0.58, box.bottom()),
            r(box.center().x() + h * 0.58, box.bottom());
        QLinearGradient fill(0, box.top(), 0, box.bottom());
        fill.setColorAt(0, QColor(104, 148, 196));
        fill.setColorAt(1, QColor(70, 112, 164));
        p.setBrush(fill);
        p.setPen(QPen(theme.ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(QPolygonF({apex, r, l}));
        const double dv = box.top() + h * 0.45;
        const double t = 0.45;
        p.drawLine(QPointF(apex.x() + (l.x() - apex.x()) * t, dv),
                   QPointF(apex.x() + (r.x() - apex.x()) * t, dv));
        p.drawLine(QPointF(apex.x(), dv), QPointF(apex.x(), box.bottom()));
        break;
    }
    }
}

// The banner carries the window's name only: it is shown whatever the interface language.
QImage banner(QSize size, const QString &title, Motif motif, const Theme &theme)
{
    QImage image = canvas(size, QImage::Format_RGB32);
    image.fill(theme.window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width(), h = size.height();

    // The accent fades into the window colour to the right, so the banner has no hard edge.
    QLinearGradient wash(0, 0, w, 0);
    wash.setColorAt(0, theme.accent);
    wash.setColorAt(0.45,
                    QColor(theme.accent.red(), theme.accent.green(), theme.accent.blue(), 90));
    wash.setColorAt(1, QColor(theme.accent.red(), theme.accent.green(), theme.accent.blue(), 0));
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, w, h - 3), 6, 6);
    p.fillPath(card, wash);
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0, theme.line);
    rule.setColorAt(0.7, QColor(theme.line.red(), theme.line.green(), theme.line.blue(), 60));
    rule.setColorAt(1, QColor(theme.line.red(), theme.line.green(), theme.line.blue(), 0));
    p.fillRect(QRectF(0, h - 2, w, 2), rule);

    const double motifHeight = h - 14;
    const double motifWidth = motif == Motif::Resistor ? motifHeight * 3.1 : motifHeight * 1.6;
    const QRectF box(10, 5, motifWidth, motifHeight);
    drawMotif(p, motif, box, theme, size);

    if (motif == Motif::Resistor) {
        // The digit colours 0 to 9 as a row of swatches at the far end.
        static const char *digits[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                       "Green", "Blue",  "Violet", "Grey",   "White"};
        const double sw = 12, sh = 22, step = 17;
        double x = w - 18 - 10 * step + (step - sw);
        const double y = (h - 3 - sh) / 2;
        for (const char *d : digits) {
            const QColor c = paintNamed(d).colour;
            QLinearGradient g(0, y, 0, y + sh);
            g.setColorAt(0, c.lighter(118));
            g.setColorAt(1, c.darker(112));
            p.setPen(QPen(theme.line, 1));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, sw, sh), 3, 3);
            x += step;
        }
    }

    const double textLeft = box.right() + 14;
    const QFont titleFont = sansFont(h * 0.52, QFont::Bold);
    const QFontMetricsF tm(titleFont);
    const double titleBase = (h - 3 - tm.ascent()) / 2 + tm.ascent();
    p.setFont(titleFont);
    p.setPen(theme.title);
    p.drawText(QPointF(textLeft, titleBase), title);
    p.end();
    return image;
}

void makeBanners(Writer &out)
{
    struct PictureJob {
        const char *file;
        QSize size;
        const char *title;
        Motif motif;
    };
    const PictureJob jobs[] = {
        {"MarkTitle", {880, 56}, "Bandolin", Motif::Resistor},
        {"ConTitle", {460, 48}, "Linkora", Motif::Connection},
        {"OmTitle", {380, 48}, "Voltamo", Motif::Law},
    };
    for (const PictureJob &s : jobs) {
        const QString title = QString::fromLatin1(s.title);
        out.bmp(banner(s.size, title, s.motif, kLight),
                QLatin1String(s.file) + QLatin1String(".bmp"));
        out.bmp(banner(s.size, title, s.motif, kDark),
                QLatin1String(s.file) + QLatin1String("Dark.bmp"));
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_artwork: cannot create %s\n", argv[1]);
        return 1;
    }
    if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
        std::fprintf(stderr, "make_artwork: DejaVu Sans not found, using another sans serif\n");

    Writer out(folder);
    for (const int scale : {1, 2}) {
        setOutputScale(scale);
        makeResistorPictures(out);
        makeConnectionPictures(out);
        makeLawPicture(out);
        makeIntroPicture(out);
        makeSplashSlice(out);
        makeSplashHeader(out);
        makeBanners(out);
        for (const ManualPicture &picture : manualPictures())
            out.png(picture.image, picture.file);
    }
    return out.ok() ? 0 : 1;
}
