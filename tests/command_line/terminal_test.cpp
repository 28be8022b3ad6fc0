// The built program run as a terminal command: no display (QT_QPA_PLATFORM unset, DISPLAY
// empty), its output, its exit statuses, and a program folder left as it was.

#include "command_line/start_mode.h"
#include "support/test_folder.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{

struct Run {
    int status = -1;
    QString out;
    QString err;
};

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

class TerminalTest : public QObject
{
    Q_OBJECT

    testing_support::TestFolder folder;
    QTemporaryDir dataHome;
    QStringList filesBefore;

    Run run(const QStringList &arguments, const QString &lang = QStringLiteral("C.UTF-8"))
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("DISPLAY"), QString());
        env.insert(QStringLiteral("LANG"), lang);
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        process.setProcessEnvironment(env);
        process.start(folder.file(QStringLiteral("\\Bandolin")), arguments);
        Run result;
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QFile::copy(testing_support::builtProgramFolder() + QStringLiteral("/Bandolin"),
                            folder.file(QStringLiteral("\\Bandolin"))));
        filesBefore = filesUnder(folder.path());
    }

    void startMode_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("command");
        QTest::newRow("nothing") << QStringList{} << false;
        QTest::newRow("Qt options")
            << QStringList{"-platform", "xcb", "-style=fusion", "--reverse"} << false;
        QTest::newRow("Qt option, then help") << QStringList{"-platform", "xcb", "--help"} << true;
        QTest::newRow("a command") << QStringList{"decode", "red"} << true;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << true;
    }
    void startMode()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, command);
        QCOMPARE(command_line::decideStart(arguments).command, command);
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString en = QStringLiteral("C.UTF-8");
        QTest::newRow("decode") << QStringList{"decode", "yellow", "violet",
                                               "black",  "brown",  "brown"}
                                << en << 0 << "Nominal: 4.7 kOhm\nTolerance: 1% Deviation: 47 Ohm\n"
                                << "";
        QTest::newRow("encode") << QStringList{"encode", "4k7", "--tolerance", "1%"} << en << 0
                                << "yellow, violet, black, brown, brown\n"
                                << "";
        QTest::newRow("in Russian") << QStringList{"decode", "Красный", "red", "red"}
                                    << "ru_RU.UTF-8" << 0 << "Номинал: 2.2 кОм"
                                    << "";
        QTest::newRow("help") << QStringList{"--help"} << en << 0 << "Usage:\n  bandolin "
                              << "";
        QTest::newRow("version after a Qt option")
            << QStringList{"-platform", "offscreen", "--version"} << en << 0 << "Bandolin 1.0\n"
            << "";
        QTest::newRow("value the bands cannot write")
            << QStringList{"encode", "0R47", "--bands", "5"} << en << 1 << ""
            << "below 1 Ohm, the smallest value of five bands";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << en << 2 << ""
                                        << "unknown option --frobnicate\nTry 'bandolin --help'.";
        QTest::newRow("bad colour")
            << QStringList{"decode", "yellow", "pink", "red"} << en << 2 << ""
            << "'pink' is not a band colour.\nColours: silver, gold,";
        QTest::newRow("colour in the wrong band")
            << QStringList{"decode", "gold", "red", "red"} << en << 2 << ""
            << "band 1 (first digit) cannot be gold";
        QTest::newRow("unknown command") << QStringList{"paint"} << en << 2 << ""
                                         << "'paint'";
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lang);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(arguments, lang);
        QCOMPARE(result.status, status);
        QVERIFY2(out.isEmpty() ? result.out.isEmpty() : result.out.startsWith(out),
                 qPrintable(result.out));
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        QCOMPARE(result.err.isEmpty(), err.isEmpty());
    }

    void json()
    {
        const Run result = run({"encode", "4.7", "kOhm", "--tolerance", "1%", "--json"});
        QCOMPARE(result.status, 0);
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(json.value("value").toDouble(), 4700.0);
        QCOMPARE(json.value("tolerance").toDouble(), 1.0);
        QCOMPARE(json.value("minimum").toDouble(), 4653.0);
        QCOMPARE(json.value("maximum").toDouble(), 4747.0);
        QCOMPARE(json.value("colours").toArray(),
                 QJsonArray({"yellow", "violet", "black", "brown", "brown"}));
        QVERIFY(json.value("preferred_series").isArray() && json.value("hints").isArray());
    }

    void missingLanguageFile()
    {
        const QString file = folder.file(QStringLiteral("\\Languages\\English.lng"));
        const QString kept = dataHome.filePath(QStringLiteral("English.lng"));
        QVERIFY(QFile::rename(file, kept));
        const Run result = run({"decode", "red", "red", "red"});
        QVERIFY(QFile::rename(kept, file));
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(file), qPrintable(result.err));
    }

    // No settings, no lock, no user's folder: the program folder is as it was.
    void writesNothing()
    {
        QCOMPARE(filesUnder(folder.path()), filesBefore);
        QVERIFY(!QFileInfo::exists(dataHome.filePath(QStringLiteral("bandolin"))));
    }
};

QTEST_GUILESS_MAIN(TerminalTest)
#include "terminal_test.moc"
