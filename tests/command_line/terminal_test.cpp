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

    // The program as a terminal starts it: no display, the locale of lang.
    void start(QProcess &process, const QStringList &arguments,
               const QString &lang = QStringLiteral("C.UTF-8"))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("DISPLAY"), QString());
        env.insert(QStringLiteral("LANG"), lang);
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        process.setProcessEnvironment(env);
        process.start(folder.file(QStringLiteral("\\Bandolin")), arguments);
    }

    Run run(const QStringList &arguments, const QString &lang = QStringLiteral("C.UTF-8"),
            const QByteArray &input = {})
    {
        QProcess process;
        start(process, arguments, lang);
        process.write(input);
        process.closeWriteChannel();
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
        row("SMD code", "decode 68C", 0,
            "Nominal: 49.9 kOhm\nEIA-96 code: tolerance typically 1%, not marked\n");
        row("SMD code that reads two ways", "decode 10R", 0,
            "10R reads two ways:\nNominal: 1.24 Ohm\nEIA-96 code: tolerance typically 1%, not "
            "marked\nNominal: 10 Ohm\nThree characters, R for the decimal point: tolerance "
            "typically 5%, not marked\n");
        row("SMD code out of the table", "decode 97C", 2, "'97C': EIA-96 codes run from 01 to 96");
        row("a value's SMD codes", "encode 49.9k --smd", 0, "4992, EIA-96 68C\n");
        row("a value no SMD code writes", "encode 4.751k --smd", 1,
            "4.751 kOhm: no SMD code writes this value");
        row("SMD codes mark no tolerance", "encode 4k7 --smd --tolerance 1%", 2,
            "--smd gives codes, not bands");
        // Below 1 Ohm: a zero before the point, and one way of writing numbers in every line.
        row("numbers as people write them", "decode yellow white silver grey", 0,
            "Nominal: 0.49 Ohm\nTolerance: 0.05% Deviation: 0.000245 Ohm\n"
            "Range: 0.489755 Ohm to 0.490245 Ohm\nNot an E192 value: check the colours\n"
            "First band Orange, not Yellow: 0.39 Ohm 0.05%\nSMD: R49, R490\n");
        row("Russian numbers", "decode жёлтый белый серебристый серый", 0,
            "Номинал: 0.49 Ом\nДопуск: 0.05% Отклонение: 0.000245 Ом\n", "ru_RU.UTF-8");
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

    // The reading help's candidates as data: why each is one, its colours, value and tolerance.
    void jsonCandidates()
    {
        const auto candidates = [this](const QStringList &arguments) {
            const Run result = run(arguments);
            return QJsonDocument::fromJson(result.out.toUtf8())["candidates"].toArray();
        };
        const QJsonObject alike =
            candidates({"decode", "orange", "brown", "red", "gold", "--json"}).at(0).toObject();
        QCOMPARE(alike, (QJsonObject{{"why", "look-alike"},
                                     {"band", 2},
                                     {"from", "brown"},
                                     {"to", "black"},
                                     {"colours", QJsonArray{"orange", "black", "red", "gold"}},
                                     {"value", 3000},
                                     {"tolerance", 5},
                                     {"preferred", true},
                                     {"series", "E24"}}));
        const QJsonObject otherEnd =
            candidates({"decode", "brown", "black", "black", "red", "brown", "--json"})
                .at(0)
                .toObject();
        QCOMPARE(otherEnd["why"], "other end");
        QCOMPARE(otherEnd["colours"], (QJsonArray{"brown", "red", "black", "black", "brown"}));
        QCOMPARE(otherEnd["value"], 120);
    }

    // A batch of good and bad lines: a line out for each line in, each error in its place, and
    // status 1 at the end.
    void batchText()
    {
        const Run result = run({"decode", "-"}, QStringLiteral("C.UTF-8"),
                               "yellow violet black brown brown\nyellow pink red\n\n68C\r\n97C\n");
        QCOMPARE(result.status, 1);
        const QStringList lines = result.out.split(u'\n');
        const QStringList expected = {
            "Nominal: 4.7 kOhm | Tolerance: 1% Deviation: 47 Ohm | Range: 4.653 kOhm to 4.747 kOhm "
            "| E24 value | SMD: 472, 4701",
            "error (line 2): 'pink' is not a band colour. Colours: silver,",
            "",
            "Nominal: 49.9 kOhm | EIA-96 code: tolerance typically 1%, not marked",
            "error (line 5): '97C': EIA-96 codes run from 01 to 96",
            ""};
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(expected[i]), qPrintable(lines[i]));
        QVERIFY2(result.err.contains("2 of 4 lines failed"), qPrintable(result.err));
    }

    // JSON Lines: an object per line with its number and input; a line's options hold for it
    // alone and come after the command line's.
    void batchJson()
    {
        const Run result = run({"encode", "-", "--json", "--bands", "5"}, QStringLiteral("C.UTF-8"),
                               "4k7 --tolerance 1%\n49.9k --smd --bands 5\nabc\n4k7 --bands 4\n");
        QCOMPARE(result.status, 1);
        QList<QJsonObject> objects;
        for (const QString &line : result.out.trimmed().split(u'\n'))
            objects << QJsonDocument::fromJson(line.toUtf8()).object();
        QCOMPARE(objects.size(), 4);
        QCOMPARE(objects[0]["bands"], 5);
        QCOMPARE(objects[0]["tolerance"], 1);
        QCOMPARE(objects[0]["input"], "4k7 --tolerance 1%");
        QCOMPARE(objects[1]["status"], 2); // --smd with --bands
        QCOMPARE(objects[2]["line"], 3);
        QCOMPARE(objects[2]["status"], 2);
        QVERIFY(objects[2]["error"].toString().startsWith("'abc' is not a resistance"));
        QCOMPARE(objects[3]["bands"], 4);
        QCOMPARE(objects[3]["tolerance"], 5);
        QCOMPARE(objects[3]["smd"],
                 (QJsonArray{
                     QJsonObject{{"code", "472"}, {"decimal_r", false}, {"kind", "three-digit"}},
                     QJsonObject{{"code", "4701"}, {"decimal_r", false}, {"kind", "four-digit"}}}));
    }

    // Each result reaches a pipe as soon as its line is read; all lines good: status 0.
    void batchAsItGoes()
    {
        QProcess process;
        start(process, {"encode", "-", "--smd"});
        process.write("49.9k\n");
        QVERIFY(process.waitForReadyRead(20000));
        QCOMPARE(process.readLine(), "4992, EIA-96 68C\n");
        process.write("0\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.readAll(), "0, 000, 0000\n");
        QCOMPARE(process.exitCode(), 0);
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
