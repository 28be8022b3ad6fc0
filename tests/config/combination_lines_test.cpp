// The Combinations window's lines: its settings after line 35 and its texts after the help block.

#include "config/combination_settings.h"
#include "config/combination_texts.h"

#include "common/text_file.h"

#include <QTemporaryDir>
#include <QTest>

using config::CombinationSettings;

namespace
{

const QString kCentred = QStringLiteral("По центру");
const QString kFree = QStringLiteral("Произвольно");

// Lines 36-45 as a file holds them.
QStringList later(const QString &word, const QString &x, const QString &y, const QString &w,
                  const QString &h, const QString &series, const QString &parts)
{
    return {"label", word, x, y, w, h, "label", series, "label", parts};
}

// A language file of 102 lines, an empty help block, and these later lines.
QStringList languageLines(const QStringList &laterLines)
{
    QStringList lines;
    for (int line = 1; line <= 102; ++line)
        lines << QStringLiteral("L%1").arg(line);
    return lines + QStringList{"0", "Caption", "0"} + laterLines;
}

} // namespace

Q_DECLARE_METATYPE(CombinationSettings)

class CombinationLinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsRead_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<CombinationSettings>("expected");
        const CombinationSettings defaults;
        CombinationSettings placed;
        placed.centring = kFree;
        placed.position = config::TwipsPosition{1500, 900.5f};
        placed.size = config::TwipsSize{12000, 7000};
        placed.series = QStringLiteral("E96");
        placed.parts = 2;
        QTest::newRow("a file from before the window: defaults") << QStringList() << defaults;
        QTest::newRow("every line")
            << later(kFree, "1500", "900.5", "12000", "7000", "E96", "2") << placed;
        CombinationSettings centred = placed;
        centred.centring = kCentred;
        centred.position.reset();
        QTest::newRow("centred: the position is not read")
            << later(kCentred, "1500", "900.5", "12000", "7000", "E96", "2") << centred;
        CombinationSettings cut = defaults;
        cut.centring = kFree;
        cut.position = config::TwipsPosition{1500, 900};
        QTest::newRow("a file that ends after the position")
            << QStringList{"label", kFree, "1500", "900"} << cut;
        CombinationSettings unusable = defaults;
        unusable.centring = kFree;
        QTest::newRow("lines the window cannot use give their defaults")
            << later(kFree, "x", "900", "0", "7000", "E7", "5") << unusable;
        CombinationSettings lower = placed;
        lower.series = QStringLiteral("E192");
        lower.parts = 1;
        QTest::newRow("series in small letters")
            << later(kFree, "1500", "900.5", "12000", "7000", " e192 ", "1") << lower;
        CombinationSettings fraction = placed;
        fraction.parts = 3;
        QTest::newRow("a part count that is no whole number")
            << later(kFree, "1500", "900.5", "12000", "7000", "E96", "2.5") << fraction;
    }

    void settingsRead()
    {
        QFETCH(QStringList, lines);
        QFETCH(CombinationSettings, expected);
        QCOMPARE(config::readCombinationSettings(lines, kCentred), expected);
    }

    void settingsWrittenAndReadBack()
    {
        CombinationSettings s;
        s.centring = QStringLiteral("something else"); // any word but the centred one: free
        s.position = config::TwipsPosition{-300, 45.5f};
        s.size = config::TwipsSize{9000, 6000.5f};
        s.series = QStringLiteral("E12");
        s.parts = 4;
        const QStringList lines = config::combinationSettingsLines(s, kCentred, kFree);
        QCOMPARE(lines.size(), config::kCombinationSettingsLineCount);
        QCOMPARE(lines[config::kCombinationPlacementLine - config::kCombinationSettingsFirstLine],
                 kFree);
        // Through the file, as the main window's load reads it after the 35 lines.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Settings.dat"));
        QStringList file;
        for (int line = 1; line <= 35; ++line)
            file << QStringLiteral("%1").arg(line);
        common::writeTextLines(path, file + lines);
        const config::SettingsFile read = config::readSettingsFile(path);
        QCOMPARE(read.lines.size(), 35);
        CombinationSettings expected = s;
        expected.centring = kFree;
        QCOMPARE(config::readCombinationSettings(read.laterLines, kCentred), expected);
    }

    // A language file without the window's lines gets the built-in texts of its language.
    void texts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("laterLines");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("copied");
        QStringList whole;
        for (int line = 0; line < config::FirstCombinationLine + config::combinationLineCount();
             ++line)
            whole << QStringLiteral("T%1").arg(line);
        const int copied = config::FirstCombinationLine + 43; // five marks
        whole[copied] = QStringLiteral("%5%4%3%2%1");
        QTest::newRow("from the file") << "English" << whole << "T19" << "%5%4%3%2%1";
        QStringList unmarked = whole;
        unmarked[copied] = QStringLiteral("%1 %2 %3 %4");
        QTest::newRow("a line without one of its marks")
            << "English" << unmarked << "T19" << "%1 = %2 (error %3; %4 to %5)";
        QTest::newRow("none: Russian") << "Русский" << QStringList{"copy"} << "Комбинации"
                                       << "%1 = %2 (погрешность %3; от %4 до %5)";
        QTest::newRow("none: English") << "English" << whole.mid(0, config::FirstCombinationLine)
                                       << "Combinations" << "%1 = %2 (error %3; %4 to %5)";
        QTest::newRow("none: another language") << "Deutsch" << QStringList()
                                                << "Комбинации / Combinations"
                                                << "%1 = %2 (погрешность %3; от %4 до %5) / "
                                                   "%1 = %2 (error %3; %4 to %5)";
    }

    void texts()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, laterLines);
        QFETCH(QString, caption);
        QFETCH(QString, copied);
        const config::CombinationTexts texts =
            config::combinationTexts(languageLines(laterLines), language);
        QCOMPARE(texts.windowCaption, caption);
        QCOMPARE(texts.copiedValue, copied);
    }
};

QTEST_GUILESS_MAIN(CombinationLinesTest)
#include "combination_lines_test.moc"
