#include "sharp_picture.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>
#include <QtEndian>

#include <cstdlib>

namespace common {
namespace {

bool isJpeg(const QString &path)
{
    return path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)
           || path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

// Where a BMP file keeps the mark of its JPEG: the four reserved bytes of its file header, which
// readers pass over.
constexpr int kMarkOffset = 6, kMarkSize = 4;

// The mark of the JPEG: the start of its SHA-1; empty when it cannot be read.
QByteArray sourceMark(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).left(kMarkSize);
}

quint32 le32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 le16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// A plain 24-bit BMP, as writeDecodedCopy makes them, read here: even a reader asked for BMP
// alone looks through every image plugin's description first. Null for any other kind of BMP.
QImage readPlainBmp(const QByteArray &bmp)
{
    constexpr int kFileHeader = 14, kInfoHeader = 40;
    if (bmp.size() < kFileHeader + kInfoHeader || !bmp.startsWith("BM")
        || le32(bmp, 14) != kInfoHeader || le16(bmp, 26) != 1 || le16(bmp, 28) != 24
        || le32(bmp, 30) != 0)
        return {};
    const qint32 width = qint32(le32(bmp, 18)), height = qint32(le32(bmp, 22));
    const quint32 offset = le32(bmp, 10);
    if (width <= 0 || width > 0x4000 || height == 0 || height > 0x4000 || height < -0x4000)
        return {};
    const int rows = std::abs(height);
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (offset < kFileHeader + kInfoHeader || qsizetype(offset) + stride * rows > bmp.size())
        return {};
    QImage picture(width, rows, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        // Bottom-up unless the height is negative.
        const auto *in = reinterpret_cast<const uchar *>(bmp.constData()) + offset
                         + stride * (height > 0 ? rows - 1 - y : y);
        auto *out = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return picture;
}

QImage readDecodedCopy(const QString &path)
{
    QFile copy(decodedCopyPath(path));
    if (!copy.open(QIODevice::ReadOnly))
        return {};
    const QByteArray mark = copy.peek(kMarkOffset + kMarkSize).mid(kMarkOffset);
    if (mark.size() != kMarkSize || mark != sourceMark(path))
        return {};
    const QImage plain = readPlainBmp(copy.readAll());
    if (!plain.isNull())
        return plain;
    // Read as BMP and nothing else: detecting the kind would load every image plugin first.
    copy.seek(0);
    QImageReader reader(&copy, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QString decodedCopyPath(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".bmp");
}

bool writeDecodedCopy(const QString &path)
{
    const QImage picture(path, "jpg");
    const QByteArray mark = sourceMark(path);
    if (picture.isNull() || mark.size() != kMarkSize)
        return false;
    QByteArray bmp;
    QBuffer buffer(&bmp);
    // RGB888 makes a plain 24-bit BMP, which reads back as the JPEG does: RGB32.
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return false;
    bmp.replace(kMarkOffset, kMarkSize, mark);
    QFile copy(decodedCopyPath(path));
    return copy.open(QIODevice::WriteOnly) && copy.write(bmp) == bmp.size();
}

QImage loadPicture(const QString &path)
{
    if (isJpeg(path)) {
        const QImage copy = readDecodedCopy(path);
        if (!copy.isNull())
            return copy;
    }
    return QImage(path);
}

QString doubleSizePath(const QString &path)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    if (suffix.isEmpty())
        return path + QStringLiteral("@2x");
    return path.left(path.size() - suffix.size() - 1) + QStringLiteral("@2x.") + suffix;
}

QImage loadSharpImage(const QString &path, qreal screenRatio)
{
    if (screenRatio > 1) {
        QImage sharp = loadPicture(doubleSizePath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return loadPicture(path);
}

QImage loadSharpImage(const QString &path)
{
    return loadSharpImage(path, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap loadSharpPixmap(const QString &path)
{
    return QPixmap::fromImage(loadSharpImage(path));
}

QPixmap keptSharpPixmap(const QString &path)
{
    const QFileInfo file(path);
    const QString key = QStringLiteral("bandolin|%1|%2|%3|%4")
                            .arg(file.absoluteFilePath())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size())
                            .arg(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = loadSharpPixmap(path);
    if (!picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}

QSize logicalSize(const QImage &picture)
{
    return picture.deviceIndependentSize().toSize();
}

QSize logicalSize(const QPixmap &picture)
{
    return picture.deviceIndependentSize().toSize();
}

} // namespace common
