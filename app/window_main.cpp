// The window program, built as a module in the program folder's Modules folder: main.cpp loads
// it only when a window is started, so a terminal command maps no Qt GUI or widget library.
#include "main_window/form1.h"
#include "splash_about/splash_window.h"
#include "ui/seams.h"
#include "window_entry.h"

#include <QApplication>
#include <QDBusConnection>
#include <QStyleFactory>
#include <memory>
#include <thread>

extern "C" BANDOLIN_WINDOW_ENTRY int bandolin_window_main(int argc, char *argv[])
{
    // The style is set before the application object, which would otherwise make the
    // platform's default style at its start only to have it replaced.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Qt's accessibility bridge connects to the session bus when the first widget is shown, and
    // the window waits for it (with no bus running, libdbus even forks to try to launch one).
    // Made on a thread of its own while the application object connects to the display, the
    // connection is ready by then. The thread starts after the style: Qt takes the first thread
    // that makes an object of it for the main thread. While the application object is made, Qt's
    // X11 platform removes DESKTOP_STARTUP_ID from the environment, which libdbus reads without
    // a lock: with that variable set, the thread starts only after the application object.
    const auto connectSessionBus = [] { QDBusConnection::sessionBus(); };
    const bool afterApplication = qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID");
    std::jthread sessionBus;
    if (!afterApplication)
        sessionBus = std::jthread(connectSessionBus);
    QApplication app(argc, argv);
    if (afterApplication)
        sessionBus = std::jthread(connectSessionBus);
    QApplication::setApplicationName(QStringLiteral("Bandolin"));

    // The splash comes first and alone; the main window is made and loaded when it ends.
    splash_about::frmSplash splash;
    splash.Form_Load();
    splash.show();

    std::unique_ptr<main_window::Form1> form;
    QObject::connect(
        &splash, &splash_about::frmSplash::finished, &app,
        [&form] {
            form = std::make_unique<main_window::Form1>();
            // A failed load has told the user and ended the run; another copy ends it silently.
            if (form->Form_Load() && !ui::endRequested())
                form->show();
        },
        Qt::QueuedConnection);
    const int result = QApplication::exec();
    sessionBus.join(); // long done by now; joined before the application object goes
    return result;
}
