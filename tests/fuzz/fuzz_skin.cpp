// The skin file: the main window's part and both tool window sections.
#include "config/skin_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzing::inputFile("/Skin/Fuzz.she", data, size);
    try {
        config::readSkinFile(path);
    } catch (const common::Failure &) {
    }
    for (auto read : {+[](const QString &p) { config::readLinkoraSkin(p); },
                      +[](const QString &p) { config::readVoltamoSkin(p); }}) {
        try {
            read(path);
        } catch (const common::Failure &) {
        }
    }
    return 0;
}
