#pragma once

// A small ray-free "shader" that draws a through-hole resistor seen from the side: the body is
// a surface of revolution around a horizontal axis, lit from above, so every picture made from
// it (body, bands, icons, banners) shares one shading model.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <array>
#include <vector>

namespace artwork
{

// Every picture is drawn twice: at its own size and, for high-resolution screens, at twice that
// size. The drawing code works in the picture's own pixels either way: each image comes from
// canvas(), whose device pixel ratio is the scale, and the renderer below draws at the scale.
int outputScale();
void setOutputScale(int scale);
QImage canvas(QSize size, QImage::Format format);
// A picture's size in its own pixels, and a rectangle of them in the image's device pixels.
QSize pictureSize(const QImage &image);
QRect devicePixels(const QRect &rect);

// Outline of the body as radius over x, in output pixels.
struct BodyShape {
    double axisY = 50;
    double left = 45, right = 265; // outer ends of the caps
    double endRound = 15;          // width of the rounded ends
    double capRadius = 36, middleRadius = 26;
    double neckLeftFrom = 96, neckLeftTo = 104; // cap -> middle
    double neckRightFrom = 208, neckRightTo = 216;
    double leadRadius = 3; // 0: no leads
    double leadLeft = 0, leadRight = 310;

    double radiusAt(double x) const;
    // The same shape scaled by k around the origin, then moved by (dx, dy).
    BodyShape transformed(double k, double dx, double dy) const;
};

enum class Finish { Paint, Metal };

struct Paint {
    QColor colour;
    Finish finish = Finish::Paint;
};

struct Band {
    double x0 = 0, x1 = 0; // output pixels
    Paint paint;
};

Paint bodyPaint();
Paint leadPaint();

struct NamedPaint {
    const char *name;
    Paint paint;
};

// The band paints in colour-code order (silver, gold, black ... white); the band pictures are
// named after them: "B1" / "S1" + name + ".bmp".
const std::array<NamedPaint, 12> &bandPaints();

// Draws one resistor into a transparent image of the given size. The expensive geometry (which
// sample is body, lead or outline) is worked out once, so many band variants stay cheap.
class ResistorRenderer
{
public:
    // Size, shape, bands and regions are in the picture's own pixels; the renderer draws them
    // at the output scale.
    ResistorRenderer(QSize size, const BodyShape &shape, int supersample = 4);

    // Premultiplied ARGB; only `region` is drawn, the rest stays transparent.
    QImage render(const QList<Band> &bands, QRect region = QRect()) const;

private:
    enum Kind : unsigned char { Empty, Lead, Body, Outline };
    int m_scale;
    QSize m_size; // device pixels
    BodyShape m_shape;
    int m_ss;
    int m_w, m_h;                          // sample grid
    std::vector<double> m_radius, m_slope; // per sample column
    std::vector<unsigned char> m_kind;     // per sample
};

// A soft drop shadow of an image's alpha, moved by (dx, dy) and blurred; alpha scaled by opacity.
// Distances are in the picture's own pixels.
QImage dropShadow(const QImage &source, int dx, int dy, int blurRadius, const QColor &colour,
                  double opacity);

} // namespace artwork
