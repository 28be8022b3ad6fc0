// What the Combinations window makes of its inputs, and how it writes and draws its answers.

#include "combination_calc/combination_format.h"
#include "combination_calc/combination_inputs.h"
#include "combination_calc/schematic_layout.h"

#include <QTest>

using namespace combination_calc;
using combinations::Network;

namespace
{

Network part(double ohms)
{
    return Network::part(ohms);
}

Network join(Network::Kind kind, std::vector<Network> children)
{
    return Network::join(kind, std::move(children));
}

const UnitWords kWords{{"Ohm", "kOhm", "MOhm", "GOhm", "TOhm"}, "mA", "µA"};

SearchInputs valueInputs(const QString &target, int unit = 1)
{
    SearchInputs in;
    in.target = target;
    in.targetUnit = unit;
    return in;
}

SearchInputs dividerInputs(const QString &vin, const QString &vout)
{
    SearchInputs in;
    in.kind = SearchKind::Divider;
    in.vin = vin;
    in.vout = vout;
    in.totalLow = QStringLiteral("1");
    in.totalHigh = QStringLiteral("1");
    return in;
}

Schematic laidOut(const Network &n)
{
    return networkSchematic(
        n, [](double ohms) { return QString::number(ohms); },
        [](const QString &text) { return 8.0 * double(text.size()); });
}

} // namespace

Q_DECLARE_METATYPE(SearchInputs)

class CombinationTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueSearch_data()
    {
        QTest::addColumn<SearchInputs>("inputs");
        QTest::addColumn<double>("target"); // 0: no search
        QTest::addColumn<QString>("problem");
        QTest::newRow("4.7 kOhm") << valueInputs("4.7") << 4700.0 << "";
        QTest::newRow("a decimal comma") << valueInputs("4,7") << 4700.0 << "";
        QTest::newRow("its own multiplier, whatever the unit") << valueInputs("4k7", 2) << 4700.0
                                                               << "";
        QTest::newRow("nothing typed") << valueInputs("  ") << 0.0 << "";
        QTest::newRow("not a number") << valueInputs("4k7x") << 0.0 << "4k7x";
        QTest::newRow("zero") << valueInputs("0") << 0.0 << "0";
        SearchInputs excluded = valueInputs("5");
        excluded.exclude = QStringLiteral("10, ; 4.7x");
        QTest::newRow("a piece of the list to leave out") << excluded << 0.0 << "4.7x";
    }

    void valueSearch()
    {
        QFETCH(SearchInputs, inputs);
        QFETCH(double, target);
        QFETCH(QString, problem);
        const Search search = makeSearch(inputs);
        if (target > 0) {
            QVERIFY(std::holds_alternative<combinations::ValueQuery>(search));
            QCOMPARE(std::get<combinations::ValueQuery>(search).target, target);
        } else {
            QVERIFY(std::holds_alternative<InputProblem>(search));
            QCOMPARE(std::get<InputProblem>(search).text, problem);
        }
    }

    void partsChosen()
    {
        SearchInputs in = valueInputs("0.5", 0);
        in.exclude = QStringLiteral("1; 2.2 , 10");
        in.parts = 7;
        in.tolerancePercent = 1;
        const auto query = std::get<combinations::ValueQuery>(makeSearch(in));
        QCOMPARE(query.parts.excluded, (std::vector<double>{1, 2.2, 10}));
        QCOMPARE(query.maxParts, 4);
        QCOMPARE(query.parts.tolerancePercent, std::optional<double>(1));
        // Below the usual range the parts reach down to 0.1 ohm.
        QCOMPARE(query.parts.range.low, 0.1);
        QCOMPARE(query.parts.range.high, 1e7);
    }

    void dividerSearch()
    {
        auto query = std::get<combinations::DividerQuery>(makeSearch(dividerInputs("12", "3")));
        QCOMPARE(query.ratio, 0.25);
        QCOMPARE(query.vin, std::optional<double>(12));
        QCOMPARE(query.total.low, 1e3); // kOhm
        QCOMPARE(query.total.high, 1e6); // MOhm

        SearchInputs ratio = dividerInputs("", "");
        ratio.given = DividerGiven::Ratio;
        ratio.ratio = QStringLiteral("0.1");
        ratio.totalLowUnit = 2; // the range typed the wrong way round
        ratio.totalHighUnit = 1;
        query = std::get<combinations::DividerQuery>(makeSearch(ratio));
        QCOMPARE(query.ratio, 0.1);
        QVERIFY(!query.vin);
        QCOMPARE(query.total.low, 1e3);
        QCOMPARE(query.total.high, 1e6);

        const auto problem = [](const SearchInputs &in) {
            return std::get<InputProblem>(makeSearch(in)).kind;
        };
        QCOMPARE(problem(dividerInputs("3", "12")), InputProblem::Kind::RatioOutOfRange);
        QCOMPARE(problem(dividerInputs("12", "")), InputProblem::Kind::NoTarget);
        QCOMPARE(problem(dividerInputs("", "3")), InputProblem::Kind::NoTarget);
        ratio.ratio = QStringLiteral("1");
        QCOMPARE(problem(ratio), InputProblem::Kind::RatioOutOfRange);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kOhm") << ohmsText(4700, kWords) << "4.7 kOhm";
        QTest::newRow("four digits") << ohmsText(90.9090909, kWords) << "90.91 Ohm";
        QTest::newRow("rounds up into the next unit") << ohmsText(999.96, kWords) << "1 kOhm";
        QTest::newRow("below 1 ohm") << ohmsText(0.25, kWords) << "0.25 Ohm";
        QTest::newRow("no error") << errorText(1e-12) << "0%";
        QTest::newRow("error above") << errorText(0.2137) << "+0.214%";
        QTest::newRow("error below") << errorText(-12.34) << "-12.3%";
        QTest::newRow("small error, no exponent") << errorText(0.0000412) << "+0.0000412%";
        QTest::newRow("ratio") << ratioText(0.274999) << "0.275";
        QTest::newRow("mA") << currentText(0.0033, kWords) << "3.3 mA";
        QTest::newRow("µA") << currentText(0.000012, kWords) << "12 µA";
        QTest::newRow("rounds up to 1 mA") << currentText(0.0009999, kWords) << "1 mA";
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void captions()
    {
        QCOMPARE(spokenCaption("V&in:"), "Vin");
        QCOMPARE(spokenCaption("R&&D"), "R&D");
    }

    // The schematic walks the network: a series side by side, a parallel one above the other.
    void schematic()
    {
        const Schematic series = laidOut(join(Network::Kind::Series, {part(1), part(22)}));
        QCOMPARE(series.boxes.size(), std::size_t(2));
        QCOMPARE(series.boxes[0].rect.center().y(), series.boxes[1].rect.center().y());
        QVERIFY(series.boxes[0].rect.right() < series.boxes[1].rect.left());
        QVERIFY(series.junctions.empty());

        const Schematic parallel = laidOut(
            join(Network::Kind::Series,
                 {part(1), join(Network::Kind::Parallel, {part(2), part(3), part(4)})}));
        QCOMPARE(parallel.boxes.size(), std::size_t(4));
        QCOMPARE(parallel.boxes[1].text, "4"); // the largest part of a join first
        for (int i = 2; i <= 3; ++i) {
            QCOMPARE(parallel.boxes[i].rect.center().x(), parallel.boxes[1].rect.center().x());
            QVERIFY(parallel.boxes[i].rect.top() > parallel.boxes[i - 1].rect.bottom());
        }
        // Three branches: the middle one meets each rail between its ends, where the series
        // wire comes in.
        QCOMPARE(parallel.junctions.size(), std::size_t(2));
        for (const auto &box : parallel.boxes)
            QVERIFY(QRectF(QPointF(), parallel.size).contains(box.rect));

        const Schematic divider = dividerSchematic(
            part(3e3), part(1e3), [](double ohms) { return QString::number(ohms); },
            [](const QString &text) { return 8.0 * double(text.size()); }, "Vin", "Vout");
        QCOMPARE(divider.boxes.size(), std::size_t(2));
        QCOMPARE(divider.terminals.size(), std::size_t(2));
        QCOMPARE(divider.grounds.size(), std::size_t(1));
        QVERIFY(divider.terminals[1].at.x() > divider.boxes[0].rect.right());
        QVERIFY(divider.terminals[1].at.x() < divider.boxes[1].rect.left());
    }
};

QTEST_GUILESS_MAIN(CombinationTextTest)
#include "combination_text_test.moc"
