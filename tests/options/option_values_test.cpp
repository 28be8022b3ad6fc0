// The options dialog's values without the dialog: how stored words and numbers show, the change
// of language, the lines OK writes, and the checks of the chosen files before anything is
// written.

#include "options/chosen_files.h"
#include "options/option_values.h"

#include "common/text_file.h"
#include "config/settings_file.h"
#include "support/failures.h"
#include "support/test_folder.h"

#include <QFileInfo>
#include <QTest>

using testing_support::failureOf;
using testing_support::namesLine;
using testing_support::TestFolder;

using Items = std::array<int, 3>;
Q_DECLARE_METATYPE(Items)

namespace
{

const QString kFree = QStringLiteral("Произвольно");
const QString kCentred = QStringLiteral("По центру");

QStringList defaultValues()
{
    return config::defaultSettingsLines(7200, 3600).mid(0, options::kOptionValueCount);
}

config::OptionsTexts englishTexts()
{
    config::OptionsTexts t;
    t.ohmUnitName = QStringLiteral("Ohm");
    t.fourBandsName = QStringLiteral("Four");
    t.LangPos2 = QStringLiteral("Free");
    t.LangPos1 = QStringLiteral("Centred");
    return t;
}

// Replaces one line (1-based) of a file of the test folder.
void editLine(const TestFolder &folder, const QString &file, int line, const QString &text)
{
    QStringList lines = folder.readLines(file);
    lines[line - 1] = text;
    folder.writeLines(file, lines);
}

void truncateTo(const TestFolder &folder, const QString &file, int lineCount)
{
    folder.writeLines(file, folder.readLines(file).mid(0, lineCount));
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
        options::translateOptionValues(values, items, englishTexts());
        QCOMPARE(values[6], words[0]);
        QCOMPARE(values[10], words[1]);
        QCOMPARE(values[14], words[2]);
        // Whatever the units and band count were, they become 1 ohm and four bands.
        QCOMPARE(values[18], QStringLiteral("Four"));
        QCOMPARE(values[20], QStringLiteral("Ohm"));
        QCOMPARE(values[24], QStringLiteral("Ohm"));
        for (int i = 0; i < options::kOptionValueCount; ++i) {
            if (i == 6 || i == 10 || i == 14 || i == 18 || i == 20 || i == 24)
                continue;
            QCOMPARE(values[i], before[i]); // the tolerance among them
        }
    }

    void optionValuesAreTheFirstThirtyThreeLines()
    {
        TestFolder folder;
        const QString settings = QStringLiteral("\\Data\\Settings.dat");
        folder.writeLines(settings, config::defaultSettingsLines(7200, 3600).mid(0, 33));
        QCOMPARE(options::readOptionValues(folder.file(settings)), defaultValues());
        truncateTo(folder, settings, 32);
        QVERIFY(
            namesLine(failureOf([&] { options::readOptionValues(folder.file(settings)); }), 33));
        folder.remove(settings);
        QVERIFY(failureOf([&] {
                    options::readOptionValues(folder.file(settings));
                }).contains(QStringLiteral("Settings.dat")));
    }

    void deliveredFilesAreAccepted_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("ohm");
        QTest::newRow("default, Russian") << "Default.she"
                                          << "Русский"
                                          << "Ом";
        QTest::newRow("dark, English") << "Dark.she"
                                       << "English"
                                       << "Ohm";
    }

    void deliveredFilesAreAccepted()
    {
        QFETCH(QString, skin);
        QFETCH(QString, lang);
        QFETCH(QString, ohm);
        TestFolder folder;
        const options::ChosenLanguage chosen = options::readChosenFiles(skin, lang);
        QCOMPARE(chosen.optionsTexts.ohmUnitName, ohm);
        QCOMPARE(chosen.mainTexts.LangTexts[0], ohm);
    }

    // Each of these would end the program at the re-initialisation and at every later start.
    void brokenChosenFilesAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line"); // 0: remove the file; > 0: edit this line
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keep");      // > 0: keep only this many lines
        QTest::addColumn<QString>("named"); // what the failure names
        const QString skin = QStringLiteral("\\Skin\\Default.she");
        const QString lang = QStringLiteral("\\Languages\\English.lng");
        QTest::newRow("skin missing") << skin << 0 << "" << 0 << "Default.she";
        QTest::newRow("skin without the tool sections") << skin << -1 << "" << 300 << "line 301";
        QTest::newRow("bold flag malformed") << skin << 259 << "maybe" << 0 << "line 259";
        // The main window skips the tool sections; the tool windows read them.
        QTest::newRow("Linkora bold flag malformed") << skin << 297 << "maybe" << 0 << "line 297";
        QTest::newRow("Voltamo bold flag malformed") << skin << 428 << "maybe" << 0 << "line 428";
        QTest::newRow("title picture missing")
            << skin << 77 << "\\Data\\Gone.bmp" << 0 << "Gone.bmp";
        QTest::newRow("Linkora title missing")
            << skin << 78 << "\\Data\\Gone.bmp" << 0 << "Gone.bmp";
        QTest::newRow("background no picture")
            << skin << 4 << "\\Data\\ResTable.tab" << 0 << "ResTable.tab";
        QTest::newRow("language missing") << lang << 0 << "" << 0 << "English.lng";
        QTest::newRow("language ends in the options block") << lang << -1 << "" << 70 << "line 71";
        QTest::newRow("language ends before its last main line")
            << lang << -1 << "" << 101 << "line 102";
        QTest::newRow("language without the about text") << lang << -1 << "" << 105 << "line 106";
    }

    void brokenChosenFilesAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, keep);
        QFETCH(QString, named);
        TestFolder folder;
        if (line == 0)
            folder.remove(file);
        else if (line > 0)
            editLine(folder, file, line, text);
        if (keep > 0)
            truncateTo(folder, file, keep);
        const QString failure = failureOf([] {
            options::readChosenFiles(QStringLiteral("Default.she"), QStringLiteral("English"));
        });
        QVERIFY2(failure.contains(named), qPrintable(failure));
        QVERIFY2(failure.contains(QFileInfo(folder.file(file)).fileName()), qPrintable(failure));
    }

    void settingsLinesMustReadBack()
    {
        TestFolder folder;
        const options::ChosenLanguage english =
            options::readChosenFiles(QStringLiteral("Default.she"), QStringLiteral("English"));
        QStringList values = defaultValues();
        values[4] = QStringLiteral("English");
        options::translateOptionValues(values, {0, 0, 0}, english.optionsTexts);
        const QString path = config::settingsFilePath();
        QStringList lines = options::settingsLines(values, QString());
        QCOMPARE(failureOf([&] { options::checkSettingsLines(path, lines, english.mainTexts); }),
                 QString());
        // The Russian words would not be items of the English lists.
        QStringList untranslated = options::settingsLines(defaultValues(), QString());
        untranslated[4] = QStringLiteral("English");
        QVERIFY(namesLine(
            failureOf([&] { options::checkSettingsLines(path, untranslated, english.mainTexts); }),
            19));
        // A name the code page of the file cannot hold would come back as another name.
        lines[2] = QStringLiteral("皮肤.she");
        QVERIFY(namesLine(
            failureOf([&] { options::checkSettingsLines(path, lines, english.mainTexts); }), 3));
    }
};

QTEST_GUILESS_MAIN(OptionValuesTest)
#include "option_values_test.moc"
