#include "common/program_folder.h"
#include "common/sharp_picture.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ProgramFolderTest : public QObject
{
    Q_OBJECT

    static bool touch(const QString &path)
    {
        return QDir().mkpath(QFileInfo(path).path()) && QFile(path).open(QIODevice::WriteOnly);
    }

private Q_SLOTS:
    void userDataFolder_data()
    {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << "/data/me/" << "/data/me/bandolin";
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
        testing_support::TestFolder folder;
        QVERIFY(common::canWriteIn(folder.path()));
        QCOMPARE(common::userFolder(), folder.path());
        QVERIFY(!common::canWriteIn(QStringLiteral("/proc")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    // Folders that must not be written although their top can be: the user's folder serves.
    void usersFolderOfAProgramFolder_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("dataWritable");
        QTest::newRow("an installation, root's included") << true << true;
        QTest::newRow("its Data/ cannot be written") << false << false;
    }

    void usersFolderOfAProgramFolder()
    {
        QFETCH(bool, installed);
        QFETCH(bool, dataWritable);
        QTemporaryDir program, dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        if (installed)
            QVERIFY(touch(common::joinPath(program.path(), common::kInstalledMark)));
        // /proc refuses a new file even to root.
        const QString data = program.path() + QStringLiteral("/Data");
        QVERIFY(dataWritable ? QDir().mkdir(data) : QFile::link(QStringLiteral("/proc"), data));
        common::setProgramFolder(program.path());
        QCOMPARE(common::userPath(u"\\Data\\Settings.dat"),
                 dataHome.path() + QStringLiteral("/bandolin/Data/Settings.dat"));
        common::setProgramFolder(QString());
        qunsetenv("XDG_DATA_HOME");
    }

    // Where the single-copy lock goes, and which runs share it.
    void lockFile_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("shared");
        QTest::newRow("runtime folder") << "/r" << "alpha" << "/opt/a" << "/r/bandolin" << true;
        QTest::newRow("runtime unset") << "" << "alpha" << "/opt/a" << "/u" << true;
        QTest::newRow("runtime relative") << "run" << "alpha" << "/opt/a" << "/u" << true;
        QTest::newRow("another program folder") << "" << "alpha" << "/opt/b" << "/u" << false;
        QTest::newRow("another machine, shared home") << "" << "beta" << "/opt/a" << "/u" << false;
    }

    void lockFile()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, host);
        QFETCH(QString, program);
        QFETCH(QString, folder);
        QFETCH(bool, shared);
        const QString user = QStringLiteral("/u");
        const QFileInfo lock(common::lockFilePath(runtime, user, host, program));
        QCOMPARE(lock.path(), folder);
        const QFileInfo reference(
            common::lockFilePath({}, user, QStringLiteral("alpha"), QStringLiteral("/opt/a")));
        QCOMPARE(lock.fileName() == reference.fileName(), shared);
    }

    void readOnlyProgramFolderUsesTheUsersFolder()
    {
        testing_support::TestFolder folder;
        const QString user = folder.makeReadOnly();
        QCOMPARE(common::userPath(u"\\Data\\Settings.dat"), user + QStringLiteral("/Data/Settings.dat"));
        QCOMPARE(common::installedPath(u"\\Help"), folder.file("\\Help"));
        // The user's own skin comes before the delivered one of the same name.
        QVERIFY(touch(user + QStringLiteral("/Skin/Default.she")));
        QVERIFY(touch(user + QStringLiteral("/Skin/Mine.she")));
        QCOMPARE(common::programPath(u"\\Skin\\Default.she"), user + QStringLiteral("/Skin/Default.she"));
        QCOMPARE(common::programPath(u"\\Skin\\Dark.she"), folder.file("\\Skin\\Dark.she"));
        QCOMPARE(common::folderFiles(u"\\Skin", QStringLiteral("*.she")),
                 (QStringList{"Dark.she", "Default.she", "Mine.she"}));

        // Without XDG_DATA_HOME, the folder under the home.
        qunsetenv("XDG_DATA_HOME");
        common::setProgramFolder(folder.path(), common::FolderAccess::ReadOnly);
        QCOMPARE(common::userFolder(), QDir::homePath() + QStringLiteral("/.local/share/bandolin"));
    }

    void picksTheDoubleSizeCopy()
    {
        testing_support::TestFolder folder;
        const QString path = folder.file("\\Title.bmp");
        const QImage plain(10, 4, QImage::Format_RGB32);
        QVERIFY(plain.save(path, "BMP"));
        QCOMPARE(common::loadSharpImage(path, 2).width(), 10); // no copy: the picture as it is
        QVERIFY(plain.scaled(20, 8).save(common::doubleSizePath(path), "BMP"));
        QCOMPARE(common::loadSharpImage(path, 1).width(), 10);
        const QImage sharp = common::loadSharpImage(path, 1.5);
        QCOMPARE(sharp.width(), 20);
        QCOMPARE(common::logicalSize(sharp), QSize(10, 4)); // the same place and size
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "program_folder_test.moc"
