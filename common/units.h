#pragma once

#include <QColor>
#include <QtGlobal>
#include <cmath>

namespace common {

// Stored colours are 32-bit values with red in the low byte, then green, then blue.
inline QColor colourFromValue(qint64 value)
{
    const auto v = static_cast<quint32>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

constexpr quint32 valueFromRgb(QRgb rgb)
{
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

inline quint32 valueFromColour(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

// Geometry is stored in twips: 1440 per inch, 15 per pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return double(pixels) * kTwipsPerPixel; }

} // namespace common
