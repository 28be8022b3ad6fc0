// The language file, block by block and whole, and the about window's lines.
#include "config/language_file.h"
#include "fuzz_input.h"
#include "splash_about/about_text.h"

namespace
{
template <typename Read> void attempt(Read read)
{
    try {
        read();
    } catch (const common::Failure &) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzing::inputFile("/Languages/Fuzz.lng", data, size);
    attempt([&] { config::readLanguageFile(path); });
    attempt([&] { config::readMainWindowTexts(path); });
    attempt([&] { config::readLinkoraTexts(path); });
    attempt([&] { config::readVoltamoTexts(path); });
    attempt([&] { config::readOptionsTexts(path); });
    attempt([&] { splash_about::readAboutLines(path); });
    return 0;
}
