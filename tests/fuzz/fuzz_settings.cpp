// The settings file, read and interpreted as the main window's load does.
#include "colour_code/colour_tables.h"
#include "config/settings_file.h"
#include "fuzz_input.h"

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
        const config::LastResistor stored = config::restoredLastResistor(
            settings.Temp01, [](int, quint8 code) { return code < colour_code::kColourCount; });
        // What is restored is written back the same way.
        if (stored.BandCount >= 3 && stored.BandCount <= 5) {
            const QString code = config::lastResistorCode(stored.BandCount, stored.BandCodes);
            if (config::parseLastResistor(code) != stored)
                abort();
        }
    } catch (const common::Failure &) {
    }
    return 0;
}
