#include "config/skin_file.h"

#include "common/failure.h"
#include "common/text_file.h"
#include "support/failures.h"
#include "support/test_folder.h"
#include "synthetic_skin.h"

#include <QTemporaryDir>
#include <QTest>

class SkinFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    SkinFile m_synthetic;

    QString writeSkin(const QStringList &lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("Test.she"));
        common::writeTextLines(path, lines);
        return path;
    }

    // The synthetic skin with one line replaced.
    QString skinWith(int line, const QString &text)
    {
        QStringList lines = syntheticSkin();
        lines[line - 1] = text;
        return writeSkin(lines);
    }

private Q_SLOTS:
    void initTestCase() { m_synthetic = config::readSkinFile(writeSkin(syntheticSkin())); }

    void numericFieldComesFromItsLine_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<Check> checks = numericChecks();
        for (std::size_t i = 0; i < checks.size(); ++i)
            QTest::newRow(qPrintable(checks[i].name)) << int(i);
    }

    void numericFieldComesFromItsLine()
    {
        QFETCH(int, index);
        const Check check = numericChecks().at(std::size_t(index));
        QCOMPARE(check.value(m_synthetic), check.expected);
    }

    void textFieldComesFromItsLine_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<TextCheck> checks = textChecks();
        for (std::size_t i = 0; i < checks.size(); ++i)
            QTest::newRow(qPrintable(checks[i].name)) << int(i);
    }

    void textFieldComesFromItsLine()
    {
        QFETCH(int, index);
        const TextCheck check = textChecks().at(std::size_t(index));
        QCOMPARE(check.value(m_synthetic), check.expected);
    }

    void sectionReadersAgreeWithTheWholeFile()
    {
        const QString path = writeSkin(syntheticSkin());
        QVERIFY(config::readMainWindowSkin(path) == m_synthetic.main);
        QVERIFY(config::readLinkoraSkin(path) == m_synthetic.linkora);
        QVERIFY(config::readVoltamoSkin(path) == m_synthetic.voltamo);
    }

    void emptyToolSectionsStillServeTheMainWindow()
    {
        QStringList lines = syntheticSkin();
        for (int line = 288; line <= 429; ++line)
            lines[line - 1].clear();
        const QString path = writeSkin(lines);
        QVERIFY(config::readMainWindowSkin(path) == m_synthetic.main);
        // The tool windows' own readers do need their bold flags.
        QVERIFY(namesLine(failureOf([&] { config::readLinkoraSkin(path); }), 297));
        QVERIFY(namesLine(failureOf([&] { config::readVoltamoSkin(path); }), 376));
    }

    void toolSectionsNeedTheFileOnlyUpToTheirLastLine_data()
    {
        QTest::addColumn<int>("section"); // 0 Linkora, 1 Voltamo
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("failingLine"); // 0: none
        QTest::newRow("Linkora ends at 365") << 0 << 365 << 0;
        QTest::newRow("Linkora ends at 364") << 0 << 364 << 365;
        QTest::newRow("Linkora ends at 200") << 0 << 200 << 201;
        QTest::newRow("Voltamo ends at 428") << 1 << 428 << 0;
        QTest::newRow("Voltamo ends at 427") << 1 << 427 << 428;
    }

    void toolSectionsNeedTheFileOnlyUpToTheirLastLine()
    {
        QFETCH(int, section);
        QFETCH(int, lineCount);
        QFETCH(int, failingLine);
        const QString path = writeSkin(syntheticSkin().mid(0, lineCount));
        const QString message = failureOf([&] {
            if (section == 0)
                QVERIFY(config::readLinkoraSkin(path) == m_synthetic.linkora);
            else
                QVERIFY(config::readVoltamoSkin(path) == m_synthetic.voltamo);
        });
        if (failingLine == 0)
            QVERIFY2(message.isEmpty(), qPrintable(message));
        else
            QVERIFY2(namesLine(message, failingLine) && message.contains(path),
                     qPrintable(message));
    }

    void shortMainWindowSkinFails_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("failingLine");
        QTest::newRow("ends inside the main section") << 68 << 69;
        QTest::newRow("ends before the tool sections") << 287 << 288;
        QTest::newRow("ends inside the required files") << 440 << 441;
        QTest::newRow("no figure count") << 464 << 465;
        QTest::newRow("second figure missing") << 470 << 471;
        QTest::newRow("colour of the second figure missing") << 474 << 475;
    }

    void shortMainWindowSkinFails()
    {
        QFETCH(int, lineCount);
        QFETCH(int, failingLine);
        const QString path = writeSkin(syntheticSkin().mid(0, lineCount));
        const QString message = failureOf([&] { config::readMainWindowSkin(path); });
        QVERIFY2(namesLine(message, failingLine) && message.contains(path), qPrintable(message));
    }

    void figureCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("figures");
        QTest::newRow("none") << "0" << 0;
        QTest::newRow("negative draws none") << "-3" << 0;
        QTest::newRow("no number") << "none" << 0;
        QTest::newRow("rounded half to even") << "0.5" << 0;
    }

    void figureCount()
    {
        QFETCH(QString, count);
        QFETCH(int, figures);
        QStringList lines = syntheticSkin(0);
        lines[kFigureLine - 1] = count;
        QCOMPARE(int(config::readMainWindowSkin(writeSkin(lines)).rectangles.size()), figures);
    }

    void boldFlag_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: not a flag
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("lower case true") << "true" << 1;
        QTest::newRow("upper case FALSE") << "FALSE" << 0;
        QTest::newRow("blanks around") << " True " << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("zero with fraction") << "0.0" << 0;
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("minus one") << "-1" << 1;
        QTest::newRow("fraction") << "0.5" << 1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("Yes") << "Yes" << -1;
        QTest::newRow("Truex") << "Truex" << -1;
        QTest::newRow("number then text") << "1x" << -1;
    }

    void boldFlag()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<bool> flag = config::boldFlag(text);
        QCOMPARE(flag ? int(*flag) : -1, expected);
    }

    void valueLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fails");
        QTest::newRow("bold flag Yes") << 259 << "Yes" << true;
        QTest::newRow("bold flag empty") << 287 << "" << true;
        QTest::newRow("strict size abc") << 69 << "abc" << true;
        QTest::newRow("strict size 12x") << 69 << "12x" << true;
        QTest::newRow("strict size empty") << 69 << "" << true;
        QTest::newRow("strict size 11") << 69 << "11" << false;
        QTest::newRow("lenient size abc") << 62 << "abc" << false;
        QTest::newRow("16-bit 32767") << 47 << "32767" << false;
        QTest::newRow("16-bit -32768") << 47 << "-32768" << false;
        QTest::newRow("16-bit 32768") << 47 << "32768" << true;
        QTest::newRow("16-bit 32767.5 rounds up") << 30 << "32767.5" << true;
        QTest::newRow("16-bit -32769") << 40 << "-32769" << true;
        QTest::newRow("line width 40000") << 464 << "40000" << true;
        QTest::newRow("colour 2^31") << 3 << "2147483648" << true;
        QTest::newRow("colour 2^31 - 1") << 3 << "2147483647" << false;
        QTest::newRow("float beyond single range") << 71 << "1E+39" << true;
        QTest::newRow("beyond double range") << 71 << "1E+999" << true;
        QTest::newRow("line 8 holds anything") << 8 << "1E+999" << false;
        QTest::newRow("line 58 holds anything") << 58 << "1E+999" << false;
    }

    void valueLines()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(bool, fails);
        const QString path = skinWith(line, text);
        const QString message = failureOf([&] { config::readMainWindowSkin(path); });
        if (fails)
            QVERIFY2(namesLine(message, line) && message.contains(path), qPrintable(message));
        else
            QVERIFY2(message.isEmpty(), qPrintable(message));
    }

    void lenientNumbers_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("16-bit no number") << 28 << "abc" << 0.0;
        QTest::newRow("16-bit half to even down") << 47 << "12.5" << 12.0;
        QTest::newRow("16-bit half to even up") << 47 << "13.5" << 14.0;
        QTest::newRow("float comma ends") << 43 << "120,5" << 120.0;
        QTest::newRow("colour negative") << 3 << "-1" << double(0xFFFFFFFFu);
        QTest::newRow("colour rounded") << 3 << "255.5" << 256.0;
    }

    void lenientNumbers()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(double, expected);
        const config::MainWindowSkin skin = config::readMainWindowSkin(skinWith(line, text));
        double actual = 0;
        if (line == 28)
            actual = skin.picMonitor.left();
        else if (line == 47)
            actual = skin.BandOffsets[0].x();
        else if (line == 43)
            actual = skin.lblMonitor.left;
        else
            actual = skin.WindowColour;
        QCOMPARE(actual, expected);
    }

    void pictureSetCode_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first character") << "AB"
                                         << "A";
        QTest::newRow("blank first") << " 1"
                                     << "";
        QTest::newRow("empty line") << ""
                                    << "";
    }

    void pictureSetCode()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(config::readMainWindowSkin(skinWith(1, line)).PictureSetCode, expected);
    }

    // A skin from before the third-digit black: the entry gets the second-digit black's place
    // and the delivered layout comes out as the skin that places it itself.
    void skinWithoutThirdDigitBlackStillLoads()
    {
        using namespace colour_code;
        const QString delivered =
            testing_support::sourceFolder() + QStringLiteral("/data/Skin/Default.she");
        const config::MainWindowSkin current = config::readMainWindowSkin(delivered);
        QVERIFY(current.thirdDigitBlackPlaced);

        QStringList old = common::readTextLines(delivered);
        old.resize(old.size() - 3 - kReadingHintLines - kSixBandLines);
        for (const PaletteEntry &e : PaletteEntries(ThirdDigitBand).subspan(1)) {
            QString &top = old[111 + 2 * e.lblColor - 1];
            top = QString::number(top.toInt() - 240);
        }
        old[105 - 1] = QString::number(old[105 - 1].toInt() - 240); // picPallete3 height
        config::MainWindowSkin upgraded = config::readMainWindowSkin(writeSkin(old));
        QVERIFY(!upgraded.thirdDigitBlackPlaced);
        upgraded.thirdDigitBlackPlaced = true;
        upgraded.lblHint = current.lblHint;
        upgraded.lblHintBelow = current.lblHintBelow;
        upgraded.lblHintAbove = current.lblHintAbove;
        upgraded.readingHintPlaced = true;
        upgraded.sixBandsPlaced = true; // the delivered places are the derived ones
        QVERIFY(upgraded == current);

        // Old layouts the derived place must fit: the one above (third-digit entries from top
        // 120, 240 apart; the palette 2415 high) with lines changed ("line=value"), or with
        // three blank lines at its end ("blank tail").
        const auto top = [](int lblColor, int value) {
            return QStringLiteral("%1=%2").arg(111 + 2 * lblColor).arg(value);
        };
        QStringList halfRowDown;
        for (const PaletteEntry &e : PaletteEntries(ThirdDigitBand).subspan(1))
            halfRowDown << top(e.lblColor, 240 * e.row);
        struct Case {
            const char *name;
            QStringList edits;
            int entry; // whose top is checked
            float top, height;
        };
        const Case cases[] = {
            {"file ends in blank lines", {"blank tail"}, 48, 120, 2655},
            {"second-digit black and brown abreast", {top(35, 120), "180=1560"}, 26, 360, 2655},
            {"palette starts half a row down", halfRowDown, 26, 360, 2655},
            {"entries above black stay", {top(32, 600)}, 26, 120, 2655},
            {"palette taller than needed", {"105=5000"}, 20, 2280, 5000},
        };
        for (const Case &c : cases) {
            QStringList skin = old;
            for (const QString &edit : c.edits) {
                if (edit == QLatin1String("blank tail"))
                    skin << QString() << QString() << QString();
                else
                    skin[edit.section(u'=', 0, 0).toInt() - 1] = edit.section(u'=', 1);
            }
            const config::MainWindowSkin read = config::readMainWindowSkin(writeSkin(skin));
            QVERIFY2(!read.thirdDigitBlackPlaced &&
                         read.lblColor[std::size_t(c.entry)].top == c.top &&
                         read.picPalleteSizes[2].height == c.height,
                     c.name);
        }
    }

    // The six bands' places follow the reading help's lines. The delivered skins write what a
    // skin without them derives, so the older skin of the same layout comes out the same, its
    // decode button moved down below the sixth band.
    void sixBandsPlacedOrDerived()
    {
        const QString delivered =
            testing_support::sourceFolder() + QStringLiteral("/data/Skin/Default.she");
        const config::MainWindowSkin current = config::readMainWindowSkin(delivered);
        QVERIFY(current.sixBandsPlaced);
        QCOMPARE(current.BandOffsets[5], QPoint(224 * 15, 14 * 15));
        QCOMPARE(current.cmbTcr.left, 788.0f * 15);

        QStringList old = common::readTextLines(delivered);
        old.resize(old.size() - kSixBandLines);
        old[229 - 1] = QString::number(328 * 15); // the decode button where it stood
        config::MainWindowSkin derived = config::readMainWindowSkin(writeSkin(old));
        QVERIFY(!derived.sixBandsPlaced);
        QCOMPARE(derived.Command1.rect.top, 360.0f * 15);
        derived.sixBandsPlaced = true;
        QVERIFY(derived == current);

        // Begun but cut short, the lines are refused like any short skin.
        QStringList cut = common::readTextLines(delivered);
        cut.resize(cut.size() - 10);
        QVERIFY(failureOf([&] { config::readMainWindowSkin(writeSkin(cut)); })
                    .contains(QStringLiteral("line %1").arg(cut.size() + 1)));
    }

    void nothingPictureIsKeptAsWritten()
    {
        const config::MainWindowSkin skin =
            config::readMainWindowSkin(skinWith(4, QStringLiteral("Nothing")));
        QCOMPARE(skin.GlobalPicture, QStringLiteral("Nothing"));
        QVERIFY(config::isNoPicture(skin.GlobalPicture));
        QVERIFY(!config::isNoPicture(QStringLiteral("nothing")));
    }
};

QTEST_GUILESS_MAIN(SkinFileTest)
#include "skin_file_test.moc"
