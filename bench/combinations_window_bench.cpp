// QT_QPA_PLATFORM=offscreen build/test/bench/combinations_window_bench
// Typing in the Combinations window: what a keystroke costs the window's thread, and, while the
// search it asks for runs, the longest the window's event loop waits between two turns (a 1 ms
// timer is watched from the keystroke until the answers are shown).

#include "combination_calc/combination_window.h"
#include "support/test_folder.h"
#include "ui/seams.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using combination_calc::frmCombinations;

class CombinationsWindowBench : public QObject
{
    Q_OBJECT

    testing_support::TestFolder m_folder;
    config::GlobalSettings m_settings;
    ui::SkinScheme m_colours;
    std::unique_ptr<frmCombinations> m_window;

    void useSeries(const QString &series)
    {
        m_window->cmbSeries->setCurrentText(series);
        m_window->spnParts->setValue(4);
        m_window->cmbTargetUnit->setCurrentIndex(1);
        QVERIFY(QTest::qWaitFor([this] { return !m_window->searching(); }, 10000));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_settings.Lang = QStringLiteral("English");
        m_settings.GlobalPicture = QStringLiteral("Nothing");
        m_settings.CombParts = 4;
        m_window = std::make_unique<frmCombinations>(m_settings, m_colours);
        QVERIFY(m_window->Form_Load());
        m_window->show();
    }

    void series_data()
    {
        QTest::addColumn<QString>("series");
        for (const char *series : {"E24", "E96", "E192"})
            QTest::newRow(series) << QString::fromLatin1(series);
    }

    // One keystroke in the target box, the search it asks for left to the pool.
    void keystroke_data() { series_data(); }
    void keystroke()
    {
        QFETCH(QString, series);
        useSeries(series);
        m_window->txtTarget->setText(QStringLiteral("3.14"));
        QBENCHMARK
        {
            QTest::keyClick(m_window->txtTarget, Qt::Key_9);
            QTest::keyClick(m_window->txtTarget, Qt::Key_Backspace);
        }
    }

    // From the keystroke to the answers shown, and the longest wait of the event loop meanwhile.
    void eventLoopWhileSearching_data() { series_data(); }
    void eventLoopWhileSearching()
    {
        QFETCH(QString, series);
        useSeries(series);
        qint64 longest = 0, total = 0;
        const int rounds = 5;
        for (int round = 0; round < rounds; ++round) {
            m_window->txtTarget->setText(QStringLiteral("3.1"));
            QVERIFY(QTest::qWaitFor([this] { return !m_window->searching(); }, 10000));
            QElapsedTimer sinceKey, sinceTurn;
            QTimer tick;
            tick.setInterval(1);
            connect(&tick, &QTimer::timeout, this, [&] {
                longest = std::max(longest, sinceTurn.nsecsElapsed() / 1000);
                sinceTurn.restart();
            });
            sinceKey.start();
            sinceTurn.start();
            tick.start();
            QTest::keyClick(m_window->txtTarget, Qt::Key(Qt::Key_4 + round));
            // Not QTest::qWaitFor, which sleeps 10 ms between its turns.
            while (m_window->searching() && sinceKey.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            total += sinceKey.nsecsElapsed() / 1000;
        }
        qInfo("%s: answers %.1f ms after the key (with the %d ms pause), longest wait of the "
              "event loop %.1f ms",
              qPrintable(series), double(total) / rounds / 1000, combination_calc::SearchRunner::kPause,
              double(longest) / 1000);
    }
};

QTEST_MAIN(CombinationsWindowBench)
#include "combinations_window_bench.moc"
