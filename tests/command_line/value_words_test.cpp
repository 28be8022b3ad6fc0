// Values and tolerances typed for encode, and the bands they get with the delivered table.

#include "colour_code/colour_tables.h"
#include "colour_code/value_words.h"
#include "command_line/value_encoding.h"
#include "support/test_folder.h"

#include <QTest>

using namespace colour_code;
using namespace command_line;
using Problem = ResistanceWord::Problem;
using Colours = QList<int>;

class ValueWordsTest : public QObject
{
    Q_OBJECT

    colour_code::ColourTables tables;

private Q_SLOTS:
    void initTestCase()
    {
        colour_code::LoadResTable(
            testing_support::builtProgramFolder() + QStringLiteral("/Data/ResTable.tab"), tables);
    }

    void resistance_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<double>("ohms");
        QTest::newRow("4700") << "4700" << Problem::None << 4700.0;
        QTest::newRow("4.7k") << "4.7k" << Problem::None << 4700.0;
        QTest::newRow("4k7") << "4k7" << Problem::None << 4700.0;
        QTest::newRow("4R7") << "4R7" << Problem::None << 4.7;
        QTest::newRow("0R47") << "0R47" << Problem::None << 0.47;
        QTest::newRow("R47") << "R47" << Problem::None << 0.47;
        QTest::newRow("47R") << "47R" << Problem::None << 47.0;
        QTest::newRow("1M") << "1M" << Problem::None << 1e6;
        QTest::newRow("2.2M") << "2.2M" << Problem::None << 2.2e6;
        QTest::newRow("1G") << "1G" << Problem::None << 1e9;
        QTest::newRow("4.7 kOhm") << "4.7 kOhm" << Problem::None << 4700.0;
        QTest::newRow("4,7 кОм") << "4,7 кОм" << Problem::None << 4700.0;
        QTest::newRow("2,2 МОм") << "2,2 МОм" << Problem::None << 2.2e6;
        QTest::newRow("unknown letter") << "4.7x" << Problem::NotAValue << 0.0;
        QTest::newRow("letter alone") << "k" << Problem::NotAValue << 0.0;
        QTest::newRow("two letters") << "4k7k" << Problem::NotAValue << 0.0;
        QTest::newRow("point and letter code") << "4.7k7" << Problem::NotAValue << 0.0;
        QTest::newRow("two points") << "1.2.3" << Problem::NotAValue << 0.0;
        QTest::newRow("milli or mega") << "2.2m" << Problem::LowerCaseM << 0.0;
        QTest::newRow("comma before three digits") << "4,700" << Problem::AmbiguousComma << 0.0;
    }
    void resistance()
    {
        QFETCH(QString, text);
        QFETCH(Problem, problem);
        QFETCH(double, ohms);
        const ResistanceWord read = parseResistance(text);
        QCOMPARE(read.problem, problem);
        if (problem == Problem::None)
            QCOMPARE(read.ohms, ohms);
    }

    // --tolerance as typed (null: not given) and --bands (0: not given).
    void bandChoice_data()
    {
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<int>("bands");
        QTest::addColumn<int>("count"); // chosen; -1 refused
        QTest::addColumn<QString>("item");
        QTest::newRow("nothing given") << QString() << 0 << 4 << "5%";
        QTest::newRow("1% gives five") << "1%" << 0 << 5 << "1%";
        QTest::newRow("2% gives five") << "2%" << 0 << 5 << "2%";
        QTest::newRow("+/- 1%") << "+/-1%" << 0 << 5 << "1%";
        QTest::newRow("10 stays four") << "10" << 0 << 4 << "10%";
        QTest::newRow("20% gives three") << "20%" << 0 << 3 << "";
        QTest::newRow("five bands alone") << QString() << 5 << 5 << "1%";
        QTest::newRow("three bands alone") << QString() << 3 << 3 << "";
        QTest::newRow("±0.5 % on four") << "±0.5 %" << 4 << 4 << "0.5%";
        QTest::newRow("decimal comma") << "0,25%" << 0 << 5 << "0.25%";
        QTest::newRow("six bands alone") << QString() << 6 << 6 << "1%";
        QTest::newRow("seven bands") << QString() << 7 << -1 << "";
        QTest::newRow("20% on six") << "20%" << 6 << -1 << "";
        QTest::newRow("3% is no band") << "3%" << 0 << -1 << "";
        QTest::newRow("a word") << "five" << 0 << -1 << "";
        QTest::newRow("two signs") << "1%%" << 0 << -1 << "";
        QTest::newRow("5% on three") << "5%" << 3 << -1 << "";
        QTest::newRow("20% on four") << "20%" << 4 << -1 << "";
    }
    void bandChoice()
    {
        QFETCH(QString, tolerance);
        QFETCH(int, bands);
        QFETCH(int, count);
        QFETCH(QString, item);
        const auto choice =
            chooseBands(tolerance.isNull() ? std::nullopt
                                           : std::optional(parseTolerance(tolerance).value_or(-1)),
                        bands ? std::optional(bands) : std::nullopt);
        const auto *chosen = std::get_if<BandChoice>(&choice);
        QCOMPARE(chosen ? chosen->bandCount : -1, count);
        if (chosen)
            QCOMPARE(chosen->toleranceItem, item);
    }

    void encodeValue_data()
    {
        using P = ValueEncoding::Problem;
        QTest::addColumn<double>("ohms");
        QTest::addColumn<int>("bands");
        QTest::addColumn<QString>("item");
        QTest::addColumn<P>("problem");
        QTest::addColumn<Colours>("colours"); // in band order; or the limit
        QTest::newRow("4k7 1%") << 4700.0 << 5 << "1%" << P::None << Colours{6, 9, 2, 3, 3};
        QTest::newRow("0R47 four bands") << 0.47 << 4 << "5%" << P::None << Colours{6, 9, 0, 1};
        QTest::newRow("0.1, the smallest of four")
            << 0.1 << 4 << "5%" << P::None << Colours{3, 2, 0, 1};
        QTest::newRow("47 three bands") << 47.0 << 3 << "" << P::None << Colours{6, 9, 2};
        QTest::newRow("1G") << 1e9 << 4 << "5%" << P::None << Colours{3, 2, 10, 1};
        QTest::newRow("2.2M 0.5%") << 2.2e6 << 5 << "0.5%" << P::None << Colours{4, 4, 2, 6, 7};
        QTest::newRow("999G, the largest of five")
            << 999e9 << 5 << "1%" << P::None << Colours{11, 11, 11, 11, 3};
        QTest::newRow("0R47 refused for five") << 0.47 << 5 << "1%" << P::BelowRange << Colours{1};
        QTest::newRow("100G above four") << 100e9 << 4 << "5%" << P::AboveRange << Colours{};
        QTest::newRow("475 has three digits")
            << 475.0 << 4 << "5%" << P::TooManyDigits << Colours{2};
        QTest::newRow("4751 has four") << 4751.0 << 5 << "1%" << P::TooManyDigits << Colours{3};
        QTest::newRow("0") << 0.0 << 4 << "5%" << P::NotAboveZero << Colours{};
    }
    void encodeValue()
    {
        using P = ValueEncoding::Problem;
        QFETCH(double, ohms);
        QFETCH(int, bands);
        QFETCH(QString, item);
        QFETCH(P, problem);
        QFETCH(Colours, colours);
        const ValueEncoding encoded = EncodeValue(ohms, {bands, item, QString()}, tables);
        QCOMPARE(encoded.problem, problem);
        if (problem == P::None) {
            Colours got;
            for (const int position : colour_code::BandPositionsUsed(bands))
                got << encoded.codes[std::size_t(position)];
            QCOMPARE(got, colours);
        } else if (!colours.isEmpty()) {
            QCOMPARE(encoded.limit, double(colours.first()));
        }
    }
};

QTEST_GUILESS_MAIN(ValueWordsTest)
#include "value_words_test.moc"
