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

// A help block: caption, topic count, then each topic's title, line count and lines.
QStringList helpBlock(int topics, int linesPerTopic)
{
    QStringList lines = {QStringLiteral("Help caption"), QString::number(topics)};
    for (int t = 1; t <= topics; ++t) {
        lines << QStringLiteral("Topic %1").arg(t) << QString::number(linesPerTopic);
        for (int l = 1; l <= linesPerTopic; ++l)
            lines << QStringLiteral("text %1.%2").arg(t).arg(l);
    }
    return lines;
}

// A whole file: lines 1-102, the about count and lines, then the help block.
QStringList languageFile(const QString &aboutCount, const QStringList &about,
                         const QStringList &help)
{
    return numberedLines() << aboutCount << about << help;
}

QStringList aboutLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("about %1").arg(i);
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
    add(
        "options unit of 1 ohm", [](F f) { return f.options.ohmUnitName; }, 15);
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
    void initTestCase()
    {
        m_synthetic = config::readLanguageFile(
            writeFile(languageFile("2", aboutLines(2), ::helpBlock(2, 2))));
    }

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

    void aboutText_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("lines");
        QTest::newRow("two") << "2" << 2;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("no number") << "none" << 0;
        QTest::newRow("negative") << "-4" << 0;
        QTest::newRow("fraction stops below it") << "2.5" << 2;
        QTest::newRow("number with text") << "3 lines" << 3;
    }

    void aboutText()
    {
        QFETCH(QString, count);
        QFETCH(int, lines);
        const QString path = writeFile(languageFile(count, aboutLines(3), {}));
        const config::AboutText about = config::readAboutText(path);
        QCOMPARE(about.lines, aboutLines(lines));
        QCOMPARE(about.joined(), lines ? aboutLines(lines).join("\r\n") + "\r\n" : QString());
    }

    void aboutCountBeyondTheFileFails()
    {
        const QString path = writeFile(languageFile("5", aboutLines(3), {}));
        const QString message = failureOf([&] { config::readAboutText(path); });
        QVERIFY2(namesLine(message, 107), qPrintable(message));
        // A file that ends at line 102 has no about count.
        const QString noCount = writeFile(numberedLines());
        QVERIFY(namesLine(failureOf([&] { config::readAboutText(noCount); }), 103));
    }

    void aboutCountTooLargeTakesTheHelpBlock()
    {
        const QString path = writeFile(languageFile("4", aboutLines(2), helpBlock(1, 1)));
        const config::AboutText about = config::readAboutText(path);
        QCOMPARE(about.lines.size(), 4);
        QCOMPARE(about.lines[2], QStringLiteral("Help caption"));
    }

    void readsHelpBlock()
    {
        const QString path = writeFile(languageFile("2", aboutLines(2), ::helpBlock(3, 2)));
        const config::HelpBlock help = config::readHelpBlock(path);
        QCOMPARE(help.caption, QStringLiteral("Help caption"));
        QCOMPARE(help.declaredTopicCount, 3);
        QCOMPARE(int(help.topics.size()), 3);
        QCOMPARE(help.topics[2].title, QStringLiteral("Topic 3"));
        QCOMPARE(help.topics[2].text, QStringLiteral("text 3.1\r\ntext 3.2\r\n"));
    }

    void helpCounts_data()
    {
        QTest::addColumn<QStringList>("block");
        QTest::addColumn<int>("topics");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("no topics") << QStringList{"Caption", "0"} << 0 << QStringList{};
        QTest::newRow("topic count without number")
            << QStringList{"Caption", "many"} << 0 << QStringList{};
        QTest::newRow("topic with no lines")
            << QStringList{"Caption", "1", "Empty", "0"} << 1 << QStringList{""};
        QTest::newRow("line count rounds half to even")
            << QStringList{"Caption", "1", "T", "2.5", "a", "b", "c"} << 1
            << QStringList{"a\r\nb\r\n"};
        QTest::newRow("line count 1.5 rounds to 2")
            << QStringList{"Caption", "1", "T", "1.5", "a", "b"} << 1 << QStringList{"a\r\nb\r\n"};
        QTest::newRow("blank topic lines kept")
            << QStringList{"Caption", "1", "T", "3", "", "x", ""} << 1
            << QStringList{"\r\nx\r\n\r\n"};
        QTest::newRow("negative line count")
            << QStringList{"Caption", "2", "T1", "-2", "T2", "1", "y"} << 2
            << QStringList{"", "y\r\n"};
    }

    void helpCounts()
    {
        QFETCH(QStringList, block);
        QFETCH(int, topics);
        QFETCH(QStringList, texts);
        const config::HelpBlock help =
            config::readHelpBlock(writeFile(languageFile("1", aboutLines(1), block)));
        QCOMPARE(int(help.topics.size()), topics);
        for (int i = 0; i < topics; ++i)
            QCOMPARE(help.topics[i].text, texts[i]);
    }

    // The about window stops below a fractional count; the help viewer rounds it.
    void aboutCountRoundedForTheHelpBlock()
    {
        QStringList lines = languageFile("1.5", aboutLines(2), ::helpBlock(1, 1));
        const config::LanguageFile file = config::readLanguageFile(writeFile(lines));
        QCOMPARE(file.about.lines.size(), 1);
        QCOMPARE(file.help.caption, QStringLiteral("Help caption"));
    }

    void moreThanFifteenTopicsKeepsTheFirstFifteen()
    {
        const QString path = writeFile(languageFile("0", {}, ::helpBlock(17, 2)));
        const config::HelpBlock help = config::readHelpBlock(path);
        QCOMPARE(help.declaredTopicCount, 17);
        QCOMPARE(int(help.topics.size()), config::kMaxHelpTopics);
        QCOMPARE(help.topics.back().title, QStringLiteral("Topic 15"));
        QCOMPARE(help.topics.back().text, QStringLiteral("text 15.1\r\ntext 15.2\r\n"));
    }

    void helpBlockEndingEarlyFails_data()
    {
        QTest::addColumn<int>("topics");
        QTest::addColumn<int>("dropped"); // lines cut from the end
        QTest::newRow("last topic line missing") << 2 << 1;
        QTest::newRow("seventeenth topic incomplete") << 17 << 1;
        QTest::newRow("no topic count") << 1 << 5;
    }

    void helpBlockEndingEarlyFails()
    {
        QFETCH(int, topics);
        QFETCH(int, dropped);
        QStringList lines = languageFile("0", {}, ::helpBlock(topics, 2));
        lines = lines.mid(0, lines.size() - dropped);
        const QString message = failureOf([&] { config::readHelpBlock(writeFile(lines)); });
        QVERIFY2(namesLine(message, int(lines.size()) + 1), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "language_file_test.moc"
