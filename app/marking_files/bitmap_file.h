#pragma once

#include <QImage>
#include <QString>

namespace marking_files
{

// Writes the image as a Windows bitmap. The file is replaced whole: a write that fails leaves
// an existing file as it was. Throws common::Failure naming the file and the reason.
void writeBitmap(const QImage &image, const QString &path);

} // namespace marking_files
