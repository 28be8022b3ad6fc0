#pragma once

// Writes the drawn pictures into the program folder's Data/, at the scale being drawn: a
// picture for high-resolution screens goes to "Resistor@2x.bmp" beside "Resistor.bmp".

#include <QImage>
#include <QString>

namespace artwork
{

class Writer
{
public:
    explicit Writer(const QString &folder) : m_folder(folder) {}

    // A plain 24-bit BMP.
    void bmp(const QImage &image, const QString &name);
    // A 32-bit BMP whose fourth byte is the picture's alpha (a V4 header with an alpha mask, as
    // Qt and other readers take it); Qt itself writes only the 24-bit kind.
    void bmpWithAlpha(const QImage &image, const QString &name);
    // A JPEG and its decoded copy ("Splash.bmp" beside "Splash.jpg"), which the program reads
    // in its place while the JPEG stays the one it was made from.
    void jpg(const QImage &image, const QString &name, int quality = 92);
    void png(const QImage &image, const QString &name);
    // False once a picture could not be written (the tool has said which).
    bool ok() const { return m_ok; }

private:
    void save(const QImage &image, const QString &name, const char *format, int quality);
    QString m_folder;
    bool m_ok = true;
};

} // namespace artwork
