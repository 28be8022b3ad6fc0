// Reads the delivered skins and languages through the program's own readers.

#include "config/language_file.h"
#include "config/settings_file.h"
#include "config/skin_file.h"

#include "common/failure.h"
#include "common/text_file.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace
{

QString deliveredFolder(const QString &sub)
{
    return testing_support::sourceFolder() + QStringLiteral("/data/") + sub;
}

QStringList deliveredFiles(const QString &sub, const QString &pattern)
{
    return QDir(deliveredFolder(sub)).entryList({pattern}, QDir::Files, QDir::Name);
}

// A path as the data files write it ("\Data\x"), inside the built program folder.
QString builtFile(const QString &relative)
{
    QString part = relative;
    part.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return testing_support::builtProgramFolder() + part;
}

config::SettingsWords wordsOf(const config::MainWindowTexts &texts)
{
    config::SettingsWords words;
    words.LangPos1 = texts.LangPos1;
    for (const QString &name : texts.BandCountNames)
        words.bandCountItems << name;
    for (int i = 0; i < 4; ++i) // the main window offers units up to 10^9 ohm
        words.unitItems << texts.LangTexts[i];
    return words;
}

} // namespace

class DeliveredDataTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void skinReadsAndNamesExistingFiles_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList skins = deliveredFiles(QStringLiteral("Skin"), QStringLiteral("*.she"));
        QVERIFY(skins.contains(QStringLiteral("Default.she")));
        QVERIFY(skins.contains(QStringLiteral("Dark.she")));
        for (const QString &skin : skins)
            QTest::newRow(qPrintable(skin)) << skin;
    }

    void skinReadsAndNamesExistingFiles()
    {
        QFETCH(QString, name);
        config::SkinFile skin;
        try {
            skin = config::readSkinFile(deliveredFolder(QStringLiteral("Skin/")) + name);
        } catch (const common::Failure &failure) {
            QFAIL(qPrintable(failure.message()));
        }
        const config::MainWindowSkin &main = skin.main;
        QCOMPARE(int(main.RequiredFiles.size()), config::kRequiredFileCount);
        for (const QString &file : main.RequiredFiles) {
            QVERIFY2(file.startsWith(QLatin1Char('\\')), qPrintable(file));
            QVERIFY2(common::fileExists(builtFile(file)), qPrintable(file));
        }
        for (const QString &picture : {main.picMark, main.picCon, main.picOm})
            QVERIFY2(common::fileExists(builtFile(picture)), qPrintable(picture));
        for (const QString &picture : {main.GlobalPicture, main.picPalletePicture})
            QVERIFY2(config::isNoPicture(picture) || common::fileExists(builtFile(picture)),
                     qPrintable(picture));
        QVERIFY(!main.PictureSetCode.isEmpty());
        // Black heads the third-digit palette where it heads the second-digit one.
        QVERIFY(main.thirdDigitBlackPlaced);
        QCOMPARE(main.lblColor[48], main.lblColor[32]);
        QCOMPARE(main.picPalleteSizes[2], main.picPalleteSizes[1]);
        QVERIFY(main.readingHintPlaced);
        QVERIFY(!main.GeneralFont.isEmpty());
        QVERIFY(main.ConnectFormW > 0 && main.ConnectFormH > 0);
        QVERIFY(main.OmFormW > 0 && main.OmFormH > 0);
        QVERIFY(main.lineWidth >= 1);
    }

    void defaultSkinKeyValues()
    {
        const config::SkinFile skin =
            config::readSkinFile(deliveredFolder(QStringLiteral("Skin/Default.she")));
        const config::MainWindowSkin &main = skin.main;
        QCOMPARE(main.PictureSetCode, QStringLiteral("1"));
        QCOMPARE(main.GeneralFont, QStringLiteral("DejaVu Sans"));
        QCOMPARE(main.GlobalPicture, QStringLiteral("Nothing"));
        QCOMPARE(main.windowSize, QSize(13500, 9210));
        QCOMPARE(main.BandOffsets[0], QPoint(68 * 15, 14 * 15));
        QCOMPARE(main.BandOffsets[4], QPoint(190 * 15, 24 * 15));
        QCOMPARE(main.RequiredFiles[0], QStringLiteral("\\Data\\Resistor.bmp"));
        QCOMPARE(main.picMark, QStringLiteral("\\Data\\MarkTitle.bmp"));
        QCOMPARE(main.ConnectFormW, 480.0f * 15);
        QCOMPARE(main.OmFormH, 264.0f * 15);
        QCOMPARE(main.lineWidth, 1);
        QCOMPARE(int(main.rectangles.size()), 4);
        QCOMPARE(skin.linkora.cmdCalc.bold, true);
        QCOMPARE(skin.linkora.cmdAdd.bold, false);
        QCOMPARE(skin.voltamo.lblU.bold, true);
    }

    void languageReads_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList languages =
            deliveredFiles(QStringLiteral("Languages"), QStringLiteral("*.lng"));
        QVERIFY(languages.contains(QStringLiteral("Русский.lng")));
        QVERIFY(languages.contains(QStringLiteral("English.lng")));
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void languageReads()
    {
        QFETCH(QString, name);
        config::LanguageFile file;
        try {
            file = config::readLanguageFile(deliveredFolder(QStringLiteral("Languages/")) + name);
        } catch (const common::Failure &failure) {
            QFAIL(qPrintable(failure.message()));
        }
        QVERIFY(!file.main.LangPos1.isEmpty());
        QVERIFY(!file.main.LangPos2.isEmpty());
        QVERIFY(file.main.LangPos1 != file.main.LangPos2);
        QVERIFY(!file.main.NotChosenText.isEmpty());
        // A settings file saved in this language reads back under it.
        config::SettingsSnapshot s;
        s.SkinName = QStringLiteral("Default.she");
        s.Lang = QFileInfo(name).completeBaseName();
        s.FormCentring = file.main.LangPos1;
        s.bandCountText = file.main.BandCountNames[2];
        s.unitText = file.main.LangTexts[3];
        s.toleranceText = config::toleranceItems().at(0);
        s.LangPos1 = file.main.LangPos1;
        s.LangPos2 = file.main.LangPos2;
        const config::SettingsFile settings{QStringLiteral("Settings.dat"),
                                            config::saveSettingsLines(s)};
        const config::Settings read = config::interpretSettings(settings, wordsOf(file.main));
        QCOMPARE(read.bandCountIndex, 2);
        QCOMPARE(read.unitIndex, 3);
        QVERIFY(!read.windowPosition);
    }

    // The fresh settings file stores words that the reference language must offer.
    void russianHoldsTheDefaultSettingsWords()
    {
        const QString path = deliveredFolder(QStringLiteral("Languages/Русский.lng"));
        const QStringList lines = common::readTextLines(path);
        QCOMPARE(lines.at(14), QStringLiteral("Ом"));
        QCOMPARE(lines.at(20), QStringLiteral("Четыре"));
        QCOMPARE(lines.at(35), QStringLiteral("Произвольно"));

        const config::LanguageFile file = config::readLanguageFile(path);
        QCOMPARE(file.main.LangTexts[0], QStringLiteral("Ом"));
        QCOMPARE(file.main.BandCountNames[1], QStringLiteral("Четыре"));
        QCOMPARE(file.main.LangPos2, QStringLiteral("Произвольно"));
        QCOMPARE(file.voltamo.resistanceUnit, QStringLiteral("Ом"));
        QCOMPARE(file.options.fourBandsName, QStringLiteral("Четыре"));

        const config::SettingsFile settings{QStringLiteral("Settings.dat"),
                                            config::defaultSettingsLines(100, 200)};
        const config::Settings read = config::interpretSettings(settings, wordsOf(file.main));
        QCOMPARE(read.bandCountIndex, 1);
        QCOMPARE(read.unitIndex, 0);
        QCOMPARE(read.toleranceIndex, 1);
        QVERIFY(read.windowPosition); // the default word is the free one
    }
};

QTEST_GUILESS_MAIN(DeliveredDataTest)
#include "delivered_data_test.moc"
