#include "sharp_picture.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QtEndian>

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

// The decoded copy: a top-down 32-bit BMP whose masks put each pixel in the order of
// QImage::Format_RGB32 (0xffRRGGBB, little-endian), so its pixels are read straight into the
// image. Any BMP reader takes it.
constexpr int kFileHeader = 14, kInfoHeader = 40, kPixelsAt = kFileHeader + kInfoHeader + 12;
constexpr quint32 kBitfields = 3, kRedMask = 0x00FF0000, kGreenMask = 0x0000FF00,
                  kBlueMask = 0x000000FF;
constexpr qint32 kLargestSide = 0x4000;

void putLe(QByteArray &header, int at, quint32 value)
{
    qToLittleEndian(value, header.data() + at);
}
quint32 getLe(const QByteArray &header, int at)
{
    return qFromLittleEndian<quint32>(header.constData() + at);
}

QByteArray copyHeader(const QSize &size)
{
    QByteArray header(kPixelsAt, '\0');
    const quint32 pixels = quint32(size.width()) * quint32(size.height()) * 4;
    header[0] = 'B';
    header[1] = 'M';
    putLe(header, 2, kPixelsAt + pixels);
    putLe(header, 10, kPixelsAt);
    putLe(header, 14, kInfoHeader);
    putLe(header, 18, quint32(size.width()));
    putLe(header, 22, quint32(-size.height())); // negative: top row first
    putLe(header, 26, 1 | (32 << 16));          // one plane, 32 bits a pixel
    putLe(header, 30, kBitfields);
    putLe(header, 34, pixels);
    putLe(header, 54, kRedMask);
    putLe(header, 58, kGreenMask);
    putLe(header, 62, kBlueMask);
    return header;
}

// The copy's size when the header is the one copyHeader writes for that size (whatever its
// mark); empty otherwise.
QSize copySize(const QByteArray &header)
{
    if (header.size() != kPixelsAt)
        return {};
    const QSize size(qint32(getLe(header, 18)), -qint32(getLe(header, 22)));
    if (size.width() <= 0 || size.width() > kLargestSide || size.height() <= 0
        || size.height() > kLargestSide)
        return {};
    const QByteArray mark = header.mid(kMarkOffset, kMarkSize);
    return copyHeader(size).replace(kMarkOffset, kMarkSize, mark) == header ? size : QSize();
}

QImage readDecodedCopy(const QString &path)
{
    QFile copy(decodedCopyPath(path));
    if (!copy.open(QIODevice::ReadOnly))
        return {};
    // Any other kind of BMP is no copy of ours, nor is one made from another JPEG: the JPEG is
    // read instead.
    const QByteArray header = copy.read(kPixelsAt);
    const QSize size = copySize(header);
    if (size.isEmpty())
        return {};
    const QByteArray mark = sourceMark(path);
    if (mark.size() != kMarkSize || header.mid(kMarkOffset, kMarkSize) != mark)
        return {};
    QImage picture(size, QImage::Format_RGB32);
    const qint64 bytes = picture.sizeInBytes();
    if (picture.isNull() || copy.read(reinterpret_cast<char *>(picture.bits()), bytes) != bytes)
        return {};
    // RGB32 wants its unused byte set; a copy edited by hand may not have it.
    auto *pixel = reinterpret_cast<quint32 *>(picture.bits());
    for (qint64 i = 0, n = bytes / 4; i < n; ++i)
        pixel[i] |= 0xFF000000u;
    return picture;
}

} // namespace

QString decodedCopyPath(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".bmp");
}

bool writeDecodedCopy(const QString &path)
{
    const QImage picture = QImage(path, "jpg").convertToFormat(QImage::Format_RGB32);
    const QByteArray mark = sourceMark(path);
    if (picture.isNull() || mark.size() != kMarkSize)
        return false;
    QByteArray bmp = copyHeader(picture.size()).replace(kMarkOffset, kMarkSize, mark);
    for (int y = 0; y < picture.height(); ++y)
        bmp.append(reinterpret_cast<const char *>(picture.constScanLine(y)), picture.width() * 4);
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
