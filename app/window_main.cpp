// The window program, built as a module in the program folder's Modules folder: main.cpp loads
// it only when a window is started, so a terminal command maps no Qt GUI or widget library.
#include "main_window/form1.h"
#include "splash_about/splash_window.h"
#include "ui/seams.h"
#include "window_entry.h"

#include <QApplication>
#include <QStyleFactory>
#include <memory>

extern "C" BANDOLIN_WINDOW_ENTRY int bandolin_window_main(int argc, char *argv[])
{
    // The style is set before the application object, which would otherwise make the
    // platform's default style at its start only to have it replaced.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
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
    return QApplication::exec();
}
