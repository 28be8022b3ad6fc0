#include "sharp_picture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmapCache>

namespace common {

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
        QImage sharp(doubleSizePath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QImage(path);
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
