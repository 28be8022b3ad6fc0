#include "config/language_file.h"

#include "common/failure.h"
#include "common/text_file.h"
#include "support/failures.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using config::LanguageFile;

namespace
{

// Lines 1-102 of a language file in which line k holds "L<k>".
QStringList numberedLines(int count = 102)
{
    QStringList lines;
    for (int line = 1; line <= count; ++line)
        lines << QStringLiteral("L%1").arg(line);
    return lines;
}

struct Check {
    QString name;
    std::function<QString(const LanguageFile &)> value;
    int line;
};

std::vector<Check> checks()
{
    using F = const LanguageFile &;
    std::vector<Check> c;
    auto add = [&](const QString &name, std::function<QString(F)> value, int line) {
        c.push_back({name, std::move(value), line});
    };
    for (int i = 0; i < 10; ++i)
        add(
            QStringLiteral("menu caption %1").arg(i), [i](F f) { return f.main.MenuCaptions[i]; },
            4 + i);
    add(
        "NotChosenText", [](F f) { return f.main.NotChosenText; }, 14);
    for (int i = 0; i < 5; ++i)
        add(
            QStringLiteral("LangTexts %1").arg(i), [i](F f) { return f.main.LangTexts[i]; },
            15 + i);
    for (int i = 5; i < 16; ++i)
        add(
            QStringLiteral("LangTexts %1").arg(i), [i](F f) { return f.main.LangTexts[i]; },
            87 + i);
    for (int i = 0; i < 3; ++i)
        add(
            QStringLiteral("BandCountNames %1").arg(i),
            [i](F f) { return f.main.BandCountNames[i]; }, 20 + i);
    for (int i = 0; i < 12; ++i)
        add(
            QStringLiteral("ColourNames %1").arg(i), [i](F f) { return f.main.ColourNames[i]; },
            23 + i);
    add(
        "LangPos2", [](F f) { return f.main.LangPos2; }, 36);
    add(
        "LangPos1", [](F f) { return f.main.LangPos1; }, 37);
    for (int i = 0; i < 12; ++i)
        add(
            QStringLiteral("control caption %1").arg(i),
            [i](F f) { return f.main.ControlCaptions[i]; }, 80 + i);

    add(
        "Voltamo unit of R", [](F f) { return f.voltamo.resistanceUnit; }, 15);
    add(
        "Voltamo unit of U", [](F f) { return f.voltamo.voltageUnit; }, 38);
    add(
        "Voltamo unit of I", [](F f) { return f.voltamo.currentUnit; }, 39);
    add(
        "Voltamo Command1", [](F f) { return f.voltamo.Command1Caption; }, 40);
    add(
        "Voltamo name of U", [](F f) { return f.voltamo.voltageName; }, 41);
    add(
        "Voltamo name of I", [](F f) { return f.voltamo.currentName; }, 42);
    add(
        "Voltamo name of R", [](F f) { return f.voltamo.resistanceName; }, 43);
    add(
        "Voltamo lblU tip", [](F f) { return f.voltamo.lblUToolTip; }, 44);
    add(
        "Voltamo lblI tip", [](F f) { return f.voltamo.lblIToolTip; }, 45);
    add(
        "Voltamo lblR tip", [](F f) { return f.voltamo.lblRToolTip; }, 46);
    add(
        "Voltamo txtResult tip", [](F f) { return f.voltamo.txtResultToolTip; }, 47);
    add(
        "Voltamo failure text", [](F f) { return f.voltamo.failureText; }, 48);
    add(
        "Voltamo failure title", [](F f) { return f.voltamo.failureTitle; }, 49);

    for (int i = 0; i < 5; ++i)
        add(
            QStringLiteral("Linkora unit %1").arg(i), [i](F f) { return f.linkora.unitNames[i]; },
            15 + i);
    const std::vector<std::pair<const char *, QString config::LinkoraTexts::*>> linkora = {
        {"cmdAdd", &config::LinkoraTexts::cmdAddCaption},
        {"cmdRemove", &config::LinkoraTexts::cmdRemoveCaption},
        {"cmdClear", &config::LinkoraTexts::cmdClearCaption},
        {"cmdCalc", &config::LinkoraTexts::cmdCalcCaption},
        {"lblResult", &config::LinkoraTexts::lblResultCaption},
        {"Label1", &config::LinkoraTexts::Label1Caption},
        {"picParal tip", &config::LinkoraTexts::picParalToolTip},
        {"picPosled tip", &config::LinkoraTexts::picPosledToolTip},
        {"txtNominal tip", &config::LinkoraTexts::txtNominalToolTip},
        {"cmbEdinIz tip", &config::LinkoraTexts::cmbEdinIzToolTip},
        {"lstResistors tip", &config::LinkoraTexts::lstResistorsToolTip},
        {"cmdAdd tip", &config::LinkoraTexts::cmdAddToolTip},
        {"cmdRemove tip", &config::LinkoraTexts::cmdRemoveToolTip},
        {"cmdClear tip", &config::LinkoraTexts::cmdClearToolTip},
        {"cmdCalc tip", &config::LinkoraTexts::cmdCalcToolTip},
    };
    for (std::size_t i = 0; i < linkora.size(); ++i) {
        const auto member = linkora[i].second;
        add(
            QStringLiteral("Linkora %1").arg(QLatin1String(linkora[i].first)),
            [member](F f) { return f.linkora.*member; }, 50 + int(i));
    }

    add(
        "options Preferences item", [](F f) { return f.options.PreferencesCaption; }, 8);
    for (int i = 0; i < 5; ++i)
        add(
            QStringLiteral("options unit %1").arg(i), [i](F f) { return f.options.unitNames[i]; },
            15 + i);
    add(
        "options four bands", [](F f) { return f.options.fourBandsName; }, 21);
    add(
        "options LangPos2", [](F f) { return f.options.LangPos2; }, 36);
    add(
        "options LangPos1", [](F f) { return f.options.LangPos1; }, 37);
    for (int i = 0; i < 15; ++i)
        add(
            QStringLiteral("options caption %1").arg(i), [i](F f) { return f.options.Captions[i]; },
            65 + i);
    return c;
}

using testing_support::failureOf;
using testing_support::namesLine;

} // namespace

class LanguageFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    LanguageFile m_synthetic;

    QString writeFile(const QStringList &lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("Test.lng"));
        common::writeTextLines(path, lines);
        return path;
    }

private Q_SLOTS:
    void initTestCase() { m_synthetic = config::readLanguageFile(writeFile(numberedLines())); }

    void textComesFromItsLine_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<Check> all = checks();
        for (std::size_t i = 0; i < all.size(); ++i)
            QTest::newRow(qPrintable(all[i].name)) << int(i);
    }

    void textComesFromItsLine()
    {
        QFETCH(int, index);
        const Check check = checks().at(std::size_t(index));
        QCOMPARE(check.value(m_synthetic), QStringLiteral("L%1").arg(check.line));
    }

    void readerNeedsTheFileUpToItsLastLine_data()
    {
        QTest::addColumn<int>("reader"); // 0 main, 1 Voltamo, 2 Linkora, 3 options
        QTest::addColumn<int>("lastLine");
        QTest::newRow("main window") << 0 << 102;
        QTest::newRow("Voltamo") << 1 << 49;
        QTest::newRow("Linkora") << 2 << 64;
        QTest::newRow("options") << 3 << 79;
    }

    void readerNeedsTheFileUpToItsLastLine()
    {
        QFETCH(int, reader);
        QFETCH(int, lastLine);
        auto read = [reader](const QString &path) {
            switch (reader) {
            case 0:
                config::readMainWindowTexts(path);
                break;
            case 1:
                config::readVoltamoTexts(path);
                break;
            case 2:
                config::readLinkoraTexts(path);
                break;
            default:
                config::readOptionsTexts(path);
            }
        };
        const QString complete = writeFile(numberedLines(lastLine));
        QVERIFY(failureOf([&] { read(complete); }).isEmpty());
        const QString shortFile = writeFile(numberedLines(lastLine - 1));
        const QString message = failureOf([&] { read(shortFile); });
        QVERIFY2(namesLine(message, lastLine) && message.contains(shortFile), qPrintable(message));
    }

    void blankLinesAreEntries()
    {
        QStringList lines = numberedLines();
        lines[13].clear(); // NotChosenText
        lines[14].clear(); // unit of 1 ohm
        lines[35] = QStringLiteral("  free  ");
        const config::MainWindowTexts texts = config::readMainWindowTexts(writeFile(lines));
        QCOMPARE(texts.NotChosenText, QString());
        QCOMPARE(texts.LangTexts[0], QString());
        QCOMPARE(texts.LangTexts[1], QStringLiteral("L16"));
        QCOMPARE(texts.LangPos2, QStringLiteral("  free  ")); // taken unchanged
        QCOMPARE(texts.LangPos1, QStringLiteral("L37"));
    }

    // Lines after the help block: about count 2, caption, one topic of two lines, then later0.
    void laterLinesFollowTheHelpBlock_data()
    {
        QTest::addColumn<QStringList>("tail"); // the lines after line 102
        QTest::addColumn<QString>("line0");
        QTest::addColumn<bool>("start");
        const QStringList whole = {"2", "a1", "a2", "Caption", "1", "Topic", "2", "t1", "t2"};
        QTest::newRow("with a later line") << whole + QStringList{"later0"} << "later0" << true;
        QTest::newRow("ends with the help block") << whole << QString() << true;
        QTest::newRow("ends inside a topic") << whole.first(8) << QString() << false;
        QTest::newRow("about count past every line")
            << QStringList{"99999999999", "a1", "later0"} << QString() << false;
    }

    void laterLinesFollowTheHelpBlock()
    {
        QFETCH(QStringList, tail);
        QFETCH(QString, line0);
        QFETCH(bool, start);
        const QStringList lines = numberedLines() + tail;
        QCOMPARE(config::laterLine(lines, config::CopyCaptionLine).value_or(QString()), line0);
        QCOMPARE(config::laterLinesStart(lines).has_value(), start);
        QVERIFY(!config::laterLine(lines, 1));
    }

    // The reading help's texts after File > Copy, then the unit lists' name, or the built-in
    // ones of the file's language.
    void readingHintTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("later");
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QString>("unitListName");
        const QStringList all = {"copy", "T",        "P %1",    "N %1",    "O %1",     "A",
                                 "E %1", "%4%3%2%1", "Y %1 %2", "X %1 %2", "Unit list"};
        QTest::newRow("from the file") << "English" << all << "P %1"
                                       << "Unit list";
        QTest::newRow("a line without its mark")
            << "English" << all.mid(0, 2) + QStringList{"P"} + all.mid(3) << "%1 value"
            << "Unit list";
        QTest::newRow("none: Russian") << "Русский" << QStringList{"copy"} << "Значение ряда %1"
                                       << "Единица";
        QTest::newRow("no unit lists' name: English") << "English" << all.first(10) << "P %1"
                                                      << "Unit";
        QTest::newRow("none: another language")
            << "Deutsch" << QStringList{} << "Значение ряда %1 / %1 value"
            << "Единица / Unit";
    }

    void readingHintTexts()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, later);
        QFETCH(QString, preferred);
        QFETCH(QString, unitListName);
        const QStringList lines =
            numberedLines() + QStringList{"0", "Caption", "1", "Topic", "1", "t1"} + later;
        const QString path = "/x/" + language + ".lng";
        const config::MainWindowTexts texts = config::parseMainWindowTexts(path, lines);
        QCOMPARE(texts.ReadingHint.preferred, preferred);
        QCOMPARE(texts.UnitListName, unitListName);
        QCOMPARE(config::parseLinkoraTexts(path, lines).cmbEdinIzName, unitListName);
    }

    // Six bands' texts from later line 12 on, or the built-in ones of the file's language.
    void sixBandTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("later"); // later lines the file has
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("tcrLine");
        QTest::newRow("from the file") << "English" << 18 << "W12" << "W13" << "W16 %1";
        QTest::newRow("older file: Russian") << "Русский" << 10 << "Шесть" << "Шестая полоса:"
                                             << "ТКС: %1 ppm/K";
        QTest::newRow("older file: English")
            << "English" << 12 << "Six" << "Sixth band:" << "TCR: %1 ppm/K";
        QTest::newRow("older file: another language")
            << "Deutsch" << 0 << "Шесть / Six" << "Шестая полоса: / Sixth band:"
            << "ТКС: %1 ppm/K / TCR: %1 ppm/K";
        QTest::newRow("display line without its mark")
            << "English" << 17 << "W12" << "W13" << "TCR: %1 ppm/K";
    }

    void sixBandTexts()
    {
        QFETCH(QString, language);
        QFETCH(int, later);
        QFETCH(QString, word);
        QFETCH(QString, title);
        QFETCH(QString, tcrLine);
        QStringList lines = numberedLines() + QStringList{"0", "Caption", "0"};
        for (int i = 0; i < later; ++i)
            lines << QStringLiteral("W%1").arg(i) + (i == 16 && later > 17 ? " %1" : "");
        const auto texts = config::parseMainWindowTexts("/x/" + language + ".lng", lines);
        QCOMPARE(texts.BandCountNames[3], word);
        QCOMPARE(texts.SixBands.bandTitle, title);
        QCOMPARE(texts.SixBands.tcrLine, tcrLine);
    }
};

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "language_file_test.moc"
