// Band colours typed in a terminal: every delivered name in both languages, spellings, cases.

#include "command_line/colour_words.h"
#include "config/language_file.h"
#include "support/test_folder.h"

#include <QTest>

using namespace command_line;

class ColourWordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deliveredNamesInAnyCase()
    {
        for (const QString language : {"Русский", "English"}) {
            const config::MainWindowTexts texts = config::readMainWindowTexts(
                testing_support::builtProgramFolder() + "/Languages/" + language + ".lng");
            for (int code = 0; code < colour_code::kColourCount; ++code) {
                const QString name = texts.ColourNames[std::size_t(code)];
                for (const QString &typed : {name, name.toUpper(), name.toLower()})
                    QVERIFY2(colourOfWord(typed) == quint8(code), qPrintable(typed));
            }
        }
    }

    void spellings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("code"); // -1: not a colour
        QTest::newRow("gray") << "gray" << int(colour_code::Grey);
        QTest::newRow("purple") << "Purple" << int(colour_code::Violet);
        QTest::newRow("blue is light blue") << "blue" << int(colour_code::LightBlue);
        QTest::newRow("light-blue") << "light-blue" << int(colour_code::LightBlue);
        QTest::newRow("lightblue") << "LIGHTBLUE" << int(colour_code::LightBlue);
        QTest::newRow("черный without dots") << "черный" << int(colour_code::Black);
        QTest::newRow("золотой") << "золотой" << int(colour_code::Gold);
        QTest::newRow("pink") << "pink" << -1;
        QTest::newRow("light alone") << "light" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void spellings()
    {
        QFETCH(QString, word);
        QFETCH(int, code);
        const std::optional<quint8> found = colourOfWord(word);
        QCOMPARE(found ? int(*found) : -1, code);
    }

    void wordsInOrder()
    {
        // "light blue" unquoted arrives as two words.
        ColourWords read = colourWords({"light", "blue", "Red", "gold"});
        QCOMPARE(read.codes, (std::vector<quint8>{colour_code::LightBlue, colour_code::Red,
                                                  colour_code::Gold}));
        QVERIFY(read.unknownWord.isEmpty());
        read = colourWords({"red", "pink", "red"});
        QCOMPARE(read.unknownWord, QStringLiteral("pink"));
        // Last, an unknown word has no next word to be read with.
        QCOMPARE(colourWords({"red", "red", "redd"}).unknownWord, QStringLiteral("redd"));
        // The names of a language file of the user's own.
        ColourNames german;
        german[colour_code::Red] = QStringLiteral("Rot");
        QCOMPARE(colourOfWord(QStringLiteral("rot"), german), quint8(colour_code::Red));
    }
};

QTEST_GUILESS_MAIN(ColourWordsTest)
#include "colour_words_test.moc"
