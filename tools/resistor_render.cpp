#include "resistor_render.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace artwork
{

namespace
{

struct Vec {
    double x, y, z;
};

Vec normalized(Vec v)
{
    const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return len > 0 ? Vec{v.x / len, v.y / len, v.z / len} : Vec{0, 0, 1};
}

double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

using Linear = std::array<double, 3>;

double toLinear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int toSrgb(double linear)
{
    const double c = std::clamp(linear, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return int(std::lround(s * 255));
}

Linear linearOf(const QColor &c)
{
    return {toLinear(c.red()), toLinear(c.green()), toLinear(c.blue())};
}

// Light from above, a little from the left and in front; the viewer looks along -z.
const Vec kLight = normalized({-0.25, -0.6, 0.75});
const Vec kView = {0, 0, 1};
const Vec kHalf = normalized({kLight.x + kView.x, kLight.y + kView.y, kLight.z + kView.z});

// A studio-like surrounding seen in metal: bright above, dark band just below the horizon.
double environment(double up)
{
    static const std::array<std::array<double, 2>, 8> stops = {{{-1.0, 1.25},
                                                                {-0.60, 1.15},
                                                                {-0.25, 0.95},
                                                                {0.0, 0.72},
                                                                {0.12, 0.34},
                                                                {0.30, 0.42},
                                                                {0.60, 0.66},
                                                                {1.0, 0.50}}};
    if (up <= stops.front()[0])
        return stops.front()[1];
    for (size_t i = 1; i < stops.size(); ++i) {
        if (up <= stops[i][0]) {
            const double t = (up - stops[i - 1][0]) / (stops[i][0] - stops[i - 1][0]);
            return stops[i - 1][1] + t * (stops[i][1] - stops[i - 1][1]);
        }
    }
    return stops.back()[1];
}

Linear shade(const Paint &paint, Vec n)
{
    const Linear base = linearOf(paint.colour);
    const double diffuse = std::max(0.0, dot(n, kLight));
    const double facing = std::max(0.0, dot(n, kHalf));
    Linear out{};
    if (paint.finish == Finish::Metal) {
        const double nv = dot(n, kView);
        const Vec reflected = {2 * nv * n.x, 2 * nv * n.y, 2 * nv * n.z - 1};
        const double env = environment(reflected.y) * (0.55 + 0.45 * diffuse);
        const double specular = 0.55 * std::pow(facing, 40);
        for (int i = 0; i < 3; ++i)
            out[size_t(i)] = base[size_t(i)] * env + specular * (0.7 + 0.3 * base[size_t(i)]);
    } else {
        // Sky from above, a little light thrown back from below, a narrow glossy highlight.
        const double ambient = 0.20 + 0.10 * (0.5 - 0.5 * n.y) + 0.10 * std::max(0.0, n.y);
        const double specular = 0.22 * std::pow(facing, 60) + 0.02 * std::pow(facing, 8);
        for (int i = 0; i < 3; ++i)
            out[size_t(i)] = base[size_t(i)] * (ambient + 0.85 * diffuse) + specular;
    }
    return out;
}

double smootherStep(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

const std::array<NamedPaint, 12> &bandPaints()
{
    static const std::array<NamedPaint, 12> paints = {{
        {"Silver", {QColor(196, 199, 206), Finish::Metal}},
        {"Gold", {QColor(214, 168, 52), Finish::Metal}},
        {"Black", {QColor(28, 28, 30), Finish::Paint}},
        {"Brown", {QColor(118, 64, 32), Finish::Paint}},
        {"Red", {QColor(206, 32, 32), Finish::Paint}},
        {"Orange", {QColor(242, 124, 20), Finish::Paint}},
        {"Yellow", {QColor(246, 212, 36), Finish::Paint}},
        {"Green", {QColor(32, 148, 68), Finish::Paint}},
        {"Blue", {QColor(36, 90, 204), Finish::Paint}},
        {"Violet", {QColor(134, 64, 180), Finish::Paint}},
        {"Grey", {QColor(132, 132, 136), Finish::Paint}},
        {"White", {QColor(246, 246, 242), Finish::Paint}},
    }};
    return paints;
}

Paint bodyPaint()
{
    return {QColor(224, 198, 154), Finish::Paint};
}
Paint leadPaint()
{
    return {QColor(196, 198, 204), Finish::Metal};
}

double BodyShape::radiusAt(double x) const
{
    if (x <= left || x >= right)
        return 0;
    // Superellipse ends: blunt like a real end cap, with a vertical tangent at the tip.
    constexpr double p = 2.3;
    const auto end = [&](double t) { return capRadius * std::pow(1 - std::pow(t, p), 1 / p); };
    if (x < left + endRound)
        return end((left + endRound - x) / endRound);
    if (x > right - endRound)
        return end((x - (right - endRound)) / endRound);
    if (x < neckLeftTo)
        return capRadius + (middleRadius - capRadius) *
                               smootherStep((x - neckLeftFrom) / (neckLeftTo - neckLeftFrom));
    if (x <= neckRightFrom)
        return middleRadius;
    return middleRadius + (capRadius - middleRadius) *
                              smootherStep((x - neckRightFrom) / (neckRightTo - neckRightFrom));
}

BodyShape BodyShape::transformed(double k, double dx, double dy) const
{
    BodyShape s = *this;
    s.axisY = axisY * k + dy;
    s.left = left * k + dx;
    s.right = right * k + dx;
    s.endRound = endRound * k;
    s.capRadius = capRadius * k;
    s.middleRadius = middleRadius * k;
    s.neckLeftFrom = neckLeftFrom * k + dx;
    s.neckLeftTo = neckLeftTo * k + dx;
    s.neckRightFrom = neckRightFrom * k + dx;
    s.neckRightTo = neckRightTo * k + dx;
    s.leadRadius = leadRadius * k;
    s.leadLeft = leadLeft * k + dx;
    s.leadRight = leadRight * k + dx;
    return s;
}

int &scaleSetting()
{
    static int scale = 1;
    return scale;
}

int outputScale()
{
    return scaleSetting();
}

void setOutputScale(int scale)
{
    scaleSetting() = scale;
}

QImage canvas(QSize size, QImage::Format format)
{
    QImage image(size * outputScale(), format);
    image.setDevicePixelRatio(outputScale());
    return image;
}

QSize pictureSize(const QImage &image)
{
    return image.deviceIndependentSize().toSize();
}

QRect devicePixels(const QRect &rect)
{
    return QRect(rect.topLeft() * outputScale(), rect.size() * outputScale());
}

ResistorRenderer::ResistorRenderer(QSize pictureSize, const BodyShape &pictureShape,
                                   int supersample)
    : m_scale(outputScale()), m_size(pictureSize * m_scale),
      m_shape(pictureShape.transformed(m_scale, 0, 0)), m_ss(supersample),
      m_w(m_size.width() * supersample), m_h(m_size.height() * supersample)
{
    const BodyShape &shape = m_shape;
    const double step = 1.0 / m_ss;
    m_radius.resize(size_t(m_w));
    m_slope.resize(size_t(m_w));
    for (int X = 0; X < m_w; ++X) {
        const double x = (X + 0.5) * step;
        const double h = 1e-3;
        m_radius[size_t(X)] = shape.radiusAt(x);
        m_slope[size_t(X)] = (shape.radiusAt(x + h) - shape.radiusAt(x - h)) / (2 * h);
    }

    m_kind.assign(size_t(m_w) * size_t(m_h), Empty);
    const auto at = [&](int X, int Y) -> unsigned char & {
        return m_kind[size_t(Y) * size_t(m_w) + size_t(X)];
    };
    for (int Y = 0; Y < m_h; ++Y) {
        const double dy = std::abs((Y + 0.5) * step - shape.axisY);
        for (int X = 0; X < m_w; ++X) {
            const double x = (X + 0.5) * step;
            if (dy < m_radius[size_t(X)])
                at(X, Y) = Body;
            else if (dy < shape.leadRadius && x >= shape.leadLeft && x < shape.leadRight)
                at(X, Y) = Lead;
        }
    }

    // The outline: body samples less than one picture pixel (inclusive) from a non-body sample.
    // A straight top edge on a whole pixel thus gets exactly one full row of outline.
    const int reach = m_ss * m_scale;
    std::vector<std::array<int, 2>> disk;
    for (int oy = -reach; oy <= reach; ++oy)
        for (int ox = -reach; ox <= reach; ++ox)
            if ((ox || oy) && ox * ox + oy * oy <= reach * reach)
                disk.push_back({ox, oy});
    // Smallest radius within reach of each column: rows clearly inside it need no search.
    std::vector<double> nearMin(static_cast<size_t>(m_w));
    for (int X = 0; X < m_w; ++X) {
        double m = m_radius[size_t(X)];
        for (int o = -reach; o <= reach; ++o) {
            const int c = X + o;
            m = std::min(m, c >= 0 && c < m_w ? m_radius[size_t(c)] : 0.0);
        }
        nearMin[size_t(X)] = m;
    }
    std::vector<unsigned char> outline(m_kind.size(), 0);
    for (int Y = 0; Y < m_h; ++Y) {
        const double dy = std::abs((Y + 0.5) * step - shape.axisY);
        for (int X = 0; X < m_w; ++X) {
            if (at(X, Y) != Body || nearMin[size_t(X)] - dy > m_scale + 2 * step)
                continue;
            for (const auto &o : disk) {
                const int sx = X + o[0], sy = Y + o[1];
                if (sx < 0 || sy < 0 || sx >= m_w || sy >= m_h || at(sx, sy) != Body) {
                    outline[size_t(Y) * size_t(m_w) + size_t(X)] = 1;
                    break;
                }
            }
        }
    }
    for (size_t i = 0; i < outline.size(); ++i)
        if (outline[i])
            m_kind[i] = Outline;
}

QImage ResistorRenderer::render(const QList<Band> &bands, QRect region) const
{
    QImage image(m_size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRect area = region.isNull()
                           ? image.rect()
                           : QRect(region.topLeft() * m_scale, region.size() * m_scale)
                                 .intersected(image.rect());
    const double step = 1.0 / m_ss;
    const Paint body = bodyPaint();
    const Paint lead = leadPaint();

    for (int py = area.top(); py <= area.bottom(); ++py) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = area.left(); px <= area.right(); ++px) {
            Linear sum{};
            int covered = 0;
            for (int sy = 0; sy < m_ss; ++sy) {
                const int Y = py * m_ss + sy;
                const double dy = (Y + 0.5) * step - m_shape.axisY;
                for (int sx = 0; sx < m_ss; ++sx) {
                    const int X = px * m_ss + sx;
                    const unsigned char kind = m_kind[size_t(Y) * size_t(m_w) + size_t(X)];
                    if (kind == Empty)
                        continue;
                    Linear c;
                    if (kind == Lead) {
                        const double u = std::clamp(dy / m_shape.leadRadius, -1.0, 1.0);
                        c = shade(lead, {0, u, std::sqrt(1 - u * u)});
                    } else {
                        const double r = m_radius[size_t(X)];
                        const Vec n = normalized({-r * m_slope[size_t(X)], dy,
                                                  std::sqrt(std::max(0.0, r * r - dy * dy))});
                        const double x = (X + 0.5) * step;
                        const Paint *paint = &body;
                        if (kind == Body)
                            for (const Band &b : bands)
                                if (x >= b.x0 * m_scale && x < b.x1 * m_scale)
                                    paint = &b.paint;
                        c = shade(*paint, n);
                        if (kind == Outline) // the silhouette edge, always from the body paint
                            for (auto &v : c)
                                v *= 0.30;
                    }
                    for (int i = 0; i < 3; ++i)
                        sum[size_t(i)] += c[size_t(i)];
                    ++covered;
                }
            }
            if (!covered)
                continue;
            const double alpha = double(covered) / (m_ss * m_ss);
            const int a = int(std::lround(alpha * 255));
            const auto channel = [&](int i) {
                return std::min(a, int(std::lround(toSrgb(sum[size_t(i)] / covered) * alpha)));
            };
            line[px] = qRgba(channel(0), channel(1), channel(2), a);
        }
    }
    image.setDevicePixelRatio(m_scale);
    return image;
}

QImage dropShadow(const QImage &source, int pictureDx, int pictureDy, int pictureBlur,
                  const QColor &colour, double opacity)
{
    const int scale = int(source.devicePixelRatio());
    const int dx = pictureDx * scale, dy = pictureDy * scale, blurRadius = pictureBlur * scale;
    const int w = source.width(), h = source.height();
    std::vector<double> a(size_t(w) * size_t(h), 0.0);
    const QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = x - dx, sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                a[size_t(y) * size_t(w) + size_t(x)] = qAlpha(src.pixel(sx, sy)) / 255.0;
        }
    // Three box passes each way approximate a Gaussian.
    std::vector<double> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double s = 0;
                for (int o = -blurRadius; o <= blurRadius; ++o) {
                    const int c = std::clamp(x + o, 0, w - 1);
                    s += a[size_t(y) * size_t(w) + size_t(c)];
                }
                tmp[size_t(y) * size_t(w) + size_t(x)] = s / (2 * blurRadius + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double s = 0;
                for (int o = -blurRadius; o <= blurRadius; ++o) {
                    const int r = std::clamp(y + o, 0, h - 1);
                    s += tmp[size_t(r) * size_t(w) + size_t(x)];
                }
                a[size_t(y) * size_t(w) + size_t(x)] = s / (2 * blurRadius + 1);
            }
    }
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(source.devicePixelRatio());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int al = int(std::lround(a[size_t(y) * size_t(w) + size_t(x)] * opacity * 255));
            out.setPixel(x, y,
                         qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), al)));
        }
    return out;
}

} // namespace artwork
