// The marking code, ExtractMarkCode and the marking file name.

#include "marking_files/mark_code.h"

#include "support/test_folder.h"

#include <QFile>
#include <QTest>

using namespace marking_files;
using colour_code::BandCodeArray;

Q_DECLARE_METATYPE(BandCodeArray)

namespace
{

const colour_code::ColourTables &deliveredTables()
{
    static const colour_code::ColourTables tables = [] {
        colour_code::ColourTables t;
        colour_code::LoadResTable(
            testing_support::sourceFolder() + QStringLiteral("/data/Data/ResTable.tab"), t);
        return t;
    }();
    return tables;
}

const QString kResultLine = QStringLiteral("Номинал: 4.7 кОм Допуск: 1%");

} // namespace

class MarkCodeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeRoundTrip_data()
    {
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<BandCodeArray>("codes");
        QTest::addColumn<QString>("code");
        QTest::newRow("digits only") << 4 << BandCodeArray{3, 2, 4, 1, 0} << "432410";
        QTest::newRow("grey is A") << 5 << BandCodeArray{10, 2, 4, 1, 0} << "5A2410";
        QTest::newRow("white is B") << 3 << BandCodeArray{3, 2, 0, 11, 9} << "3320B9";
        QTest::newRow("grey and white side by side")
            << 4 << BandCodeArray{10, 11, 0, 11, 10} << "4AB0BA";
        QTest::newRow("nothing stored yet") << 0 << BandCodeArray{} << "000000";
        QTest::newRow("six bands: seven characters") << 6 << BandCodeArray{3, 2, 2, 4, 3, 4} << "6322434";
        QTest::newRow("six bands, grey TCR") << 6 << BandCodeArray{6, 9, 2, 3, 3, 10} << "669233A";
    }

    void codeRoundTrip()
    {
        QFETCH(int, bandCount);
        QFETCH(BandCodeArray, codes);
        QFETCH(QString, code);
        QCOMPARE(markCode({bandCount, codes}), code);
        QCOMPARE(parseMarkCode(code), std::optional(Marking{bandCount, codes}));
        // Fewer bands never write the TCR position: every older code keeps its six characters.
        if (bandCount != 6) {
            BandCodeArray withTcr = codes;
            withTcr[colour_code::TcrBand] = 11;
            QCOMPARE(markCode({bandCount, withTcr}), code);
        }
    }

    void codeRejected_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << "";
        QTest::newRow("five characters") << "43241";
        QTest::newRow("seven characters") << "4324100";
        QTest::newRow("six bands in six characters") << "632243";
        QTest::newRow("six bands in eight characters") << "63224340";
        QTest::newRow("letter after B") << "4C2410";
        QTest::newRow("lower-case a") << "4a2410";
        QTest::newRow("band count a letter") << "A32410";
        QTest::newRow("blank inside") << "432 10";
        QTest::newRow("blank before") << " 43241";
        QTest::newRow("dot of a short name") << "74034.";
        QTest::newRow("arabic-indic digit") << QStringLiteral("4\u0663") + "2410";
    }

    void codeRejected()
    {
        QFETCH(QString, code);
        QVERIFY(!parseMarkCode(code));
    }

    void validMarking_data()
    {
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<BandCodeArray>("codes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("three bands") << 3 << BandCodeArray{6, 11, 0, 4, 0} << true;
        QTest::newRow("four bands, gold tolerance") << 4 << BandCodeArray{6, 9, 0, 4, 1} << true;
        QTest::newRow("five bands, grey tolerance") << 5 << BandCodeArray{6, 9, 11, 1, 10} << true;
        QTest::newRow("white in every digit") << 5 << BandCodeArray{11, 11, 11, 2, 3} << true;
        QTest::newRow("band count 0") << 0 << BandCodeArray{3, 2, 0, 4, 1} << false;
        QTest::newRow("band count 2") << 2 << BandCodeArray{3, 2, 0, 4, 1} << false;
        QTest::newRow("six bands") << 6 << BandCodeArray{3, 2, 2, 4, 3, 4} << true;
        QTest::newRow("six bands, silver has no TCR") << 6 << BandCodeArray{3, 2, 0, 4, 1} << false;
        QTest::newRow("six bands, white has no TCR") << 6 << BandCodeArray{3, 2, 2, 4, 3, 11} << false;
        QTest::newRow("band count 7") << 7 << BandCodeArray{3, 2, 2, 4, 3, 4} << false;
        QTest::newRow("black first digit") << 4 << BandCodeArray{2, 2, 0, 4, 1} << false;
        QTest::newRow("silver second digit") << 4 << BandCodeArray{3, 0, 0, 4, 1} << false;
        QTest::newRow("gold third digit") << 5 << BandCodeArray{3, 2, 1, 4, 1} << false;
        QTest::newRow("black third digit, 4.7 kOhm 1 %") << 5 << BandCodeArray{6, 9, 2, 3, 3} << true;
        QTest::newRow("gold first digit") << 3 << BandCodeArray{1, 2, 0, 4, 0} << false;
        QTest::newRow("white tolerance") << 4 << BandCodeArray{3, 2, 0, 4, 11} << false;
        QTest::newRow("orange tolerance") << 5 << BandCodeArray{3, 2, 0, 4, 5} << false;
        // Three bands use neither the third digit nor the tolerance band.
        QTest::newRow("three bands ignore 2 and 4") << 3 << BandCodeArray{3, 2, 0, 4, 11} << true;
        QTest::newRow("four bands ignore 2") << 4 << BandCodeArray{3, 2, 1, 4, 1} << true;
        QTest::newRow("no colour in an unused position")
            << 3 << BandCodeArray{3, 2, 12, 4, 0} << false;
    }

    void validMarking()
    {
        QFETCH(int, bandCount);
        QFETCH(BandCodeArray, codes);
        QFETCH(bool, valid);
        QCOMPARE(isValidMarking({bandCount, codes}, deliveredTables()), valid);
    }

    void extractMarkCode_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("code");
        QTest::newRow("backslash folders, any text after the blank")
            << "C:\\x\\BNDX77403421 Номинал.bmp"
            << "403421";
        QTest::newRow("slash folders") << "/home/user/BNDX77432041 " + kResultLine + ".bmp"
                                       << "432041";
        QTest::newRow("no folder") << "BNDX77532419.bmp"
                                   << "532419";
        QTest::newRow("grey and white") << "/tmp/BNDX774AB0BA x.bmp"
                                        << "4AB0BA";
        QTest::newRow("dots of the result line before the extension")
            << "/tmp/BNDX77469043 Номинал: 4.7 кОм Допуск: 0.05%.bmp"
            << "469043";
        QTest::newRow("no extension, a dot in the result line")
            << "/tmp/BNDX77469043 Номинал: 4.7 кОм"
            << "469043";
        QTest::newRow("short name keeps its dot") << "C:\\x\\BNDX774034.bmp"
                                                  << "74034.";
        QTest::newRow("prefix in lower case") << "C:\\x\\bndx77403421 Номинал.bmp"
                                              << "NoMarkFile";
        QTest::newRow("prefix with another digit") << "/tmp/BNDX78403421.bmp"
                                                   << "NoMarkFile";
        QTest::newRow("dot in the folder, none in the name") << "C:\\x.y\\BNDX77403421 Номинал"
                                                             << "NoMarkFile";
        QTest::newRow("dot in the folder, name with extension")
            << "/home/a.b/BNDX77403421 Номинал.bmp"
            << "403421";
        QTest::newRow("prefix in the folder only") << "/BNDX77403421/picture.bmp"
                                                   << "NoMarkFile";
        QTest::newRow("empty path") << ""
                                    << "NoMarkFile";
        QTest::newRow("folder without a file name") << "/home/user/"
                                                    << "NoMarkFile";
        QTest::newRow("six bands: seven characters after the prefix")
            << "C:\\x\\BNDX776322434 Номинал.bmp" << "6322434";
        QTest::newRow("prefix and nothing else") << "/tmp/BNDX77"
                                                 << "BNDX77";
    }

    void extractMarkCode()
    {
        QFETCH(QString, path);
        QFETCH(QString, code);
        QCOMPARE(ExtractMarkCode(path), code);
    }

    void markingOfFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("marking");
        QTest::newRow("four bands") << "/tmp/BNDX77469043 x.bmp" << true;
        QTest::newRow("white digits, grey tolerance") << "/tmp/BNDX775BBB3A.bmp" << true;
        QTest::newRow("not a marking name") << "/tmp/resistor.bmp" << false;
        QTest::newRow("short name") << "/tmp/BNDX774034.bmp" << false;
        QTest::newRow("six bands") << "/tmp/BNDX776322434 x.bmp" << true;
        QTest::newRow("band count 6 in six characters") << "/tmp/BNDX77669043.bmp" << false;
        QTest::newRow("band count 2") << "/tmp/BNDX77269043.bmp" << false;
        QTest::newRow("no colour code") << "/tmp/BNDX7746C043.bmp" << false;
        QTest::newRow("black first digit") << "/tmp/BNDX77429043.bmp" << false;
        QTest::newRow("white tolerance") << "/tmp/BNDX7746904B.bmp" << false;
    }

    void markingOfFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, marking);
        const std::optional<Marking> found = marking_files::markingOfFile(path, deliveredTables());
        QCOMPARE(bool(found), marking);
        if (found)
            QCOMPARE(markCode(*found), ExtractMarkCode(path));
    }

    void fileName_data()
    {
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<BandCodeArray>("codes");
        QTest::addColumn<QString>("resultLine");
        QTest::addColumn<QString>("name");
        QTest::newRow("four bands") << 4 << BandCodeArray{3, 2, 0, 4, 1} << kResultLine
                                    << "BNDX77432041 " + kResultLine + ".bmp";
        QTest::newRow("grey and white one character each")
            << 5 << BandCodeArray{11, 10, 11, 3, 10} << "R"
            << "BNDX775BAB3A R.bmp";
        QTest::newRow("six bands") << 6 << BandCodeArray{3, 2, 2, 4, 3, 4} << "R"
                                   << "BNDX776322434 R.bmp";
        QTest::newRow("slash becomes underscore") << 4 << BandCodeArray{3, 2, 0, 4, 1} << "1/2 Ом"
                                                  << "BNDX77432041 1_2 Ом.bmp";
        QTest::newRow("climbing out of the folder")
            << 4 << BandCodeArray{3, 2, 0, 4, 1} << "/../../etc/x"
            << "BNDX77432041 _.._.._etc_x.bmp";
        QTest::newRow("backslash becomes underscore") << 4 << BandCodeArray{3, 2, 0, 4, 1} << "a\\b"
                                                      << "BNDX77432041 a_b.bmp";
        QTest::newRow("line breaks and NUL")
            << 4 << BandCodeArray{3, 2, 0, 4, 1} << QStringLiteral("a\r\nb\tc") + QChar(0)
            << "BNDX77432041 a__b_c_.bmp";
        QTest::newRow("other characters stay")
            << 4 << BandCodeArray{3, 2, 0, 4, 1} << "±0.5%: <x> *?|\""
            << "BNDX77432041 ±0.5%: <x> *?|\".bmp";
        QTest::newRow("empty result line") << 3 << BandCodeArray{3, 2, 0, 4, 0} << ""
                                           << "BNDX77332040 .bmp";
    }

    void fileName()
    {
        QFETCH(int, bandCount);
        QFETCH(BandCodeArray, codes);
        QFETCH(QString, resultLine);
        QFETCH(QString, name);
        const QString made = markingFileName({bandCount, codes}, resultLine);
        QCOMPARE(made, name);
        // Whatever the result line holds, the name reads back as the same code.
        QCOMPARE(ExtractMarkCode(QStringLiteral("/some.folder/") + made),
                 markCode({bandCount, codes}));
    }

    void longResultLineIsShortened()
    {
        const Marking m{5, {3, 2, 0, 4, 10}};
        // Cyrillic letters take two bytes, the last character four (two UTF-16 units).
        const QString resultLine = QString(300, QChar(0x0416)) + QStringLiteral("\U0001F600");
        const QString name = markingFileName(m, resultLine);
        QVERIFY(QFile::encodeName(name).size() <= 255);
        QVERIFY(QFile::encodeName(name).size() >= 250);
        QVERIFY(name.startsWith(QStringLiteral("BNDX7753204A ЖЖЖ")));
        QVERIFY(name.endsWith(QStringLiteral("Ж.bmp")));
        QCOMPARE(ExtractMarkCode(name), QStringLiteral("53204A"));

        // 13 + 230 + 4 bytes leave room for two four-byte characters; the third goes whole.
        const QString emoji = QStringLiteral("\U0001F600");
        const QString emojiName =
            markingFileName(m, QString(115, QChar(0x0416)) + emoji + emoji + emoji);
        QCOMPARE(emojiName, QStringLiteral("BNDX7753204A ") + QString(115, QChar(0x0416)) + emoji +
                                emoji + QStringLiteral(".bmp"));
    }

    void bitmapExtension_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        QTest::newRow("extension kept") << "/tmp/a.bmp"
                                        << "/tmp/a.bmp";
        QTest::newRow("upper-case extension kept") << "/tmp/a.BMP"
                                                   << "/tmp/a.BMP";
        QTest::newRow("another extension kept") << "/tmp/a.png"
                                                << "/tmp/a.png";
        QTest::newRow("no extension") << "/tmp/a"
                                      << "/tmp/a.bmp";
        QTest::newRow("dot only in the folder") << "/tmp/x.d/a"
                                                << "/tmp/x.d/a.bmp";
        QTest::newRow("result line ending in a unit") << "/tmp/BNDX77469043 Номинал: 4.7 кОм"
                                                      << "/tmp/BNDX77469043 Номинал: 4.7 кОм.bmp";
        QTest::newRow("result line ending in a tolerance") << "/tmp/BNDX77469043 Допуск: 0.05%"
                                                           << "/tmp/BNDX77469043 Допуск: 0.05%.bmp";
        QTest::newRow("digits after the dot") << "/tmp/x 4.7"
                                              << "/tmp/x 4.7.bmp";
        QTest::newRow("trailing dot") << "/tmp/a."
                                      << "/tmp/a..bmp";
        QTest::newRow("hidden file name") << "/tmp/.bmp"
                                          << "/tmp/.bmp.bmp";
    }

    void bitmapExtension()
    {
        QFETCH(QString, path);
        QFETCH(QString, written);
        QCOMPARE(withBitmapExtension(path), written);
    }
};

QTEST_GUILESS_MAIN(MarkCodeTest)
#include "mark_code_test.moc"
