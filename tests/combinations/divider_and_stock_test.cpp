// The divider search against a brute force over every pair of sides, its envelope and current
// by hand; stock files as people write them, and where the stock file is looked for.

#include "combinations/combinations.h"
#include "support/test_folder.h"

#include <QDir>
#include <QStringEncoder>
#include <QTest>

using namespace combinations;
using Kind = Network::Kind;

namespace
{

struct Side {
    double value;
    int parts;
};

std::vector<Side> everySide(const std::vector<double> &parts)
{
    std::vector<Side> sides;
    for (const double a : parts) {
        sides.push_back({a, 1});
        for (const double b : parts)
            if (b >= a) {
                sides.push_back({a + b, 2});
                sides.push_back({a * b / (a + b), 2});
            }
    }
    return sides;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class DividerAndStockTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // The best ratio error of each number of parts equals the brute force's, with R1 + R2
    // within the range, for ratios across the whole scale.
    void exhaustive_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("1 kOhm to 1 MOhm") << 1e3 << 1e6;
        QTest::newRow("a narrow total: 10 to 12 kOhm") << 1e4 << 1.2e4;
    }
    void exhaustive()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        const Range parts{100, 1e5};
        const std::vector<Side> sides = everySide(seriesValues(Series::E12, parts));
        for (const double ratio :
             {0.001, 0.0123, 0.05, 0.1, 0.25, 1 / 3.0, 0.5, 0.618, 0.9, 0.999}) {
            std::array<double, 5> best;
            best.fill(std::numeric_limits<double>::infinity());
            for (const Side &r1 : sides)
                for (const Side &r2 : sides)
                    if (r1.value + r2.value >= low && r1.value + r2.value <= high) {
                        const double error =
                            std::fabs(r2.value / (r1.value + r2.value) - ratio) / ratio;
                        double &kept = best[std::size_t(r1.parts + r2.parts)];
                        kept = std::min(kept, error);
                    }
            DividerQuery query;
            query.ratio = ratio;
            query.parts.series = Series::E12;
            query.parts.range = parts;
            query.total = {low, high};
            const std::vector<DividerAnswer> answers = findDividers(query);
            QCOMPARE(answers.size(), std::size_t(10));
            for (const DividerAnswer &answer : answers) {
                QVERIFY(answer.total() >= low * (1 - 1e-9) && answer.total() <= high * (1 + 1e-9));
                QVERIFY(answer.r1.partCount() <= 2 && answer.r2.partCount() <= 2);
            }
            for (int count = 2; count <= 4; ++count) {
                const auto found =
                    std::find_if(answers.begin(), answers.end(), [&](const DividerAnswer &a) {
                        return a.r1.partCount() + a.r2.partCount() == count;
                    });
                QVERIFY(found != answers.end());
                QVERIFY2(std::fabs(std::fabs(found->errorPercent) / 100 - best[count]) < 1e-11,
                         qPrintable(QStringLiteral("ratio %1, %2 parts: %3 / %4")
                                        .arg(ratio)
                                        .arg(count)
                                        .arg(networkText(found->r1), networkText(found->r2))));
            }
        }
    }

    void oneSidePartOnly()
    {
        DividerQuery query;
        query.ratio = 0.275; // 12 V to 3.3 V
        query.parts.series = Series::E24;
        query.maxPartsPerSide = 1;
        const std::vector<DividerAnswer> answers = findDividers(query);
        QCOMPARE(answers.size(), std::size_t(10));
        for (const DividerAnswer &answer : answers)
            QCOMPARE(answer.r1.partCount() + answer.r2.partCount(), 2);
    }

    // 10k over 10k at 1 %: 9.9 / (10.1 + 9.9) and 10.1 / (9.9 + 10.1); 12 V across 20 kOhm.
    void envelopeAndCurrent()
    {
        DividerQuery query;
        query.parts.stock = std::vector<double>{1e4};
        query.parts.tolerancePercent = 1;
        query.vin = 12;
        query.maxPartsPerSide = 1;
        const DividerAnswer answer = findDividers(query).front();
        QCOMPARE(answer.ratio, 0.5);
        QCOMPARE(answer.ratioMinimum, 0.495);
        QCOMPARE(answer.ratioMaximum, 0.505);
        QCOMPARE(answer.currentAmps, std::optional(6e-4));
        query.vin.reset();
        QCOMPARE(findDividers(query).front().currentAmps, std::nullopt);
    }

    void ratios()
    {
        QCOMPARE(dividerRatio(12, 3.3), std::optional(3.3 / 12));
        QCOMPARE(dividerRatio(3.3, 12), std::nullopt);
        QCOMPARE(dividerRatio(12, 0), std::nullopt);
        QCOMPARE(dividerRatio(0, 0), std::nullopt);
        QCOMPARE(dividerRatio(1000, 1), std::optional(0.001));
        DividerQuery query;
        query.ratio = 1.5;
        QVERIFY(findDividers(query).empty());
        query.ratio = 0.5;
        query.total = {1e6, 1e3};
        QVERIFY(findDividers(query).empty());
    }

    void stockFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("Stock.txt"));
        writeFile(path,
                  QStringLiteral("# shelf 3\n4k7\r\n4.7k\n\n  10 kOhm \nx12\n2,2 кОм\n0R47\n-5\n")
                      .toUtf8());
        StockFile stock = readStock(path);
        QVERIFY(stock.opened);
        QCOMPARE(stock.values, (std::vector<double>{4700, 10000, 2200, 0.47}));
        QCOMPARE(stock.problems,
                 QStringList({path + QStringLiteral(":6: x12"), path + QStringLiteral(":9: -5")}));
        QVERIFY(!stock.tooMany);

        QStringEncoder cp1251("windows-1251");
        writeFile(path, cp1251(QStringLiteral("2,2 кОм\r\n1 МОм\r\n")));
        QCOMPARE(readStock(path).values, (std::vector<double>{2200, 1e6}));

        QByteArray many;
        for (int i = 1; i <= kMostParts + 1; ++i)
            many += QByteArray::number(i) + '\n';
        writeFile(path, many);
        stock = readStock(path);
        QVERIFY(stock.tooMany);
        QCOMPARE(stock.values.size(), std::size_t(kMostParts));

        QVERIFY(!readStock(m_dir.filePath(QStringLiteral("none.txt"))).opened);
    }

    // Beside the settings: the user's own, else the program folder's, else where the user's
    // would be made.
    void stockFileFound()
    {
        testing_support::TestFolder folder;
        QCOMPARE(stockFilePath(), folder.file(QStringLiteral("\\Data\\Stock.txt")));
        const QString user = folder.makeReadOnly();
        QCOMPARE(stockFilePath(), user + QStringLiteral("/Data/Stock.txt"));
        writeFile(folder.file(QStringLiteral("\\Data\\Stock.txt")), "4k7\n");
        QCOMPARE(stockFilePath(), folder.file(QStringLiteral("\\Data\\Stock.txt")));
        QVERIFY(QDir().mkpath(user + QStringLiteral("/Data")));
        writeFile(user + QStringLiteral("/Data/Stock.txt"), "4k7\n");
        QCOMPARE(stockFilePath(), user + QStringLiteral("/Data/Stock.txt"));
    }
};

QTEST_GUILESS_MAIN(DividerAndStockTest)
#include "divider_and_stock_test.moc"
