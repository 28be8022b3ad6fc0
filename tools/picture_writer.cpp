#include "picture_writer.h"

#include "resistor_render.h"

#include "common/sharp_picture.h"

#include <QDataStream>
#include <QFile>
#include <cstdio>

namespace artwork
{
namespace
{

// The copy for high-resolution screens: "Resistor.bmp" becomes "Resistor@2x.bmp".
QString fileName(const QString &name)
{
    return outputScale() == 1 ? name
                              : QStringLiteral("%1@%2x.%3")
                                    .arg(name.section(QLatin1Char('.'), 0, -2))
                                    .arg(outputScale())
                                    .arg(name.section(QLatin1Char('.'), -1));
}

} // namespace

void Writer::bmp(const QImage &image, const QString &name)
{
    // RGB888 makes Qt write a plain 24-bit BMP.
    save(image.convertToFormat(QImage::Format_RGB888), name, "BMP", -1);
}

void Writer::bmpWithAlpha(const QImage &image, const QString &name)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 header = 108, pixels = quint32(argb.width() * argb.height() * 4);
    s.writeRawData("BM", 2);
    s << quint32(14 + header + pixels) << quint32(0) << quint32(14 + header);
    s << header << qint32(argb.width()) << qint32(argb.height()) << quint16(1) << quint16(32)
      << quint32(3) << pixels << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    s << quint32(0x00FF0000) << quint32(0x0000FF00) << quint32(0x000000FF) << quint32(0xFF000000)
      << quint32(0x73524742); // 'sRGB'; endpoints and gamma unused
    for (int i = 0; i < 12; ++i)
        s << quint32(0);
    for (int y = argb.height() - 1; y >= 0; --y) // bottom row first
        s.writeRawData(reinterpret_cast<const char *>(argb.constScanLine(y)), argb.width() * 4);
    QFile file(m_folder + QLatin1Char('/') + fileName(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(file.fileName()));
        m_ok = false;
    }
}

void Writer::jpg(const QImage &image, const QString &name, int quality)
{
    save(image.convertToFormat(QImage::Format_RGB32), name, "JPG", quality);
    const QString path = m_folder + QLatin1Char('/') + fileName(name);
    if (m_ok && !common::writeDecodedCopy(path)) {
        std::fprintf(stderr, "make_artwork: cannot write the decoded copy of %s\n",
                     qPrintable(path));
        m_ok = false;
    }
}

void Writer::png(const QImage &image, const QString &name)
{
    save(image.convertToFormat(QImage::Format_RGB32), name, "PNG", -1);
}

void Writer::save(const QImage &image, const QString &name, const char *format, int quality)
{
    const QString path = m_folder + QLatin1Char('/') + fileName(name);
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        m_ok = false;
    }
}

} // namespace artwork
