#include "marking_files/bitmap_file.h"

#include "common/failure.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

namespace marking_files
{
namespace
{

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw common::Failure(
        QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

void writeBitmap(const QImage &image, const QString &path)
{
    if (image.isNull())
        fail(path, QStringLiteral("there is no picture to write"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    QImageWriter writer(&file, "BMP");
    if (!writer.write(image)) {
        file.cancelWriting();
        // A device error says more than the writer's generic one.
        fail(path,
             file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString());
    }
    if (!file.commit())
        fail(path, file.errorString());
}

} // namespace marking_files
