#include "splash_about/about_text.h"

#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/language_file.h"
#include "support/failures.h"
#include "support/test_folder.h"

#include <QTest>

using splash_about::aboutLines;
using splash_about::nextAboutTextTop;
using testing_support::failureOf;
using testing_support::namesLine;

namespace
{

// A language file: lines 1-102 numbered, the count line, then the given lines.
QStringList languageFile(const QString &count, const QStringList &after)
{
    QStringList lines;
    for (int line = 1; line <= 102; ++line)
        lines << QStringLiteral("L%1").arg(line);
    return lines << count << after;
}

const QStringList kAbout = {QStringLiteral("Bandolin"), QString(), QStringLiteral("  indented "),
                            QStringLiteral("last")};
const QStringList kHelp = {QStringLiteral("Help caption"), QStringLiteral("1"),
                           QStringLiteral("Topic"), QStringLiteral("0")};

} // namespace

class AboutTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("expected");

        const QStringList all = kAbout + kHelp;
        QTest::newRow("count of the about lines") << "4" << all << kAbout;
        QTest::newRow("lines are taken unchanged, blank ones too")
            << "3" << all << kAbout.mid(0, 3);
        QTest::newRow("leading-number rule") << "  4 lines" << all << kAbout;
        QTest::newRow("fraction: counter must not exceed it") << "2.9" << all << kAbout.mid(0, 2);
        QTest::newRow("zero") << "0" << all << QStringList();
        QTest::newRow("no number") << "about" << all << QStringList();
        QTest::newRow("blank line") << "" << all << QStringList();
        QTest::newRow("negative") << "-3" << all << QStringList();
        QTest::newRow("count reaching into the help block") << "6" << all << all.mid(0, 6);
        QTest::newRow("count beyond the end takes what there is") << "9" << all << all;
        QTest::newRow("huge count") << "1E300" << all << all;
        QTest::newRow("file ends at the count line") << "5" << QStringList() << QStringList();
    }

    void lines()
    {
        QFETCH(QString, count);
        QFETCH(QStringList, after);
        QTEST(aboutLines(QStringLiteral("x.lng"), languageFile(count, after)), "expected");
    }

    void failures()
    {
        const QString shortFile = failureOf(
            [] { aboutLines(QStringLiteral("x.lng"), languageFile("", {}).mid(0, 102)); });
        QVERIFY(shortFile.contains(QStringLiteral("x.lng")));
        QVERIFY2(namesLine(shortFile, 103), qPrintable(shortFile));

        const QString outOfRange =
            failureOf([] { aboutLines(QStringLiteral("x.lng"), languageFile("1E999", kAbout)); });
        QVERIFY2(namesLine(outOfRange, 103), qPrintable(outOfRange));

        const QString missing = failureOf(
            [] { splash_about::readAboutLines(QStringLiteral("/nonexistent/None.lng")); });
        QVERIFY(missing.contains(QStringLiteral("None.lng")));
    }

    // The delivered languages: the lines their count declares, in Cyrillic too.
    void deliveredLanguages()
    {
        testing_support::TestFolder folder;
        for (const char *name : {"Русский", "English"}) {
            const QString path = config::languageFilePath(QString::fromUtf8(name));
            const QStringList lines = splash_about::readAboutLines(path);
            QVERIFY2(lines.size() > 5, name);
            const QStringList file = common::readTextLines(path);
            QCOMPARE(lines, file.mid(103, file.at(102).toInt()));
        }
    }

    void caption()
    {
        QCOMPARE(splash_about::aboutCaption({}), QString());
        QCOMPARE(splash_about::aboutCaption(kAbout),
                 QStringLiteral("Bandolin\n\n  indented \nlast\n"));
    }

    void scrollStep_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("expected");
        QTest::newRow("from the load") << 2400 << 600 << 2380;
        QTest::newRow("partly above the viewport") << -500 << 600 << -520;
        QTest::newRow("lower edge exactly at the top still moves on") << -600 << 600 << -620;
        QTest::newRow("gone completely: again from below") << -601 << 600 << 2480;
        QTest::newRow("empty text") << -1 << 0 << 2480;
    }

    void scrollStep()
    {
        QFETCH(int, top);
        QFETCH(int, height);
        QTEST(nextAboutTextTop(top, height), "expected");
    }

    // A text taller than the viewport runs through completely before it comes in again, and
    // then the loop repeats alike.
    void endlessLoop()
    {
        const int height = 4000;
        int top = splash_about::kAboutTextTop;
        QList<int> restarts;
        int lowest = top;
        for (int tick = 1; tick <= 1000; ++tick) {
            const int before = top;
            top = nextAboutTextTop(top, height);
            if (top > before) {
                QVERIFY2(before + height < 0, "restarted before the text had passed");
                QCOMPARE(top, 2480);
                restarts << tick;
            }
            QVERIFY(top - before == -20 || top > before);
            lowest = std::min(lowest, top + height);
        }
        QVERIFY(lowest < 0);
        QVERIFY(restarts.size() >= 2);
        // From the load: (2400 + 4000) / 20 = 320 steps to reach 0, one more to be below it.
        QCOMPARE(restarts[0], 322);
        QCOMPARE(restarts[1] - restarts[0], (2500 + 4000) / 20 + 1);
    }
};

QTEST_GUILESS_MAIN(AboutTextTest)
#include "about_text_test.moc"
