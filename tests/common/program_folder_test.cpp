#include "common/program_folder.h"
#include "common/sharp_picture.h"
#include "common/text_file.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testing_support::TestFolder;

class ProgramFolderTest : public QObject
{
    Q_OBJECT

    static void touch(const QString &path)
    {
        QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private Q_SLOTS:
    void userDataFolder_data()
    {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << "/data/me" << "/data/me/bandolin";
        QTest::newRow("trailing slash") << "/data/me/" << "/data/me/bandolin";
        QTest::newRow("unset") << "" << "/home/me/.local/share/bandolin";
        QTest::newRow("relative is ignored") << "data" << "/home/me/.local/share/bandolin";
    }

    void userDataFolder()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, expected);
        QCOMPARE(common::userDataFolder(xdgDataHome, QStringLiteral("/home/me")), expected);
    }

    // Tried by writing, not by owner or mode: /proc refuses a new file even to root.
    void triesTheFolderByWriting()
    {
        TestFolder folder;
        QVERIFY(common::canWriteIn(folder.path()));
        QVERIFY(!common::canWriteIn(QStringLiteral("/proc")));
        QVERIFY(!common::canWriteIn(folder.path() + QStringLiteral("/no such folder")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    void writableProgramFolderKeepsEverything()
    {
        TestFolder folder;
        QCOMPARE(common::userFolder(), folder.path());
        QCOMPARE(common::userPath(u"\\Data\\Settings.dat"), folder.file("\\Data\\Settings.dat"));
        QCOMPARE(common::programPath(u"\\Skin\\Default.she"), folder.file("\\Skin\\Default.she"));
    }

    void readOnlyProgramFolderUsesTheUsersFolder_data()
    {
        QTest::addColumn<bool>("xdgSet");
        QTest::newRow("XDG_DATA_HOME set") << true;
        QTest::newRow("XDG_DATA_HOME missing") << false;
    }

    void readOnlyProgramFolderUsesTheUsersFolder()
    {
        QFETCH(bool, xdgSet);
        TestFolder folder;
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        QString user = folder.makeReadOnly();
        if (!xdgSet) {
            qunsetenv("XDG_DATA_HOME");
            common::setProgramFolder(folder.path(), common::FolderAccess::ReadOnly);
            user = common::userFolder();
            QCOMPARE(user, home.path() + QStringLiteral("/.local/share/bandolin"));
        }
        qputenv("HOME", oldHome);
        QVERIFY(user != folder.path());
        QVERIFY(common::makeUserFolder());
        QVERIFY(QFileInfo(user + QStringLiteral("/Data")).isDir());
        QCOMPARE(common::userPath(u"\\Data\\Settings.dat"), user + QStringLiteral("/Data/Settings.dat"));
        QCOMPARE(common::installedPath(u"\\Help"), folder.file("\\Help"));

        // The user's own skin is found before the delivered one of the same name; a file the
        // user has not got comes from the program folder.
        touch(user + QStringLiteral("/Skin/Default.she"));
        touch(user + QStringLiteral("/Skin/Mine.she"));
        QCOMPARE(common::programPath(u"\\Skin\\Default.she"), user + QStringLiteral("/Skin/Default.she"));
        QCOMPARE(common::programPath(u"\\Skin\\Dark.she"), folder.file("\\Skin\\Dark.she"));
        QCOMPARE(common::folderFiles(u"\\Skin", QStringLiteral("*.she")),
                 (QStringList{"Dark.she", "Default.she", "Mine.she"}));
    }

    void picksTheDoubleSizeCopy_data()
    {
        QTest::addColumn<qreal>("screenRatio");
        QTest::addColumn<QByteArray>("copy"); // empty: none; "broken": not a picture
        QTest::addColumn<int>("pixelWidth");
        QTest::newRow("plain screen") << 1.0 << QByteArray("good") << 10;
        QTest::newRow("high-resolution screen") << 2.0 << QByteArray("good") << 20;
        QTest::newRow("one and a half") << 1.5 << QByteArray("good") << 20;
        QTest::newRow("no copy") << 2.0 << QByteArray() << 10;
        QTest::newRow("broken copy") << 2.0 << QByteArray("broken") << 10;
    }

    void picksTheDoubleSizeCopy()
    {
        QFETCH(qreal, screenRatio);
        QFETCH(QByteArray, copy);
        QFETCH(int, pixelWidth);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Title.bmp"));
        QCOMPARE(common::doubleSizePath(path), dir.filePath(QStringLiteral("Title@2x.bmp")));
        QImage plain(10, 4, QImage::Format_RGB32);
        plain.fill(Qt::red);
        QVERIFY(plain.save(path, "BMP"));
        if (copy == "good")
            QVERIFY(plain.scaled(20, 8).save(common::doubleSizePath(path), "BMP"));
        else if (copy == "broken")
            touch(common::doubleSizePath(path));
        const QImage shown = common::loadSharpImage(path, screenRatio);
        QCOMPARE(shown.width(), pixelWidth);
        QCOMPARE(common::logicalSize(shown), QSize(10, 4)); // same place and size either way
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "program_folder_test.moc"
