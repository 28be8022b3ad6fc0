// The main window's Voltamo item: one window, shown without blocking, remembered at exit.

#include "common/numbers.h"
#include "common/units.h"
#include "ohm_calc/frm_voltam.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using testing_support::FormFixture;

namespace
{

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");

int voltamoWindowCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String("frmVoltam") ? 1 : 0;
    return count;
}

} // namespace

class VoltamoMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theMenuShowsOneWindow()
    {
        FormFixture f;
        QVERIFY(f.load());
        QVERIFY(f.form->mnuVoltamo->isEnabled());
        f.form->mnuVoltamo->trigger();
        QPointer<ohm_calc::frmVoltam> first = f.form->voltamoWindow;
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("Voltamo"));
        QVERIFY(!first->isModal());
        // Settings of a first start: free placement at the main window's first place.
        QCOMPARE(first->soughtLetter(), QStringLiteral("U"));
        QCOMPARE(first->focusWidget(), first->txtFirst); // what is typed first goes there
        QCOMPARE(first->pos(), QPoint(common::twipsToPixels(f.form->settings.OmFormX),
                                      common::twipsToPixels(f.form->settings.OmFormY)));

        QTest::keyClicks(first->txtFirst, QStringLiteral("12"));
        f.form->mnuVoltamo->trigger();
        QCOMPARE(f.form->voltamoWindow, first);
        QCOMPARE(first->txtFirst->text(), QStringLiteral("12"));
        QCOMPARE(voltamoWindowCount(), 1);
        QVERIFY(f.messages.empty());
    }

    void closingAndExitKeepTheChoiceAndPlace()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->mnuVoltamo->trigger();
        ohm_calc::frmVoltam *w = f.form->voltamoWindow;
        QTest::mouseClick(w->lblI, Qt::LeftButton);
        w->move(150, 90);
        const QPoint place = w->pos();
        w->close();
        // Closing discards the window with its texts.
        QTRY_VERIFY(!f.form->voltamoWindow);
        QCOMPARE(f.form->settings.VoltamLastUIR, QStringLiteral("I"));
        QCOMPARE(f.form->settings.OmFormX, float(common::pixelsToTwips(place.x())));

        // The next opening starts afresh from the remembered fields.
        f.form->mnuVoltamo->trigger();
        QVERIFY(f.form->voltamoWindow);
        QCOMPARE(f.form->voltamoWindow->soughtLetter(), QStringLiteral("I"));
        QCOMPARE(f.form->voltamoWindow->pos(), place);
        QCOMPARE(f.form->voltamoWindow->txtFirst->text(), QString());
        QTest::mouseClick(f.form->voltamoWindow->lblR, Qt::LeftButton);

        // Exit writes them into the settings file.
        f.form->close();
        const QStringList lines = f.folder.readLines(kSettings);
        QCOMPARE(lines[14], f.form->settings.LangPos2);
        QCOMPARE(lines[15], common::regionalNumberText(double(common::pixelsToTwips(place.x()))));
        QCOMPARE(lines[16], common::regionalNumberText(double(common::pixelsToTwips(place.y()))));
        QCOMPARE(lines[32], QStringLiteral("R"));
    }

    void aFailedPreparationLeavesTheMainWindowRunning()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.folder.remove(QStringLiteral("\\Data\\UIR.jpg"));
        f.form->mnuVoltamo->trigger();
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("UIR.jpg")));
        QVERIFY(f.messages[0].text.startsWith("Voltamo: окно не может быть подготовлено.\n\n"));
        QVERIFY(!f.form->voltamoWindow);
        QCOMPARE(voltamoWindowCount(), 0);
        QVERIFY(f.exitCodes.empty());
        QVERIFY(f.form->Timer1->isActive());

        // Once the picture is back the item works.
        QVERIFY(QFile::copy(testing_support::builtProgramFolder() + QStringLiteral("/Data/UIR.jpg"),
                            f.folder.file(QStringLiteral("\\Data\\UIR.jpg"))));
        f.form->mnuVoltamo->trigger();
        QVERIFY(f.form->voltamoWindow && f.form->voltamoWindow->isVisible());
    }

    void reInPreparesAClosedWindowHidden()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->ReInVoltamo();
        QVERIFY(f.form->voltamoWindow);
        QVERIFY(!f.form->voltamoWindow->isVisible());
        QCOMPARE(f.form->voltamoWindow->Command1->text(), QStringLiteral("Напряжение"));
        // Opening it later shows it without preparing it again.
        f.folder.remove(QStringLiteral("\\Languages\\Русский.lng"));
        f.form->mnuVoltamo->trigger();
        QVERIFY(f.form->voltamoWindow->isVisible());
        QVERIFY(f.messages.empty());
    }
};

QTEST_MAIN(VoltamoMenuTest)
#include "voltamo_menu_test.moc"
