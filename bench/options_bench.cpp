// QT_QPA_PLATFORM=offscreen build/bench/options_bench [-callgrind]
//
// Opening each window of the menus, from the menu item to the window's first drawing: the
// options dialog against About, Linkora, Voltamo and a bare QDialog of the options dialog's
// size opened the same way. Every opening makes its window afresh, as the menus do; the first
// opening of each is not measured.

#include "connection_calc/linkora_window.h"
#include "ohm_calc/frm_voltam.h"
#include "options/frm_options.h"
#include "splash_about/about_window.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QWindow>
#include <QTest>
#include <QTimer>
#include <algorithm>

using testing_support::FormFixture;

namespace
{

// The window once it has been drawn: the first exposure paints it. The events are taken as they
// come, without the 10 ms naps of QTest's waiting, which would round every figure up to them.
QWidget *drawn(QWidget *window)
{
    QElapsedTimer waited;
    waited.start();
    const auto exposed = [window] {
        return window && window->windowHandle() && window->windowHandle()->isExposed();
    };
    while (!exposed() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!exposed())
        qFatal("the window did not open");
    return window;
}

// Opens a modal dialog of that class and closes it once it has been drawn.
template <typename Dialog> void openModal(QWidget *parent, const std::function<void()> &open)
{
    QTimer::singleShot(0, parent, [parent] {
        static_cast<QDialog *>(drawn(parent->findChild<Dialog *>()))->reject();
    });
    open();
}

// A tool window is shown without blocking; closing it discards it.
void openTool(QAction *item, const std::function<QWidget *()> &window)
{
    item->trigger();
    drawn(window())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class OptionsBench : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormFixture> f;
    main_window::Form1 *w = nullptr;
    QSize m_dialogSize;

    void measure(const std::function<void()> &opening)
    {
        opening();
        QBENCHMARK
        {
            opening();
        }
        QVERIFY(f->messages.empty());
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<FormFixture>();
        QVERIFY(f->load());
        w = f->form.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup() { f.reset(); }

    void optionsDialog()
    {
        QTimer::singleShot(
            0, w, [this] { m_dialogSize = w->findChild<options::frmOptions *>()->size(); });
        measure([this] {
            openModal<options::frmOptions>(w, [this] { w->mnuPreferences->trigger(); });
        });
    }

    // As a user meets it: the dialog was made while the program was idle, and the opening loads
    // and shows it. The preparation is not timed.
    void optionsDialogPrepared()
    {
        QList<qint64> times;
        for (int i = 0; i < 21; ++i) {
            w->prepareOptionsDialog();
            QVERIFY(w->nextOptionsDialog);
            QElapsedTimer clock;
            clock.start();
            openModal<options::frmOptions>(w, [this] { w->mnuPreferences->trigger(); });
            if (i > 0)
                times << clock.nsecsElapsed();
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2] / 1e6;
        qInfo("prepared options dialog: %.2f msecs (median of %d openings)", median,
              int(times.size()));
        QTest::setBenchmarkResult(median, QTest::WalltimeMilliseconds);
        QVERIFY(f->messages.empty());
    }

    void aboutWindow()
    {
        measure(
            [this] { openModal<splash_about::frmAbout>(w, [this] { w->mnuAbout->trigger(); }); });
    }

    void linkora()
    {
        measure([this] { openTool(w->mnuLinkora, [this] { return w->LinkoraWindow(); }); });
    }

    void voltamo()
    {
        measure([this] { openTool(w->mnuVoltamo, [this] { return w->voltamoWindow.data(); }); });
    }

    // The yardstick: a dialog with nothing in it, of the options dialog's size.
    void bareDialogOfTheSameSize()
    {
        QVERIFY(m_dialogSize.isValid());
        measure([this] {
            openModal<QDialog>(w, [this] {
                QDialog dialog(w);
                dialog.resize(m_dialogSize);
                dialog.exec();
            });
        });
    }
};

QTEST_MAIN(OptionsBench)
#include "options_bench.moc"
