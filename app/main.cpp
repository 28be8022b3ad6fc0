#include "command_line/commands.h"
#include "command_line/start_mode.h"
#include "common/program_folder.h"
#include "main_window/form1.h"
#include "splash_about/splash_window.h"
#include "ui/seams.h"

#include <QApplication>
#include <QStyleFactory>
#include <memory>

namespace
{

// A terminal command runs without a display: no window, no lock, nothing written.
int runTerminalCommand(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Bandolin"));
    common::setProgramFolder(QCoreApplication::applicationDirPath(), common::FolderAccess::Inspect);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return command_line::runCommand(arguments, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const command_line::StartMode start = command_line::decideStart(arguments);
    if (start.command)
        return runTerminalCommand(argc, argv, start.arguments);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bandolin"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

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
