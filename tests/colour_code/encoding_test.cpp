#include "colour_code/encoding.h"

#include "colour_code/nominal_input.h"
#include "common/numbers.h"
#include "support/test_folder.h"

#include <QTest>
#include <cmath>

using namespace colour_code;

// Colours by band position, -1 where a row gives none (the TCR unless it names one).
struct Bands : std::array<int, kBandPositionCount> {
    Bands() { fill(-1); }
    Bands(std::initializer_list<int> codes) : Bands() { std::copy(codes.begin(), codes.end(), begin()); }
};
Q_DECLARE_METATYPE(Bands)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

const QStringList kLangTexts = {
    QStringLiteral("Ом"),       QStringLiteral("кОм"),     QStringLiteral("МОм"),
    QStringLiteral("ГОм"),      QStringLiteral("ТОм"),     QStringLiteral("Номинал:"),
    QStringLiteral("Допуск:"),  QStringLiteral("Отклонение:"), QStringLiteral("Пятиполосная маркировка"),
    QStringLiteral("требует"),  QStringLiteral("трёх значащих"), QStringLiteral("цифр."),
    QStringLiteral("Внимание"),
};

const ColourTables &deliveredTables()
{
    static const ColourTables tables = [] {
        ColourTables t;
        LoadResTable(testing_support::sourceFolder() + QStringLiteral("/data/Data/ResTable.tab"), t);
        return t;
    }();
    return tables;
}

// The band colours after painting the assignments in order over bands without a colour.
Bands applied(const EncodedMarking &marking)
{
    Bands bands;
    for (const BandAssignment &assignment : marking.assignments)
        bands[std::size_t(assignment.bandPosition)] = assignment.code;
    return bands;
}

EncodedMarking encodeText(int bandCountIndex, int unitIndex, const QString &text, const QString &item,
                          const ColourTables &tables = deliveredTables(), const QString &tcr = QString())
{
    const float nominal = common::toSingle(common::leadingNumber(text));
    return EncodeNominal(bandCountIndex, unitIndex, nominal, item, tables, tcr);
}

} // namespace

class EncodingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodeNominal_data();
    void encodeNominal();
    void plausibilityCheck_data();
    void plausibilityCheck();
    void coloursAreFoundInAscendingCodeOrder();
    void everyToleranceItemFindsItsColour();
    void multiplierEqualsTheTableValue();
    void encodeThenDecodeGivesTheNominalBack();
    void resultTexts();
    void sixBandsWriteTheTcrAfterTheTolerance();
};

void EncodingTest::encodeNominal_data()
{
    QTest::addColumn<int>("bandCountIndex");
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("item");
    QTest::addColumn<Bands>("bands");
    QTest::addColumn<std::vector<int>>("unmatched");

    QTest::newRow("4.7 kOhm, four bands, 5 %") << 1 << 1 << "4.7" << "5%" << Bands{Yellow, Violet, -1, Red, Gold}
                                               << std::vector<int>{};
    QTest::newRow("0.47 Ohm, three bands") << 0 << 0 << "0.47" << "5%" << Bands{Yellow, Violet, -1, Silver, -1}
                                           << std::vector<int>{};
    QTest::newRow("4.75 kOhm, five bands, 1 %")
        << 2 << 1 << "4.75" << "1%" << Bands{Yellow, Violet, Green, Brown, Brown} << std::vector<int>{};
    QTest::newRow("47 Ohm, four bands, 10 %") << 1 << 0 << "47" << "10%" << Bands{Yellow, Violet, -1, Black, Silver}
                                              << std::vector<int>{};
    QTest::newRow("470 kOhm, three bands") << 0 << 1 << "470" << "0.5%" << Bands{Yellow, Violet, -1, Yellow, -1}
                                           << std::vector<int>{};
    QTest::newRow("1 MOhm, four bands, 0.25 %")
        << 1 << 2 << "1" << "0.25%" << Bands{Brown, Black, -1, Green, LightBlue} << std::vector<int>{};
    QTest::newRow("0.1 Ohm, silver multiplier") << 0 << 0 << "0.1" << "5%" << Bands{Brown, Black, -1, Silver, -1}
                                                << std::vector<int>{};
    QTest::newRow("1.2 Ohm, gold multiplier") << 0 << 0 << "1.2" << "5%" << Bands{Brown, Red, -1, Gold, -1}
                                              << std::vector<int>{};
    QTest::newRow("999 GOhm, five bands, 0.05 %")
        << 2 << 3 << "999" << "0.05%" << Bands{White, White, White, White, Grey} << std::vector<int>{};
    QTest::newRow("475 Ohm, five bands, 0.1 %")
        << 2 << 0 << "475" << "0.1%" << Bands{Yellow, Violet, Green, Black, Violet} << std::vector<int>{};
    QTest::newRow("470 GOhm has no multiplier colour")
        << 0 << 3 << "470" << "5%" << Bands{Yellow, Violet, -1, -1, -1} << std::vector<int>{MultiplierBand};
    QTest::newRow("unknown unit has no multiplier colour")
        << 1 << -1 << "47" << "5%" << Bands{Yellow, Violet, -1, -1, Gold} << std::vector<int>{MultiplierBand};
    QTest::newRow("0.01 Ohm is below the smallest multiplier")
        << 0 << 0 << "0.01" << "5%" << Bands{Brown, Black, -1, -1, -1} << std::vector<int>{MultiplierBand};
    QTest::newRow("five bands 4.7 kOhm: black third digit")
        << 2 << 1 << "4.7" << "1%" << Bands{Yellow, Violet, Black, Brown, Brown} << std::vector<int>{};
    QTest::newRow("five bands 470 Ohm") << 2 << 0 << "470" << "1%" << Bands{Yellow, Violet, Black, Black, Brown}
                                        << std::vector<int>{};
    QTest::newRow("five bands 47 Ohm") << 2 << 0 << "47" << "1%" << Bands{Yellow, Violet, Black, Gold, Brown}
                                       << std::vector<int>{};
    QTest::newRow("five bands 1 Ohm, silver multiplier")
        << 2 << 0 << "1" << "1%" << Bands{Brown, Black, Black, Silver, Brown} << std::vector<int>{};
    QTest::newRow("four bands without a tolerance item")
        << 1 << 0 << "47" << "" << Bands{Yellow, Violet, -1, Black, -1} << std::vector<int>{ToleranceBand};
    QTest::newRow("unknown band count does nothing") << -1 << 0 << "47" << "5%" << Bands{-1, -1, -1, -1, -1}
                                                     << std::vector<int>{};
}

void EncodingTest::encodeNominal()
{
    QFETCH(int, bandCountIndex);
    QFETCH(int, unitIndex);
    QFETCH(QString, text);
    QFETCH(QString, item);
    QFETCH(Bands, bands);
    QFETCH(std::vector<int>, unmatched);

    const EncodedMarking marking = encodeText(bandCountIndex, unitIndex, text, item);
    QVERIFY(!marking.plausibilityFailed);
    QCOMPARE(applied(marking), bands);
    QCOMPARE(marking.unmatchedPositions, unmatched);
    const auto used = BandPositionsUsed(BandCountFromIndex(bandCountIndex));
    QCOMPARE(marking.targetPositions, std::vector<int>(used.begin(), used.end()));
}

// Five bands refuse only what five bands cannot write; the same value with four bands is
// encoded as far as it goes.
void EncodingTest::plausibilityCheck_data()
{
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.47 Ohm: no multiplier of 0.001") << 0 << "0.47";
    QTest::newRow("0.1 Ohm") << 0 << "0.1";
    QTest::newRow("unknown unit") << -1 << "475";
    QTest::newRow("a fourth significant digit") << 0 << "1234";
}

void EncodingTest::plausibilityCheck()
{
    QFETCH(int, unitIndex);
    QFETCH(QString, text);
    const EncodedMarking five = encodeText(2, unitIndex, text, QStringLiteral("1%"));
    QVERIFY(five.plausibilityFailed);
    QVERIFY(five.assignments.empty());
    // Six bands write the value as five do.
    QVERIFY(encodeText(3, unitIndex, text, QStringLiteral("1%"), deliveredTables(),
                       QStringLiteral("50 ppm/K"))
                .plausibilityFailed);
    QVERIFY(!encodeText(1, unitIndex, text, QStringLiteral("1%")).plausibilityFailed);
}

void EncodingTest::coloursAreFoundInAscendingCodeOrder()
{
    const EncodedMarking marking = encodeText(1, 1, QStringLiteral("4.7"), QStringLiteral("5%"));
    const std::vector<BandAssignment> expected = {
        {ToleranceBand, Gold}, {MultiplierBand, Red}, {FirstDigitBand, Yellow}, {SecondDigitBand, Violet}};
    QVERIFY(marking.assignments == expected);

    // Two colours with one value: the higher code is painted last and stays.
    ColourTables twice = deliveredTables();
    twice.CodeValues[Orange][FirstDigitBand] = 4;
    const EncodedMarking both = encodeText(1, 1, QStringLiteral("4.7"), QStringLiteral("5%"), twice);
    QCOMPARE(applied(both)[FirstDigitBand], int(Yellow));
    QCOMPARE(both.assignments.size(), std::size_t(5));
}

void EncodingTest::everyToleranceItemFindsItsColour()
{
    const QStringList items = ToleranceItems();
    const auto palette = PaletteEntries(ToleranceBand);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const EncodedMarking marking = encodeText(1, 0, QStringLiteral("47"), items[qsizetype(i)]);
        QCOMPARE(applied(marking)[ToleranceBand], int(palette[i].code));
    }
}

// 10^(L - 2) / 1000 x factor computed naively misses the table's 0.01 and others; the target
// must equal the value read from the file, for every exponent the table has.
void EncodingTest::multiplierEqualsTheTableValue()
{
    const ColourTables &tables = deliveredTables();
    int checked = 0;
    for (int significant : {2, 3}) {
        for (int length = 1; length <= 12; ++length) {
            for (int unit = 0; unit < 4; ++unit) {
                const int exponent = length - significant - 3 + 3 * unit;
                const double target = MultiplierTarget(length, significant, unit);
                QCOMPARE(target, DecimalPower(exponent));
                if (exponent < -2 || exponent > 9)
                    continue;
                const double fromFile = tables.CodeValues[std::size_t(exponent + 2)][MultiplierBand];
                QVERIFY2(target == fromFile, qPrintable(QStringLiteral("10^%1").arg(exponent)));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 40);
    QCOMPARE(MultiplierTarget(4, 2, -1), 0.0);
    QCOMPARE(UnitFactor(3), 1e9);
}

// Every nominal the input rules let through is encoded and decoded back to the same value,
// unless its multiplier is outside silver..white.
void EncodingTest::encodeThenDecodeGivesTheNominalBack()
{
    const ColourTables &tables = deliveredTables();
    int roundTrips = 0;
    for (int bandIndex = 0; bandIndex < 3; ++bandIndex) {
        QStringList texts;
        for (int a = 1; a <= 9; ++a) {
            for (int b = 0; b <= 9; ++b) {
                const QString ab = QString::number(a) + QString::number(b);
                if (bandIndex < 2) {
                    texts << ab << ab + QLatin1Char('0') << QStringLiteral("%1.%2").arg(a).arg(b)
                          << QStringLiteral("0.") + ab << QString::number(a);
                } else {
                    texts << ab << QString::number(a);
                    for (int c = 0; c <= 9; ++c)
                        texts << ab + QString::number(c) << QStringLiteral("%1.%2%3").arg(a).arg(b).arg(c)
                              << ab + QLatin1Char('.') + QString::number(c);
                }
            }
        }
        for (const QString &typed : std::as_const(texts)) {
            const QString text = SettleNominalText(typed, bandIndex, 4).text;
            for (int unit = 0; unit < 4; ++unit) {
                const EncodedMarking marking = encodeText(bandIndex, unit, text, QStringLiteral("1%"));
                const QString where = QStringLiteral("%1 bands, %2, unit %3").arg(bandIndex + 3).arg(text).arg(unit);
                QVERIFY2(!marking.plausibilityFailed, qPrintable(where));
                if (!marking.unmatchedPositions.empty()) {
                    QVERIFY2(marking.unmatchedPositions == std::vector<int>{MultiplierBand}, qPrintable(where));
                    continue;
                }
                BandCodeArray codes{};
                for (const BandAssignment &assignment : marking.assignments)
                    codes[std::size_t(assignment.bandPosition)] = assignment.code;
                const DecodedMarking decoded =
                    DecodeMarking(bandIndex + 3, codes, tables, kLangTexts, 0, QString());
                const double ohms = decoded.value * std::pow(1000.0, decoded.unitIndex);
                const double expected = common::leadingNumber(text) * UnitFactor(unit);
                QVERIFY2(std::abs(ohms - expected) <= expected * 1e-12,
                         qPrintable(where + QStringLiteral(": %1").arg(decoded.resultText)));
                QCOMPARE(decoded.tolerance, bandIndex == 0 ? 20.0f : 1.0f);
                ++roundTrips;
            }
        }
    }
    QVERIFY(roundTrips > 3000);
}

void EncodingTest::resultTexts()
{
    const ResultTexts texts =
        EncodeResultTexts(kLangTexts, QStringLiteral("4.7"), QStringLiteral("кОм"), QStringLiteral("0.5%"));
    QCOMPARE(texts.resultLine, QStringLiteral("Номинал: 4.7 кОм Допуск: 0.5%"));
    QCOMPARE(texts.caption, QStringLiteral("Номинал: 4.7 кОм\r\n Допуск: 0.5%"));
    QCOMPARE(PlausibilityMessage(kLangTexts),
             QStringLiteral("Пятиполосная маркировка\r\nтребует\r\nтрёх значащих\r\nцифр."));
}

void EncodingTest::sixBandsWriteTheTcrAfterTheTolerance()
{
    const EncodedMarking six = encodeText(3, 1, QStringLiteral("10"), QStringLiteral("1%"),
                                          deliveredTables(), QStringLiteral("50 ppm/K"));
    QVERIFY(!six.plausibilityFailed);
    QCOMPARE(applied(six), (Bands{Brown, Black, Black, Red, Brown, Red}));
    QCOMPARE(six.targetPositions, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    // A TCR that no colour has is refused like any band without a colour.
    const EncodedMarking none = encodeText(3, 1, QStringLiteral("10"), QStringLiteral("1%"),
                                           deliveredTables(), QStringLiteral("3 ppm/K"));
    QVERIFY(none.plausibilityFailed);
    QCOMPARE(none.unmatchedPositions, std::vector<int>{TcrBand});

    const ResultTexts texts = EncodeResultTexts(kLangTexts, QStringLiteral("10"), QStringLiteral("кОм"),
                                                QStringLiteral("1%"), QStringLiteral("ТКС: 50 ppm/K"));
    QCOMPARE(texts.caption, QStringLiteral("Номинал: 10 кОм\r\n Допуск: 1%\r\nТКС: 50 ppm/K"));
    QCOMPARE(texts.resultLine, QStringLiteral("Номинал: 10 кОм Допуск: 1%"));
}

QTEST_GUILESS_MAIN(EncodingTest)
#include "encoding_test.moc"
