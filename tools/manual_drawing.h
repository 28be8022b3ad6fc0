#pragma once

// What the manual's pictures are drawn with: their colours, fonts and card, resistors with their
// bands, the labels and leader lines that name the bands, arrows, callout numbers and swatches.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QStringList>

namespace artwork
{

inline const QColor kPage(0xFF, 0xFF, 0xFF);
inline const QColor kCard(0xF5, 0xF8, 0xFC);
inline const QColor kCardEdge(0xD3, 0xDC, 0xE8);
inline const QColor kInk(0x16, 0x32, 0x5C);
inline const QColor kSoftInk(0x5A, 0x6B, 0x82);
inline const QColor kWire(0x2E, 0x40, 0x58);
inline const QColor kAccent(0x2E, 0x5C, 0x8A);
inline const QColor kHighlight(0xD9, 0x7A, 0x1E);

enum Code { Silver, Gold, Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White };

QFont sans(double pixels, int weight = QFont::Normal);
QFont mono(double pixels, int weight = QFont::Normal);

// A light card with a thin edge on the white page, the frame of every picture.
QImage card(QSize size);
// A card of two halves with a thin upright line between them.
QImage twoPanelCard(QSize size);
void drawCentredText(QPainter &p, const QString &text, QPointF centreBaseline);

// A band in the base resistor's geometry: left edge and width in the 310 x 100 picture.
struct BandPlace {
    double x, width;
    int code;
};

QList<BandPlace> fourBands(int a, int b, int multiplier, int tolerance);
QList<BandPlace> fiveBands(int a, int b, int c, int multiplier, int tolerance);

// A resistor scaled by k whose base picture's top-left corner lands at origin; returns the
// picture of the whole canvas (transparent around the resistor) and a soft shadow under it.
QImage resistor(QSize area, double k, QPointF origin, const QList<BandPlace> &bands,
                bool leads = true, double thickness = 1.0);
// Where a band's middle lies in the picture, for leader lines.
double bandCentre(const BandPlace &b, double k, QPointF origin);
// What each band stands for, written above the resistor at evenly spaced places between
// `left` and `right`, each tied by a bent leader line to a point on its band.
void drawBandLabels(QPainter &p, const QList<QPointF> &anchors, const QStringList &labels,
                    double left, double right, double baseline, const QList<double> &sizes);
// A point a little inside the top of a band: bands on the caps start higher than the others.
QList<QPointF> bandAnchors(const QList<BandPlace> &bands, double k, QPointF origin);

// The open circle of a terminal, and the dot where three wires meet.
void drawTerminal(QPainter &p, QPointF at);
void drawJunction(QPainter &p, QPointF at);

void drawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width);
void drawNumber(QPainter &p, QPointF centre, int number);
// A colour swatch as the band labels of the window show a chosen colour.
void drawSwatch(QPainter &p, const QRectF &rect, int code);

} // namespace artwork
