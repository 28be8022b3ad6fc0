// The colour-code table file.
#include "colour_code/colour_tables.h"
#include "common/numbers.h"
#include "common/text_file.h"
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
            tables.CodeTextColours != before.CodeTextColours || tables.CodeTcr != before.CodeTcr)
            abort();
        return 0;
    }
    // A table without TCR lines (a heading at most) gets the built-in values.
    if (common::readTextLines(path).size() <= 40 && tables.CodeTcr != colour_code::kBuiltInTcr)
        abort();
    // The TCR selector lists each TCR once, largest first.
    const QStringList items = colour_code::TcrItems(tables);
    for (qsizetype i = 1; i < items.size(); ++i)
        if (!(common::leadingNumber(items[i - 1]) > common::leadingNumber(items[i])))
            abort();
    return 0;
}
