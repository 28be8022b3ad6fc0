#include "colour_code/nominal_input.h"

#include <QTest>

using namespace colour_code;

namespace {

// A text box: typing and pasting are cut at the maximum length (a typed character is refused
// when the text is full), then the rules run on the changed text.
struct NominalBox
{
    int bandCountIndex;
    QString text;
    int maxLength = kInitialNominalMaxLength;

    void change(const QString &changed)
    {
        const NominalInput settled = SettleNominalText(changed, bandCountIndex, maxLength);
        text = settled.text;
        maxLength = settled.maxLength;
    }
    void type(const QString &keys)
    {
        for (const QChar key : keys)
            if (text.size() < maxLength)
                change(text + key);
    }
    void paste(const QString &pasted) { change(text + pasted.left(maxLength - text.size())); }
};

} // namespace

class NominalInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typing_data();
    void typing();
    void pasting();
    void textsSetByTheProgram_data();
    void textsSetByTheProgram();
    void everyTextSettlesOnAFixedPoint();
};

void NominalInputTest::typing_data()
{
    QTest::addColumn<int>("bandCountIndex");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");

    QTest::newRow("3: third digit is cut") << 0 << "475" << "47" << 3;
    QTest::newRow("3: one decimal") << 0 << "4.7" << "4.7" << 3;
    QTest::newRow("3: below one takes four characters") << 0 << "0.47" << "0.47" << 4;
    QTest::newRow("3: point zero is dropped") << 0 << "1.0" << "1" << 3;
    QTest::newRow("3: 1.05 cannot be typed") << 0 << "1.05" << "15" << 3;
    QTest::newRow("3: trailing zero kept") << 0 << "4701" << "470" << 3;
    QTest::newRow("3: zero point zero") << 0 << "0.0" << "0" << 3;
    QTest::newRow("4: below one, zero dropped") << 1 << "0.50" << "0.5" << 4;
    QTest::newRow("4: leading point") << 1 << ".5" << "0.5" << 4;
    QTest::newRow("3: leading point") << 0 << ".5" << "0.5" << 4;
    QTest::newRow("5: leading point") << 2 << ".5" << "0.5" << 4;
    QTest::newRow("5: two decimals") << 2 << "4.75" << "4.75" << 4;
    QTest::newRow("5: trailing zero of the decimals dropped") << 2 << "4.70" << "4.7" << 4;
    QTest::newRow("5: three digits, no fourth") << 2 << "4751" << "475" << 3;
    QTest::newRow("5: point after two digits") << 2 << "47.5" << "47.5" << 4;
    QTest::newRow("5: point zero kept") << 2 << "4.0" << "4.0" << 4;
    QTest::newRow("5: below one") << 2 << "0.47" << "0.47" << 4;
    QTest::newRow("6: the rules of five") << 3 << "4.75" << "4.75" << 4;
    QTest::newRow("unknown band count: no rules") << -1 << "4751" << "475" << 3;
    QTest::newRow("letters stay") << 0 << "4k7" << "4k" << 3;
}

void NominalInputTest::typing()
{
    QFETCH(int, bandCountIndex);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    NominalBox box{bandCountIndex, {}};
    box.type(keys);
    QCOMPARE(box.text, text);
    QCOMPARE(box.maxLength, maxLength);
}

void NominalInputTest::pasting()
{
    NominalBox three{0, {}};
    three.paste(QStringLiteral(" 47"));
    QCOMPARE(three.text, QStringLiteral("47"));

    NominalBox cut{0, {}};
    cut.paste(QStringLiteral("4.75")); // the box takes three characters
    QCOMPARE(cut.text, QStringLiteral("4.7"));

    const NominalInput blank = SettleNominalText(QStringLiteral("  47"), 0, 3);
    QCOMPARE(blank.text, QStringLiteral("47"));
    QVERIFY(blank.rewritten);
    // Rule D writes a short text again unchanged, which puts the caret at the end; a text that
    // no rule touches leaves the caret where it is.
    const NominalInput short3 = SettleNominalText(QStringLiteral("7"), 0, 3);
    QCOMPARE(short3.text, QStringLiteral("7"));
    QVERIFY(short3.rewritten);
    QVERIFY(SettleNominalText(QStringLiteral("47"), 1, 3).rewritten);
    QVERIFY(!SettleNominalText(QStringLiteral("470"), 0, 3).rewritten);
    QVERIFY(!SettleNominalText(QStringLiteral("47"), 2, 3).rewritten);
}

void NominalInputTest::textsSetByTheProgram_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bandCountIndex");
    QTest::addColumn<int>("maxLengthBefore");
    QTest::addColumn<QString>("settled");
    QTest::addColumn<int>("maxLength");

    QTest::newRow("emptying resets the length") << "" << 0 << 4 << "" << 3;
    QTest::newRow("emptying with five bands") << "" << 2 << 4 << "" << 3;
    QTest::newRow("decoded value below one") << "0.47" << 0 << 3 << "0.47" << 4;
    QTest::newRow("decoded three digits, three bands") << "475" << 0 << 3 << "47" << 3;
    QTest::newRow("decoded 999 with five bands") << "999" << 2 << 4 << "999" << 3;
    QTest::newRow("point and zeros") << "0.50" << 1 << 3 << "0.5" << 4;
    QTest::newRow("unknown band count keeps the length") << " 4.75" << -1 << 4 << "4.75" << 4;
    QTest::newRow("many points") << ".." << 0 << 3 << "0" << 3;
    QTest::newRow("huge number is left alone") << "1.0E999" << 0 << 3 << "1.0E999" << 3;
    QTest::newRow("exponent form with a zero after the point") << "4.044E+42" << 0 << 3 << "4.044E+42" << 3;
    QTest::newRow("inner blanks read as one number") << ".04   044e44" << 1 << 3 << "4.044E+42" << 3;
}

void NominalInputTest::textsSetByTheProgram()
{
    QFETCH(QString, text);
    QFETCH(int, bandCountIndex);
    QFETCH(int, maxLengthBefore);
    QFETCH(QString, settled);
    QFETCH(int, maxLength);
    const NominalInput result = SettleNominalText(text, bandCountIndex, maxLengthBefore);
    QCOMPARE(result.text, settled);
    QCOMPARE(result.maxLength, maxLength);
}

// Whatever the text, the rules stop, and running them again on what they left changes nothing.
void NominalInputTest::everyTextSettlesOnAFixedPoint()
{
    const QString alphabet = QStringLiteral("0 .5a");
    QStringList texts = {QString()};
    for (int length = 1; length <= 5; ++length) {
        QStringList longer;
        for (const QString &text : std::as_const(texts))
            if (text.size() == length - 1)
                for (const QChar c : alphabet)
                    longer << text + c;
        texts += longer;
    }
    for (int bandCountIndex = 0; bandCountIndex < 3; ++bandCountIndex) {
        for (const QString &text : std::as_const(texts)) {
            const NominalInput first = SettleNominalText(text, bandCountIndex, 3);
            const NominalInput again = SettleNominalText(first.text, bandCountIndex, first.maxLength);
            QVERIFY2(again.text == first.text,
                     qPrintable(QStringLiteral("\"%1\" -> \"%2\" -> \"%3\"").arg(text, first.text, again.text)));
            QCOMPARE(again.maxLength, first.maxLength);
        }
    }
}

QTEST_GUILESS_MAIN(NominalInputTest)
#include "nominal_input_test.moc"
