// build/test/bench/combinations_bench -perf -perfcounter task-clock
// The combinations search on one core (the thread's CPU time with those options; wall time
// without them), from its parts to its list of ten: a value with up to four parts in E24, E96
// and E192 (1 Ohm to 10 MOhm), and a divider with pairs in E96. firstSearch is the first search
// of its parts, which makes their pair columns; value and divider search again, as the window
// does at every key typed, with the columns kept.

#include "combinations/combinations.h"
#include "combinations/search_order.h"

#include <QTest>

using namespace combinations;
Q_DECLARE_METATYPE(Series)

class CombinationsBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstSearch_data()
    {
        QTest::addColumn<Series>("series");
        QTest::addColumn<bool>("divider");
        for (const Series series : {Series::E24, Series::E96, Series::E192})
            QTest::newRow(seriesName(series).toUtf8().constData()) << series << false;
        QTest::newRow("E96 divider") << Series::E96 << true;
    }
    void firstSearch()
    {
        QFETCH(Series, series);
        QFETCH(bool, divider);
        std::size_t count = 0;
        forgetKeptColumns(); // also before the measured run, after a warm-up run
        QBENCHMARK_ONCE
        {
            if (divider) {
                DividerQuery query;
                query.ratio = 0.25;
                query.parts.series = series;
                count = findDividers(query).size();
            } else {
                ValueQuery query;
                query.target = 3141.59;
                query.parts.series = series;
                count = findCombinations(query).size();
            }
        }
        QCOMPARE(count, std::size_t(10));
    }

    void value_data()
    {
        QTest::addColumn<Series>("series");
        QTest::addColumn<double>("target");
        for (const Series series : {Series::E24, Series::E96, Series::E192})
            for (const double target : {47.5, 3141.59, 1.2345e6}) {
                const QByteArray name =
                    (seriesName(series) + QStringLiteral(" ") + valueText(target)).toUtf8();
                QTest::newRow(name.constData()) << series << target;
            }
    }
    void value()
    {
        QFETCH(Series, series);
        QFETCH(double, target);
        ValueQuery query;
        query.target = target;
        query.parts.series = series;
        std::vector<Answer> answers;
        QBENCHMARK
        {
            answers = findCombinations(query);
        }
        QCOMPARE(answers.size(), std::size_t(10));
    }

    void divider_data()
    {
        QTest::addColumn<double>("ratio");
        for (const double ratio : {0.001, 0.25, 0.2750, 0.5, 0.999})
            QTest::newRow(QByteArray::number(ratio).constData()) << ratio;
    }
    void divider()
    {
        QFETCH(double, ratio);
        DividerQuery query;
        query.ratio = ratio;
        query.parts.series = Series::E96;
        std::vector<DividerAnswer> answers;
        QBENCHMARK
        {
            answers = findDividers(query);
        }
        QCOMPARE(answers.size(), std::size_t(10));
    }
};

QTEST_GUILESS_MAIN(CombinationsBench)
#include "combinations_bench.moc"
