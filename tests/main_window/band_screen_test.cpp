// The main window's colour-code screen, driven through its real controls.

#include "band_screen_support.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace band_screen;

class BandScreenTest : public QObject, public Screen
{
    Q_OBJECT

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { f.reset(); }

    void bandCountLayouts_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<QList<bool>>("visible"); // lblPoloska 0..4
        QTest::addColumn<QList<bool>>("titles");  // lbl 3 and 4
        QTest::addColumn<int>("place3");          // place index of lblPoloska 3
        QTest::addColumn<bool>("tolerance");
        QTest::newRow("three") << 3 << QList<bool>{1, 1, 0, 1, 0} << QList<bool>{0, 0} << 2 << false;
        QTest::newRow("four") << 4 << QList<bool>{1, 1, 0, 1, 1} << QList<bool>{1, 0} << 2 << true;
        QTest::newRow("five") << 5 << QList<bool>{1, 1, 1, 1, 1} << QList<bool>{1, 1} << 3 << true;
    }

    void bandCountLayouts()
    {
        QFETCH(int, bands);
        QFETCH(QList<bool>, visible);
        QFETCH(QList<bool>, titles);
        QFETCH(int, place3);
        QFETCH(bool, tolerance);
        selectBands(bands);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w()->lblPoloska[i]->isVisible(), visible[i]);
        QCOMPARE(w()->lbl[3]->isVisible(), titles[0]);
        QCOMPARE(w()->lbl[4]->isVisible(), titles[1]);
        // Band label places: 148, 156 + 32 * place in the delivered skin.
        QCOMPARE(w()->lblPoloska[3]->pos(), QPoint(148, 156 + 32 * place3));
        if (bands == 4)
            QCOMPARE(w()->lblPoloska[4]->pos(), QPoint(148, 156 + 32 * 3));
        QCOMPARE(w()->cmbDopusk->isEnabled(), tolerance);
        QCOMPARE(int(w()->marking.BandCount), bands);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w()->lblPoloska[i]->text(), QStringLiteral("Не выбран"));
    }

    void paletteChoicePaintsAtItsPlace_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("place");
        QTest::newRow("3 bands, multiplier at the third place") << 3 << 3 << kRedMultiplier << 4 << 2;
        QTest::newRow("3 bands, first band") << 3 << 0 << kBrownFirst << 3 << 0;
        QTest::newRow("4 bands, multiplier") << 4 << 3 << kWhiteMultiplier << 11 << 2;
        QTest::newRow("4 bands, tolerance at the fourth place") << 4 << 4 << kGoldTolerance << 1 << 3;
        QTest::newRow("5 bands, third digit") << 5 << 2 << kGreenThird << 7 << 2;
        QTest::newRow("5 bands, multiplier") << 5 << 3 << kRedMultiplier << 4 << 3;
        QTest::newRow("5 bands, tolerance") << 5 << 4 << kGreyTolerance << 10 << 4;
        QTest::newRow("5 bands, second digit") << 5 << 1 << kBlackSecond << 2 << 1;
    }

    void paletteChoicePaintsAtItsPlace()
    {
        QFETCH(int, bands);
        QFETCH(int, band);
        QFETCH(int, entry);
        QFETCH(int, code);
        QFETCH(int, place);
        selectBands(bands);
        QVERIFY(f->displayShows(QStringLiteral("\\Data\\Resistor.bmp"), kBody));
        choose(band, entry);
        QCOMPARE(int(w()->marking.BandCodes[band]), code);
        QVERIFY(f->displayShows(bandPicture(band == 0, code), kPlace[place]));
        QCOMPARE(w()->lblPoloska[band]->text(), w()->lblColor[entry]->text());
        QCOMPARE(w()->lblPoloska[band]->palette().color(QPalette::Window),
                 w()->lblColor[entry]->palette().color(QPalette::Window));
        QVERIFY(f->messages.empty());
    }

    void bandCountChangeClearsPictureAndKeepsCodes()
    {
        selectBands(4);
        choose(0, kYellowFirst);
        selectBands(5);
        QVERIFY(f->displayShows(QStringLiteral("\\Data\\Resistor.bmp"), kBody));
        QCOMPARE(int(w()->marking.BandCodes[0]), 6);
        QCOMPARE(w()->lblPoloska[0]->text(), QStringLiteral("Не выбран"));
    }

    void decodeBrownBlackRedGold()
    {
        selectBands(4);
        w()->Timer1_Timer();
        QVERIFY(!w()->Command1->isEnabled());
        choose(0, kBrownFirst);
        choose(1, kBlackSecond);
        choose(3, kRedMultiplier);
        w()->Timer1_Timer();
        QVERIFY(!w()->Command1->isEnabled()); // the tolerance band is still missing
        selectText(w()->cmbDopusk, QStringLiteral("10%"));
        choose(4, kGoldTolerance);
        w()->Timer1_Timer();
        QVERIFY(w()->Command1->isEnabled());
        QTest::mouseClick(w()->Command1, Qt::LeftButton);

        QCOMPARE(w()->lblInfoMonitor->text(),
                 QStringLiteral("Номинал:  1 кОм\r\n Допуск: 5% Отклонение: 50 Ом"));
        QCOMPARE(w()->marking.ResultLine, QStringLiteral("Номинал:  1 кОм Допуск: 5% Отклонение:  50 Ом"));
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("1"));
        QCOMPARE(w()->cmbEdinIzmereniya->currentText(), QStringLiteral("кОм"));
        QCOMPARE(w()->cmbDopusk->currentText(), QStringLiteral("5%"));
        QVERIFY(w()->marking.DeviationText.isEmpty());
        QVERIFY(w()->saveAsWanted());
        // Pressing again shows the same texts.
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        QCOMPARE(w()->lblInfoMonitor->text(),
                 QStringLiteral("Номинал:  1 кОм\r\n Допуск: 5% Отклонение: 50 Ом"));
        for (int place = 0; place < 4; ++place)
            QVERIFY(f->displayShows(bandPicture(place == 0, std::array{3, 2, 4, 1}[place]), kPlace[place]));
    }

    // The usual 1 % resistor: black as the third digit, picked from its palette's head.
    void decodeFiveBandsWithBlackThirdDigit()
    {
        selectBands(5);
        choose(0, kYellowFirst);
        choose(1, kVioletSecond);
        QCOMPARE(w()->lblColor[kBlackThird]->geometry(), w()->lblColor[kBlackSecond]->geometry());
        choose(2, kBlackThird);
        choose(3, kBrownMultiplier);
        choose(4, kBrownTolerance);
        QCOMPARE(w()->lblPoloska[2]->text(), QStringLiteral("Чёрный"));
        w()->Timer1_Timer();
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        QCOMPARE(w()->lblInfoMonitor->text(),
                 QStringLiteral("Номинал:  4.7 кОм\r\n Допуск: 1% Отклонение: 47 Ом"));
        QVERIFY(f->displayShows(bandPicture(false, 2), kPlace[2]));
    }

    // An older table whose black has no third-digit value: the palette leaves black out and
    // closes the gap, and the keyboard starts on the entry now at its head.
    void thirdDigitPaletteFollowsAnOlderTable()
    {
        QStringList table = f->folder.readLines(QStringLiteral("\\Data\\ResTable.tab"));
        table[14 + colour_code::Black] = QStringLiteral("Нет|0|Нет|1|Нет");
        f->folder.writeLines(QStringLiteral("\\Data\\ResTable.tab"), table);
        QVERIFY(w()->ReIn());
        selectBands(5);
        w()->lblPoloska[2]->setFocus();
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(!w()->lblColor[kBlackThird]->isVisible());
        QCOMPARE(focused(), w()->lblColor[26]); // brown, at the head
        QCOMPARE(focused()->pos(), w()->lblColor[kBlackSecond]->pos());
    }

    void decodeThreeBandsBelowOneOhm()
    {
        selectBands(3);
        selectText(w()->cmbDopusk, QStringLiteral("1%"));
        choose(0, kYellowFirst);
        choose(1, kVioletSecond);
        choose(3, 15); // silver multiplier
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        // The box takes the program's four characters although its typing limit is three.
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("0.47"));
        QVERIFY(w()->lblInfoMonitor->text().contains(QStringLiteral(" .47 Ом")));
        QVERIFY(w()->lblInfoMonitor->text().contains(QStringLiteral("20%")));
        QCOMPARE(w()->cmbDopusk->currentText(), QStringLiteral("1%")); // three bands keep the item
    }

    void encodeFourPointSevenKiloOhm()
    {
        selectBands(4);
        QTest::keyClicks(w()->txtNominal, QStringLiteral("4.7"));
        selectText(w()->cmbEdinIzmereniya, QStringLiteral("кОм"));
        selectText(w()->cmbDopusk, QStringLiteral("5%"));
        w()->Timer1_Timer();
        QVERIFY(w()->Command2->isEnabled());
        QTest::mouseClick(w()->Command2, Qt::LeftButton);

        const QStringList expected = {"Жёлтый", "Фиолетовый", "Не выбран", "Красный", "Золотистый"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w()->lblPoloska[i]->text(), expected[i]);
        QCOMPARE(int(w()->marking.BandCodes[0]), 6);
        QCOMPARE(int(w()->marking.BandCodes[1]), 9);
        QCOMPARE(int(w()->marking.BandCodes[3]), 4);
        QCOMPARE(int(w()->marking.BandCodes[4]), 1);
        QVERIFY(f->displayShows(bandPicture(true, 6), kPlace[0]));
        QVERIFY(f->displayShows(bandPicture(false, 9), kPlace[1]));
        QVERIFY(f->displayShows(bandPicture(false, 4), kPlace[2]));
        QVERIFY(f->displayShows(bandPicture(false, 1), kPlace[3]));
        QCOMPARE(w()->lblInfoMonitor->text(), QStringLiteral("Номинал: 4.7 кОм\r\n Допуск: 5%"));
        QCOMPARE(w()->marking.ResultLine, QStringLiteral("Номинал: 4.7 кОм Допуск: 5%"));
        // The dark swatches get the table's light text.
        QCOMPARE(w()->lblPoloska[1]->palette().color(QPalette::Window), QColor(0x80, 0x00, 0x80));
        QVERIFY(f->messages.empty());
        // Decoding the encoded marking gives the value back.
        w()->Timer1_Timer();
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("4.7"));
    }

    // A value the band count cannot mark is reported and leaves no earlier colours standing.
    void encodingFailures_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unit");
        QTest::newRow("five bands, below one") << 5 << "0.47" << "Ом";
        QTest::newRow("three bands, multiplier 10^10") << 3 << "470" << "ГОм";
    }

    void encodingFailures()
    {
        QFETCH(int, bands);
        QFETCH(QString, typed);
        QFETCH(QString, unit);
        selectBands(bands);
        // An earlier marking on the labels and the picture.
        choose(0, kBrownFirst);
        choose(1, kBlackSecond);
        QTest::keyClicks(w()->txtNominal, typed);
        QCOMPARE(w()->txtNominal->text(), typed);
        selectText(w()->cmbEdinIzmereniya, unit);
        QTest::mouseClick(w()->Command2, Qt::LeftButton);
        QCOMPARE(f->messages.size(), std::size_t(1));
        QCOMPARE(f->messages[0].title, w()->texts.LangTexts[12]);
        QVERIFY(f->messages[0].text.startsWith(w()->texts.LangTexts[8]));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w()->lblPoloska[i]->text(), QStringLiteral("Не выбран"));
        QVERIFY(f->displayShows(QStringLiteral("\\Data\\Resistor.bmp"), kBody));
        // The bare body: no band picture left at the first place.
        QVERIFY(!f->displayShows(bandPicture(true, 3), kPlace[0]));
        QVERIFY(w()->lblInfoMonitor->text().startsWith(QStringLiteral("Номинал: ") + typed));
    }

    void typingFollowsTheInputRules_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3: third digit cut") << 3 << "475" << "47";
        QTest::newRow("3: one decimal") << 3 << "4.7" << "4.7";
        QTest::newRow("3: below one gets four characters") << 3 << "0.47" << "0.47";
        QTest::newRow("3: trailing zero dropped") << 3 << "1.0" << "1";
        QTest::newRow("3: 1.05 cannot be typed") << 3 << "1.05" << "15";
        QTest::newRow("4: leading point") << 4 << ".5" << "0.5";
        QTest::newRow("4: limit of three") << 4 << "4700" << "470";
        QTest::newRow("5: three digits and a point") << 5 << "4.75" << "4.75";
        QTest::newRow("5: trailing zero after three") << 5 << "4.70" << "4.7";
        QTest::newRow("5: leading point") << 5 << ".5" << "0.5";
        QTest::newRow("5: three digits") << 5 << "4751" << "475";
    }

    void typingFollowsTheInputRules()
    {
        QFETCH(int, bands);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        selectBands(bands);
        w()->txtNominal->setFocus();
        QTest::keyClicks(w()->txtNominal, typed);
        QCOMPARE(w()->txtNominal->text(), expected);
        QCOMPARE(w()->txtNominal->cursorPosition(), int(expected.size()));
    }

    // Deleting inside a short text runs rule D, which puts the caret at the end, so what is
    // typed next goes after the last character.
    void editingInsideAShortTextMovesTheCaretToTheEnd()
    {
        selectBands(3);
        w()->txtNominal->setFocus();
        QTest::keyClicks(w()->txtNominal, QStringLiteral("47"));
        QTest::keyClick(w()->txtNominal, Qt::Key_Home);
        QTest::keyClick(w()->txtNominal, Qt::Key_Delete);
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("7"));
        QCOMPARE(w()->txtNominal->cursorPosition(), 1);
        QTest::keyClicks(w()->txtNominal, QStringLiteral("5"));
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("75"));

        // Five bands have no rule D: the caret stays where the edit left it.
        selectBands(5);
        QTest::keyClicks(w()->txtNominal, QStringLiteral("47"));
        QTest::keyClick(w()->txtNominal, Qt::Key_Home);
        QTest::keyClick(w()->txtNominal, Qt::Key_Delete);
        QCOMPARE(w()->txtNominal->cursorPosition(), 0);
        QTest::keyClicks(w()->txtNominal, QStringLiteral("5"));
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("57"));
    }

    void pastingIsCutAndTrimmed()
    {
        selectBands(4);
        QApplication::clipboard()->setText(QStringLiteral(" 47"));
        w()->txtNominal->paste();
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("47"));
        w()->txtNominal->clear();
        QApplication::clipboard()->setText(QStringLiteral("12345"));
        w()->txtNominal->paste();
        QCOMPARE(w()->txtNominal->text(), QStringLiteral("12"));
    }

    void encodeButtonNeedsANumberAboveZero_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("half") << "0.5" << true;
        QTest::newRow("letters") << "ab" << false;
    }

    void encodeButtonNeedsANumberAboveZero()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        selectBands(4);
        QTest::keyClicks(w()->txtNominal, typed);
        w()->Timer1_Timer();
        QCOMPARE(w()->Command2->isEnabled(), enabled);
    }

    void hoverFramesOneEntryAndBareSurfaceClosesPalettes()
    {
        selectBands(5);
        // Open the lower palette first: an open palette covers the band labels below it.
        QTest::mouseClick(w()->lblPoloska[3], Qt::LeftButton);
        QTest::mouseClick(w()->lblPoloska[0], Qt::LeftButton);
        QVERIFY(w()->picPallete[0]->isVisible() && w()->picPallete[3]->isVisible());
        QTest::mouseMove(w()->lblColor[kRedMultiplier]);
        QTest::mouseMove(w()->lblColor[kWhiteMultiplier]);
        int framed = 0;
        for (auto *entry : w()->lblColor)
            framed += entry->frameStyle() != QFrame::NoFrame;
        QCOMPARE(framed, 1);
        QVERIFY(w()->lblColor[kWhiteMultiplier]->frameStyle() != QFrame::NoFrame);
        QTest::mouseMove(w()->centralWidget(), QPoint(294, 300)); // between the groups
        QVERIFY(!w()->picPallete[0]->isVisible() && !w()->picPallete[3]->isVisible());
        for (auto *entry : w()->lblColor)
            QCOMPARE(entry->frameStyle(), int(QFrame::NoFrame));
    }

    // A press on an entry keeps the palette open; the release over it makes the choice. A
    // press on an entry that is released elsewhere chooses nothing and closes nothing.
    void pressOnAnEntryKeepsThePaletteOpenUntilTheRelease()
    {
        selectBands(4);
        QTest::mouseClick(w()->lblPoloska[3], Qt::LeftButton);
        ui::ClickLabel *red = w()->lblColor[kRedMultiplier];
        QTest::mousePress(red, Qt::LeftButton);
        QVERIFY(w()->picPallete[3]->isVisible());
        QTest::mouseRelease(red, Qt::LeftButton);
        QVERIFY(!w()->picPallete[3]->isVisible());
        QCOMPARE(w()->lblPoloska[3]->text(), red->text());

        QTest::mouseClick(w()->lblPoloska[0], Qt::LeftButton);
        ui::ClickLabel *brown = w()->lblColor[kBrownFirst];
        QTest::mousePress(brown, Qt::LeftButton);
        QTest::mouseRelease(brown, Qt::LeftButton, {}, QPoint(-20, -20)); // moved off first
        QVERIFY(w()->picPallete[0]->isVisible());
        QCOMPARE(w()->lblPoloska[0]->text(), w()->texts.NotChosenText);

        // The bare area of the palette still closes it.
        QTest::mouseClick(w()->picPallete[0], Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!w()->picPallete[0]->isVisible());
    }

    void paletteOpensUnderItsBandLabel()
    {
        selectBands(3);
        QTest::mouseClick(w()->lblPoloska[3], Qt::LeftButton);
        const QWidget *band = w()->lblPoloska[3];
        QCOMPARE(w()->picPallete[3]->pos(), QPoint(band->x(), band->y() + band->height()));
        QCOMPARE(int(w()->marking.EditedBand), 3);
    }

    void missingBandPictureIsReportedAndTheProgramGoesOn()
    {
        selectBands(4);
        f->folder.remove(QStringLiteral("\\Data\\S1Red.bmp"));
        choose(3, kRedMultiplier);
        QCOMPARE(f->messages.size(), std::size_t(1));
        QVERIFY(f->messages[0].text.contains(QStringLiteral("S1Red.bmp")));
        choose(0, kBrownFirst); // still working
        QVERIFY(f->displayShows(bandPicture(true, 3), kPlace[0]));
    }

    void watchdogNamesAMissingRequiredFile()
    {
        w()->Timer2_Timer();
        QVERIFY(f->messages.empty());
        f->folder.remove(QStringLiteral("\\Data\\UIR.jpg"));
        w()->Timer2_Timer();
        QCOMPARE(f->messages.size(), std::size_t(1));
        QCOMPARE(f->messages[0].text, f->folder.file(QStringLiteral("\\Data\\UIR.jpg")));
        QCOMPARE(f->messages[0].title, QStringLiteral("Bandolin"));
        QVERIFY(w()->Timer2->isActive());
        w()->Timer2_Timer();
        QCOMPARE(f->messages.size(), std::size_t(2)); // reported again while it stays missing
    }
};

QTEST_MAIN(BandScreenTest)
#include "band_screen_test.moc"
