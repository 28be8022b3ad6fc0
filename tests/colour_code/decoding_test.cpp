#include "colour_code/decoding.h"

#include "support/test_folder.h"

#include <QLocale>
#include <QTest>

using namespace colour_code;

Q_DECLARE_METATYPE(BandCodeArray)

namespace {

const QStringList kLangTexts = {
    QStringLiteral("Ом"),      QStringLiteral("кОм"),     QStringLiteral("МОм"),     QStringLiteral("ГОм"),
    QStringLiteral("ТОм"),     QStringLiteral("Номинал:"), QStringLiteral("Допуск:"), QStringLiteral("Отклонение:"),
};

ColourTables deliveredTables()
{
    ColourTables tables;
    LoadResTable(testing_support::sourceFolder() + QStringLiteral("/data/Data/ResTable.tab"), tables);
    return tables;
}

class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

class DecodingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodeMarking_data();
    void decodeMarking();
    void unknownBandCountKeepsTolerance();
    void whatIsDrawn();
    void deviationKeptBeyondGigaohms();
    void resultTexts();
    void sixBandsReadFiveAsFiveBandsAndTheTcr();
    void toleranceItem_data();
    void toleranceItem();
    void everyTolerancePaletteColourGivesItsListItem();
};

void DecodingTest::decodeMarking_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<BandCodeArray>("codes");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("tolerance");
    QTest::addColumn<QString>("deviation");

    for (const bool russian : {false, true}) {
        const QByteArray where = russian ? " (ru)" : " (C)";
        QTest::newRow("brown black red gold" + where)
            << russian << 4 << BandCodeArray{Brown, Black, White, Red, Gold} << QStringLiteral(" 1 кОм")
            << QStringLiteral("1") << 1 << 5.0f << QStringLiteral(" 50 Ом");
        QTest::newRow("silver multiplier, three bands" + where)
            << russian << 3 << BandCodeArray{Yellow, Violet, Red, Silver, Red} << QStringLiteral(" .47 Ом")
            << QStringLiteral("0.47") << 0 << 20.0f << QStringLiteral(" .094 Ом");
        QTest::newRow("exactly 1000 ohm" + where)
            << russian << 4 << BandCodeArray{Brown, Black, Black, Red, Brown} << QStringLiteral(" 1 кОм")
            << QStringLiteral("1") << 1 << 1.0f << QStringLiteral(" 10 Ом");
        QTest::newRow("999 ohm stays in ohms" + where)
            << russian << 5 << BandCodeArray{White, White, White, Black, Brown} << QStringLiteral(" 999 Ом")
            << QStringLiteral("999") << 0 << 1.0f << QStringLiteral(" 9.99 Ом");
        QTest::newRow("five bands, 0.5 %" + where)
            << russian << 5 << BandCodeArray{Yellow, Violet, Green, Brown, Green} << QStringLiteral(" 4.75 кОм")
            << QStringLiteral("4.75") << 1 << 0.5f << QStringLiteral(" 23.75 Ом");
        QTest::newRow("470 kilo-ohm" + where)
            << russian << 3 << BandCodeArray{Yellow, Violet, Black, Yellow, Black} << QStringLiteral(" 470 кОм")
            << QStringLiteral("470") << 1 << 20.0f << QStringLiteral(" 94 кОм");
        QTest::newRow("largest marking, deviation three units down" + where)
            << russian << 5 << BandCodeArray{White, White, White, White, Grey} << QStringLiteral(" 999 ГОм")
            << QStringLiteral("999") << 3 << 0.05f << QStringLiteral(" 499.5 МОм");
        QTest::newRow("five bands, third digit black: 4.7 kOhm 1 %" + where)
            << russian << 5 << BandCodeArray{Yellow, Violet, Black, Brown, Brown} << QStringLiteral(" 4.7 кОм")
            << QStringLiteral("4.7") << 1 << 1.0f << QStringLiteral(" 47 Ом");
        QTest::newRow("five bands, smallest: 1 Ohm" + where)
            << russian << 5 << BandCodeArray{Brown, Black, Black, Silver, Brown} << QStringLiteral(" 1 Ом")
            << QStringLiteral("1") << 0 << 1.0f << QStringLiteral(" .01 Ом");
        QTest::newRow("4.7 megohm, 0.25 %" + where)
            << russian << 4 << BandCodeArray{Yellow, Violet, Black, Green, LightBlue} << QStringLiteral(" 4.7 МОм")
            << QStringLiteral("4.7") << 2 << 0.25f << QStringLiteral(" 11.75 кОм");
        QTest::newRow("colour without meaning reads as garbage, no crash" + where)
            << russian << 4 << BandCodeArray{Black, Black, Black, Red, Gold} << QStringLiteral("-1000 Ом")
            << QStringLiteral("-1000") << 0 << 5.0f << QStringLiteral("-50 Ом");
    }
}

void DecodingTest::decodeMarking()
{
    QFETCH(bool, russian);
    QFETCH(int, bandCount);
    QFETCH(BandCodeArray, codes);
    QFETCH(QString, result);
    QFETCH(QString, nominal);
    QFETCH(int, unit);
    QFETCH(float, tolerance);
    QFETCH(QString, deviation);

    const LocaleScope locale(russian ? QLocale(QLocale::Russian) : QLocale::c());
    const DecodedMarking decoded =
        DecodeMarking(bandCount, codes, deliveredTables(), kLangTexts, 7.5f, QStringLiteral("old"));
    QCOMPARE(decoded.resultText, result);
    QCOMPARE(decoded.nominalText, nominal);
    QCOMPARE(decoded.unitIndex, unit);
    QCOMPARE(decoded.tolerance, tolerance);
    QCOMPARE(decoded.deviationText, deviation);
}

void DecodingTest::unknownBandCountKeepsTolerance()
{
    const DecodedMarking decoded = DecodeMarking(0, BandCodeArray{White, White, White, White, White},
                                                 deliveredTables(), kLangTexts, 7.5f, QStringLiteral("old"));
    QCOMPARE(decoded.value, 0.0);
    QCOMPARE(decoded.resultText, QStringLiteral(" 0 Ом"));
    QCOMPARE(decoded.nominalText, QStringLiteral("0"));
    QCOMPARE(decoded.tolerance, 7.5f);
    QCOMPARE(decoded.deviationText, QStringLiteral(" 0 Ом"));
    QVERIFY(!decoded.drawing);
}

void DecodingTest::whatIsDrawn()
{
    const ColourTables tables = deliveredTables();
    const BandCodeArray codes = {Yellow, Violet, Green, Brown, Gold};
    const auto three = DecodeMarking(3, codes, tables, kLangTexts, 0, {}).drawing;
    QVERIFY(three);
    QCOMPARE(three->bandCount, 3);
    QCOMPARE(three->codes, (BandCodeArray{Yellow, Violet, 0, Brown, 0}));
    const auto four = DecodeMarking(4, codes, tables, kLangTexts, 0, {}).drawing;
    QCOMPARE(four->codes, (BandCodeArray{Yellow, Violet, 0, Brown, Gold}));
    const auto five = DecodeMarking(5, codes, tables, kLangTexts, 0, {}).drawing;
    QCOMPARE(five->bandCount, 5);
    QCOMPARE(five->codes, codes);
}

void DecodingTest::deviationKeptBeyondGigaohms()
{
    // A table whose white multiplier reaches teraohms: 10 x 10^12 with 10 % leaves the
    // deviation at 1 teraohm, which has no deviation unit, so the old text stays.
    ColourTables tables = deliveredTables();
    tables.CodeValues[White][MultiplierBand] = 1e12;
    const DecodedMarking silver =
        DecodeMarking(4, {Brown, Black, 0, White, Silver}, tables, kLangTexts, 0, QStringLiteral("old"));
    QCOMPARE(silver.unitIndex, 4);
    QCOMPARE(silver.resultText, QStringLiteral(" 10 ТОм"));
    QCOMPARE(silver.deviationText, QStringLiteral("old"));
    const DecodedMarking gold =
        DecodeMarking(4, {Brown, Black, 0, White, Gold}, tables, kLangTexts, 0, QStringLiteral("old"));
    QCOMPARE(gold.deviationText, QStringLiteral(" 500 ГОм"));
}

void DecodingTest::resultTexts()
{
    const LocaleScope locale{QLocale(QLocale::Russian)};
    const ResultTexts texts = DecodeResultTexts(kLangTexts, QStringLiteral(" 4.75 кОм"), 0.5f,
                                                QStringLiteral(" 23.75 Ом"));
    QCOMPARE(texts.resultLine, QStringLiteral("Номинал:  4.75 кОм Допуск: 0,5% Отклонение:  23.75 Ом"));
    QCOMPARE(texts.caption, QStringLiteral("Номинал:  4.75 кОм\r\n Допуск: 0,5% Отклонение: 23.75 Ом"));
}

void DecodingTest::sixBandsReadFiveAsFiveBandsAndTheTcr()
{
    const LocaleScope locale{QLocale(QLocale::Russian)};
    const ColourTables tables = deliveredTables();
    const BandCodeArray codes = {Brown, Black, Black, Red, Brown, Red};
    const DecodedMarking five = DecodeMarking(5, codes, tables, kLangTexts, 0, {});
    const DecodedMarking six = DecodeMarking(6, codes, tables, kLangTexts, 0, {});
    QCOMPARE(six.resultText, QStringLiteral(" 10 кОм"));
    QCOMPARE(six.resultText, five.resultText);
    QCOMPARE(six.tolerance, 1.0f);
    QCOMPARE(six.deviationText, five.deviationText);
    QCOMPARE(six.tcr, std::optional<double>(50));
    QVERIFY(!five.tcr);
    QCOMPARE(six.drawing->bandCount, 6);
    QCOMPARE(six.drawing->codes, codes);

    const ResultTexts texts =
        DecodeResultTexts(kLangTexts, six.resultText, six.tolerance, six.deviationText,
                          TcrLine(QStringLiteral("ТКС: %1 ppm/K"), *six.tcr));
    QCOMPARE(texts.caption,
             QStringLiteral("Номинал:  10 кОм\r\n Допуск: 1% Отклонение: 100 Ом\r\nТКС: 50 ppm/K"));
    // The file name keeps its five-band form: the marking code carries the TCR.
    QCOMPARE(texts.resultLine, QStringLiteral("Номинал:  10 кОм Допуск: 1% Отклонение:  100 Ом"));
}

void DecodingTest::toleranceItem_data()
{
    QTest::addColumn<float>("tolerance");
    QTest::addColumn<QString>("item");
    QTest::newRow("whole") << 5.0f << QStringLiteral("5%");
    QTest::newRow("below one gets its zero") << 0.5f << QStringLiteral("0.5%");
    QTest::newRow("two decimals") << 0.05f << QStringLiteral("0.05%");
    QTest::newRow("three bands keep the item") << 20.0f << QString();
}

void DecodingTest::toleranceItem()
{
    QFETCH(float, tolerance);
    QFETCH(QString, item);
    const LocaleScope locale{QLocale(QLocale::Russian)}; // the item always has a point
    QCOMPARE(DecodedToleranceItem(tolerance).value_or(QString()), item);
}

void DecodingTest::everyTolerancePaletteColourGivesItsListItem()
{
    const ColourTables tables = deliveredTables();
    const QStringList items = ToleranceItems();
    const auto palette = PaletteEntries(ToleranceBand);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const DecodedMarking decoded =
            DecodeMarking(4, {Brown, Black, 0, Red, palette[i].code}, tables, kLangTexts, 0, {});
        QCOMPARE(DecodedToleranceItem(decoded.tolerance), std::optional<QString>(items[qsizetype(i)]));
    }
}

QTEST_GUILESS_MAIN(DecodingTest)
#include "decoding_test.moc"
