// The program as a whole, started as a process on temporary program folders: the splash comes
// first, the main window's load runs when it ends, and a second copy ends by itself.

#include "support/test_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

using testing_support::TestFolder;

namespace
{

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");

// A program folder with the built program in it, and the program running there.
struct Copy {
    TestFolder folder;
    QProcess process;
    QElapsedTimer clock;

    Copy()
    {
        const QString program = folder.path() + QStringLiteral("/Bandolin");
        // The executable and the module with its windows, which it loads from its own folder.
        QDir(folder.path()).mkdir(QStringLiteral("Modules"));
        for (const QString &name :
             {QStringLiteral("/Bandolin"), QStringLiteral("/Modules/Bandolin-windows.so")})
            if (!QFile::exists(folder.path() + name))
                QFile::copy(testing_support::builtProgramFolder() + name, folder.path() + name);
        process.setProgram(program);
        process.setWorkingDirectory(folder.path());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Copy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool start()
    {
        clock.start();
        process.start();
        return process.waitForStarted(10000);
    }
    // The main window's load has run: on a first start it writes the settings file.
    bool mainWindowLoaded() const { return QFile::exists(folder.file(kSettings)); }
    bool running() const { return process.state() == QProcess::Running; }
};

} // namespace

class ProgramStartTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Copy> m_normal, m_noPictures, m_noLanguage;

private Q_SLOTS:
    void initTestCase()
    {
        m_normal = std::make_unique<Copy>();
        m_noPictures = std::make_unique<Copy>();
        for (const char *file : {"\\Data\\Intro.jpg", "\\Data\\SMres.jpg", "\\Data\\Splash.jpg"})
            m_noPictures->folder.remove(QString::fromUtf8(file));
        m_noLanguage = std::make_unique<Copy>();
        m_noLanguage->folder.remove(QStringLiteral("\\Languages\\Русский.lng"));
        // This one is started the way a desktop launcher with startup notification starts it.
        QProcessEnvironment launcher = QProcessEnvironment::systemEnvironment();
        launcher.insert(QStringLiteral("DESKTOP_STARTUP_ID"), QStringLiteral("bandolin_TIME0"));
        m_noLanguage->process.setProcessEnvironment(launcher);
        for (Copy *c : {m_normal.get(), m_noPictures.get(), m_noLanguage.get()})
            QVERIFY(c->start());
    }

    // The main window does not exist while the splash runs; five seconds on, its load has run.
    // Missing splash pictures or a missing language file do not keep the program from getting
    // there (the load itself then reports the language file, as its own tests show).
    void mainWindowLoadsWhenTheSplashEnds()
    {
        QTest::qWait(3000);
        for (Copy *c : {m_normal.get(), m_noPictures.get(), m_noLanguage.get()}) {
            QVERIFY(c->running());
            QVERIFY(!c->mainWindowLoaded());
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_normal->mainWindowLoaded() && m_noPictures->mainWindowLoaded() &&
                                     m_noLanguage->mainWindowLoaded(),
                                 20000);
        QVERIFY(m_normal->clock.elapsed() >= 5000);
        QTest::qWait(300);
        for (Copy *c : {m_normal.get(), m_noPictures.get(), m_noLanguage.get()})
            QVERIFY(c->running());
    }

    // A second copy in the same folder shows its splash, then ends by itself when its main
    // window's load finds the running one, leaving nothing behind.
    void secondCopyEndsQuietly()
    {
        QVERIFY(m_normal->running());
        QFile::remove(m_normal->folder.file(kSettings));
        QProcess second;
        second.setProgram(m_normal->process.program());
        second.setWorkingDirectory(m_normal->folder.path());
        QElapsedTimer clock;
        clock.start();
        second.start();
        QVERIFY(second.waitForStarted(10000));
        QVERIFY(second.waitForFinished(20000));
        QVERIFY(clock.elapsed() >= 5000); // its splash ran its time
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // It ended before reading or writing any file.
        QVERIFY(!QFile::exists(m_normal->folder.file(kSettings)));
        QVERIFY(m_normal->running());
    }

    // Without the module of the windows the terminal commands still run; a window start says
    // which file is missing and fails.
    void withoutTheWindowsModule()
    {
        Copy copy;
        copy.folder.remove(QStringLiteral("Modules/Bandolin-windows.so"));
        QProcess process;
        process.setProgram(copy.process.program());
        process.setArguments({QStringLiteral("decode"), QStringLiteral("red"),
                              QStringLiteral("red"), QStringLiteral("black")});
        process.start();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().startsWith("Nominal: 22 Ohm"));
        process.setArguments({});
        process.start();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("cannot load the window program"));
    }

    void cleanupTestCase()
    {
        m_normal.reset();
        m_noPictures.reset();
        m_noLanguage.reset();
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "program_start_test.moc"
