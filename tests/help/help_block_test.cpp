#include "help/help_block.h"
#include "help/help_texts.h"

#include "common/program_folder.h"
#include "common/text_file.h"
#include "support/test_folder.h"

#include <QDir>
#include <QTest>

using help::HelpBlock;
using help::StartProblem;

namespace
{

// Lines 1-102 of a language file, then the about count line.
QStringList fixedLines(const QString &aboutCount)
{
    QStringList lines;
    for (int line = 1; line <= 102; ++line)
        lines << QStringLiteral("L%1").arg(line);
    return lines << aboutCount;
}

QStringList about(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("about %1").arg(i);
    return lines;
}

// One topic: title, line count, lines "<title> 1", "<title> 2"...
QStringList topic(const QString &title, int lineCount, const QString &countText = QString())
{
    QStringList lines{title, countText.isEmpty() ? QString::number(lineCount) : countText};
    for (int l = 1; l <= lineCount; ++l)
        lines << QStringLiteral("%1 %2").arg(title).arg(l);
    return lines;
}

QString topicText(const QString &title, int lineCount)
{
    QString text;
    for (int l = 1; l <= lineCount; ++l)
        text += QStringLiteral("%1 %2\r\n").arg(title).arg(l);
    return text;
}

QStringList titlesOf(const HelpBlock &help)
{
    QStringList titles;
    for (const auto &t : help.topics)
        titles << t.title;
    return titles;
}

QStringList textsOf(const HelpBlock &help)
{
    QStringList texts;
    for (const auto &t : help.topics)
        texts << t.text;
    return texts;
}

QStringList settingsNaming(const QString &lang)
{
    QStringList lines;
    for (int line = 1; line <= 35; ++line)
        lines << (line == 5 ? lang : QStringLiteral("value %1").arg(line));
    return lines;
}

} // namespace

class HelpBlockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheBlock_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("two topics after two about lines")
            << (fixedLines("2") << about(2) << "Manual"
                                << "2" << topic("A", 2) << topic("B", 1))
            << "Manual" << QStringList{"A", "B"}
            << QStringList{topicText("A", 2), topicText("B", 1)};
        // Rounded up, the caption would be the line after "Manual".
        QTest::newRow("about count 2.5 rounds to 2")
            << (fixedLines("2.5") << about(2) << "Manual"
                                  << "1" << topic("A", 1))
            << "Manual" << QStringList{"A"} << QStringList{topicText("A", 1)};
        QTest::newRow("about count 3.5 rounds to 4") << (fixedLines("3.5") << about(4) << "Manual"
                                                                           << "0")
                                                     << "Manual" << QStringList{} << QStringList{};
        QTest::newRow("counts with words after them")
            << (fixedLines("1 line") << about(1) << "Manual"
                                     << "1 topic" << topic("A", 2, "2 lines"))
            << "Manual" << QStringList{"A"} << QStringList{topicText("A", 2)};
        QTest::newRow("L = 0 lists the title with an empty text")
            << (fixedLines("0") << "Manual"
                                << "2" << topic("Empty", 0) << topic("B", 1))
            << "Manual" << QStringList{"Empty", "B"} << QStringList{"", topicText("B", 1)};
        QTest::newRow("T = 0 gives no topics") << (fixedLines("0") << "Manual"
                                                                   << "0")
                                               << "Manual" << QStringList{} << QStringList{};
        QTest::newRow("a count without a number is 0")
            << (fixedLines("none") << "Manual"
                                   << "some")
            << "Manual" << QStringList{} << QStringList{};
        QTest::newRow("a negative count is 0") << (fixedLines("0") << "Manual"
                                                                   << "-3")
                                               << "Manual" << QStringList{} << QStringList{};
        QTest::newRow("blank lines and Cyrillic are kept as written")
            << (fixedLines("0") << "Справочник"
                                << "1"
                                << "Тема"
                                << "3"
                                << "Строка"
                                << ""
                                << "  отступ ")
            << "Справочник" << QStringList{"Тема"}
            << QStringList{QStringLiteral("Строка\r\n\r\n  отступ \r\n")};
        // A wrong about count shifts the block without any error, as long as the file is long.
        QTest::newRow("about count one short takes the last about line as caption")
            << (fixedLines("1") << about(2) << "0") << "about 2" << QStringList{} << QStringList{};
    }

    void readsTheBlock()
    {
        QFETCH(QStringList, file);
        QFETCH(QString, caption);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, texts);
        const HelpBlock help = help::parseHelpBlock(file);
        QCOMPARE(help.caption, caption);
        QCOMPARE(titlesOf(help), titles);
        QCOMPARE(textsOf(help), texts);
        QVERIFY(help.complete);
    }

    void keepsEveryTopicBeyondFifteen()
    {
        QStringList file = fixedLines("0") << "Manual"
                                           << "20";
        for (int t = 1; t <= 20; ++t)
            file << topic(QStringLiteral("T%1").arg(t), 1);
        const HelpBlock help = help::parseHelpBlock(file);
        QCOMPARE(help.topics.size(), std::size_t(20));
        QCOMPARE(help.topics.back().title, QStringLiteral("T20"));
        QCOMPARE(help.topics.back().text, topicText("T20", 1));
        QVERIFY(help.complete);
    }

    void breaksOffKeepingWhatWasRead_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("brokenAtLine");

        QTest::newRow("shorter than the fixed lines")
            << QStringList{"a", "b"} << "" << QStringList{} << QStringList{} << 3;
        QTest::newRow("ends in the about text")
            << (fixedLines("5") << about(3)) << "" << QStringList{} << QStringList{} << 107;
        QTest::newRow("ends after the caption")
            << (fixedLines("0") << "Manual") << "Manual" << QStringList{} << QStringList{} << 105;
        QTest::newRow("ends before a title")
            << (fixedLines("0") << "Manual"
                                << "3" << topic("A", 1))
            << "Manual" << QStringList{"A"} << QStringList{topicText("A", 1)} << 109;
        QTest::newRow("ends after a title")
            << (fixedLines("0") << "Manual"
                                << "2" << topic("A", 1) << "B")
            << "Manual" << QStringList{"A", "B"} << QStringList{topicText("A", 1), ""} << 110;
        QTest::newRow("ends inside a text")
            << (fixedLines("0") << "Manual"
                                << "2" << topic("A", 1) << "B"
                                << "4"
                                << "B 1"
                                << "B 2")
            << "Manual" << QStringList{"A", "B"}
            << QStringList{topicText("A", 1), topicText("B", 2)} << 113;
        QTest::newRow("a count beyond any number range")
            << (fixedLines("0") << "Manual"
                                << "1"
                                << "A"
                                << "1E999"
                                << "text")
            << "Manual" << QStringList{"A"} << QStringList{""} << 107;
        QTest::newRow("a huge topic count")
            << (fixedLines("0") << "Manual"
                                << "1E300" << topic("A", 1))
            << "Manual" << QStringList{"A"} << QStringList{topicText("A", 1)} << 109;
    }

    void breaksOffKeepingWhatWasRead()
    {
        QFETCH(QStringList, file);
        QFETCH(QString, caption);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, texts);
        QFETCH(int, brokenAtLine);
        const HelpBlock help = help::parseHelpBlock(file);
        QVERIFY(!help.complete);
        QCOMPARE(help.brokenAtLine, brokenAtLine);
        QCOMPARE(help.caption, caption);
        QCOMPARE(titlesOf(help), titles);
        QCOMPARE(textsOf(help), texts);
    }

    void loadsTheLanguageNamedInTheSettings()
    {
        testing_support::TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("Test").mid(0, 5));
        folder.writeLines("\\Languages\\Test.lng", fixedLines("1") << "about"
                                                                   << "Справочник"
                                                                   << "1" << topic("Тема", 2));
        const help::Manual manual = help::loadManual();
        QCOMPARE(manual.problem, StartProblem::None);
        QCOMPARE(manual.HelpLang, QStringLiteral("Test"));
        QCOMPARE(manual.languageFile, folder.file("\\Languages\\Test.lng"));
        QCOMPARE(manual.help.caption, QStringLiteral("Справочник"));
        QCOMPARE(titlesOf(manual.help), QStringList{QStringLiteral("Тема")});
        QVERIFY(manual.help.complete);
        QVERIFY(help::incompleteNote(manual).isEmpty());
    }

    // With a program folder the user cannot write, Help reads the settings the main program
    // keeps in the user's folder, and the user's own language file before the delivered one.
    void followsTheUsersFolder()
    {
        testing_support::TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("Русский"));
        const QString user = folder.makeReadOnly();
        QVERIFY(QDir().mkpath(user + QStringLiteral("/Languages")) && common::makeUserFolder());
        common::writeTextLines(user + QStringLiteral("/Data/Settings.dat"), settingsNaming("English"));
        const QString own = user + QStringLiteral("/Languages/English.lng");
        common::writeTextLines(own, fixedLines("0") << "Mine" << "0");
        const help::Manual manual = help::loadManual();
        QCOMPARE(manual.languageFile, own);
        QCOMPARE(manual.help.caption, QStringLiteral("Mine"));
    }

    void tellsWhichFileIsMissing_data()
    {
        QTest::addColumn<QStringList>("settings"); // empty: no settings file
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("doesNotSay");

        QTest::newRow("no settings file, both languages")
            << QStringList{} << int(StartProblem::SettingsMissing) << "\\Data\\Settings.dat"
            << QStringList{"Не найден файл настроек", "The settings file is missing"}
            << QStringList{};
        QTest::newRow("settings without line 5")
            << QStringList{"a", "b", "c", "d"} << int(StartProblem::SettingsUnreadable)
            << "\\Data\\Settings.dat"
            << QStringList{"строку 5", "cannot be read from the settings file"} << QStringList{};
        QTest::newRow("missing Russian file, in Russian")
            << settingsNaming("Русский") << int(StartProblem::LanguageMissing)
            << "\\Languages\\Русский.lng" << QStringList{"Не найден файл языка"}
            << QStringList{"is missing"};
        QTest::newRow("missing other file, in English")
            << settingsNaming("Deutsch") << int(StartProblem::LanguageMissing)
            << "\\Languages\\Deutsch.lng" << QStringList{"The language file is missing"}
            << QStringList{"Не найден"};
        QTest::newRow("empty language name")
            << settingsNaming("") << int(StartProblem::LanguageMissing) << "\\Languages\\.lng"
            << QStringList{"The language file is missing"} << QStringList{};
    }

    void tellsWhichFileIsMissing()
    {
        QFETCH(QStringList, settings);
        QFETCH(int, problem);
        QFETCH(QString, file);
        QFETCH(QStringList, says);
        QFETCH(QStringList, doesNotSay);
        testing_support::TestFolder folder;
        folder.remove("\\Languages\\Русский.lng");
        if (!settings.isEmpty())
            folder.writeLines("\\Data\\Settings.dat", settings);
        const help::Manual manual = help::loadManual();
        QCOMPARE(int(manual.problem), problem);
        QCOMPARE(manual.problemFile, folder.file(file));
        const help::Message message = help::startProblemMessage(manual);
        QVERIFY2(message.text.contains(folder.file(file)), qPrintable(message.text));
        QVERIFY(!message.title.isEmpty());
        for (const QString &text : says)
            QVERIFY2(message.text.contains(text), qPrintable(message.text));
        for (const QString &text : doesNotSay)
            QVERIFY2(!message.text.contains(text), qPrintable(message.text));
    }

    void notesAnIncompleteManual()
    {
        testing_support::TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("Русский"));
        folder.writeLines("\\Languages\\Русский.lng", fixedLines("0")
                                                          << "Справочник"
                                                          << "2" << topic("A", 1) << "B");
        const help::Manual manual = help::loadManual();
        QCOMPARE(manual.problem, StartProblem::None);
        QCOMPARE(titlesOf(manual.help), (QStringList{"A", "B"}));
        const QString note = help::incompleteNote(manual);
        QVERIFY2(note.contains(QStringLiteral("Справочник неполон")), qPrintable(note));
        QVERIFY2(note.contains(QStringLiteral("Русский.lng")), qPrintable(note));
        QVERIFY2(note.contains(QStringLiteral("110")), qPrintable(note));
    }

    void readsTheDeliveredManuals_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("Russian") << "Русский";
        QTest::newRow("English") << "English";
    }

    void readsTheDeliveredManuals()
    {
        QFETCH(QString, lang);
        testing_support::TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming(lang));
        const help::Manual manual = help::loadManual();
        QCOMPARE(manual.problem, StartProblem::None);
        QVERIFY(manual.help.complete);
        QVERIFY(!manual.help.caption.isEmpty());
        QVERIFY(manual.help.topics.size() >= 5);
        for (const auto &topic : manual.help.topics) {
            QVERIFY(!topic.title.isEmpty());
            QVERIFY2(!topic.text.trimmed().isEmpty(), qPrintable(topic.title));
        }
    }
};

QTEST_GUILESS_MAIN(HelpBlockTest)
#include "help_block_test.moc"
