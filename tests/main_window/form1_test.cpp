// The main window's load and shutdown on a temporary program folder.

#include "main_window/band_widgets.h"
#include "main_window/resistor_display.h"
#include "common/program_folder.h"
#include "config/settings_file.h"
#include "support/form_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QPushButton>
#include <QTest>

using testing_support::FormFixture;

namespace {

// Replaces one line (1-based) of a delivered file.
void editLine(const FormFixture &f, const QString &file, int line, const QString &text)
{
    QStringList lines = f.folder.readLines(file);
    lines[line - 1] = text;
    f.folder.writeLines(file, lines);
}

void truncateTo(const FormFixture &f, const QString &file, int lineCount)
{
    QStringList lines = f.folder.readLines(file);
    f.folder.writeLines(file, lines.mid(0, lineCount));
}

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");
const QString kSkin = QStringLiteral("\\Skin\\Default.she");
const QString kRussian = QStringLiteral("\\Languages\\Русский.lng");
const QString kTable = QStringLiteral("\\Data\\ResTable.tab");

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartCreatesTheSettingsFile()
    {
        FormFixture f;
        QVERIFY(!QFile::exists(f.folder.file(kSettings)));
        QVERIFY(f.load());
        const QStringList lines = f.folder.readLines(kSettings);
        QCOMPARE(lines.size(), 35);
        QCOMPARE(lines[0], QStringLiteral("[Настройка конфигурации]"));
        QCOMPARE(lines[34], QString());
        QVERIFY(f.messages.empty());
        QVERIFY(f.exitCodes.empty());
        main_window::Form1 *w = f.form.get();
        QVERIFY(w->LoadedFlag);
        QCOMPARE(w->cmbPolosok->currentText(), QStringLiteral("Четыре"));
        QCOMPARE(w->cmbEdinIzmereniya->currentText(), QStringLiteral("Ом"));
        QCOMPARE(w->cmbDopusk->currentText(), QStringLiteral("5%"));
        // Nothing stored: the labels stay unchosen and the display shows the bare resistor.
        for (auto *band : w->lblPoloska)
            QCOMPARE(band->text(), QStringLiteral("Не выбран"));
        QCOMPARE(w->lblInfoMonitor->text(), QStringLiteral("Bandolin"));
        QVERIFY(!w->saveAsWanted());
        QVERIFY(f.displayShows(QStringLiteral("\\Data\\Resistor.bmp"), {15, 60}));
        // The skin applied: size, title picture, menu captions.
        QCOMPARE(w->size(), QSize(900, 614));
        QVERIFY(!w->picMarkTitle->pixmap().isNull());
        QCOMPARE(w->mnuFile->title(), QStringLiteral("&Файл"));
        QVERIFY(w->Timer1->isActive() && w->Timer2->isActive());
    }

    void restartRestoresTheLastResistor_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("stored");
        QTest::newRow("four bands") << 4 << "4.7" << "кОм" << "1%" << "469043";
        QTest::newRow("three bands") << 3 << "0.47" << "Ом" << "5%" << "369000";
        QTest::newRow("five bands") << 5 << "4.75" << "кОм" << "0.1%" << "569739";
        QTest::newRow("grey and white survive") << 4 << "89" << "ГОм" << "0.05%" << "4AB0BA";
        QTest::newRow("six bands: seven characters") << 6 << "10" << "кОм" << "1%" << "6322434";
    }

    void restartRestoresTheLastResistor()
    {
        QFETCH(int, bands);
        QFETCH(QString, nominal);
        QFETCH(QString, unit);
        QFETCH(QString, tolerance);
        QFETCH(QString, stored);
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->cmbPolosok->setCurrentIndex(bands - 3);
        w->cmbPolosok_Click();
        QTest::keyClicks(w->txtNominal, nominal);
        w->cmbEdinIzmereniya->setCurrentIndex(w->cmbEdinIzmereniya->findText(unit));
        w->cmbDopusk->setCurrentIndex(w->cmbDopusk->findText(tolerance));
        w->Command2_Click();
        QVERIFY(f.messages.empty());
        const QStringList labelsBefore = [&] {
            QStringList l;
            for (auto *band : w->lblPoloska)
                l << band->text();
            return l;
        }();
        const auto codesBefore = w->marking.BandCodes;
        // Unused positions hold whatever they held; put the stored form's values there.
        f.close();
        QString line35 = f.folder.readLines(kSettings).at(34);
        QCOMPARE(line35.left(1), QString::number(bands));
        // Positions the band count does not use are not part of the comparison.
        if (bands != 5)
            line35[3] = stored[3];
        if (bands == 3)
            line35[5] = stored[5];
        QCOMPARE(line35, stored);

        QVERIFY(f.load());
        w = f.form.get();
        QVERIFY(f.messages.empty());
        QCOMPARE(int(w->marking.BandCount), bands);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w->lblPoloska[i]->text(), labelsBefore[i]);
        for (int p : colour_code::BandPositionsUsed(bands))
            QCOMPARE(w->marking.BandCodes[p], codesBefore[p]);
        QCOMPARE(w->txtNominal->text(), nominal);
        QCOMPARE(w->cmbEdinIzmereniya->currentText(), unit);
        if (bands != 3)
            QCOMPARE(w->cmbDopusk->currentText(), tolerance);
        QVERIFY(w->saveAsWanted());
        // And it stays the same through one more save.
        f.close();
        QString again = f.folder.readLines(kSettings).at(34);
        QCOMPARE(again.left(3), line35.left(3));
        QCOMPARE(again.mid(4, bands == 3 ? 1 : 2), line35.mid(4, bands == 3 ? 1 : 2));
    }

    // Line 35 keeps the last marking with every band in use chosen; the next start shows it.
    void onlyAWholeMarkingIsStored_data()
    {
        QTest::addColumn<QString>("stored"); // line 35 at start
        QTest::addColumn<bool>("completed"); // brown, black, red, gold chosen after New
        QTest::addColumn<bool>("recount");   // five bands selected at the end instead
        QTest::addColumn<QString>("kept");
        QTest::newRow("half-chosen") << "469043" << false << false << "469043";
        QTest::newRow("band count changed") << "469043" << false << true << "469043";
        QTest::newRow("completed by choices, then half-chosen") << "469043" << true << false << "432041";
        QTest::newRow("nothing whole since the start") << "" << false << false << "";
    }

    void onlyAWholeMarkingIsStored()
    {
        QFETCH(QString, stored);
        QFETCH(bool, completed);
        QFETCH(bool, recount);
        QFETCH(QString, kept);
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, kSettings, 35, stored);
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->mnuNew_Click();
        if (completed) {
            for (auto [band, entry] : {std::pair{0, 47}, {1, 32}, {3, 12}, {4, 1}})
                f.choose(band, entry);
            w->mnuNew_Click();
        }
        f.choose(1, 41); // white second digit, the only band chosen
        if (recount) {
            w->cmbPolosok->setCurrentIndex(2);
            w->cmbPolosok_Click();
        }
        f.close();
        QCOMPARE(f.folder.readLines(kSettings).at(34), kept);
        QVERIFY(f.load());
        QCOMPARE(f.form->lblPoloska[0]->text(), kept.isEmpty() ? f.form->texts.NotChosenText
                                                                : f.form->texts.ColourNames[kept[1].digitValue()]);
    }

    // The stored marking's tolerance band decides the tolerance item, not the item stored on
    // its own line.
    void restoredMarkingSelectsItsOwnTolerance()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, kSettings, 23, QStringLiteral("10%"));
        editLine(f, kSettings, 35, QStringLiteral("469043")); // yellow violet red, brown: 1%
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
        QCOMPARE(f.form->cmbDopusk->currentText(), QStringLiteral("1%"));
        QCOMPARE(int(f.form->marking.BandCodes[4]), 3);
        QCOMPARE(f.form->lblPoloska[4]->text(), f.form->texts.ColourNames[3]);
    }

    // Both rounding values go back to their own lines.
    void roundingValuesAreSavedOnTheirOwnLines()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, kSettings, 29, QStringLiteral("2"));
        editLine(f, kSettings, 31, QStringLiteral("6"));
        QVERIFY(f.load());
        QCOMPARE(int(f.form->settings.ConRound), 2);
        QCOMPARE(int(f.form->settings.OmRound), 6);
        f.close();
        const QStringList lines = f.folder.readLines(kSettings);
        QCOMPARE(lines[28], QStringLiteral("2"));
        QCOMPARE(lines[30], QStringLiteral("6"));
    }

    void storedResistorThatIsNoMarkingStartsEmpty_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("band count 7") << "713431";
        QTest::newRow("black as first digit") << "423431";
        QTest::newRow("gold as second digit") << "431431";
        QTest::newRow("too short") << "4343";
        QTest::newRow("letters") << "4xyz12";
        QTest::newRow("blank") << "   ";
    }

    void storedResistorThatIsNoMarkingStartsEmpty()
    {
        QFETCH(QString, stored);
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, kSettings, 35, stored);
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
        for (auto *band : f.form->lblPoloska)
            QCOMPARE(band->text(), QStringLiteral("Не выбран"));
        QCOMPARE(f.form->lblInfoMonitor->text(), QStringLiteral("Bandolin"));
        QVERIFY(!f.form->saveAsWanted());
    }

    void storedResistorWithBlanksIsTrimmed()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, kSettings, 35, QStringLiteral("  532434  "));
        QVERIFY(f.load());
        QCOMPARE(f.form->cmbPolosok->currentText(), QStringLiteral("Пять"));
        QCOMPARE(f.form->lblPoloska[0]->text(), QStringLiteral("Коричневый"));
        QCOMPARE(f.form->txtNominal->text(), QStringLiteral("1.02"));
    }

    // Every broken file ends the load with the start-up message and no crash.
    void brokenFilesEndTheLoad_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");      // 0: delete the file; -n: keep n lines
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("languageRead");
        QTest::addColumn<QString>("named"); // what the message names
        QTest::newRow("settings too short") << kSettings << -20 << "" << false << "Settings.dat";
        QTest::newRow("unknown band count word") << kSettings << 19 << "Семь" << true << "Settings.dat";
        QTest::newRow("unknown unit") << kSettings << 21 << "Вольт" << true << "Settings.dat";
        QTest::newRow("unknown tolerance") << kSettings << 23 << "3%" << true << "Settings.dat";
        QTest::newRow("rounding out of range") << kSettings << 29 << "256" << true << "Settings.dat";
        QTest::newRow("rounding not a number") << kSettings << 31 << "три" << true << "Settings.dat";
        QTest::newRow("missing language") << kSettings << 5 << "Klingon" << false << "Klingon.lng";
        QTest::newRow("language too short") << kRussian << -101 << "" << false << "Русский.lng";
        QTest::newRow("missing skin") << kSettings << 3 << "Absent.she" << true << "Absent.she";
        QTest::newRow("skin too short") << kSkin << -300 << "" << true << "Default.she";
        QTest::newRow("bad bold flag") << kSkin << 259 << "Bold" << true << "Default.she";
        QTest::newRow("missing decorative figure") << kSkin << -468 << "" << true << "Default.she";
        QTest::newRow("title picture missing") << kSkin << 77 << "\\Data\\Nope.bmp" << true << "Nope.bmp";
        QTest::newRow("table missing") << kTable << 0 << "" << true << "ResTable.tab";
        QTest::newRow("table row with six fields") << kTable << 20 << "1|2|3|4|5|6" << true << "ResTable.tab";
        QTest::newRow("table too short") << kTable << -30 << "" << true << "ResTable.tab";
        QTest::newRow("body picture missing") << QStringLiteral("\\Data\\Resistor.bmp") << 0 << "" << true << "Resistor.bmp";
    }

    void brokenFilesEndTheLoad()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(bool, languageRead);
        QFETCH(QString, named);
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        if (line == 0)
            f.folder.remove(file);
        else if (line < 0)
            truncateTo(f, file, -line);
        else
            editLine(f, file, line, text);

        QVERIFY(!f.load());
        QCOMPARE(f.exitCodes, std::vector<int>{1});
        QCOMPARE(f.messages.size(), std::size_t(1));
        const ui::Message &m = f.messages[0];
        if (languageRead) {
            QVERIFY(m.text.startsWith(f.form->texts.LangTexts[13]));
            QCOMPARE(m.title, f.form->texts.LangTexts[14]);
        } else {
            // No language text yet: a built-in text that names what failed.
            QVERIFY(m.text.contains(QStringLiteral("Bandolin cannot start")));
            QCOMPARE(m.title, QStringLiteral("Bandolin"));
        }
        QVERIFY2(m.text.contains(named), qPrintable(m.text));
        QVERIFY(!f.form->LoadedFlag);
    }

    void secondCopyEndsSilently()
    {
        FormFixture f;
        // Another copy holds the program folder's lock.
        QLockFile other(common::lockFilePath());
        QVERIFY(other.tryLock(0));
        QVERIFY(!f.load());
        QVERIFY(f.messages.empty());
        QCOMPARE(f.exitCodes, std::vector<int>{0});
        QVERIFY(!QFile::exists(f.folder.file(kSettings)));
        other.unlock();
        QVERIFY(f.load()); // a copy in a folder whose lock is free starts
    }

    void exitSavesTheSettings()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->cmbDopusk->setCurrentIndex(f.form->cmbDopusk->findText(QStringLiteral("0.25%")));
        f.form->settings.FormCentring = QStringLiteral("что-то другое");
        f.form->mnuExit->trigger();
        QCOMPARE(f.exitCodes, std::vector<int>{0});
        const QStringList lines = f.folder.readLines(kSettings);
        // The Combinations window's lines wait for a choice of the user's.
        QCOMPARE(lines.size(), 35);
        QCOMPARE(lines[22], QStringLiteral("0.25%"));
        QCOMPARE(lines[6], QStringLiteral("Произвольно")); // normalised placement word
    }

    void savingRecreatesAVanishedSettingsFile()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.folder.remove(kSettings);
        f.form->SaveSettings();
        QCOMPARE(f.folder.readLines(kSettings).size(), 35);
        QVERIFY(f.messages.empty());
        // With the whole Data folder gone the user is told.
        QDir(f.folder.file(QStringLiteral("\\Data"))).removeRecursively();
        f.form->SaveSettings();
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("Settings.dat")));
    }

    void helpItemFollowsTheHelpProgram()
    {
        FormFixture f;
        QVERIFY(f.load());
        QVERIFY(!f.form->mnuManual->isEnabled());
        f.close();
        QFile help(main_window::Form1::helpProgramPath());
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("#!/bin/sh\n");
        help.close();
        help.setPermissions(help.permissions() | QFileDevice::ExeOwner);
        QVERIFY(f.load());
        QVERIFY(f.form->mnuManual->isEnabled());
    }

    void reInReadsTheFilesAgain()
    {
        FormFixture f;
        QVERIFY(f.load());
        editLine(f, kSettings, 35, QStringLiteral("469043"));
        // A change of language rewrites the stored list words with it.
        editLine(f, kSettings, 5, QStringLiteral("English"));
        editLine(f, kSettings, 19, QStringLiteral("Four"));
        editLine(f, kSettings, 21, QStringLiteral("Ohm"));
        QVERIFY(f.form->ReIn());
        QCOMPARE(f.form->mnuFile->title(), QStringLiteral("&File"));
        QCOMPARE(f.form->lblPoloska[0]->text(), QStringLiteral("Yellow"));
        const auto name = [](QWidget *c) { return QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name); };
        QCOMPARE(name(f.form->lblPoloska[0]), QStringLiteral("First band: Yellow"));
        QCOMPARE(name(f.form->lblColor[46]), QStringLiteral("Red"));
        QCOMPARE(f.form->txtNominal->text(), QStringLiteral("4.7"));
        QCOMPARE(f.form->cmbEdinIzmereniya->currentText(), QStringLiteral("kOhm"));
        QCOMPARE(name(f.form->cmbEdinIzmereniya), QStringLiteral("Unit: kOhm"));
    }

    void centredPlacementKeepsTheWindowCentred()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        const QString centred = f.folder.readLines(kRussian).at(36);
        editLine(f, kSettings, 7, centred);
        QVERIFY(f.load());
        f.form->show();
        f.form->move(0, 0);
        f.form->Timer1_Timer();
        const QRect screen = f.form->screen()->geometry();
        const QSize frame = f.form->frameGeometry().size();
        QCOMPARE(f.form->pos(), QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
    }

    void darkSkinApplies()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, kSettings, 3, QStringLiteral("Dark.she"));
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
        QCOMPARE(f.form->Label1->palette().color(QPalette::WindowText), QColor(0xDC, 0xE3, 0xEC));
        // The dark colours' palette entries keep their light text whatever the skin says.
        QCOMPARE(f.form->lblColor[32]->palette().color(QPalette::WindowText), QColor(224, 224, 224));
        QCOMPARE(f.form->lblColor[33]->palette().color(QPalette::WindowText), QColor(0x11, 0x16, 0x1C));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
