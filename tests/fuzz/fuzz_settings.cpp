// The settings file, read and interpreted as the main window's load does, with its last
// resistor.
#include "config/settings_file.h"
#include "fuzz_input.h"
#include "marking_files/mark_code.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzing::inputFile("/Data/Settings.dat", data, size);
    try {
        const config::SettingsFile file = config::readSettingsFile(path);
        const config::SettingsWords words{
            QStringLiteral("Центрировать"),
            {QStringLiteral("Три"), QStringLiteral("Четыре"), QStringLiteral("Пять")},
            {QStringLiteral("Ом"), QStringLiteral("кОм"), QStringLiteral("МОм"),
             QStringLiteral("ГОм")}};
        const config::Settings settings = config::interpretSettings(file, words);
        // A stored resistor that reads as a marking is written back the same way.
        if (const auto stored = marking_files::parseMarkCode(settings.Temp01)) {
            if (marking_files::markCode(*stored) != settings.Temp01)
                abort();
        }
    } catch (const common::Failure &) {
    }
    return 0;
}
