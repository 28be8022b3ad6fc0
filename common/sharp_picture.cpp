#include "sharp_picture.h"

#include <QFileInfo>
#include <QGuiApplication>

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

QSize logicalSize(const QImage &picture)
{
    return picture.deviceIndependentSize().toSize();
}

QSize logicalSize(const QPixmap &picture)
{
    return picture.deviceIndependentSize().toSize();
}

} // namespace common
