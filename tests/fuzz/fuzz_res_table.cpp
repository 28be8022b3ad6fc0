// The colour-code table file.
#include "colour_code/colour_tables.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzing::inputFile("/Data/ResTable.tab", data, size);
    colour_code::ColourTables tables;
    const colour_code::ColourTables before = tables;
    try {
        colour_code::LoadResTable(path, tables);
    } catch (const common::Failure &) {
        // A refused file leaves the tables as they were.
        if (tables.CodeNames != before.CodeNames || tables.CodeValues != before.CodeValues ||
            tables.CodeTextColours != before.CodeTextColours)
            abort();
    }
    return 0;
}
