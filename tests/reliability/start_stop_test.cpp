// Starts the main window on one program folder a hundred times in a row, opens every window
// it has each time and closes it again: the settings file stays whole and readable, and no
// lock is left behind that would keep the next start from working.

#include "common/program_folder.h"
#include "connection_calc/linkora_window.h"
#include "ohm_calc/frm_voltam.h"
#include "config/settings_file.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLockFile>
#include <QTest>
#include <QTimer>

using testing_support::FormFixture;

namespace {

// Chooses a menu item whose window is modal, and closes that window once it is up.
// Returns whether a modal window opened.
bool openModal(QAction *item)
{
    bool opened = false;
    QTimer::singleShot(0, item, [&opened] {
        if (QWidget *window = QApplication::activeModalWidget()) {
            opened = true;
            window->close();
        }
    });
    item->trigger();
    return opened;
}

} // namespace

class StartStopTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aHundredRunsOnOneFolder()
    {
        FormFixture f;
        const QString lockPath = common::lockFilePath();
        for (int run = 1; run <= 100; ++run) {
            QVERIFY2(f.load(), qPrintable(QStringLiteral("run %1").arg(run)));
            QVERIFY(f.exitCodes.empty());
            f.form->show();
            f.form->mnuLinkora->trigger();
            f.form->mnuVoltamo->trigger();
            QVERIFY(f.form->LinkoraWindow() && f.form->LinkoraWindow()->isVisible());
            QVERIFY(f.form->voltamoWindow && f.form->voltamoWindow->isVisible());
            QVERIFY(openModal(f.form->mnuAbout));
            QVERIFY(openModal(f.form->mnuPreferences));
            QVERIFY(f.messages.empty());
            // Another copy on the same folder would find the lock taken.
            QLockFile other(lockPath);
            QVERIFY(!other.tryLock(0));
            f.close();

            // Closed: the lock is free and the settings are whole.
            QLockFile next(lockPath);
            QVERIFY2(next.tryLock(0), qPrintable(QStringLiteral("run %1").arg(run)));
            next.unlock();
            const config::SettingsFile settings = config::readSettingsFile(config::settingsFilePath());
            QCOMPARE(settings.lines.size(), 35);
        }
        // The windows' own fields came through all hundred saves.
        QVERIFY(f.load());
        QCOMPARE(f.form->settings.LastConnect, QStringLiteral("Параллельное"));
        QCOMPARE(f.form->settings.VoltamLastUIR, QStringLiteral("U"));
    }
};

QTEST_MAIN(StartStopTest)
#include "start_stop_test.moc"
