// build/test/bench/combinations_bench
// The combinations search on one core, from its parts to its list of ten: a value with up to
// four parts in E24, E96 and E192 (1 Ohm to 10 MOhm), and a divider with pairs in E96.

#include "combinations/combinations.h"

#include <QTest>

using namespace combinations;
Q_DECLARE_METATYPE(Series)

class CombinationsBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
