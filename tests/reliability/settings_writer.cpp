// Saves the settings file over and over, as the program does at exit, until it is killed.
// Version k of the file is recognisable from its own lines (see settingsVersion), and versions
// differ in length, so a half-written file cannot pass for a whole one.

#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/settings_file.h"
#include "settings_versions.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    common::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    for (int k = 1;; ++k) {
        common::writeTextLines(config::settingsFilePath(), reliability::settingsVersion(k));
        if (k == 1) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
