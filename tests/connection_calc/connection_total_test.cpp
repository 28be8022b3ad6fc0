#include "connection_calc/connection_total.h"

#include "support/failures.h"

#include <QTest>

using namespace connection_calc;
using testing_support::failureOf;

Q_DECLARE_METATYPE(connection_calc::ConnectionMode)

namespace
{

const UnitNames kRussian = {QStringLiteral("Ом"), QStringLiteral("кОм"), QStringLiteral("МОм"),
                            QStringLiteral("ГОм"), QStringLiteral("ТОм")};
const UnitNames kEnglish = {QStringLiteral("Ohm"), QStringLiteral("kOhm"), QStringLiteral("MOhm"),
                            QStringLiteral("GOhm"), QStringLiteral("TOhm")};

constexpr auto P = ConnectionMode::Parallel;
constexpr auto S = ConnectionMode::Series;

QStringList repeated(const QString &entry, int count)
{
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries << entry;
    return entries;
}

} // namespace

class ConnectionTotalTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void total_data();
    void total();
    void failures_data();
    void failures();
    void splittingAnEntry();
    void connectionWords();
    void largeLists_data();
    void largeLists();
    void failureDeepInALargeList();
    void renamingUnitsKeepsValues();
};

void ConnectionTotalTest::total_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ConnectionMode>("mode");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    // Result unit: the smallest unit of the entries in parallel, the largest in series.
    QTest::newRow("two 1 kOhm in parallel") << QStringList{"1 кОм", "1 кОм"} << P << 3 << " .5 кОм";
    QTest::newRow("two 1 kOhm in series") << QStringList{"1 кОм", "1 кОм"} << S << 3 << " 2 кОм";
    QTest::newRow("series takes the largest unit")
        << QStringList{"100 Ом", "1 кОм"} << S << 3 << " 1.1 кОм";
    QTest::newRow("parallel takes the smallest unit")
        << QStringList{"100 Ом", "1 кОм"} << P << 3 << " 90.909 Ом";
    QTest::newRow("unit order does not matter in the list")
        << QStringList{"1 ГОм", "1 МОм"} << P << 3 << " .999 МОм";
    QTest::newRow("tera and ohm in series") << QStringList{"1 Ом", "2 ТОм"} << S << 3 << " 2 ТОм";
    QTest::newRow("decimal point") << QStringList{"4.7 кОм", "1 кОм"} << S << 3 << " 5.7 кОм";
    QTest::newRow("comma ends the number") << QStringList{"4,7 кОм", "1 кОм"} << S << 3 << " 5 кОм";
    QTest::newRow("exponent E and D") << QStringList{"4.7E3 Ом", "1D3 Ом"} << S << 3 << " 5700 Ом";
    QTest::newRow("one entry, series") << QStringList{"47 МОм"} << S << 3 << " 47 МОм";
    QTest::newRow("one entry, parallel") << QStringList{"47 МОм"} << P << 3 << " 47 МОм";
    QTest::newRow("entry without a number counts 0 in series")
        << QStringList{"abc Ом", "5 Ом"} << S << 3 << " 5 Ом";
    QTest::newRow("empty series list is 0 in the base unit") << QStringList{} << S << 3 << " 0 Ом";
    QTest::newRow("negative and positive in series")
        << QStringList{"-5 Ом", "2 Ом"} << S << 3 << "-3 Ом";

    // Rounding: halves go to the even neighbour.
    QTest::newRow("0.5 at 0 decimals rounds to the even 0")
        << QStringList{"1 кОм", "1 кОм"} << P << 0 << " 0 кОм";
    QTest::newRow("2.5 at 0 decimals is 2") << QStringList{"2.5 Ом"} << S << 0 << " 2 Ом";
    QTest::newRow("3.5 at 0 decimals is 4") << QStringList{"3.5 Ом"} << S << 0 << " 4 Ом";
    QTest::newRow("0.125 at 2 decimals is .12") << QStringList{"0.125 Ом"} << S << 2 << " .12 Ом";
    QTest::newRow("0.375 at 2 decimals is .38") << QStringList{"0.375 Ом"} << S << 2 << " .38 Ом";
    QTest::newRow("a third at 3 decimals")
        << QStringList{"1 кОм", "1 кОм", "1 кОм"} << P << 3 << " .333 кОм";
    QTest::newRow("many decimals stop at 15 digits")
        << QStringList{"1 кОм", "1 кОм", "1 кОм"} << P << 255 << " .333333333333333 кОм";
    QTest::newRow("below the last decimal rounds to 0")
        << QStringList{"1 Ом", "1 ТОм"} << S << 3 << " 1 ТОм";
    QTest::newRow("no exponent form below 1E15")
        << QStringList{"999 ТОм", "1 ТОм"} << S << 3 << " 1000 ТОм";
    QTest::newRow("huge value in exponent form")
        << QStringList{"1E15 ТОм", "1E15 ТОм"} << S << 3 << " 2E+15 ТОм";
}

void ConnectionTotalTest::total()
{
    QFETCH(QStringList, entries);
    QFETCH(ConnectionMode, mode);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(computeTotal(entries, kRussian, mode, decimals).text, text);
}

void ConnectionTotalTest::failures_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ConnectionMode>("mode");

    QTest::newRow("zero in parallel") << QStringList{"0 Ом", "1 кОм"} << P;
    QTest::newRow("no number in parallel") << QStringList{"abc Ом", "1 кОм"} << P;
    QTest::newRow("reciprocals cancel in parallel") << QStringList{"-5 Ом", "5 Ом"} << P;
    QTest::newRow("empty parallel list") << QStringList{} << P;
    for (const ConnectionMode mode : {P, S}) {
        const QByteArray in = mode == P ? " (parallel)" : " (series)";
        QTest::newRow("inner blank leaves no unit" + in) << QStringList{"4 7 Ом", "1 Ом"} << mode;
        QTest::newRow("unit of another language" + in) << QStringList{"1 kOhm", "1 Ом"} << mode;
        QTest::newRow("unit in another letter case" + in) << QStringList{"1 ком", "1 Ом"} << mode;
        QTest::newRow("blank after the unit" + in) << QStringList{"1 Ом ", "1 Ом"} << mode;
        QTest::newRow("no blank at all" + in) << QStringList{"5", "1 Ом"} << mode;
        QTest::newRow("number beyond double range" + in) << QStringList{"1E309 Ом", "1 Ом"} << mode;
        QTest::newRow("unit pushes it beyond range" + in)
            << QStringList{"1E300 ТОм", "1 Ом"} << mode;
    }
    QTest::newRow("series sum overflows") << QStringList{"1E308 Ом", "1E308 Ом"} << S;
    QTest::newRow("reciprocal of a tiny value overflows") << QStringList{"1E-310 Ом", "1 Ом"} << P;
}

void ConnectionTotalTest::failures()
{
    QFETCH(QStringList, entries);
    QFETCH(ConnectionMode, mode);
    const QString message = failureOf([&] { computeTotal(entries, kRussian, mode, 3); });
    QVERIFY2(!message.isEmpty(), "the computation should fail");
}

void ConnectionTotalTest::splittingAnEntry()
{
    // The first blank separates number and unit; the rest, blanks and all, is the unit text.
    const ResistorEntry inner = splitEntry(QStringLiteral("4 7 кОм"), kRussian);
    QCOMPARE(inner.numberText, QStringLiteral("4"));
    QCOMPARE(inner.unitText, QStringLiteral("7 кОм"));
    QVERIFY(!inner.unitPosition);

    const ResistorEntry tera = splitEntry(entryText(QStringLiteral("1.5"), kRussian[4]), kRussian);
    QCOMPARE(tera.numberText, QStringLiteral("1.5"));
    QCOMPARE(tera.unitPosition, std::optional<int>(4));
    QCOMPARE(entryOhms(QStringLiteral("1.5 ТОм"), kRussian), 1.5e12);

    // An empty unit name is a name like any other; the first equal name wins.
    const UnitNames withEmpty = {QStringLiteral("Ом"), QString(), QStringLiteral("Ом"),
                                 QStringLiteral("x"), QStringLiteral("y")};
    QCOMPARE(splitEntry(QStringLiteral("3 "), withEmpty).unitPosition, std::optional<int>(1));
    QCOMPARE(splitEntry(QStringLiteral("3 Ом"), withEmpty).unitPosition, std::optional<int>(0));
}

void ConnectionTotalTest::connectionWords()
{
    QCOMPARE(connectionModeOf(QStringLiteral("Параллельное")), P);
    QCOMPARE(connectionModeOf(QStringLiteral("Последовательное")), S);
    QCOMPARE(connectionModeOf(QStringLiteral("параллельное")), S);
    QCOMPARE(connectionModeOf(QStringLiteral("Parallel")), S);
    QCOMPARE(connectionModeOf(QString()), S);
    QCOMPARE(connectionModeOf(connectionWord(P)), P);
    QCOMPARE(connectionModeOf(connectionWord(S)), S);
}

void ConnectionTotalTest::largeLists_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ConnectionMode>("mode");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("10000 ohms in series") << repeated("1 Ом", 10000) << S << 3 << " 10000 Ом";
    QTest::newRow("10000 ohms in parallel") << repeated("1 Ом", 10000) << P << 6 << " .0001 Ом";
    QTest::newRow("10000 ohms in parallel round to 0")
        << repeated("1 Ом", 10000) << P << 3 << " 0 Ом";
    QTest::newRow("100000 tenths in series") << repeated("0.1 Ом", 100000) << S << 3 << " 10000 Ом";
    QTest::newRow("65536 x 1 MOhm in parallel")
        << repeated("1 МОм", 65536) << P << 6 << " 1.5E-05 МОм";
    QTest::newRow("7 x 7 kOhm in parallel") << repeated("7 кОм", 7) << P << 3 << " 1 кОм";

    QStringList mixed;
    for (int i = 0; i < 10000; ++i)
        mixed << entryText(QStringLiteral("1"), kRussian[std::size_t(i % kUnitCount)]);
    // 2000 of each unit: 2000 * 1001001001001 ohm in tera-ohms.
    QTest::newRow("10000 mixed units in series") << mixed << S << 3 << " 2002.002 ТОм";
    // 2000 of each unit in parallel: 1 / (2000 * 1.001001001001) ohm.
    QTest::newRow("10000 mixed units in parallel") << mixed << P << 7 << " .0004995 Ом";
}

void ConnectionTotalTest::largeLists()
{
    QFETCH(QStringList, entries);
    QFETCH(ConnectionMode, mode);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(computeTotal(entries, kRussian, mode, decimals).text, text);
}

void ConnectionTotalTest::failureDeepInALargeList()
{
    QStringList entries = repeated(QStringLiteral("10 кОм"), 50000);
    entries << QStringLiteral("0 Ом");
    QVERIFY(!failureOf([&] { computeTotal(entries, kRussian, P, 3); }).isEmpty());
    QCOMPARE(computeTotal(entries, kRussian, S, 3).text, QStringLiteral(" 500000 кОм"));

    // Removing the faulty entry gives the right total again.
    entries.removeLast();
    QCOMPARE(computeTotal(entries, kRussian, P, 3).text, QStringLiteral(" 0 кОм"));
    QCOMPARE(computeTotal(entries, kRussian, P, 4).text, QStringLiteral(" .0002 кОм"));

    entries << QStringLiteral("1 kOhm");
    QVERIFY(!failureOf([&] { computeTotal(entries, kRussian, S, 3); }).isEmpty());
}

void ConnectionTotalTest::renamingUnitsKeepsValues()
{
    const QStringList before = {"4.7 кОм", "4,7 Ом", "abc МОм", "2 ТОм", "1.5 ГОм", "4 7 Ом", "5"};
    QStringList after;
    for (const QString &entry : before)
        after << renameEntryUnit(entry, kRussian, kEnglish);
    QCOMPARE(after,
             (QStringList{"4.7 kOhm", "4,7 Ohm", "abc MOhm", "2 TOhm", "1.5 GOhm", "4 7 Ом", "5"}));

    // The renamed entries read the same under the new names as the old ones did.
    const ConnectionTotal old = computeTotal(before.mid(0, 5), kRussian, S, 3);
    const ConnectionTotal now = computeTotal(after.mid(0, 5), kEnglish, S, 3);
    QCOMPARE(now.value, old.value);
    QCOMPARE(now.unitPosition, 4);
    QCOMPARE(now.text, QStringLiteral(" 2.002 TOhm"));

    // Renaming to the same names changes nothing.
    for (const QString &entry : after)
        QCOMPARE(renameEntryUnit(entry, kEnglish, kEnglish), entry);
}

QTEST_GUILESS_MAIN(ConnectionTotalTest)
#include "connection_total_test.moc"
