#include "common/failure.h"
#include "common/numbers.h"

#include <QLocale>
#include <QTest>
#include <climits>
#include <cmath>

class NumbersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("blanks, sign, point, exponent and tail") << "  -.5E+2x" << -50.0;
        QTest::newRow("D exponent") << "1D3" << 1000.0;
        QTest::newRow("lower-case exponent") << "2e2" << 200.0;
        QTest::newRow("comma ends the number") << "4,7" << 4.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blank inside") << "1 000" << 1000.0;
        QTest::newRow("blank inside the fraction") << "1.2 5" << 1.25;
        QTest::newRow("exponent without digits is not taken") << "1E" << 1.0;
        QTest::newRow("exponent sign without digits") << "7E+x" << 7.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("plus sign") << "+12" << 12.0;
        QTest::newRow("trailing point") << "12." << 12.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("tab before") << "\t5" << 5.0;
        QTest::newRow("underflow reads as zero") << "1E-999" << 0.0;
        QTest::newRow("percent sign ends") << "0.25%" << 0.25;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(common::leadingNumber(text), expected);
    }

    // Multipliers read from the table are compared for exact equality with computed powers.
    void leadingNumberIsCorrectlyRounded()
    {
        QCOMPARE(common::leadingNumber(u"0.01"), 0.01);
        QCOMPARE(common::leadingNumber(u"0.1"), 0.1);
        QCOMPARE(common::leadingNumber(u"1000000000"), 1e9);
        QCOMPARE(common::leadingNumber(u"1E-2"), 0.01);
        QCOMPARE(common::leadingNumber(u"0.3"), 0.3);
    }

    void leadingNumberIgnoresTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Russian));
        QCOMPARE(common::leadingNumber(u"2.5"), 2.5);
        QLocale::setDefault(QLocale::c());
    }

    void overflowFails()
    {
        QVERIFY_THROWS_EXCEPTION(common::Failure, common::leadingNumber(u"1E999"));
        QVERIFY_THROWS_EXCEPTION(common::Failure, common::leadingNumber(u"-1D400"));
    }

    void plainDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("below one, no zero") << 0.47 << " .47";
        QTest::newRow("negative below one") << -0.5 << "-.5";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("whole") << 1000.0 << " 1000";
        QTest::newRow("fraction") << 4.7 << " 4.7";
        QTest::newRow("exponent from 1E15") << 1e15 << " 1E+15";
        QTest::newRow("just below 1E15") << 999999999999999.0 << " 999999999999999";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << " .3";
        QTest::newRow("rounding reaches the next power") << 9999999999999999.0 << " 1E+16";
        QTest::newRow("mantissa with fraction") << 1.5e20 << " 1.5E+20";
        QTest::newRow("negative exponent form") << -2.5e-7 << "-2.5E-07";
        QTest::newRow("1E-4 stays positional") << 0.0001 << " .0001";
        QTest::newRow("below 1E-4 switches") << 0.00001 << " 1E-05";
        QTest::newRow("three-digit exponent") << 1e100 << " 1E+100";
    }

    void plainDouble()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(common::plainNumberText(value), expected);
    }

    void plainSingle_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("eight digits") << 12345678.0f << " 1.234568E+07";
        QTest::newRow("product rounded to seven digits") << 1234.5678f * 1000.0f << " 1234568";
        QTest::newRow("single 4.7 times 1000") << 4.7f * 1000.0f << " 4700";
        QTest::newRow("single 0.47 times 1000") << 0.47f * 1000.0f << " 470";
        QTest::newRow("single 0.05") << 0.05f << " .05";
        QTest::newRow("exponent from 1E7") << 1e7f << " 1E+07";
    }

    void plainSingle()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(common::plainNumberText(value), expected);
    }

    void regional_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("russian comma and zero") << "ru_RU" << 0.5 << "0,5";
        QTest::newRow("english point") << "en_US" << 0.5 << "0.5";
        QTest::newRow("no grouping") << "en_US" << 1234567.0 << "1234567";
        QTest::newRow("negative") << "ru_RU" << -4.75 << "-4,75";
        QTest::newRow("whole number") << "ru_RU" << 20.0 << "20";
    }

    void regional()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(common::regionalNumberText(value), expected);
        QLocale::setDefault(QLocale::c());
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("exact half to even down") << 0.125 << 2 << 0.12;
        QTest::newRow("exact half to even up") << 0.375 << 2 << 0.38;
        QTest::newRow("2.5 to 2") << 2.5 << 0 << 2.0;
        QTest::newRow("3.5 to 4") << 3.5 << 0 << 4.0;
        QTest::newRow("negative half") << -2.5 << 0 << -2.0;
        QTest::newRow("plain rounding") << 3.14159 << 3 << 3.142;
        QTest::newRow("zero decimals down") << 2.4 << 0 << 2.0;
        QTest::newRow("huge value unchanged") << 1e300 << 3 << 1e300;
    }

    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(common::roundHalfEven(value, decimals), expected);
    }

    void wholeCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "16" << 16;
        QTest::newRow("text after the number") << "3 topics" << 3;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("no number") << "many" << 0;
        QTest::newRow("negative") << "-4" << 0;
        QTest::newRow("small negative rounds to zero") << "-0.4" << 0;
        QTest::newRow("beyond int") << "1E12" << INT_MAX;
    }

    void wholeCount()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(common::wholeCount(text), expected);
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "numbers_test.moc"
