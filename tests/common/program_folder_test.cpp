#include "common/program_folder.h"
#include "common/sharp_picture.h"
#include "support/test_folder.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class ProgramFolderTest : public QObject
{
    Q_OBJECT

    static bool touch(const QString &path)
    {
        return QDir().mkpath(QFileInfo(path).path()) && QFile(path).open(QIODevice::WriteOnly);
    }

    QProcessEnvironment m_environment;

private Q_SLOTS:
    // Each test leaves the environment and the program folder as it found them, failed or not.
    void init() { m_environment = QProcessEnvironment::systemEnvironment(); }
    void cleanup()
    {
        for (const char *name : {"XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            m_environment.contains(name) ? qputenv(name, m_environment.value(name).toLocal8Bit())
                                         : qunsetenv(name);
        common::setProgramFolder(QString());
    }

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

    // Program folders whose top can be written that still send the settings to the user's
    // folder: an installation (root's included), and one whose Data/ cannot be written.
    void usersFolderOfAProgramFolder()
    {
        for (const bool installed : {true, false}) {
            QTemporaryDir program, dataHome;
            qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
            const QString data = program.path() + QStringLiteral("/Data");
            QVERIFY(installed ? touch(common::joinPath(program.path(), common::kInstalledMark))
                              : QFile::link(QStringLiteral("/proc"), data)); // refused even to root
            common::setProgramFolder(program.path());
            QCOMPARE(common::userPath(u"\\Data\\Settings.dat"),
                     dataHome.path() + "/bandolin/Data/Settings.dat");
        }
    }

    // The lock lies in the runtime folder when there is one, and is the same for two runs only
    // on one machine and one program folder.
    void lockFile()
    {
        const auto lock = [](const char *runtime, const char *host, const char *program) {
            return QFileInfo(common::lockFilePath(runtime, "/u", host, program));
        };
        const QFileInfo own = lock("", "alpha", "/opt/a");
        QCOMPARE(own.path(), "/u");
        QCOMPARE(lock("run", "alpha", "/opt/a").filePath(), own.filePath()); // not absolute
        QCOMPARE(lock("/r", "alpha", "/opt/a").filePath(), "/r/bandolin/" + own.fileName());
        QVERIFY(lock("", "alpha", "/opt/b").fileName() != own.fileName());
        QVERIFY(lock("", "beta", "/opt/a").fileName() != own.fileName()); // a shared home
    }

    // The lock of this run: in the runtime folder, made private to the user; where no folder can
    // be made there, in the user's folder.
    void lockFileOfThisRun()
    {
        testing_support::TestFolder folder;
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        const QString own = QFileInfo(common::lockFilePath()).path();
        QCOMPARE(own, runtime.path() + QStringLiteral("/bandolin"));
        QVERIFY(!(QFileInfo(own).permissions() & (QFile::ReadGroup | QFile::ReadOther)));
        qputenv("XDG_RUNTIME_DIR", "/proc"); // refused even to root
        QCOMPARE(QFileInfo(common::lockFilePath()).path(), common::userFolder());
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
        // A listing is kept only while its folder stays as it was.
        QVERIFY(QFile::rename(user + QStringLiteral("/Skin/Mine.she"),
                              user + QStringLiteral("/Skin/Yours.she")));
        QCOMPARE(common::folderFiles(u"\\Skin", QStringLiteral("*.she")),
                 (QStringList{"Dark.she", "Default.she", "Yours.she"}));

        // Read before the user's folder is decided (at the first write): the same files.
        common::setProgramFolder(folder.path(), common::FolderAccess::ReadOnly);
        QCOMPARE(common::programPath(u"\\Skin\\Yours.she"),
                 user + QStringLiteral("/Skin/Yours.she"));
        common::setProgramFolder(folder.path(), common::FolderAccess::Try); // the user's folder
        QCOMPARE(common::programPath(u"\\Skin\\Yours.she"), folder.file("\\Skin\\Yours.she"));

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

    void readsTheDecodedCopyOfItsOwnJpegOnly()
    {
        testing_support::TestFolder folder;
        const QString path = folder.file("\\Splash.jpg");
        QImage drawn(8, 4, QImage::Format_RGB32);
        drawn.fill(Qt::blue);
        QVERIFY(drawn.save(path, "JPG") && common::writeDecodedCopy(path));
        // Read in the JPEG's place: a copy changed behind its mark shows the change.
        // The pixels start at byte 66, top row first, each as blue, green, red and an unused byte.
        QFile copy(common::decodedCopyPath(path));
        QVERIFY(copy.open(QIODevice::ReadWrite) && copy.seek(66 + 7 * 4 + 2));
        QVERIFY(copy.putChar(0x7F) && copy.putChar(0) && copy.flush());
        const QRgb decoded = QImage(path).pixel(7, 0); // top right: red changed, opaque still
        QCOMPARE(common::loadSharpImage(path, 1).pixel(7, 0),
                 qRgb(0x7F, qGreen(decoded), qBlue(decoded)));
        // A BMP of another kind (here 8 bits a pixel) under the same mark is no copy of ours.
        const QByteArray mark = copy.seek(6) ? copy.read(4) : QByteArray();
        QImage green(8, 4, QImage::Format_RGB32);
        green.fill(Qt::green);
        green.convertTo(QImage::Format_Indexed8);
        QByteArray other;
        QBuffer buffer(&other);
        QVERIFY(green.save(&buffer, "BMP"));
        QVERIFY(copy.resize(0) && copy.write(other.replace(6, 4, mark)) == other.size());
        QVERIFY(copy.flush());
        QCOMPARE(common::loadSharpImage(path, 1), QImage(path));
        // A user's own JPEG in its place is read itself, even with an older time than the copy's.
        drawn.fill(Qt::red);
        QFile jpeg(path);
        QVERIFY(drawn.save(path, "JPG") && jpeg.open(QIODevice::ReadWrite));
        QVERIFY(jpeg.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)),
                                 QFileDevice::FileModificationTime));
        QCOMPARE(common::loadSharpImage(path, 1), QImage(path));
        QVERIFY(QFile::remove(copy.fileName())); // a JPEG alone
        QCOMPARE(common::loadSharpImage(path, 1), QImage(path));
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "program_folder_test.moc"
