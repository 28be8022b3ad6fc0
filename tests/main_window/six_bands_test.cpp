// Six bands on the colour-code screen: the sixth band, its palette and picture, the TCR list,
// and the files from before six bands.

#include "band_screen_support.h"

#include "common/text_file.h"
#include "config/combination_settings.h"
#include "reliability/settings_versions.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace band_screen;

namespace
{

// The TCR band's drawing place in display pixels: on the body's right cap.
constexpr QPoint kTcrPlace(15 + 224, 60 + 14);
constexpr int kBlackTcr = 49, kRedTcr = 51, kGreyTcr = 57;

} // namespace

class SixBandsTest : public QObject, public Screen
{
    Q_OBJECT

    QStringList bandCaptions()
    {
        QStringList captions;
        for (const auto *band : w()->lblPoloska)
            captions << band->text();
        return captions;
    }

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { f.reset(); }

    void decodeBrownBlackBlackRedBrownRed()
    {
        selectBands(6);
        selectText(w()->cmbTcr, QStringLiteral("250 ppm/K"));
        for (auto [band, entry] : {std::pair{0, kBrownFirst}, {1, kBlackSecond}, {2, kBlackThird},
                                   {3, kRedMultiplier}, {4, kBrownTolerance}})
            choose(band, entry);
        w()->Timer1_Timer();
        QVERIFY(!w()->Command1->isEnabled()); // the sixth band is still missing
        choose(5, kRedTcr);
        QVERIFY(f->displayShows(QStringLiteral("\\Data\\T1Red.bmp"), kTcrPlace));
        QCOMPARE(int(w()->marking.BandCodes[5]), 4);
        QCOMPARE(nameOf(w()->lblPoloska[5]), QStringLiteral("Шестая полоса: Красный"));
        w()->Timer1_Timer();
        QVERIFY(w()->Command1->isEnabled());
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        QCOMPARE(w()->lblInfoMonitor->text(),
                 QStringLiteral("Номинал:  10 кОм\r\n Допуск: 1% Отклонение: 100 Ом\r\nТКС: 50 ppm/K"));
        QCOMPARE(w()->cmbTcr->currentText(), QStringLiteral("50 ppm/K"));
        QCOMPARE(w()->cmbDopusk->currentText(), QStringLiteral("1%"));
        QVERIFY(f->messages.empty());
    }

    void sixthPaletteOffersTheNineColoursWithATcr()
    {
        selectBands(6);
        QTest::mouseClick(w()->lblPoloska[5], Qt::LeftButton);
        const auto *palette = w()->picPallete[5];
        QVERIFY(palette->isVisible());
        QCOMPARE(palette->pos(), w()->lblPoloska[5]->geometry().bottomLeft() + QPoint(0, 1));
        QList<int> offered;
        for (const auto *entry : w()->lblColor)
            if (entry->parentWidget() == palette && entry->isVisible())
                offered << colour_code::ColourToCode(entry->palette().color(QPalette::Window));
        std::sort(offered.begin(), offered.end());
        QCOMPARE(offered, (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(palette->accessibleName(), QStringLiteral("Цвета шестой полосы"));
    }

    // The keyboard reaches the sixth band after the fifth and the TCR list after the
    // tolerance list; Space opens the palette on the band's colour (the last entry), Up goes
    // back to the first and stays there.
    void keyboardReachesTheSixthBandAndTheTcrList()
    {
        selectBands(6);
        choose(5, kGreyTcr);
        w()->lblPoloska[4]->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), w()->lblPoloska[5]);
        QTest::keyClick(focused(), Qt::Key_Space);
        QCOMPARE(focused(), w()->lblColor[kGreyTcr]);
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(focused(), Qt::Key_Up);
        QCOMPARE(focused(), w()->lblColor[kBlackTcr]);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(int(w()->marking.BandCodes[5]), 2);
        QCOMPARE(focused(), w()->lblPoloska[5]);
        w()->cmbDopusk->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), w()->cmbTcr);
        QCOMPARE(w()->cmbTcr->accessibleName(), QStringLiteral("ТКС"));
        QCOMPARE(w()->lblTcr->buddy(), w()->cmbTcr);
        QCOMPARE(w()->cmbTcr->toolTip(), QStringLiteral("Температурный коэффициент сопротивления, ppm/K"));
    }

    // From six bands to four and back: a band-count change like any other, and the sixth band
    // and the TCR list take part only with six.
    void sixToFourAndBack()
    {
        selectBands(6);
        for (auto [band, entry] : {std::pair{0, kBrownFirst}, {1, kBlackSecond}, {2, kBlackThird},
                                   {3, kRedMultiplier}, {4, kBrownTolerance}, {5, kRedTcr}})
            choose(band, entry);
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        QVERIFY(w()->mnuSaveAs->isEnabled());
        const auto codes = w()->marking.BandCodes;
        for (const int bands : {4, 6}) {
            selectBands(bands);
            const bool six = bands == 6;
            QCOMPARE(w()->lblPoloska[5]->isVisible(), six);
            QCOMPARE(w()->lbl[5]->isVisible(), six);
            QCOMPARE(w()->cmbTcr->isVisible(), six);
            QCOMPARE(w()->lblTcr->isVisible(), six);
            QCOMPARE(w()->lblPoloska[4]->pos(), QPoint(148, 156 + 32 * (six ? 4 : 3)));
            QCOMPARE(bandCaptions(), QStringList(6, QStringLiteral("Не выбран")));
            QVERIFY(f->displayShows(QStringLiteral("\\Data\\Resistor.bmp"), kBody));
            QVERIFY(!w()->mnuSaveAs->isEnabled());
            QCOMPARE(w()->lblInfoMonitor->text(), QStringLiteral("Bandolin"));
            QCOMPARE(w()->marking.BandCodes, codes);
            QCOMPARE(int(w()->marking.BandCount), bands);
        }
        QCOMPARE(w()->lblPoloska[5]->pos(), QPoint(148, 156 + 32 * 5));
        QVERIFY(!w()->lblPoloska[5]->geometry().intersects(w()->Command1->geometry()));
    }

    // The skins, language files and colour table delivered before six bands: the sixth band
    // and the TCR list at derived places, the texts and the TCR built in.
    void filesFromBeforeSixBandsLoad_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("six");
        QTest::newRow("Default, Русский") << "Default.she" << "Русский" << "Шесть";
        QTest::newRow("Dark, English") << "Dark.she" << "English" << "Six";
    }

    void filesFromBeforeSixBandsLoad()
    {
        QFETCH(QString, skin);
        QFETCH(QString, language);
        QFETCH(QString, six);
        const QString oldSkin = testing_support::beforeSixBands(skin);
        const QString oldLanguage = testing_support::beforeSixBands(language + ".lng");
        const QString oldTable = testing_support::beforeSixBands(QStringLiteral("ResTable.tab"));
        if (oldSkin.isEmpty() || oldLanguage.isEmpty() || oldTable.isEmpty())
            QSKIP("the files from before six bands are not at hand");
        f.reset();
        f = std::make_unique<testing_support::FormFixture>();
        for (const auto &[from, to] : {std::pair{oldSkin, "\\Skin\\" + skin},
                                       {oldLanguage, "\\Languages\\" + language + ".lng"},
                                       {oldTable, QStringLiteral("\\Data\\ResTable.tab")}}) {
            QFile::remove(f->folder.file(to));
            QVERIFY(QFile::copy(from, f->folder.file(to)));
        }
        QVERIFY(f->load());
        f->close();
        QStringList settings = f->folder.readLines(QStringLiteral("\\Data\\Settings.dat"));
        settings[2] = skin;
        settings[4] = language;
        settings[18] = six;
        settings[20] = f->folder.readLines("\\Languages\\" + language + ".lng").at(14);
        settings[34] = QStringLiteral("6322434");
        f->folder.writeLines(QStringLiteral("\\Data\\Settings.dat"), settings);
        QVERIFY(f->load());
        QVERIFY(f->messages.empty());
        w()->show();
        QCOMPARE(w()->cmbPolosok->currentText(), six);
        QCOMPARE(w()->lbl[5]->text(), QString::fromUtf8(language == "English" ? "Sixth band:" : "Шестая полоса:"));
        QVERIFY(w()->lblInfoMonitor->text().endsWith(": 50 ppm/K"));
        QVERIFY(f->displayShows(QStringLiteral("\\Data\\T1Red.bmp"), kTcrPlace));
        // The older layout makes room: the decode button below the sixth band, the TCR list
        // beside the tolerance list.
        QCOMPARE(w()->lblPoloska[5]->pos(), QPoint(148, 316));
        QCOMPARE(w()->Command1->y(), 360);
        QCOMPARE(w()->cmbTcr->geometry(), QRect(788, 178, 100, w()->cmbTcr->height()));
    }

    // A start and an exit with nothing changed write the settings of the program before six
    // bands byte for byte; the Combinations window's lines follow only once they hold a choice
    // of the user's, and a file with them keeps them.
    void olderSettingsAreWrittenBackUnchanged()
    {
        f.reset();
        f = std::make_unique<testing_support::FormFixture>();
        // As an exit of that program writes them: the unit is the stored marking's.
        QStringList lines = reliability::settingsVersion(0);
        lines[20] = QStringLiteral("кОм");
        const QString path = f->folder.file(QStringLiteral("\\Data\\Settings.dat"));
        common::writeTextLines(path, lines);
        const auto bytesOf = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray bytes = bytesOf();
        QVERIFY(f->load());
        QVERIFY(f->messages.empty());
        f->close();
        QCOMPARE(bytesOf(), bytes);

        QVERIFY(f->load());
        f->form->settings.CombSeries = QStringLiteral("E96");
        f->close();
        const QStringList written = common::readTextLines(path);
        QCOMPARE(written.mid(0, 35), lines);
        QCOMPARE(written.size(), 35 + config::kCombinationSettingsLineCount);
        QCOMPARE(written.at(42), QStringLiteral("E96"));
        QVERIFY(f->load());
        f->close();
        QCOMPARE(common::readTextLines(path), written);
    }
};

QTEST_MAIN(SixBandsTest)
#include "six_bands_test.moc"
