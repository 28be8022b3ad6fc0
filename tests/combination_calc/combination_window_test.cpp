// frmCombinations on its own temporary program folder, driven through its real controls.

#include "combination_calc/combination_window.h"
#include "combination_calc/schematic_view.h"
#include "common/text_file.h"
#include "config/language_file.h"
#include "support/test_folder.h"
#include "ui/seams.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

using combination_calc::frmCombinations;
using combinations::Network;

namespace
{

class Fixture
{
public:
    explicit Fixture(const QString &lang = QStringLiteral("English"))
    {
        ui::setMessageHandler([this](QWidget *, const ui::Message &m) { messages.push_back(m); });
        settings.Lang = lang;
        settings.LangPos1 = QStringLiteral("Centred");
        settings.CombFormCentring = QStringLiteral("Free");
        settings.CombFormX = 1500;
        settings.CombFormY = 900;
        settings.GlobalPicture = QStringLiteral("Nothing");
        settings.CombSeries = QStringLiteral("E12");
        settings.CombParts = 2;
    }
    ~Fixture()
    {
        delete window.data();
        ui::setMessageHandler({});
    }

    bool open()
    {
        window = new frmCombinations(settings, colours);
        const bool prepared = window->Form_Load();
        window->show();
        return prepared;
    }

    // Types a value into the target box and waits for its answers.
    bool find(const QString &target, int unit = 1)
    {
        window->cmbTargetUnit->setCurrentIndex(unit);
        window->txtTarget->clear();
        QTest::keyClicks(window->txtTarget, target);
        return QTest::qWaitFor([this] { return !window->searching(); }, 5000);
    }

    testing_support::TestFolder folder;
    config::GlobalSettings settings;
    ui::SkinScheme colours;
    QPointer<frmCombinations> window;
    std::vector<ui::Message> messages;
};

} // namespace

class CombinationWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fiveKiloOhmFromTwoE12Parts()
    {
        Fixture f;
        QVERIFY(f.open());
        QVERIFY(f.find(QStringLiteral("5")));
        const auto &answers = f.window->answers().values;
        QVERIFY(!answers.empty());
        const combinations::Answer &best = answers.front();
        QCOMPARE(best.network.kind, Network::Kind::Parallel);
        QCOMPARE(best.network.parts(), (std::vector<double>{10000, 10000}));
        QCOMPARE(best.total, 5000.0);
        QCOMPARE(best.errorPercent, 0.0);
        // The list shows it first and selected, and the schematic draws its two boxes.
        QTreeWidgetItem *row = f.window->lstAnswers->topLevelItem(0);
        QCOMPARE(row->text(0), QStringLiteral("5 kOhm"));
        QCOMPARE(row->text(1), QStringLiteral("0%"));
        QCOMPARE(row->text(2), QStringLiteral("10 kOhm || 10 kOhm"));
        QCOMPARE(f.window->selectedAnswer(), 0);
        QCOMPARE(f.window->picSchematic->schematic().boxes.size(), std::size_t(2));
        QCOMPARE(f.window->lblStatus->text(),
                 QStringLiteral("Answers: %1").arg(f.window->lstAnswers->topLevelItemCount()));

        // Copy, and To Linkora with the parallel pair.
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(f.window->cmdCopy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("10 kOhm || 10 kOhm = 5 kOhm (error 0%; 4.5 kOhm to 5.5 kOhm)"));
        QSignalSpy sent(f.window.data(), &frmCombinations::toLinkora);
        QTest::mouseClick(f.window->cmdToLinkora, Qt::LeftButton);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][1].toBool(), true);
    }

    void inputsThatAskForNoSearch()
    {
        Fixture f;
        QVERIFY(f.open());
        QCOMPARE(f.window->lblStatus->text(), QStringLiteral("Type the value to make."));
        QVERIFY(f.find(QStringLiteral("5")));
        QVERIFY(f.window->lstAnswers->topLevelItemCount() > 0);
        // A mistyped value empties the answers at once: none of them answers it.
        QTest::keyClicks(f.window->txtTarget, QStringLiteral("q"));
        QCOMPARE(f.window->lstAnswers->topLevelItemCount(), 0);
        QVERIFY(!f.window->cmdCopy->isEnabled());
        QVERIFY(!f.window->cmdToLinkora->isEnabled());
        QCOMPARE(f.window->lblStatus->text(), QStringLiteral("Not a value: 5q"));
        QVERIFY(f.window->picSchematic->empty());
    }

    void divider()
    {
        Fixture f;
        QVERIFY(f.open());
        f.window->optDivider->click();
        QCOMPARE(f.window->lstAnswers->headerItem()->text(0), QStringLiteral("Vout/Vin"));
        QCOMPARE(f.window->spnParts->maximum(), 2);
        QTest::keyClicks(f.window->txtVin, QStringLiteral("12"));
        QTest::keyClicks(f.window->txtVout, QStringLiteral("3"));
        QVERIFY(QTest::qWaitFor([&] { return !f.window->searching(); }, 5000));
        const auto &answers = f.window->answers().dividers;
        QVERIFY(!answers.empty());
        QTreeWidgetItem *row = f.window->lstAnswers->topLevelItem(0);
        QVERIFY(std::fabs(answers.front().ratio - 0.25) < 0.0025);
        QCOMPARE(row->text(0), combination_calc::ratioText(answers.front().ratio));
        QVERIFY(row->text(5).endsWith(QStringLiteral("A")));
        QVERIFY(!f.window->cmdToLinkora->isEnabled());
        QCOMPARE(f.window->picSchematic->schematic().terminals[0].label, QStringLiteral("Vin"));

        // The ratio given instead: Vout is set aside, and a ratio of 1 is refused.
        f.window->optRatio->click();
        QVERIFY(!f.window->txtVout->isEnabled());
        QTest::keyClicks(f.window->txtRatio, QStringLiteral("1"));
        QCOMPARE(f.window->lstAnswers->topLevelItemCount(), 0);
        QCOMPARE(f.window->lblStatus->text(),
                 QStringLiteral("The ratio must lie between 0.001 and 0.999."));
        // Back to a value: its own number of parts, not the divider's.
        f.window->optValue->click();
        QCOMPARE(f.window->spnParts->value(), 2);
        f.window->spnParts->setValue(4);
        f.window->optDivider->click();
        f.window->keepSettingsCurrent();
        QCOMPARE(f.settings.CombParts, 4);
    }

    void onlyMyStock()
    {
        Fixture f;
        QVERIFY(f.open());
        f.window->chkStock->click();
        QVERIFY(f.window->lblStatus->text().startsWith(QStringLiteral("There is no stock file")));
        f.folder.writeLines(QStringLiteral("\\Data\\Stock.txt"),
                            {QStringLiteral("4k7"), QStringLiteral("banana"), QStringLiteral("10k")});
        QVERIFY(f.find(QStringLiteral("5")));
        for (const combinations::Answer &answer : f.window->answers().values)
            for (double part : answer.network.parts())
                QVERIFY2(part == 4700 || part == 10000, qPrintable(QString::number(part)));
        QVERIFY(f.window->lblStatus->text().contains(QStringLiteral("banana")));
    }

    // Every input is reached with Tab in its order, and by the access key of its caption.
    void keyboard()
    {
        Fixture f;
        QVERIFY(f.open());
        QApplication::setActiveWindow(f.window);
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        QVERIFY(f.find(QStringLiteral("5")));
        f.window->optValue->setFocus();
        const QList<QWidget *> order = {f.window->txtTarget,   f.window->cmbTargetUnit,
                                        f.window->cmbSeries,   f.window->spnParts,
                                        f.window->cmbTolerance, f.window->txtExclude,
                                        f.window->chkStock,    f.window->lstAnswers,
                                        f.window->cmdToLinkora, f.window->cmdCopy,
                                        f.window->optValue};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // The arrow moves to the divider; Tab then goes to Vin.
        QTest::keyClick(f.window->optValue, Qt::Key_Right);
        QVERIFY(f.window->optDivider->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.window->txtVin);

        const std::pair<Qt::Key, QWidget *> keys[] = {{Qt::Key_S, f.window->cmbSeries},
                                                      {Qt::Key_P, f.window->spnParts},
                                                      {Qt::Key_F, f.window->txtTotalLow},
                                                      {Qt::Key_V, f.window->optValue},
                                                      {Qt::Key_T, f.window->txtTarget},
                                                      {Qt::Key_L, f.window->txtExclude}};
        for (const auto &[key, control] : keys) {
            QTest::keyClick(f.window, key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), control);
            // A radio button's key clicks it a moment later; its page shows then.
            if (control == f.window->optValue)
                QTRY_VERIFY(f.window->optValue->isChecked());
        }
    }

    // A language file from before the window: its texts are the built-in ones.
    void languageWithoutTheWindowsLines()
    {
        for (const QString &lang : {QStringLiteral("English"), QStringLiteral("Русский")}) {
            Fixture f(lang);
            const QString file = QStringLiteral("\\Languages\\") + lang + QStringLiteral(".lng");
            QStringList lines = f.folder.readLines(file);
            const auto start = config::laterLinesStart(lines);
            QVERIFY(start);
            f.folder.writeLines(file, lines.mid(0, *start + config::FirstCombinationLine));
            QVERIFY(f.open());
            const bool english = lang == QStringLiteral("English");
            QCOMPARE(f.window->windowTitle(), english ? QStringLiteral("Combinations")
                                                      : QStringLiteral("Комбинации"));
            QCOMPARE(f.window->lblTarget->text(),
                     english ? QStringLiteral("&Target:") : QStringLiteral("&Номинал:"));
            QVERIFY(f.messages.empty());
        }
    }
};

QTEST_MAIN(CombinationWindowTest)
#include "combination_window_test.moc"
