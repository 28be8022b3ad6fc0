// The pictures that the artwork tool draws into the built program folder: the names and sizes
// the skins and windows rely on, their copies at twice the size, and band pictures that sit on
// the body without a seam.

#include "common/sharp_picture.h"
#include "support/test_folder.h"

#include <QFile>
#include <QImage>
#include <QtTest>
#include <cmath>

namespace
{

const char *const kColourNames[] = {"Silver", "Gold",  "Black", "Brown",  "Red",  "Orange",
                                    "Yellow", "Green", "Blue",  "Violet", "Grey", "White"};

const QSize kFirstBandSize(16, 72);
const QSize kOtherBandSize(12, 52);
const QPoint kFirstBandPlace(68, 14);
const QPoint kOtherBandPlaces[] = {{112, 24}, {134, 24}, {156, 24}, {190, 24}};

QString dataFile(const QString &name)
{
    return testing_support::builtProgramFolder() + QLatin1String("/Data/") + name;
}

QImage load(const QString &name)
{
    QImage image(dataFile(name));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Mean colour of a band picture away from its outline rows.
QColor meanColour(const QImage &image)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

double distance(const QColor &a, const QColor &b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureHasItsSize_data();
    void pictureHasItsSize();
    void bandSitsOnBodyWithoutSeam_data();
    void bandSitsOnBodyWithoutSeam();
    void bandColoursDiffer_data();
    void bandColoursDiffer();
    void bodyBackgroundIsTheDisplayColour();
};

void ArtworkTest::pictureHasItsSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("body") << "Resistor.bmp" << QSize(310, 100);
    for (const char *c : kColourNames) {
        const QString name = QLatin1String(c) + QLatin1String(".bmp");
        QTest::addRow("first band %s", c) << QLatin1String("B1") + name << kFirstBandSize;
        QTest::addRow("other band %s", c) << QLatin1String("S1") + name << kOtherBandSize;
    }
    QTest::newRow("parallel") << "Connect1.bmp" << QSize(96, 96);
    QTest::newRow("series") << "Connect2.bmp" << QSize(96, 96);
    QTest::newRow("law") << "UIR.jpg" << QSize(168, 168);
    QTest::newRow("program picture") << "Intro.jpg" << QSize(150, 150);
    QTest::newRow("splash slice") << "SMres.jpg" << QSize(20, 52);
    QTest::newRow("splash header") << "Splash.jpg" << QSize(480, 72);
    for (const char *theme : {"", "Dark"}) {
        const QString t = QLatin1String(theme);
        QTest::addRow("main title %s", theme) << "MarkTitle" + t + ".bmp" << QSize(880, 56);
        QTest::addRow("connection title %s", theme) << "ConTitle" + t + ".bmp" << QSize(460, 48);
        QTest::addRow("ohm title %s", theme) << "OmTitle" + t + ".bmp" << QSize(380, 48);
    }
}

void ArtworkTest::pictureHasItsSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage image(dataFile(file));
    QVERIFY2(!image.isNull(), qPrintable(dataFile(file)));
    QCOMPARE(image.size(), size);
    if (file.endsWith(QLatin1String(".bmp"))) {
        // A plain 24-bit BMP: bits per pixel at offset 28 of the file.
        QFile f(dataFile(file));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray header = f.read(30);
        QCOMPARE(header.left(2), QByteArray("BM"));
        const int depth = file == QLatin1String("Resistor.bmp") ? 32 : 24; // the body with alpha
        QCOMPARE(int(quint8(header[28])) | (int(quint8(header[29])) << 8), depth);
    }
    if (file.endsWith(QLatin1String(".jpg"))) { // its decoded copy, read in its place: same pixels
        QCOMPARE(common::loadPicture(dataFile(file)), image);
        QCOMPARE(QImage(common::decodedCopyPath(dataFile(file)), "bmp"), image); // any reader
    }

    // The copy for high-resolution screens: twice the size, and the same picture.
    const QImage twice = load(common::doubleSizePath(file));
    QCOMPARE(twice.size(), size * 2);
    const QImage reduced = twice.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(distance(meanColour(reduced), meanColour(load(file))) < 6);
}

void ArtworkTest::bandSitsOnBodyWithoutSeam_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("place");
    for (const char *c : kColourNames) {
        const QString name = QLatin1String(c) + QLatin1String(".bmp");
        QTest::addRow("%s first band", c) << QLatin1String("B1") + name << kFirstBandPlace;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s at place %d", c, i + 1)
                << QLatin1String("S1") + name << kOtherBandPlaces[i];
    }
}

void ArtworkTest::bandSitsOnBodyWithoutSeam()
{
    QFETCH(QString, file);
    QFETCH(QPoint, place);
    const QImage body = load(QStringLiteral("Resistor.bmp"));
    const QImage band = load(file);
    QVERIFY(!body.isNull() && !band.isNull());
    // The outline rows at the top and bottom are the body's own pixels there...
    for (const int row : {0, band.height() - 1})
        for (int x = 0; x < band.width(); ++x)
            QVERIFY2(band.pixel(x, row) == body.pixel(place.x() + x, place.y() + row),
                     qPrintable(QStringLiteral("row %1, column %2").arg(row).arg(x)));
    // ...and in between the band is painted over the whole width.
    const int mid = band.height() / 2;
    for (int x = 0; x < band.width(); ++x)
        QVERIFY(band.pixel(x, mid) != body.pixel(place.x() + x, place.y() + mid));
}

void ArtworkTest::bandColoursDiffer_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("first band") << "B1";
    QTest::newRow("other bands") << "S1";
}

void ArtworkTest::bandColoursDiffer()
{
    QFETCH(QString, prefix);
    QList<QColor> means;
    for (const char *c : kColourNames)
        means.append(meanColour(load(prefix + QLatin1String(c) + QLatin1String(".bmp"))));
    for (int i = 0; i < means.size(); ++i)
        for (int j = i + 1; j < means.size(); ++j)
            QVERIFY2(distance(means[i], means[j]) > 30,
                     qPrintable(
                         QStringLiteral("%1 and %2 look alike")
                             .arg(QLatin1String(kColourNames[i]), QLatin1String(kColourNames[j]))));
}

void ArtworkTest::bodyBackgroundIsTheDisplayColour()
{
    // Around the resistor the body picture is transparent: any display colour shows there.
    const QImage body(dataFile(QStringLiteral("Resistor.bmp")));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(309, 0), QPoint(0, 99), QPoint(309, 99), QPoint(155, 2)})
        QCOMPARE(qAlpha(body.pixel(corner)), 0);
    QCOMPARE(qAlpha(body.pixel(155, 50)), 255);
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "artwork_test.moc"
