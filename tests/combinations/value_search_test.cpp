// The value search against a brute force over every network, and the rules of its list: the
// single part first, distinct answers, exclusions and stock, the envelope.

#include "combinations/combinations.h"
#include "combinations/search_order.h"

#include <QTest>
#include <set>

using namespace combinations;
using Kind = Network::Kind;
Q_DECLARE_METATYPE(Series)

namespace
{

// The totals of every network of exactly k parts (index k), each a series or parallel join of
// two smaller networks, as every series-parallel network is.
std::array<std::vector<double>, 5> everyTotal(const std::vector<double> &parts)
{
    std::array<std::vector<double>, 5> totals;
    totals[1] = parts;
    for (std::size_t k = 2; k <= 4; ++k) {
        for (std::size_t k1 = 1; k1 <= k / 2; ++k1)
            for (const double x : totals[k1])
                for (const double y : totals[k - k1]) {
                    totals[k].push_back(x + y);
                    totals[k].push_back(x * y / (x + y));
                }
        std::sort(totals[k].begin(), totals[k].end());
        totals[k].erase(std::unique(totals[k].begin(), totals[k].end()), totals[k].end());
    }
    return totals;
}

double bestError(const std::vector<double> &totals, double target)
{
    double best = std::numeric_limits<double>::infinity();
    const auto at = std::lower_bound(totals.begin(), totals.end(), target);
    for (auto it : {at - 1, at})
        if (it >= totals.begin() && it < totals.end())
            best = std::min(best, std::fabs(*it - target) / target);
    return best;
}

// Every network of up to four parts, each once.
std::vector<Network> everyNetwork(const std::vector<double> &parts)
{
    std::array<std::vector<Network>, 5> networks;
    for (const double part : parts)
        networks[1].push_back(Network::part(part));
    for (std::size_t k = 2; k <= 4; ++k)
        for (std::size_t k1 = 1; k1 <= k / 2; ++k1)
            for (const Network &x : networks[k1])
                for (const Network &y : networks[k - k1])
                    for (const Kind kind : {Kind::Series, Kind::Parallel})
                        networks[k].push_back(Network::join(kind, {x, y}));
    std::vector<Network> all;
    for (const auto &some : networks)
        all.insert(all.end(), some.begin(), some.end());
    std::sort(all.begin(), all.end(), canonicallyBefore);
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

QStringList texts(const std::vector<Answer> &answers)
{
    QStringList list;
    for (const Answer &answer : answers)
        list << networkText(answer.network);
    return list;
}

ValueQuery query(double target, Series series, Range range, int maxParts = 4, int count = 10)
{
    ValueQuery q;
    q.target = target;
    q.parts.series = series;
    q.parts.range = range;
    q.maxParts = maxParts;
    q.count = count;
    return q;
}

} // namespace

class ValueSearchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seriesParts()
    {
        const std::vector<double> e24 = seriesValues(Series::E24, Range{});
        QCOMPARE(e24.size(), std::size_t(7 * 24 + 1));
        QCOMPARE(e24.front(), 1.0);
        QCOMPARE(e24.back(), 1e7);
        QVERIFY(std::binary_search(e24.begin(), e24.end(), 4700.0));
        QVERIFY(std::binary_search(e24.begin(), e24.end(), 4.7)); // the double of "4.7" as typed
        QCOMPARE(seriesValues(Series::E192, kWidestRange).size(), std::size_t(10 * 192 + 1));
        QCOMPARE(seriesValues(Series::E3, Range{1, 100}),
                 (std::vector<double>{1, 2.2, 4.7, 10, 22, 47, 100}));
        QCOMPARE(seriesFromName(QStringLiteral("e96")), std::optional(Series::E96));
        QCOMPARE(seriesFromName(QStringLiteral("E25")), std::nullopt);
        QCOMPARE(seriesName(Series::E3), QStringLiteral("E3"));
    }

    // The best error of each number of parts equals the brute force's, across three decades
    // of targets, above and below the parts' own range too.
    void exhaustive_data()
    {
        QTest::addColumn<Series>("series");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("firstTarget");
        QTest::newRow("E6 1 Ohm to 1 kOhm") << Series::E6 << 1.0 << 1000.0 << 1.0;
        QTest::newRow("E12 100 Ohm to 10 kOhm") << Series::E12 << 100.0 << 10000.0 << 30.0;
    }
    void exhaustive()
    {
        QFETCH(Series, series);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, firstTarget);
        const auto totals = everyTotal(seriesValues(series, Range{low, high}));
        // Not on the series' values: 37 steps a decade.
        for (double target = firstTarget; target < firstTarget * 1000; target *= 1.0642) {
            const std::vector<Answer> answers =
                findCombinations(query(target, series, Range{low, high}));
            QCOMPARE(answers.size(), std::size_t(10));
            for (int parts = 1; parts <= 4; ++parts) {
                const auto best =
                    std::find_if(answers.begin(), answers.end(),
                                 [&](const Answer &a) { return a.network.partCount() == parts; });
                QVERIFY2(best != answers.end(), qPrintable(QString::number(target)));
                const double error = std::fabs(best->errorPercent) / 100;
                QVERIFY2(std::fabs(error - bestError(totals[parts], target)) < 1e-11,
                         qPrintable(QStringLiteral("%1 Ohm, %2 parts: %3")
                                        .arg(target)
                                        .arg(parts)
                                        .arg(networkText(best->network))));
            }
        }
    }

    // The whole list against every network ranked by hand: by error, fewer parts, series
    // first; the best of each number of parts kept; no network twice. Networks of the same
    // rank may come in any order.
    void wholeList_data()
    {
        QTest::addColumn<double>("target");
        QTest::addColumn<int>("count");
        QTest::newRow("between values") << 333.0 << 10;
        QTest::newRow("a part itself, long list") << 47.0 << 40;
        QTest::newRow("below every part") << 3.0 << 10;
        QTest::newRow("above every part") << 3000.0 << 10;
        QTest::newRow("short list keeps the best of fewer parts") << 1234.0 << 3;
    }
    void wholeList()
    {
        QFETCH(double, target);
        QFETCH(int, count);
        const Range range{10, 1000};
        std::vector<Network> all = everyNetwork(seriesValues(Series::E3, range));
        const auto rank = [&](const Network &n) {
            return Rank{comparableError(n.total(), target), n.partCount(), int(n.kind)};
        };
        std::stable_sort(all.begin(), all.end(),
                         [&](const Network &a, const Network &b) { return rank(a) < rank(b); });
        std::vector<Rank> expected;
        std::set<int> counts;
        for (const Network &n : all) // the best of each number of parts
            if (counts.insert(n.partCount()).second && int(expected.size()) < count)
                expected.push_back(rank(n));
        for (std::size_t i = 0; int(expected.size()) < count; ++i)
            if (counts.erase(all[i].partCount()) == 0)
                expected.push_back(rank(all[i]));
        std::sort(expected.begin(), expected.end());

        const std::vector<Answer> answers =
            findCombinations(query(target, Series::E3, range, 4, count));
        std::vector<Rank> found;
        for (const Answer &answer : answers)
            found.push_back(rank(answer.network));
        QVERIFY(found == expected);
        const QStringList list = texts(answers);
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), list.size());
    }

    void singlePartFirst_data()
    {
        QTest::addColumn<double>("target");
        QTest::addColumn<Series>("series");
        QTest::addColumn<bool>("exactPairToo");
        QTest::newRow("4k7 in E24, as 3.6k + 1.1k too") << 4700.0 << Series::E24 << true;
        QTest::newRow("4.99 kOhm in E96, as a pair too") << 4990.0 << Series::E96 << true;
        QTest::newRow("0.47 Ohm, below the default range") << 0.47 << Series::E12 << false;
    }
    void singlePartFirst()
    {
        QFETCH(double, target);
        QFETCH(Series, series);
        QFETCH(bool, exactPairToo);
        const Range range = target < 1 ? kWidestRange : Range{};
        const std::vector<Answer> answers = findCombinations(query(target, series, range));
        QCOMPARE(answers.front().network, Network::part(target));
        QCOMPARE(answers.front().errorPercent, 0.0);
        QCOMPARE(answers[1].errorPercent == 0 && answers[1].network.partCount() == 2, exactPairToo);
    }

    void twoPartsExactly()
    {
        const auto answers = findCombinations(query(5000, Series::E12, Range{}, 2, 3));
        QCOMPARE(networkText(answers.front().network), QStringLiteral("10 kOhm || 10 kOhm"));
        QCOMPARE(answers.front().total, 5000.0);
        QCOMPARE(answers.front().errorPercent, 0.0);
        QCOMPARE(answers.size(), std::size_t(3));
    }

    void exclusionsAndStock()
    {
        ValueQuery q = query(4700, Series::E24, Range{});
        q.parts.excluded = {4700, 2200, 10000};
        for (const Answer &answer : findCombinations(q))
            for (const double part : answer.network.parts())
                QVERIFY2(part != 4700 && part != 2200 && part != 10000,
                         qPrintable(networkText(answer.network)));
        q.parts.stock = std::vector<double>{1000, 3300, 470, 330, 1e300}; // 1e300 from 300 digits
        q.parts.excluded = {470};
        QCOMPARE(availableParts(q.parts), (std::vector<double>{330, 1000, 3300}));
        const std::vector<Answer> answers = findCombinations(q);
        QCOMPARE(answers.size(), std::size_t(10));
        for (const Answer &answer : answers)
            for (const double part : answer.network.parts())
                QVERIFY2(part == 1000 || part == 3300 || part == 330,
                         qPrintable(networkText(answer.network)));
    }

    // Every part at the edge of its tolerance, worked out by hand.
    void envelope_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::newRow("series 5%") << Kind::Series << 5.0 << 950.0 + 2090 << 1050.0 + 2310;
        // 990 * 2178 / 3168 and 1010 * 2222 / 3232
        QTest::newRow("parallel 1%") << Kind::Parallel << 1.0 << 680.625 << 694.375;
    }
    void envelope()
    {
        QFETCH(Kind, kind);
        QFETCH(double, tolerance);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        ValueQuery q;
        q.target = kind == Kind::Series ? 3200 : 687.5;
        q.parts.stock = std::vector<double>{1000, 2200};
        q.parts.tolerancePercent = tolerance;
        q.maxParts = 2;
        const Answer answer = findCombinations(q).front();
        QCOMPARE(answer.network.kind, kind);
        QCOMPARE(answer.minimum, minimum);
        QCOMPARE(answer.maximum, maximum);
    }

    void text()
    {
        const Network network = Network::join(
            Kind::Series, {Network::join(Kind::Parallel, {Network::part(1e4), Network::part(1e4)}),
                           Network::part(4700)});
        QCOMPARE(networkText(network), QStringLiteral("4.7 kOhm + (10 kOhm || 10 kOhm)"));
        const QStringList russian = {"Ом", "кОм", "МОм", "ГОм", "ТОм"};
        QCOMPARE(
            networkText(Network::join(Kind::Parallel, {Network::part(0.47), Network::part(2.2e6)}),
                        russian),
            QStringLiteral("2.2 МОм || 0.47 Ом"));
    }

    void nothingToFind()
    {
        QVERIFY(findCombinations(query(0, Series::E24, Range{})).empty());
        QVERIFY(findCombinations(query(-5, Series::E24, Range{})).empty());
        QVERIFY(findCombinations(query(100, Series::E24, Range{1e3, 1e2})).empty());
    }
};

QTEST_GUILESS_MAIN(ValueSearchTest)
#include "value_search_test.moc"
