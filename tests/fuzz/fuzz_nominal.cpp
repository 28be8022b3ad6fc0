// The nominal input rules: they settle on every text, and settling again changes nothing.
#include "colour_code/nominal_input.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int bandCountIndex = int(data[0] % 4) - 1; // -1: a word that is no band count
    const QString text = fuzzing::inputText(data + 1, size - 1);
    const colour_code::NominalInput first = colour_code::SettleNominalText(text, bandCountIndex, 3);
    const colour_code::NominalInput again =
        colour_code::SettleNominalText(first.text, bandCountIndex, first.maxLength);
    if (again.text != first.text || again.maxLength != first.maxLength)
        abort();
    return 0;
}
