// The Tools menu opens Combinations beside the main window; its answers reach Linkora, and what it
// keeps reaches the settings file after line 35 and comes back at the next start.

#include "combination_calc/combination_window.h"
#include "common/numbers.h"
#include "connection_calc/linkora_window.h"
#include "options/option_values.h"
#include "support/form_fixture.h"
#include "ui/placement.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

using combination_calc::frmCombinations;
using combinations::Network;
using testing_support::FormFixture;

namespace
{

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");

frmCombinations *openWindow(FormFixture &f)
{
    f.form->mnuCombinations->trigger();
    return f.form->CombinationsWindow();
}

} // namespace

class CombinationsMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneWindowAtATime()
    {
        FormFixture f;
        QVERIFY(f.load());
        QCOMPARE(f.form->mnuCombinations->text(), QStringLiteral("&Комбинации"));
        QPointer<frmCombinations> first = openWindow(f);
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        first->showMinimized();
        QCOMPARE(openWindow(f), first.data());
        QVERIFY(!first->isMinimized());
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(openWindow(f));
        QVERIFY(f.messages.empty());
    }

    // A series answer sent to Linkora gives Linkora's calculation the same total.
    void seriesAnswerToLinkora()
    {
        FormFixture f;
        QVERIFY(f.load());
        frmCombinations *w = openWindow(f);
        w->cmbSeries->setCurrentText(QStringLiteral("E12"));
        w->spnParts->setValue(2);
        w->cmbTargetUnit->setCurrentIndex(1);
        QTest::keyClicks(w->txtTarget, QStringLiteral("5.7"));
        QVERIFY(QTest::qWaitFor([&] { return !w->searching(); }, 5000));
        const auto &answers = w->answers().values;
        const auto series = std::find_if(answers.begin(), answers.end(), [](const auto &a) {
            return a.network.kind == Network::Kind::Series;
        });
        QVERIFY(series != answers.end());
        w->lstAnswers->setCurrentItem(w->lstAnswers->topLevelItem(int(series - answers.begin())));
        QVERIFY(!f.form->LinkoraWindow());
        QTest::mouseClick(w->cmdToLinkora, Qt::LeftButton);

        connection_calc::frmLinkor *linkora = f.form->LinkoraWindow();
        QVERIFY(linkora);
        QVERIFY(linkora->isVisible());
        QCOMPARE(linkora->lstResistors->count(), int(series->network.parts().size()));
        QCOMPARE(f.form->settings.LastConnect, connection_calc::kSeriesWord);
        // " 5.7 кОм": the total in the largest unit of the entries.
        const QString result = linkora->txtResult->text();
        QVERIFY(result.endsWith(QStringLiteral(" кОм")));
        QCOMPARE(common::leadingNumber(result) * 1000, series->total);
        QVERIFY(f.messages.empty());
    }

    void placementStoredAfterLine35AndRestored()
    {
        FormFixture f;
        QVERIFY(f.load());
        // The first settings file has 35 lines; the window opens in the middle of the screen (its
        // frame aside), at its design size.
        QCOMPARE(f.folder.readLines(kSettings).size(), 35);
        frmCombinations *w = openWindow(f);
        QCOMPARE(w->size(), frmCombinations::designSize());
        QVERIFY((w->pos() - ui::centredPosition(w)).manhattanLength() <= 8);
        w->move(40, 50);
        w->resize(700, 420);
        w->cmbSeries->setCurrentText(QStringLiteral("E96"));
        w->spnParts->setValue(4);
        f.close();
        const QStringList lines = f.folder.readLines(kSettings);
        QCOMPARE(lines.mid(36, 9),
                 (QStringList{"Произвольно", "600", "750", "10500", "6300", "Ряд Combinations:",
                              "E96", "Наибольшее число резисторов Combinations:", "4"}));

        QVERIFY(f.load());
        w = openWindow(f);
        QCOMPARE(w->pos(), QPoint(40, 50));
        QCOMPARE(w->size(), QSize(700, 420));
        QCOMPARE(w->cmbSeries->currentText(), QStringLiteral("E96"));
        QCOMPARE(w->spnParts->value(), 4);

        // Centred, as the options dialog writes it: the window keeps to the middle.
        f.close();
        QStringList centred = f.folder.readLines(kSettings);
        centred = centred.mid(0, 35) + options::laterSettingsLines(centred, "По центру",
                                                                   "Произвольно", true);
        f.folder.writeLines(kSettings, centred);
        QVERIFY(f.load());
        w = openWindow(f);
        w->move(1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(w->pos(), ui::centredPosition(w), 1000);
        f.close();
        QCOMPARE(f.folder.readLines(kSettings).at(36), QStringLiteral("По центру"));
    }
};

QTEST_MAIN(CombinationsMenuTest)
#include "combinations_menu_test.moc"
