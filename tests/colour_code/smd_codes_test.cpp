// SMD codes: the EIA-96 table against the published E96 list, every multiplier letter, the
// digit and R forms, the jumper, a code that reads two ways, codes that are none, and the
// codes of a value (that each reads back as the value, the fuzz target checks).

#include "colour_code/smd_codes.h"

#include "colour_code/preferred_values.h"

#include <QtTest>

using namespace colour_code;
Q_DECLARE_METATYPE(SmdKind)
Q_DECLARE_METATYPE(SmdProblem)

namespace
{

// The EIA-96 table as published, codes 01 to 96.
constexpr int kPublishedE96[96] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

} // namespace

class SmdCodesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eia96AsPublished()
    {
        for (int index = 1; index <= 96; ++index) {
            const QString code = QStringLiteral("%1A").arg(index, 2, 10, QLatin1Char('0'));
            const SmdDecoding read = DecodeSmdCode(code);
            QCOMPARE(read.readings.size(), 1u);
            QCOMPARE(read.readings[0].ohms, double(kPublishedE96[index - 1]));
            QCOMPARE(read.readings[0].kind, SmdKind::Eia96);
        }
        // The reading help's series is the same table.
        QVERIFY(std::equal(std::begin(kPublishedE96), std::end(kPublishedE96),
                           SeriesValues(Series::E96).begin()));
    }

    void eia96Letters()
    {
        const std::pair<char, double> letters[] = {{'Z', 0.1}, {'Y', 1},   {'R', 1},   {'X', 10},
                                                   {'S', 10},  {'A', 100}, {'B', 1e3}, {'H', 1e3},
                                                   {'C', 1e4}, {'D', 1e5}, {'E', 1e6}, {'F', 1e7}};
        for (const auto &[letter, ohms] : letters) {
            const SmdDecoding read = DecodeSmdCode(QStringLiteral("01") + QLatin1Char(letter));
            QVERIFY2(!read.readings.empty(), &letter);
            QCOMPARE(read.readings[0].ohms, ohms);
        }
    }

    // One reading each: the code, its kind, R as the point, ohms, the typical tolerance.
    void decode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<SmdKind>("kind");
        QTest::addColumn<bool>("decimalR");
        QTest::addColumn<double>("ohms");
        QTest::addColumn<double>("tolerance");
        const auto row = [](const char *code, SmdKind kind, bool r, double ohms, double tol) {
            QTest::newRow(code) << QString::fromLatin1(code) << kind << r << ohms << tol;
        };
        row("01A", SmdKind::Eia96, false, 100, 1);
        row("68C", SmdKind::Eia96, false, 49900, 1);
        row("25X", SmdKind::Eia96, false, 17.8, 1);
        row("85X", SmdKind::Eia96, false, 75, 1);
        row("96F", SmdKind::Eia96, false, 97.6e6, 1);
        row("68c", SmdKind::Eia96, false, 49900, 1); // either letter case
        row("472", SmdKind::ThreeDigit, false, 4700, 5);
        row("100", SmdKind::ThreeDigit, false, 10, 5);
        row("109", SmdKind::ThreeDigit, false, 10e9, 5);
        row("4701", SmdKind::FourDigit, false, 4700, 1);
        row("4R7", SmdKind::ThreeDigit, true, 4.7, 5);
        row("R47", SmdKind::ThreeDigit, true, 0.47, 5);
        row("10R0", SmdKind::FourDigit, true, 10, 1);
        row("R005", SmdKind::FourDigit, true, 0.005, 1);
        row("97R", SmdKind::ThreeDigit, true, 97, 5); // 97 is no EIA-96 index
        row("0", SmdKind::Jumper, false, 0, 0);
        row("000", SmdKind::Jumper, false, 0, 0);
    }

    void decode()
    {
        QFETCH(QString, code);
        QFETCH(SmdKind, kind);
        QFETCH(bool, decimalR);
        QFETCH(double, ohms);
        QFETCH(double, tolerance);
        const SmdDecoding read = DecodeSmdCode(code);
        QCOMPARE(read.problem, SmdProblem::None);
        QCOMPARE(read.readings.size(), 1u);
        QCOMPARE(read.readings[0], (SmdReading{kind, decimalR, ohms, tolerance}));
    }

    void readsTwoWays()
    {
        const SmdDecoding read = DecodeSmdCode(u"10R");
        QCOMPARE(read.problem, SmdProblem::None);
        QCOMPARE(read.readings, (std::vector<SmdReading>{{SmdKind::Eia96, false, 1.24, 1},
                                                         {SmdKind::ThreeDigit, true, 10, 5}}));
    }

    void notACode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<SmdProblem>("problem");
        QTest::newRow("empty") << "" << SmdProblem::NotACode;
        QTest::newRow("two digits") << "47" << SmdProblem::NotACode;
        QTest::newRow("five digits") << "47012" << SmdProblem::NotACode;
        QTest::newRow("IEC letter") << "4K7" << SmdProblem::NotACode;
        QTest::newRow("two R") << "4R7R" << SmdProblem::NotACode;
        QTest::newRow("R and a digit") << "R5" << SmdProblem::NotACode;
        QTest::newRow("blank inside") << "4 7" << SmdProblem::NotACode;
        QTest::newRow("Arabic-Indic digits") << "٤٧٢" << SmdProblem::NotACode;
        QTest::newRow("index 00") << "00A" << SmdProblem::EiaIndex;
        QTest::newRow("index 97") << "97C" << SmdProblem::EiaIndex;
        QTest::newRow("no multiplier letter") << "68G" << SmdProblem::EiaLetter;
    }

    void notACode()
    {
        QFETCH(QString, code);
        QFETCH(SmdProblem, problem);
        const SmdDecoding read = DecodeSmdCode(code);
        QCOMPARE(read.problem, problem);
        QVERIFY(read.readings.empty());
    }

    // Every code of a value, in the window's list of them.
    void encode_data()
    {
        QTest::addColumn<double>("ohms");
        QTest::addColumn<QString>("list");
        QTest::newRow("4.7 kOhm") << 4700.0 << "472, 4701";
        QTest::newRow("4.7 kOhm as typed") << 4.7 * 1000 << "472, 4701";
        QTest::newRow("49.9 kOhm") << 49900.0 << "4992, EIA-96 68C";
        QTest::newRow("both letters") << 1.24 << "1R24, EIA-96 10Y, 10R";
        QTest::newRow("10 Ohm") << 10.0 << "100, 10R0, EIA-96 01X, 01S";
        QTest::newRow("below 1 Ohm") << 0.47 << "R47, R470";
        QTest::newRow("a zero after the point") << 0.05 << "R05, R050";
        QTest::newRow("100 Ohm") << 100.0 << "101, 1000, EIA-96 01A";
        QTest::newRow("jumper") << 0.0 << "0, 000, 0000";
        QTest::newRow("four significant digits") << 4751.5 << "";
        QTest::newRow("beyond nine zeros") << 4.7e12 << "";
        QTest::newRow("below 0") << -4700.0 << "";
    }

    void encode()
    {
        QFETCH(double, ohms);
        QFETCH(QString, list);
        QCOMPARE(SmdCodeList(EncodeSmdCodes(ohms)), list);
    }
};

QTEST_GUILESS_MAIN(SmdCodesTest)
#include "smd_codes_test.moc"
