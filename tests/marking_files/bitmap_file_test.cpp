// Writing the display picture as a bitmap.

#include "marking_files/bitmap_file.h"

#include "support/failures.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using testing_support::failureOf;

namespace
{

QImage picture()
{
    QImage image(97, 41, QImage::Format_RGB32); // odd width: BMP rows are padded
    image.fill(QColor(0x12, 0x34, 0x56));
    QPainter painter(&image);
    painter.fillRect(QRect(10, 5, 7, 30), QColor(0xFF, 0x80, 0x00));
    painter.fillRect(QRect(60, 0, 37, 1), Qt::white);
    return image;
}

} // namespace

class BitmapFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheImageAsBmp()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("BNDX77432041 Номинал: 4.7 кОм.bmp"));
        marking_files::writeBitmap(picture(), path);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), picture());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("BM"));
    }

    void replacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.bmp"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        marking_files::writeBitmap(picture(), path);
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), picture());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.bmp")});
    }

    void unwritablePlaceIsReported_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("folder that does not exist") << "missing/a.bmp";
        QTest::newRow("folder that is a file") << "plain/a.bmp";
    }

    void unwritablePlaceIsReported()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString path = dir.filePath(relative);
        const QString message = failureOf([&] { marking_files::writeBitmap(picture(), path); });
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        // A reason follows the name.
        QVERIFY2(message.section(path, 1).size() > 3, qPrintable(message));
        QVERIFY(!QFile::exists(path));
    }

    void emptyPictureIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.bmp"));
        const QString message = failureOf([&] { marking_files::writeBitmap(QImage(), path); });
        QVERIFY(message.contains(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(BitmapFileTest)
#include "bitmap_file_test.moc"
