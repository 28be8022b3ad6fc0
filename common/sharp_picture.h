#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures for screens with more than one device pixel per logical pixel. A picture may have a
// copy drawn at twice its size beside it, under its name with "@2x" before the extension
// ("Resistor@2x.bmp" beside "Resistor.bmp"). Where the screen's device pixel ratio is above 1 the
// copy is shown instead, in the same place and at the same logical size; a picture without one is
// shown enlarged as it is.
namespace common {

QString doubleSizePath(const QString &path);

// A JPEG picture may have a decoded copy beside it, a BMP under its name ("Splash.bmp" beside
// "Splash.jpg"), which Qt reads without its image plugins and the JPEG library: the first window
// goes up sooner. The copy carries a mark of the JPEG it was made from (the start of its SHA-1),
// so a JPEG replaced by a user's own is read itself, whatever the files' times. The copy is a
// top-down 32-bit BMP in the pixel order of QImage::Format_RGB32; a BMP of any other kind in its
// place is passed over.
QString decodedCopyPath(const QString &path);
// Writes the decoded copy of the JPEG at the path; false if the JPEG cannot be read or the copy
// cannot be written.
bool writeDecodedCopy(const QString &path);
// The picture at the path: from its decoded copy when that was made from this very JPEG,
// otherwise from the file itself. Null when the picture cannot be read.
QImage loadPicture(const QString &path);

// The picture at the path for a screen of the given device pixel ratio: above 1, the @2x copy
// when it can be read, with its own ratio set to 2. Null when the picture cannot be read.
QImage loadSharpImage(const QString &path, qreal screenRatio);
// The same for the application's screens.
QImage loadSharpImage(const QString &path);
QPixmap loadSharpPixmap(const QString &path);
// The same, kept in memory while the file stays as it is (its time and size): a picture that a
// window shows at every opening is decoded once.
QPixmap keptSharpPixmap(const QString &path);

// The size a picture takes on the screen, in logical pixels.
QSize logicalSize(const QImage &picture);
QSize logicalSize(const QPixmap &picture);

} // namespace common
