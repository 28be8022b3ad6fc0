// The E series as published, preferred values and neighbours, and with the delivered colour
// table the other end, look-alikes and the hints of a decoding and of an encoding.

#include "colour_code/reading_help.h"

#include "support/test_folder.h"

#include <QtTest>

using namespace colour_code;
using Codes = QList<int>;
Q_DECLARE_METATYPE(Series)

namespace
{

// A marking of as many bands as codes, given in band order.
BandMarking marking(const Codes &codes)
{
    BandMarking m{int(codes.size()), {}};
    for (int place = 0; place < codes.size(); ++place)
        m.codes[std::size_t(BandPositionsUsed(m.bandCount)[place])] = quint8(codes[place]);
    return m;
}

} // namespace

class ReadingHelpTest : public QObject
{
    Q_OBJECT

    ColourTables m_tables;
    const ColourTables &tables() const { return m_tables; }

private Q_SLOTS:
    void initTestCase()
    {
        LoadResTable(testing_support::sourceFolder() + "/data/Data/ResTable.tab", m_tables);
    }

    void seriesAsPublished_data()
    {
        QTest::addColumn<Series>("series");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("offFormula"); // published where the rounding formula differs
        QTest::newRow("E6") << Series::E6 << 6 << QList<int>{330, 470};
        QTest::newRow("E12") << Series::E12 << 12 << QList<int>{270, 330, 390, 470, 820};
        QTest::newRow("E24") << Series::E24 << 24
                             << QList<int>{270, 300, 330, 360, 390, 430, 470, 820};
        QTest::newRow("E48") << Series::E48 << 48 << QList<int>{};
        QTest::newRow("E96") << Series::E96 << 96 << QList<int>{};
        QTest::newRow("E192") << Series::E192 << 192 << QList<int>{920};
    }

    void seriesAsPublished()
    {
        QFETCH(Series, series);
        QFETCH(int, count);
        QFETCH(QList<int>, offFormula);
        const std::span<const int> values = SeriesValues(series);
        QCOMPARE(int(values.size()), count);
        const int digits = count <= 24 ? 2 : 3;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double formula = std::round(std::pow(10.0, double(i) / count + digits - 1));
            QCOMPARE(values[i] != formula * (digits == 2 ? 10 : 1), offFormula.contains(values[i]));
        }
    }

    // Whether a value is preferred at a tolerance, and its preferred neighbours at it.
    void preferredAtTolerance_data()
    {
        QTest::addColumn<double>("ohms");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<QString>("series"); // empty: not preferred
        QTest::addColumn<double>("below");   // 0: none
        QTest::addColumn<double>("above");
        QTest::newRow("0.1 ohm, 20 %: E6") << 0.1 << 20.0 << "E6" << 0.0 << 0.15;
        QTest::newRow("below 0.1 ohm") << 0.047 << 20.0 << "" << 0.0 << 0.1;
        QTest::newRow("1 ohm, 10 %: E12") << 1.0 << 10.0 << "E12" << 0.82 << 1.2;
        QTest::newRow("9.1 kOhm: 10 kOhm above") << 9100.0 << 5.0 << "E24" << 8200.0 << 1e4;
        QTest::newRow("GOhm decade, 5 %: E24") << 4.7e9 << 5.0 << "E24" << 4.3e9 << 5.1e9;
        QTest::newRow("2 %: E48") << 1050.0 << 2.0 << "E48" << 1000.0 << 1100.0;
        QTest::newRow("2 %: E24 too") << 1300.0 << 2.0 << "E24" << 1270.0 << 1330.0;
        QTest::newRow("1 %: E96") << 1020.0 << 1.0 << "E96" << 1000.0 << 1050.0;
        QTest::newRow("1 %: E24 too") << 120.0 << 1.0 << "E24" << 118.0 << 121.0;
        QTest::newRow("0.5 %: E192") << 1010.0 << 0.5 << "E192" << 1000.0 << 1020.0;
        QTest::newRow("0.05 %: E192 and E24") << 9.2 << 0.05 << "E192" << 9.1 << 9.31;
        QTest::newRow("0.47 ohm from the bands") << 47 * 0.01 << 20.0 << "E6" << 0.33 << 0.68;
        QTest::newRow("typed in single precision")
            << double(5.1f) * 1000 << 5.0 << "E24" << 4700.0 << 5600.0;
    }

    void preferredAtTolerance()
    {
        QFETCH(double, ohms);
        QFETCH(double, tolerance);
        QFETCH(QString, series);
        QFETCH(double, below);
        QFETCH(double, above);
        const std::optional<Series> found = PreferredSeries(ohms, tolerance);
        QCOMPARE(found ? SeriesName(*found) : QString(), series);
        QCOMPARE(NextPreferred(ohms, tolerance, Direction::Below).value_or(0), below);
        QCOMPARE(NextPreferred(ohms, tolerance, Direction::Above).value_or(0), above);
    }

    void otherEnd_data()
    {
        QTest::addColumn<Codes>("read");
        QTest::addColumn<Codes>("reversed"); // empty: no such reading
        QTest::newRow("three") << Codes{Brown, Black, Red} << Codes{Red, Black, Brown};
        QTest::newRow("four") << Codes{Brown, Black, Red, Brown} << Codes{Brown, Red, Black, Brown};
        QTest::newRow("five") << Codes{Brown, Black, Black, Red, Brown}
                              << Codes{Brown, Red, Black, Black, Brown};
        QTest::newRow("gold at the far end") << Codes{Brown, Black, Red, Gold} << Codes{};
        QTest::newRow("six: every band in its new role")
            << Codes{Yellow, Violet, Black, Brown, Brown, Red}
            << Codes{Red, Brown, Brown, Black, Violet, Yellow};
        QTest::newRow("six: white, no TCR, at the far end")
            << Codes{White, Violet, Black, Brown, Brown, Red} << Codes{};
    }

    void otherEnd()
    {
        QFETCH(Codes, read);
        QFETCH(Codes, reversed);
        QCOMPARE(OtherEndReading(marking(read), tables()).value_or(BandMarking{}),
                 marking(reversed));
    }

    // Each band's look-alikes that have a value in its role, as "place:colour": at the start,
    // the middle and the end of the table of look-alikes.
    void lookAlikes_data()
    {
        QTest::addColumn<Codes>("read");
        QTest::addColumn<QString>("changes");
        QTest::newRow("black, brown") << Codes{Brown, Black, Black, Brown} << "0:4 1:3 2:3 3:4";
        QTest::newRow("gold multiplies only")
            << Codes{Yellow, Violet, Yellow, Gold} << "0:5 1:8 1:10 2:5 2:1";
        QTest::newRow("grey, white, silver")
            << Codes{Grey, Grey, Grey, Grey} << "0:9 0:11 1:9 1:11 2:9 2:11 2:0 3:9 3:0";
        QTest::newRow("six: not the TCR")
            << Codes{Grey, Grey, Grey, Grey, Grey, Grey}
            << "0:9 0:11 1:9 1:11 2:9 2:11 3:9 3:11 3:0 4:9 4:0";
    }

    void lookAlikes()
    {
        QFETCH(Codes, read);
        QFETCH(QString, changes);
        QStringList found;
        for (const LookAlikeMarking &m : LookAlikeMarkings(marking(read), tables()))
            found << QStringLiteral("%1:%2").arg(m.change.place).arg(m.change.to);
        QCOMPARE(found.join(u' '), changes);
    }

    void decodedHint_data()
    {
        QTest::addColumn<Codes>("read");
        QTest::addColumn<QString>("series");  // where it is preferred; empty: not preferred
        QTest::addColumn<double>("otherEnd"); // 0: not named
        QTest::addColumn<QList<double>>("candidates");
        QTest::newRow("other end named")
            << Codes{Brown, Black, Black, Red, Brown} << "E96" << 120.0 << QList<double>{};
        QTest::newRow("symmetric marking")
            << Codes{Brown, Black, Red, Black, Brown} << "E96" << 0.0 << QList<double>{};
        QTest::newRow("a look-alike")
            << Codes{Orange, Brown, Red, Gold} << "" << 0.0 << QList<double>{3000};
        QTest::newRow("other end first, three at most")
            << Codes{Brown, Violet, Red, Brown} << "" << 0.0 << QList<double>{1.2e8, 2700, 1600};
        QTest::newRow("six: the value of five, the far end's black no tolerance")
            << Codes{Brown, Black, Black, Red, Brown, Red} << "E96" << 0.0 << QList<double>{};
    }

    void decodedHint()
    {
        QFETCH(Codes, read);
        QFETCH(QString, series);
        QFETCH(double, otherEnd);
        QFETCH(QList<double>, candidates);
        const std::optional<ReadingHint> hint = DecodedReadingHint(marking(read), tables());
        QVERIFY(hint);
        QCOMPARE(hint->preferred ? SeriesName(*hint->preferred) : QString(), series);
        QCOMPARE(hint->otherEnd ? hint->otherEnd->ohms : 0.0, otherEnd);
        QList<double> found;
        for (const HintCandidate &c : hint->candidates)
            found << c.ohms;
        QCOMPARE(found, candidates);
        QVERIFY(!DecodedReadingHint(marking({Gold, Black, Red, Gold}), tables()));
    }

    void encodedHint_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<double>("ohms");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<QString>("choices"); // text and unit of the lower and the higher value
        QTest::newRow("5 kOhm") << 4 << 5000.0 << 5.0 << "4.7 1, 5.1 1";
        QTest::newRow("three bands: 20 %") << 3 << 5600.0 << 5.0 << "4.7 1, 6.8 1";
        QTest::newRow("four bands: two digits") << 4 << 4800.0 << 1.0 << "4.7 1, 5.1 1";
        QTest::newRow("five bands: three") << 5 << 4800.0 << 1.0 << "4.75 1, 4.87 1";
        QTest::newRow("six bands: as five") << 6 << 4800.0 << 1.0 << "4.75 1, 4.87 1";
        QTest::newRow("nothing above 99 GOhm") << 4 << 95e9 << 5.0 << "91 3, ";
        QTest::newRow("below 1 ohm") << 3 << 0.5 << 20.0 << "0.47 0, 0.68 0";
        QTest::newRow("preferred: none offered") << 4 << 4700.0 << 5.0 << ", ";
    }

    void encodedHint()
    {
        QFETCH(int, bands);
        QFETCH(double, ohms);
        QFETCH(double, tolerance);
        QFETCH(QString, choices);
        const auto hint = EncodedReadingHint(bands, ohms, tolerance, tables());
        QVERIFY(hint);
        const auto text = [](const std::optional<NeighbourChoice> &c) {
            return c ? c->nominalText + u' ' + QString::number(c->unitIndex) : QString();
        };
        QCOMPARE(text(hint->below) + ", " + text(hint->above), choices);
    }

    // A step to the next value that stays where it is, or creeps, cannot hold the walk: it ends
    // long before the steps give up of their own accord.
    void neighbourWalkEnds()
    {
        static int steps;
        const NextValue stays = [](double ohms, double, Direction) {
            return ++steps < 10000 ? std::optional(ohms) : std::nullopt;
        };
        const NextValue creeps = [](double ohms, double, Direction) {
            return ++steps < 10000 ? std::optional(ohms * (1 - 1e-8)) : std::nullopt;
        };
        for (const NextValue next : {stays, creeps}) {
            steps = 0;
            QVERIFY(!NearestChoice(4800, 4, 1, Direction::Below, tables(), next));
            QVERIFY(steps < 10000);
        }
    }
};

QTEST_GUILESS_MAIN(ReadingHelpTest)
#include "reading_help_test.moc"
