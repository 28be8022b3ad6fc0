#include "common/cp1251.h"
#include "common/failure.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "common/units.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TextFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    void writeBytes(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void readsCrLfAndBareLf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("bare lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("blank lines are lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("cyrillic") << QByteArray("\xCE\xEC\r\n") << QStringList{QStringLiteral("Ом")};
    }

    void readsCrLfAndBareLf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        writeBytes(path("in.txt"), bytes);
        QCOMPARE(common::readTextLines(path("in.txt")), lines);
    }

    void writesCp1251WithCrLf()
    {
        common::writeTextLines(path("out.txt"), {QStringLiteral("Скин:"), QString(), "Ё ё №"});
        QFile f(path("out.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xD1\xEA\xE8\xED:\r\n\r\n\xA8 \xB8 \xB9\r\n"));
    }

    void codePageRoundTrip()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            if (b != 0x98)
                all.append(char(b));
        QCOMPARE(common::encodeCp1251(common::decodeCp1251(all)), all);
        QCOMPARE(common::encodeCp1251(QStringLiteral("Ω")), QByteArray("?"));
    }

    void missingFileNamesTheFile()
    {
        try {
            common::readTextLines(path("absent.dat"));
            QFAIL("no failure");
        } catch (const common::Failure &f) {
            QVERIFY(f.message().contains(QStringLiteral("absent.dat")));
        }
    }

    void readPastTheEndNamesFileAndLine()
    {
        common::LineReader reader(QStringLiteral("x.dat"), {"one", "two"});
        reader.skipLines(1);
        QCOMPARE(reader.readLine(), QStringLiteral("two"));
        QVERIFY(reader.atEnd());
        try {
            reader.readLine();
            QFAIL("no failure");
        } catch (const common::Failure &f) {
            QVERIFY(f.message().contains(QStringLiteral("x.dat")));
            QVERIFY(f.message().contains(QStringLiteral("line 3")));
        }
    }

    void failingWriteKeepsTheOldFile()
    {
        const QString file = path("keep.dat");
        common::writeTextLines(file, {"old"});
        QVERIFY(common::fileExists(file));
        QVERIFY_THROWS_EXCEPTION(common::Failure,
                                 common::writeTextLines(path("no/such/folder/x.dat"), {"x"}));
        QCOMPARE(common::readTextLines(file), QStringList{"old"});
        QVERIFY(!common::fileExists(m_dir.path())); // a folder is not a file
    }

    void joinsBackslashParts()
    {
        const QString folder = QStringLiteral("/opt/bandolin/");
        QCOMPARE(common::joinPath(folder, u"\\Data\\Settings.dat"), QStringLiteral("/opt/bandolin/Data/Settings.dat"));
        QCOMPARE(common::joinPath(folder, u"\\Help"), QStringLiteral("/opt/bandolin/Help"));
    }

    void coloursAndTwips()
    {
        QCOMPARE(common::colourFromValue(255), QColor(255, 0, 0));
        QCOMPARE(common::colourFromValue(14737632), QColor(224, 224, 224));
        QCOMPARE(common::valueFromColour(QColor(0, 128, 255)), quint32(0xFF8000));
        QCOMPARE(common::colourFromValue(common::valueFromColour(QColor(0x12, 0x34, 0x56))),
                 QColor(0x12, 0x34, 0x56));
        QCOMPARE(common::twipsToPixels(1455), 97);
        QCOMPARE(common::twipsToPixels(-150), -10);
        QCOMPARE(common::pixelsToTwips(16), 240.0);
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "text_file_test.moc"
