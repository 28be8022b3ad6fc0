// File > Preferences of the main window: the dialog runs modally, and after its OK the main
// window loads again from the files the dialog wrote.

#include "connection_calc/linkora_window.h"
#include "main_window/resistor_display.h"
#include "ohm_calc/frm_voltam.h"
#include "options/frm_options.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using testing_support::FormFixture;

namespace
{

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");

void clickFile(QListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

// Chooses File > Preferences; the dialog, once open, is handed to the user's actions.
// Returns false when no dialog opened.
bool usePreferences(FormFixture &f, const std::function<void(options::frmOptions *)> &user)
{
    bool opened = false;
    QTimer::singleShot(0, f.form.get(), [&] {
        auto *dialog = f.form->findChild<options::frmOptions *>();
        if (!dialog || !dialog->isVisible())
            return;
        opened = true;
        user(dialog);
        // Whatever the user did, the dialog is not left open.
        if (dialog->isVisible())
            dialog->reject();
    });
    f.form->mnuPreferences->trigger();
    return opened;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the user sees and the next start restores: the windows' places, the marking, the
// tool windows' mode, unit and letter.
QList<QVariant> lasting(const main_window::Form1 *w)
{
    QList<QVariant> seen = {w->pos(),
                            w->LinkoraWindow()->pos(),
                            w->voltamoWindow->pos(),
                            w->cmbPolosok->currentText(),
                            w->txtNominal->text(),
                            w->cmbEdinIzmereniya->currentText(),
                            w->cmbDopusk->currentText(),
                            w->settings.LastConnect,
                            w->LinkoraWindow()->cmbEdinIz->currentText(),
                            w->voltamoWindow->soughtLetter()};
    for (const QLabel *band : w->lblPoloska)
        seen << band->text();
    return seen;
}

// Everything the main window shows of a marking.
QList<QVariant> screen(const main_window::Form1 *w)
{
    QList<QVariant> seen = {w->lblInfoMonitor->text(),    w->marking.ResultLine,
                            w->picMonitor->image(),       w->txtNominal->text(),
                            w->cmbPolosok->currentText(), w->cmbEdinIzmereniya->currentText(),
                            w->cmbDopusk->currentText(),  w->saveAsWanted(),
                            w->lblHint->text()};
    for (const QLabel *band : w->lblPoloska)
        seen << band->text() << band->palette().color(QPalette::Window)
             << band->palette().color(QPalette::WindowText) << band->isVisibleTo(w);
    return seen;
}

} // namespace

class Form1OptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okAppliesLanguageAndSkinToTheMainWindow()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        QVERIFY(w->mnuPreferences->isEnabled());
        // A marking made since the start stays.
        w->txtNominal->clear();
        QTest::keyClicks(w->txtNominal, QStringLiteral("47"));
        w->Command2_Click();
        QVERIFY(w->saveAsWanted());

        QVERIFY(usePreferences(f, [](options::frmOptions *d) {
            clickFile(d->filLanguage, QStringLiteral("English.lng"));
            clickFile(d->filSkins, QStringLiteral("Dark.she"));
            d->cmbLinkorPos->setCurrentIndex(1);
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        }));
        QVERIFY(f.messages.empty());
        QVERIFY(f.exitCodes.empty());
        QVERIFY(!w->findChild<options::frmOptions *>()); // gone with its modal run

        // The main window loaded again: English texts, the dark skin, the stored resistor.
        QCOMPARE(w->settings.Lang, QStringLiteral("English"));
        QCOMPARE(w->settings.SkinName, QStringLiteral("Dark.she"));
        QCOMPARE(w->settings.LangPos1, QStringLiteral("Centred"));
        QCOMPARE(w->settings.ConnectFormCentring, QStringLiteral("Centred"));
        QCOMPARE(w->settings.FormCentring, QStringLiteral("Free"));
        QCOMPARE(w->mnuFile->title(), QStringLiteral("&File"));
        QCOMPARE(w->cmbPolosok->currentText(), QStringLiteral("Four"));
        QCOMPARE(w->cmbEdinIzmereniya->currentText(), QStringLiteral("Ohm"));
        QCOMPARE(w->lblPoloska[0]->text(), QStringLiteral("Yellow"));
        QCOMPARE(w->Label1->palette().color(QPalette::WindowText), QColor(0xDC, 0xE3, 0xEC));
        QCOMPARE(w->txtNominal->text(), QStringLiteral("47"));
        QCOMPARE(w->lblInfoMonitor->text(), QStringLiteral("Nominal: 47 Ohm\r\n Tolerance: 5%"));
        const QString hint = w->lblHint->text();
        w->Command2_Click(); // the hint an encoding in English gives
        QCOMPARE(w->lblHint->text(), hint);

        // The next start reads the same.
        f.close();
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
        QCOMPARE(f.form->mnuFile->title(), QStringLiteral("&File"));
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Dark.she"));
    }

    // What the user did in this run survives an OK that changes nothing; the next start shows
    // it again.
    void okWithNothingChangedKeepsEveryWindow()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->show();
        w->move(40, 30);
        ui::setFileDialogHandler([](QWidget *, const ui::FileDialogRequest &) {
            return std::optional(QStringLiteral("BNDX77569443.bmp"));
        });
        w->mnuOpen->trigger();
        ui::setFileDialogHandler({});
        w->mnuLinkora->trigger();
        w->mnuVoltamo->trigger();
        connection_calc::frmLinkor *linkora = w->LinkoraWindow();
        ohm_calc::frmVoltam *voltamo = w->voltamoWindow;
        QTest::mouseClick(linkora->picPosled, Qt::LeftButton);
        linkora->cmbEdinIz->setCurrentIndex(2);
        linkora->move(300, 200);
        voltamo->lblI_Click();
        voltamo->move(500, 260);
        const QList<QVariant> before = lasting(w);
        QCOMPARE(w->lblPoloska[0]->text(), QStringLiteral("Жёлтый"));

        QVERIFY(usePreferences(
            f, [](options::frmOptions *d) { QTest::mouseClick(d->cmdOk, Qt::LeftButton); }));
        QVERIFY(f.messages.empty());
        QCOMPARE(lasting(w), before);

        f.close();
        QVERIFY(f.load());
        f.form->show();
        f.form->mnuLinkora->trigger();
        f.form->mnuVoltamo->trigger();
        QCOMPARE(lasting(f.form.get()), before);
    }

    // A marking half made, decoded or refused, with what was typed, stays through an OK that
    // changes nothing; windows moved while the dialog is open stay where they were moved.
    void okKeepsTheMarkingAsItIs_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("half-chosen, nominal typed") << 0;
        QTest::newRow("decoded, with its deviation") << 1;
        QTest::newRow("five-band encoding refused") << 2;
    }

    void okKeepsTheMarkingAsItIs()
    {
        QFETCH(int, state);
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->show();
        w->mnuVoltamo->trigger();
        f.choose(0, 42); // yellow
        f.choose(1, 39); // violet
        if (state == 0)
            QTest::keyClicks(w->txtNominal, QStringLiteral("12"));
        if (state == 1) {
            f.choose(3, 13); // brown multiplier, brown tolerance
            f.choose(4, 2);
            w->Command1_Click();
            QVERIFY(w->lblInfoMonitor->text().contains(QStringLiteral("Отклонение: 4.7 Ом")));
        }
        if (state == 2) {
            w->cmbPolosok->setCurrentIndex(2);
            w->cmbPolosok_Click();
            QTest::keyClicks(w->txtNominal, QStringLiteral("0.47"));
            w->Command2_Click();
        }
        const std::size_t messages = f.messages.size();
        const QList<QVariant> before = screen(w);
        QVERIFY(usePreferences(f, [w](options::frmOptions *d) {
            w->move(60, 40);
            w->voltamoWindow->move(420, 300);
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        }));
        QCOMPARE(f.messages.size(), messages);
        QCOMPARE(screen(w), before);
        QCOMPARE(w->pos(), QPoint(60, 40));
        QCOMPARE(w->voltamoWindow->pos(), QPoint(420, 300));
    }

    // The check before writing reads what every window's load reads, and accepts what they
    // accept.
    void choicesAreCheckedAsTheLoadsRead_data()
    {
        QTest::addColumn<QString>("file"); // chosen in the dialog after the edit
        // The line replaced; below 0: the file keeps -line lines; 0: a copy of English.lng.
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named"); // what the refusal names; empty: accepted
        const QString dark = QStringLiteral("\\Skin\\Dark.she");
        const QString english = QStringLiteral("\\Languages\\English.lng");
        const auto row = [](const char *name, const QString &file, int line, const char *text,
                            const char *named) {
            QTest::newRow(name) << file << line << QString::fromUtf8(text)
                                << QString::fromUtf8(named);
        };
        row("about count beyond the end", english, 103, "999", "");
        row("picture set without band pictures", dark, 1, "9", "Dark.she, line 1");
        row("band place out of range", dark, 37, "32767", "lines 37-38 and 47-48");
        row("Voltamo title missing", dark, 79, "\\Data\\Gone.bmp", "Gone.bmp");
        row("palette picture missing", dark, 99, "\\Data\\Gone.bmp", "Dark.she, line 99");
        row("Linkora bold flag malformed", dark, 297, "maybe", "Dark.she, line 297");
        row("language cut short", english, -101, "", "English.lng ends before line 102");
        row("language without its about text", english, -102, "",
            "English.lng ends before line 103");
        row("name the settings cannot hold", QStringLiteral("\\Languages\\Ελληνικά.lng"), 0, "",
            "Settings.dat, line 5");
    }

    void choicesAreCheckedAsTheLoadsRead()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, named);
        FormFixture f;
        QVERIFY(f.load());
        QStringList lines =
            f.folder.readLines(line ? file : QStringLiteral("\\Languages\\English.lng"));
        if (line < 0)
            lines = lines.mid(0, -line);
        else if (line > 0)
            lines[line - 1] = text;
        f.folder.writeLines(file, lines);
        const QByteArray before = bytesOf(f.folder.file(kSettings));
        QVERIFY(usePreferences(f, [&](options::frmOptions *d) {
            const QString name = QFileInfo(f.folder.file(file)).fileName();
            clickFile(name.endsWith(QStringLiteral(".she")) ? d->filSkins : d->filLanguage, name);
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
            QCOMPARE(d->isVisible(), !named.isEmpty()); // a refusal leaves it open
        }));
        QVERIFY(f.exitCodes.empty());
        if (named.isEmpty()) {
            QVERIFY(f.messages.empty());
            return;
        }
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY2(f.messages[0].text.contains(named), qPrintable(f.messages[0].text));
        QVERIFY(
            f.messages[0].text.startsWith(QStringLiteral("Выбранный файл нельзя использовать.")));
        QCOMPARE(bytesOf(f.folder.file(kSettings)), before);
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Default.she"));
    }

    void reloadFailureRestoresThePreviousSettings()
    {
        FormFixture f;
        QVERIFY(f.load());
        const QStringList before = f.folder.readLines(kSettings);
        QVERIFY(usePreferences(f, [&f](options::frmOptions *d) {
            clickFile(d->filLanguage, QStringLiteral("English.lng"));
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
            QVERIFY(!d->isVisible());
            // Gone after the check, before the windows load again.
            f.folder.remove(QStringLiteral("\\Languages\\English.lng"));
        }));
        QVERIFY(f.exitCodes.empty());
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("English.lng")));
        QCOMPARE(f.folder.readLines(kSettings), before);
        QCOMPARE(f.form->settings.Lang, QStringLiteral("Русский"));
        QCOMPARE(f.form->mnuFile->title(), QStringLiteral("&Файл"));
    }

    void openToolWindowsTakeTheNewLanguageAndSkin()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->mnuVoltamo->trigger();
        w->mnuLinkora->trigger();
        const QPointer<ohm_calc::frmVoltam> voltamo = w->voltamoWindow;
        connection_calc::frmLinkor *linkora = w->LinkoraWindow();
        QVERIFY(voltamo && linkora);
        QCOMPARE(voltamo->Command1->text(), QStringLiteral("Напряжение"));
        QCOMPARE(linkora->cmdAdd->text(), QStringLiteral("Добавить"));

        QVERIFY(usePreferences(f, [](options::frmOptions *d) {
            clickFile(d->filLanguage, QStringLiteral("English.lng"));
            clickFile(d->filSkins, QStringLiteral("Dark.she"));
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        }));
        QVERIFY(f.messages.empty());
        // The same windows, still open, in the new language and skin.
        QCOMPARE(w->voltamoWindow, voltamo);
        QCOMPARE(w->LinkoraWindow(), linkora);
        QVERIFY(voltamo->isVisible() && linkora->isVisible());
        QCOMPARE(voltamo->Command1->text(), QStringLiteral("Voltage"));
        QCOMPARE(linkora->cmdAdd->text(), QStringLiteral("Add"));
        const QColor darkLabels(0xDC, 0xE3, 0xEC);
        QCOMPARE(voltamo->lblFirst->palette().color(QPalette::WindowText), darkLabels);
        QCOMPARE(linkora->Label1->palette().color(QPalette::WindowText), darkLabels);
    }

    void unopenedToolWindowsArePreparedAndStayHidden()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        QVERIFY(usePreferences(f, [](options::frmOptions *d) {
            clickFile(d->filLanguage, QStringLiteral("English.lng"));
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        }));
        QVERIFY(f.messages.empty());
        QVERIFY(w->voltamoWindow && !w->voltamoWindow->isVisible());
        QVERIFY(w->LinkoraWindow() && !w->LinkoraWindow()->isVisible());
        QCOMPARE(w->voltamoWindow->Command1->text(), QStringLiteral("Voltage"));
        QCOMPARE(w->LinkoraWindow()->cmdAdd->text(), QStringLiteral("Add"));
    }

    void cancelLeavesEverythingAsItWas()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->txtNominal->clear();
        QTest::keyClicks(w->txtNominal, QStringLiteral("47"));
        const QByteArray before = bytesOf(f.folder.file(kSettings));
        QVERIFY(usePreferences(f, [](options::frmOptions *d) {
            clickFile(d->filLanguage, QStringLiteral("English.lng"));
            QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
            QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
        }));
        QCOMPARE(bytesOf(f.folder.file(kSettings)), before);
        QCOMPARE(w->settings.Lang, QStringLiteral("Русский"));
        QCOMPARE(w->mnuFile->title(), QStringLiteral("&Файл"));
        // No load ran again: the nominal typed since the start is still there.
        QCOMPARE(w->txtNominal->text(), QStringLiteral("47"));
    }

    // The dialog made while the program was idle opens with what is true at the opening.
    void preparedDialogShowsTheStateAtItsOpening()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->show();
        QTRY_VERIFY(w->nextOptionsDialog);
        const QPointer<options::frmOptions> prepared = w->nextOptionsDialog;
        w->settings.ConRound = 5;
        f.folder.writeLines(QStringLiteral("\\Skin\\Added.she"), {QStringLiteral("x")});
        QVERIFY(usePreferences(f, [&](options::frmOptions *d) {
            QCOMPARE(d, prepared.data());
            QCOMPARE(d->txtConRound->text(), QStringLiteral("5"));
            QVERIFY(!d->filSkins->findItems(QStringLiteral("Added.she"), Qt::MatchExactly)
                         .isEmpty());
        }));
        QVERIFY(!prepared); // each opening has a dialog of its own
        QTRY_VERIFY(w->nextOptionsDialog);
        QVERIFY(!w->nextOptionsDialog->isVisible());
        // While one is ready, no other is made: shown again, the window keeps the one it has.
        w->hide();
        w->show();
        w->prepareOptionsDialog();
        QCOMPARE(w->findChildren<options::frmOptions *>().size(), 1);
    }

    void refusedLanguageKeepsTheProgramRunning()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        const QByteArray before = bytesOf(f.folder.file(kSettings));
        QVERIFY(usePreferences(f, [&f](options::frmOptions *d) {
            clickFile(d->filLanguage, QStringLiteral("English.lng"));
            f.folder.remove(QStringLiteral("\\Languages\\English.lng"));
            QTest::mouseClick(d->cmdOk, Qt::LeftButton);
            QVERIFY(d->isVisible()); // still open for another choice
            QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
        }));
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("English.lng")));
        QVERIFY(f.exitCodes.empty());
        QCOMPARE(bytesOf(f.folder.file(kSettings)), before);
        QCOMPARE(w->settings.Lang, QStringLiteral("Русский"));

        // The next start is unaffected.
        f.close();
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
    }

    // Centred stays centred through English and back, and the window is centred at once.
    void placementSurvivesALanguageRoundTrip()
    {
        FormFixture f;
        QVERIFY(f.load());
        auto choose = [&](const QString &languageFile, int mainWindowItem) {
            return usePreferences(f, [&](options::frmOptions *d) {
                clickFile(d->filLanguage, languageFile);
                if (mainWindowItem >= 0)
                    d->cmbBandolPos->setCurrentIndex(mainWindowItem);
                QTest::mouseClick(d->cmdOk, Qt::LeftButton);
            });
        };
        main_window::Form1 *w = f.form.get();
        QVERIFY(choose(QStringLiteral("Русский.lng"), 1));
        QCOMPARE(w->settings.FormCentring, QStringLiteral("По центру"));
        QVERIFY(choose(QStringLiteral("English.lng"), -1));
        QCOMPARE(w->settings.FormCentring, QStringLiteral("Centred"));
        QVERIFY(w->settings.isCentred(w->settings.FormCentring));
        QCOMPARE(f.folder.readLines(kSettings).at(6), QStringLiteral("Centred"));
        QVERIFY(choose(QStringLiteral("Русский.lng"), -1));
        QCOMPARE(f.folder.readLines(kSettings).at(6), QStringLiteral("По центру"));
        QVERIFY(w->settings.isCentred(w->settings.FormCentring));
        QCOMPARE(w->mnuFile->title(), QStringLiteral("&Файл"));
        QVERIFY(f.messages.empty());
        QVERIFY(f.exitCodes.empty());
    }
};

QTEST_MAIN(Form1OptionsTest)
#include "form1_options_test.moc"
