#include "command_line/commands.h"
#include "command_line/start_mode.h"
#include "common/program_folder.h"
#include "window_entry.h"

#include <QCoreApplication>
#include <cstdio>
#include <dlfcn.h>
#include <filesystem>

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

// The windows live in a module in the Modules folder beside the executable, loaded only here: a
// terminal command then starts without loading the Qt GUI and widget libraries at all.
int runWindowProgram(int argc, char *argv[])
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string module = (executable.parent_path() / BANDOLIN_WINDOW_MODULE).string();
    void *handle = error ? nullptr : dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    auto *entry = handle ? reinterpret_cast<WindowEntry>(dlsym(handle, kWindowEntryName)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "bandolin: cannot load the window program %s: %s\n", module.c_str(),
                     error ? error.message().c_str() : dlerror());
        return 1;
    }
    return entry(argc, argv);
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
    return runWindowProgram(argc, argv);
}
