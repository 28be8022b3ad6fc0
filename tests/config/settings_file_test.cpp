#include "config/settings_file.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "support/failures.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace
{

const QString kFree = QStringLiteral("Произвольно");
const QString kCentred = QStringLiteral("По центру");

config::SettingsWords russianWords()
{
    config::SettingsWords words;
    words.LangPos1 = kCentred;
    words.bandCountItems = {QStringLiteral("Три"), QStringLiteral("Четыре"),
                            QStringLiteral("Пять")};
    words.unitItems = {QStringLiteral("Ом"), QStringLiteral("кОм"), QStringLiteral("МОм"),
                       QStringLiteral("ГОм")};
    return words;
}

using testing_support::failureOf;
using testing_support::namesLine;

} // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeFile(const QStringList &lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("Settings.dat"));
        common::writeTextLines(path, lines);
        return path;
    }

    config::Settings readBack(const QStringList &lines)
    {
        return config::interpretSettings(config::readSettingsFile(writeFile(lines)),
                                         russianWords());
    }

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void defaultLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        const QStringList expected = {
            QStringLiteral("[Настройка конфигурации]"),
            QStringLiteral("Скин:"),
            QStringLiteral("Default.she"),
            QStringLiteral("Язык по умолчанию:"),
            QStringLiteral("Русский"),
            QStringLiteral("Координаты формы:"),
            kFree,
            QStringLiteral("7200.5"),
            QStringLiteral("3600"),
            QStringLiteral("Координаты Linkor:"),
            kFree,
            QStringLiteral("7200.5"),
            QStringLiteral("3600"),
            QStringLiteral("Координаты Voltam:"),
            kFree,
            QStringLiteral("7200.5"),
            QStringLiteral("3600"),
            QStringLiteral("Кол-во полос по умолчанию:"),
            QStringLiteral("Четыре"),
            QStringLiteral("Единицы измерения по умолчанию:"),
            QStringLiteral("Ом"),
            QStringLiteral("Допуск по умолчанию:"),
            QStringLiteral("5%"),
            QStringLiteral("Последняя выбранная единица измерения в Linkora:"),
            QStringLiteral("Ом"),
            QStringLiteral("Последнее соединение в Linkora:"),
            QStringLiteral("Параллельное"),
            QStringLiteral("Округлять результат до ... знаков после точки Linkor:"),
            QStringLiteral("3"),
            QStringLiteral("Округлять результат до ... знаков после точки Voltam:"),
            QStringLiteral("3"),
            QStringLiteral("Последняя искомая величина Voltamo:"),
            QStringLiteral("U"),
            QStringLiteral("Последний резистор:"),
            QString(),
        };
        for (int i = 0; i < expected.size(); ++i)
            QTest::addRow("line %d", i + 1) << i + 1 << expected[i];
    }

    void defaultLines()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        const QStringList lines = config::defaultSettingsLines(7200.5f, 3600.0f);
        QCOMPARE(lines.size(), config::kSettingsLineCount);
        QCOMPARE(lines[line - 1], expected);
    }

    void defaultCoordinatesAreRegionalText()
    {
        QLocale::setDefault(QLocale(QLocale::Russian));
        const QStringList lines = config::defaultSettingsLines(7200.5f, 0.5f);
        QCOMPARE(lines[7], QStringLiteral("7200,5"));
        QCOMPARE(lines[8], QStringLiteral("0,5"));
    }

    void saveLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        const QList<QPair<int, QString>> rows = {
            {1, QStringLiteral("[Настройка конфигурации]")},
            {3, QStringLiteral("Dark.she")},
            {5, QStringLiteral("English")},
            {7, kCentred},
            {8, QStringLiteral("100.5")},
            {9, QStringLiteral("200")},
            {11, kFree},
            {12, QStringLiteral("300")},
            {13, QStringLiteral("400")},
            {15, kFree},
            {16, QStringLiteral("500")},
            {17, QStringLiteral("600")},
            {19, QStringLiteral("Пять")},
            {21, QStringLiteral("кОм")},
            {23, QStringLiteral("0.25%")},
            {24, QStringLiteral("Последняя выбранная единица измерения в Linkora:")},
            {25, QStringLiteral("МОм")},
            {27, QStringLiteral("Последовательное")},
            {29, QStringLiteral("7")},
            {31, QStringLiteral("255")},
            {33, QStringLiteral("I")},
            {34, QStringLiteral("Последний резистор:")},
            {35, QStringLiteral("5324B1")},
        };
        for (const auto &[line, text] : rows)
            QTest::addRow("line %d", line) << line << text;
    }

    void saveLines()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        config::SettingsSnapshot s;
        s.SkinName = QStringLiteral("Dark.she");
        s.Lang = QStringLiteral("English");
        s.FormCentring = kCentred;
        s.windowLeft = 100.5f;
        s.windowTop = 200;
        s.ConnectFormCentring = kFree;
        s.ConnectFormX = 300;
        s.ConnectFormY = 400;
        s.OmFormCentring = QStringLiteral("Centered"); // another language's word: free
        s.OmFormX = 500;
        s.OmFormY = 600;
        s.bandCountText = QStringLiteral("Пять");
        s.unitText = QStringLiteral("кОм");
        s.toleranceText = QStringLiteral("0.25%");
        s.LastResistInCon = QStringLiteral("МОм");
        s.LastConnect = QStringLiteral("Последовательное");
        s.ConRound = 7;
        s.OmRound = 255;
        s.VoltamLastUIR = QStringLiteral("I");
        s.lastResistorCode = QStringLiteral("5324B1");
        s.LangPos1 = kCentred;
        s.LangPos2 = kFree;
        const QStringList lines = config::saveSettingsLines(s);
        QCOMPARE(lines.size(), config::kSettingsLineCount);
        QCOMPARE(lines[line - 1], expected);
        // Label lines are those of the fresh file.
        const QStringList defaults = config::defaultSettingsLines(0, 0);
        for (int label : {1, 2, 4, 6, 10, 14, 18, 20, 22, 24, 26, 28, 30, 32, 34})
            QCOMPARE(lines[label - 1], defaults[label - 1]);
    }

    void placementWord_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("centred word stays") << kCentred << kCentred;
        QTest::newRow("free word stays") << kFree << kFree;
        QTest::newRow("another language's word becomes free") << "Centered" << kFree;
        QTest::newRow("empty becomes free") << "" << kFree;
        QTest::newRow("centred word with a blank is free") << kCentred + " " << kFree;
    }

    void placementWord()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QCOMPARE(config::normalisedPlacementWord(stored, kCentred, kFree), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<float>("expectedX");
        QTest::newRow("point locale keeps the fraction") << QLocale::c() << 1234.5f;
        QTest::newRow("comma locale reads the whole part") << QLocale(QLocale::Russian) << 1234.0f;
    }

    void roundTrip()
    {
        QFETCH(QLocale, locale);
        QFETCH(float, expectedX);
        QLocale::setDefault(locale);
        config::SettingsSnapshot s;
        s.SkinName = QStringLiteral("Default.she");
        s.Lang = QStringLiteral("Русский");
        s.FormCentring = kFree;
        s.windowLeft = 1234.5f;
        s.windowTop = -60;
        s.ConnectFormCentring = kCentred;
        s.ConnectFormX = 77;
        s.ConnectFormY = 88;
        s.OmFormCentring = kFree;
        s.OmFormX = 1e6f;
        s.OmFormY = 0;
        s.bandCountText = QStringLiteral("Три");
        s.unitText = QStringLiteral("ГОм");
        s.toleranceText = QStringLiteral("0.05%");
        s.LastResistInCon = QStringLiteral("кОм");
        s.LastConnect = QStringLiteral("Параллельное");
        s.ConRound = 0;
        s.OmRound = 12;
        s.VoltamLastUIR = QStringLiteral("R");
        s.lastResistorCode = QStringLiteral("432410");
        s.LangPos1 = kCentred;
        s.LangPos2 = kFree;

        const config::Settings r = readBack(config::saveSettingsLines(s));
        QCOMPARE(r.SkinName, s.SkinName);
        QCOMPARE(r.Lang, s.Lang);
        QCOMPARE(r.FormCentring, kFree);
        QVERIFY(r.windowPosition);
        QCOMPARE(r.windowPosition->x, expectedX);
        QCOMPARE(r.windowPosition->y, -60.0f);
        QCOMPARE(r.ConnectFormCentring, kCentred);
        QVERIFY(!r.connectFormPosition); // centred: no stored position is taken
        QVERIFY(r.omFormPosition);
        QCOMPARE(r.omFormPosition->x, 1e6f);
        QCOMPARE(r.bandCountIndex, 0);
        QCOMPARE(r.unitIndex, 3);
        QCOMPARE(r.toleranceIndex, 7);
        QCOMPARE(r.LastResistInCon, s.LastResistInCon);
        QCOMPARE(r.LastConnect, s.LastConnect);
        QCOMPARE(r.ConRound, quint8(0));
        QCOMPARE(r.OmRound, quint8(12));
        QCOMPARE(r.VoltamLastUIR, QStringLiteral("R"));
        QCOMPARE(r.Temp01, QStringLiteral("432410"));
    }

    void defaultFileReadsBack()
    {
        const config::Settings r = readBack(config::defaultSettingsLines(9000, 4500));
        QCOMPARE(r.SkinName, QStringLiteral("Default.she"));
        QCOMPARE(r.Lang, QStringLiteral("Русский"));
        QCOMPARE(r.windowPosition, std::optional(config::TwipsPosition{9000, 4500}));
        QCOMPARE(r.connectFormPosition, std::optional(config::TwipsPosition{9000, 4500}));
        QCOMPARE(r.bandCountIndex, 1);
        QCOMPARE(r.unitIndex, 0);
        QCOMPARE(r.toleranceIndex, 1);
        QCOMPARE(r.ConRound, quint8(3));
        QCOMPARE(r.Temp01, QString());
    }

    void editedLabelsReadTheSame()
    {
        QStringList lines = config::defaultSettingsLines(10, 20);
        for (int label : {1, 2, 4, 6, 10, 14, 18, 20, 22, 24, 26, 28, 30, 32, 34})
            lines[label - 1] = QStringLiteral("3x translated label");
        const config::Settings r = readBack(lines);
        QCOMPARE(r.SkinName, QStringLiteral("Default.she"));
        QCOMPARE(r.ConRound, quint8(3));
        QCOMPARE(r.windowPosition, std::optional(config::TwipsPosition{10, 20}));
    }

    void shortFileNamesFirstMissingLine_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::newRow("34 lines") << 34;
        QTest::newRow("5 lines") << 5;
        QTest::newRow("empty") << 0;
    }

    void shortFileNamesFirstMissingLine()
    {
        QFETCH(int, lineCount);
        const QString path = writeFile(config::defaultSettingsLines(0, 0).mid(0, lineCount));
        const QString message = failureOf([&] { config::readSettingsFile(path); });
        QVERIFY2(namesLine(message, lineCount + 1), qPrintable(message));
        QVERIFY(message.contains(path));
    }

    void longerFileIsRead()
    {
        QStringList lines = config::defaultSettingsLines(0, 0);
        lines << QStringLiteral("extra");
        QCOMPARE(config::readSettingsFile(writeFile(lines)).lines.size(), 35);
    }

    void valueLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fails");
        QTest::newRow("band count not an item") << 19 << "Шесть" << true;
        QTest::newRow("band count differs in case") << 19 << "четыре" << true;
        QTest::newRow("unit not an item") << 21 << "TОм" << true;
        QTest::newRow("unit of 10^12 is not offered") << 21 << "ТОм" << true;
        QTest::newRow("tolerance not an item") << 23 << "20%" << true;
        QTest::newRow("tolerance with a blank") << 23 << "5% " << true;
        QTest::newRow("tolerance 0.05%") << 23 << "0.05%" << false;
        QTest::newRow("rounding 256") << 29 << "256" << true;
        QTest::newRow("rounding -1") << 29 << "-1" << true;
        QTest::newRow("rounding abc") << 29 << "abc" << true;
        QTest::newRow("rounding 3x") << 31 << "3x" << true;
        QTest::newRow("rounding empty") << 31 << "" << true;
        QTest::newRow("rounding 255.5 rounds to 256") << 31 << "255.5" << true;
        QTest::newRow("rounding 2.5") << 29 << "2.5" << false;
        QTest::newRow("rounding with blanks") << 31 << " 4 " << false;
        QTest::newRow("rounding -0.4") << 31 << "-0.4" << false;
        QTest::newRow("coordinate 12,5") << 8 << "12,5" << false;
        QTest::newRow("coordinate abc") << 13 << "abc" << false;
        QTest::newRow("coordinate too large") << 16 << "1E+300" << true;
    }

    void valueLines()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(bool, fails);
        QStringList lines = config::defaultSettingsLines(5, 5);
        lines[line - 1] = text;
        const QString message = failureOf([&] { readBack(lines); });
        if (fails) {
            QVERIFY2(namesLine(message, line), qPrintable(message));
            QVERIFY(message.contains(QStringLiteral("Settings.dat")));
        } else {
            QVERIFY2(message.isEmpty(), qPrintable(message));
        }
    }

    void lenientValues_data()
    {
        QTest::addColumn<QString>("coordinate");
        QTest::addColumn<QString>("rounding");
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("decimals");
        QTest::newRow("comma ends the coordinate") << "12,5"
                                                   << "2.5" << 12.0f << 2;
        QTest::newRow("no number reads 0") << "abc"
                                           << "3.5" << 0.0f << 4;
        QTest::newRow("blanks inside") << " 1 000"
                                       << "1E1" << 1000.0f << 10;
    }

    void lenientValues()
    {
        QFETCH(QString, coordinate);
        QFETCH(QString, rounding);
        QFETCH(float, x);
        QFETCH(int, decimals);
        QStringList lines = config::defaultSettingsLines(5, 5);
        lines[7] = coordinate;
        lines[28] = rounding;
        const config::Settings r = readBack(lines);
        QCOMPARE(r.windowPosition->x, x);
        QCOMPARE(int(r.ConRound), decimals);
    }

    void centredWindowSkipsItsCoordinates()
    {
        QStringList lines = config::defaultSettingsLines(5, 5);
        lines[10] = kCentred;
        lines[11] = QStringLiteral("1E+999"); // never read
        const config::Settings r = readBack(lines);
        QVERIFY(!r.connectFormPosition);
        QCOMPARE(r.omFormPosition, std::optional(config::TwipsPosition{5, 5}));
    }

    void lastResistorLineIsTrimmed()
    {
        QStringList lines = config::defaultSettingsLines(5, 5);
        lines[34] = QStringLiteral("  432410\t");
        QCOMPARE(readBack(lines).Temp01, QStringLiteral("432410"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
