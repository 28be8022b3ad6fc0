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
        // Qt's own options alone (with a value, with "=", a flag) still start the window.
        QVERIFY(
            !command_line::decideStart({"-platform", "xcb", "-style=fusion", "--reverse"}).command);
    }

    // A command line (split at blanks), its exit status and the start of standard output (status
    // 0) or a part of standard error (any other status, with nothing on standard output).
    void commands_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("lang");
        const auto row = [](const char *name, const char *line, int status, const char *said,
                            const char *lang = "C.UTF-8") {
            QTest::newRow(name) << line << status << QString::fromUtf8(said) << lang;
        };
        row("decode", "decode yellow violet black brown brown", 0,
            "Nominal: 4.7 kOhm\nTolerance: 1% Deviation: 47 Ohm\n");
        row("encode", "encode 4k7 --tolerance 1%", 0, "yellow, violet, black, brown, brown\n");
        row("decode names the other end's reading", "decode brown black black red brown", 0,
            "Nominal: 10 kOhm\nTolerance: 1% Deviation: 100 Ohm\nRange: 9.9 kOhm to 10.1 kOhm\n"
            "E96 value\nRead from the other end it is 120 Ohm 1%, also a preferred value\n"
            "The first band sits nearer a lead");
        row("encode names the nearest preferred values", "encode 5k", 0,
            "green, black, red, gold\n5 kOhm 5%: not an E24 value. Nearest preferred values: "
            "4.7 kOhm 5%, 5.1 kOhm 5%\n");
        row("in Russian", "decode Красный red red", 0, "Номинал: 2.2 кОм", "ru_RU.UTF-8");
        row("help", "--help", 0, "Usage:\n  bandolin ");
        row("version after a Qt option", "-platform offscreen --version", 0,
            "Bandolin " BANDOLIN_VERSION "\n");
        row("value the bands cannot write", "encode 0R47 --bands 5", 1,
            "below 1 Ohm, the smallest value of five bands");
        row("unknown option", "--frobnicate", 2,
            "unknown option --frobnicate\nTry 'bandolin --help'.");
        row("two colours", "decode red red", 2, "decode takes three, four or five colours");
        row("bad colour", "decode yellow pink red", 2,
            "'pink' is not a band colour.\nColours: silver, gold,");
        row("colour in the wrong band", "decode gold red red", 2,
            "band 1 (first digit) cannot be gold");
        row("unknown command", "paint", 2, "'paint'");
    }
    void commands()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, lang);
        const Run result = run(commandLine.split(QLatin1Char(' ')), lang);
        QCOMPARE(result.status, status);
        if (status == 0) {
            QVERIFY2(result.out.startsWith(said) && result.err.isEmpty(), qPrintable(result.out));
        } else {
            QVERIFY2(result.err.contains(said), qPrintable(result.err));
            QVERIFY(result.out.isEmpty());
        }
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
        QCOMPARE(json.value("preferred_series").toArray(), QJsonArray({"E24"}));
        QCOMPARE(json.value("hints").toArray(), QJsonArray({"4.7 kOhm 1%: an E24 value"}));
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
