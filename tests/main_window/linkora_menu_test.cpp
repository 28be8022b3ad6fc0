// The Utilities menu opens Linkora beside the main window; what Linkora remembers reaches the
// settings file at exit and comes back at the next start.

#include "common/units.h"
#include "connection_calc/linkora_window.h"
#include "support/form_fixture.h"
#include "ui/placement.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using connection_calc::frmLinkor;
using testing_support::FormFixture;

namespace
{

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");

QList<frmLinkor *> linkoraWindows()
{
    QList<frmLinkor *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *linkora = qobject_cast<frmLinkor *>(w))
            found << linkora;
    return found;
}

void editLine(const FormFixture &f, int line, const QString &text)
{
    QStringList lines = f.folder.readLines(kSettings);
    lines[line - 1] = text;
    f.folder.writeLines(kSettings, lines);
}

} // namespace

class LinkoraMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneWindowAtATime()
    {
        FormFixture f;
        QVERIFY(f.load());
        QVERIFY(f.form->mnuLinkora->isEnabled());
        QVERIFY(!f.form->LinkoraWindow());
        f.form->mnuLinkora->trigger();
        QPointer<frmLinkor> first = f.form->LinkoraWindow();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(linkoraWindows().size(), 1);

        // A second click brings the same window forward and keeps its list.
        first->lstResistors->addItem(QStringLiteral("1 Ом"));
        first->showMinimized();
        f.form->mnuLinkora->trigger();
        QVERIFY(!first->isMinimized());
        QCOMPARE(linkoraWindows().size(), 1);
        QCOMPARE(f.form->LinkoraWindow(), first.data());
        QCOMPARE(first->lstResistors->count(), 1);

        // Closed, it is gone with its list; the next click opens an empty one.
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!f.form->LinkoraWindow());
        f.form->mnuLinkora->trigger();
        QVERIFY(f.form->LinkoraWindow());
        QCOMPARE(f.form->LinkoraWindow()->lstResistors->count(), 0);
        QCOMPARE(linkoraWindows().size(), 1);
        QVERIFY(f.messages.empty());
    }

    void preparedHiddenThenShownWithoutPreparingAgain()
    {
        FormFixture f;
        QVERIFY(f.load());
        frmLinkor *loaded = f.form->LoadLinkora();
        QVERIFY(loaded);
        QVERIFY(!loaded->isVisible());
        loaded->lstResistors->addItem(QStringLiteral("1 Ом"));
        loaded->txtResult->setText(QStringLiteral(" 1 Ом"));
        f.form->mnuLinkora->trigger();
        QCOMPARE(f.form->LinkoraWindow(), loaded);
        QVERIFY(loaded->isVisible());
        QCOMPARE(loaded->lstResistors->count(), 1);
        QCOMPARE(loaded->txtResult->text(), QStringLiteral(" 1 Ом"));
    }

    void reInAfterTheOptions()
    {
        FormFixture f;
        QVERIFY(f.load());
        // Not loaded: prepared and left hidden.
        f.form->ReInLinkora();
        frmLinkor *w = f.form->LinkoraWindow();
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        f.form->mnuLinkora->trigger();
        QCOMPARE(f.form->LinkoraWindow(), w);
        w->cmbEdinIz->setCurrentIndex(1);
        QTest::keyClicks(w->txtNominal, QStringLiteral("4.7"));
        QTest::mouseClick(w->cmdAdd, Qt::LeftButton);

        // Loaded: the new language reaches the open window, whose entry keeps its value.
        f.form->settings.Lang = QStringLiteral("English");
        f.form->ReInLinkora();
        QCOMPARE(f.form->LinkoraWindow(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->cmdAdd->text(), QStringLiteral("Add"));
        QCOMPARE(w->lstResistors->item(0)->text(), QStringLiteral("4.7 kOhm"));
        QVERIFY(f.messages.empty());
    }

    void failedPreparationLeavesTheMainWindowRunning()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.folder.remove(QStringLiteral("\\Data\\Connect2.bmp"));
        f.form->mnuLinkora->trigger();
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("Connect2.bmp")));
        QVERIFY(!f.form->LinkoraWindow());
        QVERIFY(linkoraWindows().isEmpty());
        QVERIFY(f.exitCodes.empty());
        QVERIFY(f.form->Timer1->isActive());
    }

    void stateStoredAtExitAndRestoredAtTheNextStart()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->mnuLinkora->trigger();
        frmLinkor *w = f.form->LinkoraWindow();
        QVERIFY(w);
        QTest::mouseClick(w->picPosled, Qt::LeftButton);
        w->cmbEdinIz->setCurrentIndex(2);
        w->move(40, 50);
        w->Timer1_Timer();
        // The program ends with Linkora open: the main window saves what Linkora keeps.
        f.close();
        const QStringList lines = f.folder.readLines(kSettings);
        QCOMPARE(lines[10], QStringLiteral("Произвольно"));
        QCOMPARE(lines[11], QStringLiteral("600"));
        QCOMPARE(lines[12], QStringLiteral("750"));
        QCOMPARE(lines[24], QStringLiteral("МОм"));
        QCOMPARE(lines[26], QStringLiteral("Последовательное"));

        QVERIFY(f.load());
        f.form->mnuLinkora->trigger();
        w = f.form->LinkoraWindow();
        QVERIFY(w);
        QCOMPARE(w->cmbEdinIz->currentText(), QStringLiteral("МОм"));
        QCOMPARE(f.form->settings.LastConnect, QStringLiteral("Последовательное"));
        QCOMPARE(w->pos(), QPoint(40, 50));

        // Closing Linkora first keeps the same fields current.
        w->cmbEdinIz->setCurrentIndex(0);
        QTest::mouseClick(w->picParal, Qt::LeftButton);
        w->move(60, 70);
        w->close();
        f.close();
        const QStringList after = f.folder.readLines(kSettings);
        QCOMPARE(after[11], QStringLiteral("900"));
        QCOMPARE(after[12], QStringLiteral("1050"));
        QCOMPARE(after[24], QStringLiteral("Ом"));
        QCOMPARE(after[26], QStringLiteral("Параллельное"));
    }

    void centredPlacementAtTheNextStart()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        editLine(f, 11, QStringLiteral("По центру"));
        editLine(f, 25, QStringLiteral("Вольт"));
        QVERIFY(f.load());
        f.form->mnuLinkora->trigger();
        frmLinkor *w = f.form->LinkoraWindow();
        QVERIFY(w);
        // A unit word of no unit selects the base unit.
        QCOMPARE(w->cmbEdinIz->currentText(), QStringLiteral("Ом"));
        w->move(1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(w->pos(), ui::centredPosition(w), 1000);
        f.close();
        QCOMPARE(f.folder.readLines(kSettings).at(10), QStringLiteral("По центру"));
    }
};

QTEST_MAIN(LinkoraMenuTest)
#include "linkora_menu_test.moc"
