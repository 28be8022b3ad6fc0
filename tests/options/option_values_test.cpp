// The options dialog's values without the dialog: how stored words and numbers show, the change
// of language and the lines OK writes.

#include "options/option_values.h"

#include "config/settings_file.h"

#include <QTest>

using Items = std::array<int, 3>;
Q_DECLARE_METATYPE(Items)

namespace
{

const QString kFree = QStringLiteral("Произвольно");
const QString kCentred = QStringLiteral("По центру");
const std::array<QString, 5> kRussianUnits = {"Ом", "кОм", "МОм", "ГОм", "ТОм"};

QStringList defaultValues()
{
    return config::defaultSettingsLines(7200, 3600).mid(0, options::kOptionValueCount);
}

config::OptionsTexts englishTexts()
{
    config::OptionsTexts t;
    t.unitNames = {"Ohm", "kOhm", "MOhm", "GOhm", "TOhm"};
    t.fourBandsName = QStringLiteral("Four");
    t.LangPos2 = QStringLiteral("Free");
    t.LangPos1 = QStringLiteral("Centred");
    return t;
}

} // namespace

class OptionValuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placementWordsShowAsTheirItem_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("item");
        QTest::newRow("centred word") << kCentred << options::kCentredItem;
        QTest::newRow("free word") << kFree << options::kFreeItem;
        QTest::newRow("centred word of another language") << "Centred" << options::kFreeItem;
        QTest::newRow("edited by hand") << "по центру" << options::kFreeItem;
        QTest::newRow("trailing blank") << "По центру " << options::kFreeItem;
        QTest::newRow("empty") << "" << options::kFreeItem;
    }

    void placementWordsShowAsTheirItem()
    {
        QFETCH(QString, stored);
        QFETCH(int, item);
        QCOMPARE(options::placementItem(stored, kCentred), item);
    }

    void roundingKeepsToTheScrollBar_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("position");
        QTest::newRow("in range") << "3" << 3;
        QTest::newRow("lower limit") << "0" << 0;
        QTest::newRow("upper limit") << "8" << 8;
        QTest::newRow("just above") << "9" << 8;
        QTest::newRow("largest the file allows") << "255" << 8;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("blanks and comma") << " 7,9" << 7;
        QTest::newRow("beyond double range") << "1E400" << 8;
        QTest::newRow("beyond double range below") << "-1E400" << 0;
    }

    void roundingKeepsToTheScrollBar()
    {
        QFETCH(QString, stored);
        QFETCH(int, position);
        QCOMPARE(options::roundingPosition(stored), position);
    }

    // Default shows what a fresh settings file holds.
    void defaultsAreThoseOfAFreshSettingsFile()
    {
        QCOMPARE(options::dialogValues(defaultValues(), kCentred), options::defaultDialogValues());
    }

    void languageChangeTranslatesTheStoredWords_data()
    {
        QTest::addColumn<Items>("items");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("all free") << Items{0, 0, 0} << QStringList{"Free", "Free", "Free"};
        QTest::newRow("all centred")
            << Items{1, 1, 1} << QStringList{"Centred", "Centred", "Centred"};
        QTest::newRow("each its own")
            << Items{1, 0, 1} << QStringList{"Centred", "Free", "Centred"};
    }

    void languageChangeTranslatesTheStoredWords()
    {
        QFETCH(Items, items);
        QFETCH(QStringList, words);
        QStringList values = defaultValues();
        values[18] = QStringLiteral("Пять");
        values[20] = QStringLiteral("кОм");
        values[22] = QStringLiteral("0.5%");
        values[24] = QStringLiteral("МОм");
        const QStringList before = values;
        options::translateOptionValues(values, items, kRussianUnits, englishTexts());
        QCOMPARE(values[6], words[0]);
        QCOMPARE(values[10], words[1]);
        QCOMPARE(values[14], words[2]);
        // Whatever the default unit and band count were, they become 1 ohm and four bands; the
        // unit Linkora shows keeps its place.
        QCOMPARE(values[18], QStringLiteral("Four"));
        QCOMPARE(values[20], QStringLiteral("Ohm"));
        QCOMPARE(values[24], QStringLiteral("MOhm"));
        values[24] = QStringLiteral("edited by hand");
        options::translateOptionValues(values, items, kRussianUnits, englishTexts());
        QCOMPARE(values[24], QStringLiteral("Ohm"));
        for (int i = 0; i < options::kOptionValueCount; ++i) {
            if (i == 6 || i == 10 || i == 14 || i == 18 || i == 20 || i == 24)
                continue;
            QCOMPARE(values[i], before[i]); // the tolerance among them
        }
    }
};

QTEST_GUILESS_MAIN(OptionValuesTest)
#include "option_values_test.moc"
