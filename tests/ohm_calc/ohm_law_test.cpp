#include "ohm_calc/ohm_law.h"

#include "support/failures.h"

#include <QTest>

using namespace ohm_calc;
using testing_support::failureOf;

Q_DECLARE_METATYPE(ohm_calc::Quantity)

namespace
{

QString unitOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::U:
        return QStringLiteral("V");
    case Quantity::I:
        return QStringLiteral("A");
    case Quantity::R:
        break;
    }
    return QStringLiteral("Ohm");
}

} // namespace

class OhmLawTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void results_data();
    void results();
    void failures_data();
    void failures();
};

void OhmLawTest::results_data()
{
    QTest::addColumn<Quantity>("sought");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    const auto U = Quantity::U, I = Quantity::I, R = Quantity::R;
    // clang-format off
    QTest::newRow("U = I x R, whole") << U << "2" << "3" << 3 << " 6 V";
    QTest::newRow("R = U / I") << R << "12" << "0.5" << 3 << " 24 Ohm";
    QTest::newRow("I below 1 gets a zero") << I << "5" << "1000" << 3 << "0.005 A";
    QTest::newRow("I rounded to 3 decimals") << I << "1" << "3" << 3 << "0.333 A";
    QTest::newRow("both empty: zero, no blank") << U << "" << "" << 3 << "0 V";
    QTest::newRow("seven significant digits") << U << "1234.5678" << "1000" << 3 << " 1234568 V";
    QTest::newRow("2.5 rounds to even 2") << U << "0.5" << "5" << 0 << " 2 V";
    QTest::newRow("3.5 rounds to even 4") << U << "3.5" << "1" << 0 << " 4 V";
    QTest::newRow("negative, no blank") << U << "-5" << "0.5" << 3 << "-2.5 V";
    QTest::newRow("negative below 1 gets a zero") << U << "-0.5" << "1" << 3 << "-0.5 V";
    QTest::newRow("grouped digits and a comma") << I << "1 000" << "4,7" << 3 << " 250 A";
    QTest::newRow("sign and exponent typed") << U << "+1E3" << "2" << 3 << " 2000 V";
    QTest::newRow("exactly 1 keeps the blank") << R << "3" << "3" << 3 << " 1 Ohm";
    QTest::newRow("rounded up to 1 keeps the blank") << R << "0.9999" << "1" << 3 << " 1 Ohm";
    QTest::newRow("tiny negative rounds to plain 0") << I << "-1" << "3000" << 3 << "0 A";
    QTest::newRow("exponent form from 1E+07") << U << "12345678" << "1" << 3 << " 1.234568E+07 V";
    QTest::newRow("large but within single range") << U << "1E19" << "1E19" << 3 << " 1E+38 V";
    QTest::newRow("more decimals") << R << "1" << "8" << 5 << "0.125 Ohm";
    QTest::newRow("small value in exponent form") << I << "1" << "100000" << 6 << "1E-05 A";
    QTest::newRow("underflow reads as 0") << I << "1E-300" << "1E300" << 3 << "0 A";
    QTest::newRow("letters read as 0") << U << "abc" << "5" << 3 << "0 V";
    // clang-format on
}

void OhmLawTest::results()
{
    QFETCH(Quantity, sought);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, decimals);
    QFETCH(QString, text);

    QString result;
    const QString failure =
        failureOf([&] { result = computeResult(sought, first, second, decimals, unitOf(sought)); });
    QCOMPARE(failure, QString());
    QCOMPARE(result, text);
}

void OhmLawTest::failures_data()
{
    QTest::addColumn<Quantity>("sought");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    const auto U = Quantity::U, I = Quantity::I, R = Quantity::R;
    // clang-format off
    QTest::newRow("I: 0 / 0 from empty boxes") << I << "" << "";
    QTest::newRow("R: 0 / 0 from empty boxes") << R << "" << "";
    QTest::newRow("I: division by zero") << I << "5" << "0";
    QTest::newRow("R: division by negative zero") << R << "5" << "-0";
    QTest::newRow("U: double overflow") << U << "1E200" << "1E200";
    QTest::newRow("R: double overflow") << R << "1E300" << "1E-300";
    QTest::newRow("typed number beyond double range") << U << "1E400" << "1";
    QTest::newRow("beyond single range") << U << "1E20" << "1E20";
    QTest::newRow("beyond single range, negative") << R << "-1E30" << "1E-10";
    QTest::newRow("just beyond single range") << U << "3.5E38" << "1";
    // clang-format on
}

void OhmLawTest::failures()
{
    QFETCH(Quantity, sought);
    QFETCH(QString, first);
    QFETCH(QString, second);

    QString result;
    const QString failure =
        failureOf([&] { result = computeResult(sought, first, second, 3, unitOf(sought)); });
    QVERIFY2(!failure.isEmpty(), qPrintable(QStringLiteral("gave \"%1\"").arg(result)));
    QVERIFY(result.isEmpty());
}

QTEST_GUILESS_MAIN(OhmLawTest)
#include "ohm_law_test.moc"
