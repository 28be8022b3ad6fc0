// File > Preferences of the main window: the dialog runs modally, and after its OK the main
// window loads again from the files the dialog wrote.

#include "connection_calc/linkora_window.h"
#include "ohm_calc/frm_voltam.h"
#include "options/frm_options.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
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
        // A marking made since the start is replaced by the one stored at start (none).
        const QString startNominal = w->txtNominal->text();
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
        QCOMPARE(w->lblPoloska[0]->text(), QStringLiteral("Not chosen"));
        QCOMPARE(w->Label1->palette().color(QPalette::WindowText), QColor(0xDC, 0xE3, 0xEC));
        QCOMPARE(w->txtNominal->text(), startNominal);
        QVERIFY(!w->saveAsWanted());

        // The next start reads the same.
        f.close();
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
        QCOMPARE(f.form->mnuFile->title(), QStringLiteral("&File"));
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Dark.she"));
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
