#include "command_line/commands.h"
#include "command_line/start_mode.h"
#include "common/program_folder.h"
#include "window_entry.h"

#include <QCoreApplication>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <string_view>
#include <unistd.h>

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
    char executable[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0) {
        std::fprintf(stderr, "bandolin: cannot find the program's own file: %s\n",
                     std::strerror(errno));
        return 1;
    }
    const std::string_view path(executable, size_t(length));
    const std::string module =
        std::string(path.substr(0, path.rfind('/') + 1)) + BANDOLIN_WINDOW_MODULE;
    void *handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    auto *entry = handle ? reinterpret_cast<WindowEntry>(dlsym(handle, kWindowEntryName)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "bandolin: cannot load the window program %s: %s\n", module.c_str(),
                     dlerror());
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
