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
        row("two colours", "decode red red", 2, "decode takes three, four, five or six colours");
        row("bad colour", "decode yellow pink red", 2,
            "'pink' is not a band colour.\nColours: silver, gold,");
        row("colour in the wrong band", "decode gold red red", 2,
            "band 1 (first digit) cannot be gold");
        row("unknown command", "paint", 2, "'paint'");
        row("decode six colours", "decode brown black black red brown red", 0,
            "Nominal: 10 kOhm\nTolerance: 1% Deviation: 100 Ohm\nTCR: 50 ppm/K\n"
            "Range: 9.9 kOhm to 10.1 kOhm\nE96 value\n");
        row("encode --tcr", "encode 10k --tolerance 1% --tcr 50", 0,
            "brown, black, black, red, brown, red\n");
        row("--tcr alone: six bands at 1%", "encode 4k7 --tcr 25ppm/K", 0,
            "yellow, violet, black, brown, brown, yellow\n");
        row("--bands 6 alone: 50 ppm/K", "encode 4k7 --bands 6", 0,
            "yellow, violet, black, brown, brown, red\n");
        row("a TCR no colour has", "encode 10k --tcr 30", 2,
            "--tcr '30': the bands' TCRs are 250, 100, 50, 25, 20, 15, 10, 5, 1 ppm/K");
        row("--tcr with four bands", "encode 10k --bands 4 --tcr 50", 2,
            "--tcr: only a sixth band carries the TCR, not 4");
        row("--tcr with decode", "decode red red red --tcr 50", 2, "--tcr go with encode");
        row("a sixth colour without a TCR", "decode brown black black red brown white", 2,
            "band 6 (TCR) cannot be white");
        row("seven colours", "decode red red red red red red red", 2,
            "decode takes three, four, five or six colours in band order, not 7");
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
        row("combine", "combine 5k --series E12 --parts 2", 0,
            "5 kOhm from parts of E12 10%, 1 Ohm to 10 MOhm, up to 2 in a network:\n"
            "10 kOhm || 10 kOhm    0%        5 kOhm         4.5 kOhm to 5.5 kOhm\n"
            "47 kOhm || 5.6 kOhm   +0.076%   5.0038 kOhm    4.50342 kOhm to 5.50418 kOhm\n");
        row("combine in Russian", "combine 4k7 --parts 1 --count 1", 0,
            "4.7 кОм из резисторов E24 5%, от 1 Ом до 10 МОм, до 1 в цепи:\n"
            "4.7 кОм   0%   4.7 кОм   от 4.465 кОм до 4.935 кОм\n",
            "ru_RU.UTF-8");
        row("divider", "divider --vin 12 --vout 3.3 --parts 1 --count 1", 0,
            "Ratio 0.275 from parts of E24 5%, 1 Ohm to 10 MOhm, R1 + R2 1 kOhm to 1 MOhm, up to "
            "1 a side:\nR1 = 2.4 kOhm   R2 = 910 Ohm   0.274924   -0.0275%   0.255429 to 0.295318   "
            "3.62538 mA\n");
        row("combine: not a value", "combine 4x7", 2, "'4x7' is not a resistance");
        row("combine: unknown series", "combine 5k --series E7", 2, "--series 'E7': the series are");
        row("combine: five parts", "combine 5k --parts 5", 2, "--parts: 1 to 4, not '5'");
        row("combine: a divider's option", "combine 5k --ratio 0.5", 2, "--ratio goes with divider");
        row("combine: parts beyond the widest range", "combine 5k --range 0.01..1k", 2,
            "--range: parts go from 0.1 Ohm to 1 GOhm");
        row("combine: option without its value", "combine 5k --count", 2, "--count needs a value");
        row("combine: no stock file", "combine 5k --stock /nonexistent/Stock.txt", 1,
            "cannot read the stock file /nonexistent/Stock.txt");
        row("divider: ratio above 0.999", "divider --ratio 1.5", 2,
            "the ratio Vout/Vin goes from 0.001 to 0.999, not 1.5");
        row("divider: Vout above Vin", "divider --vin 3.3 --vout 12", 2, "not 3.63636");
        row("divider: ratio and Vout", "divider --ratio 0.5 --vout 3", 2,
            "give --ratio, or --vin and --vout");
        row("divider: total backwards", "divider --ratio 0.5 --total 10k..1k", 2,
            "--total '10k..1k': write a range from low to high");
        row("divider: a value", "divider 5k", 2, "divider takes no value: '5k'");
        row("combine: not a value to leave out", "combine 5k --exclude 4k7,2.2m", 2,
            "--exclude: '2.2m': a lower-case m means milliohms");
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
        QVERIFY(!json.contains("tcr_ppm_per_k"));

        const Run six = run({"decode", "brown", "black", "black", "red", "brown", "red", "--json"});
        const QJsonObject sixJson = QJsonDocument::fromJson(six.out.toUtf8()).object();
        QCOMPARE(sixJson.value("bands").toInt(), 6);
        QCOMPARE(sixJson.value("tcr_ppm_per_k").toDouble(), 50.0);
        QCOMPARE(sixJson.value("colours").toArray().last().toString(), QStringLiteral("red"));
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
                               "yellow violet black brown brown\nyellow pink red\n\n68C\r\n97C\n"
                               "brown black black red brown red\n");
        QCOMPARE(result.status, 1);
        const QStringList lines = result.out.split(u'\n');
        const QStringList expected = {
            "Nominal: 4.7 kOhm | Tolerance: 1% Deviation: 47 Ohm | Range: 4.653 kOhm to 4.747 kOhm "
            "| E24 value | SMD: 472, 4701",
            "error (line 2): 'pink' is not a band colour. Colours: silver,",
            "",
            "Nominal: 49.9 kOhm | EIA-96 code: tolerance typically 1%, not marked",
            "error (line 5): '97C': EIA-96 codes run from 01 to 96",
            "Nominal: 10 kOhm | Tolerance: 1% Deviation: 100 Ohm | TCR: 50 ppm/K | Range:",
            ""};
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(expected[i]), qPrintable(lines[i]));
        QVERIFY2(result.err.contains("2 of 5 lines failed"), qPrintable(result.err));
    }

    // JSON Lines: an object per line with its number and input; a line's options hold for it
    // alone and come after the command line's.
    void batchJson()
    {
        const Run result = run({"encode", "-", "--json", "--bands", "5"}, QStringLiteral("C.UTF-8"),
                               "4k7 --tolerance 1%\n49.9k --smd --bands 5\nabc\n4k7 --bands 4\n"
                               "10k --bands 6 --tcr 10\n");
        QCOMPARE(result.status, 1);
        QList<QJsonObject> objects;
        for (const QString &line : result.out.trimmed().split(u'\n'))
            objects << QJsonDocument::fromJson(line.toUtf8()).object();
        QCOMPARE(objects.size(), 5);
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
        QCOMPARE(objects[4]["bands"], 6);
        QCOMPARE(objects[4]["tcr_ppm_per_k"], 10);
        QCOMPARE(objects[4]["colours"].toArray().last(), "light blue");
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

    void combinationJson()
    {
        Run result = run({"combine", "5k", "--series", "E12", "--parts", "2", "--json"});
        QCOMPARE(result.status, 0);
        QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(json.value("target").toDouble(), 5000.0);
        QJsonArray answers = json.value("answers").toArray();
        QCOMPARE(answers.size(), 10);
        QCOMPARE(answers.first().toObject(),
                 QJsonObject({{"total", 5000}, {"error_percent", 0}, {"parts", QJsonArray{1e4, 1e4}},
                              {"network", "10 kOhm || 10 kOhm"}, {"minimum", 4500},
                              {"maximum", 5500}}));

        result = run({"divider", "--vin", "12", "--vout", "3.3", "--series", "E96", "--json"});
        QCOMPARE(result.status, 0);
        json = QJsonDocument::fromJson(result.out.toUtf8()).object();
        answers = json.value("answers").toArray();
        QCOMPARE(answers.size(), 10);
        for (const QJsonValue &value : answers) {
            const QJsonObject answer = value.toObject();
            const double r1 = answer.value("r1").toDouble();
            const double r2 = answer.value("r2").toDouble();
            QCOMPARE(answer.value("total").toDouble(), r1 + r2);
            QCOMPARE(answer.value("ratio").toDouble(), r2 / (r1 + r2));
            QCOMPARE(answer.value("current_amps").toDouble(), 12 / (r1 + r2));
            QVERIFY(answer.value("minimum").toDouble() < answer.value("ratio").toDouble());
            QVERIFY(answer.value("maximum").toDouble() > answer.value("ratio").toDouble());
            QCOMPARE(answer.value("network").toString(),
                     "R1 = " + answer.value("r1_network").toString() +
                         "; R2 = " + answer.value("r2_network").toString());
        }
        QCOMPARE(answers.first().toObject().value("error_percent").toDouble(), 0.0);
    }

    // A bad line is reported with its file and line, and the rest is used.
    void stockFile()
    {
        const QString path = dataHome.filePath(QStringLiteral("shelf.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("4k7\nx12\n1k\n");
        file.close();
        Run result = run({"combine", "5k7", "--stock", path, "--count", "3"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, "bandolin: " + path + ":2: x12: not a value; the line is left out\n");
        const QString best = result.out.section(QLatin1Char('\n'), 1, 1);
        QVERIFY2(best.startsWith("4.7 kOhm + 1 kOhm ") && best.contains(" 0% "), qPrintable(best));
        result = run({"combine", "5k", "--stock", path, "--exclude", "4k7,1k"});
        QFile::remove(path);
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("no parts to choose from"), qPrintable(result.err));

        // --my-stock: Data/Stock.txt of the program folder when the user has none.
        const QString mine = folder.file(QStringLiteral("\\Data\\Stock.txt"));
        QFile shelf(mine);
        QVERIFY(shelf.open(QIODevice::WriteOnly));
        shelf.write("2k2\n");
        shelf.close();
        result = run({"combine", "4k4", "--my-stock", "--parts", "2", "--count", "1"});
        QFile::remove(mine);
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.contains("\n2.2 kOhm + 2.2 kOhm "), qPrintable(result.out));
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
