// Marking file names: the code a name carries, and the name proposed for a marking.
#include "colour_code/colour_tables.h"
#include "fuzz_input.h"
#include "marking_files/mark_code.h"

#include <QDir>

namespace
{
const colour_code::ColourTables &tables()
{
    static const colour_code::ColourTables loaded = [] {
        colour_code::ColourTables t;
        colour_code::LoadResTable(QStringLiteral(BANDOLIN_RES_TABLE), t);
        return t;
    }();
    return loaded;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzing::inputText(data, size);
    marking_files::ExtractMarkCode(text);
    if (const auto marking = marking_files::markingOfFile(text, tables())) {
        // Saving that marking under any result line gives a name in the folder itself that
        // carries the same marking.
        const QString name = marking_files::markingFileName(*marking, text);
        if (name.contains(QLatin1Char('/')) || name.toUtf8().size() > 255)
            abort();
        const auto again =
            marking_files::markingOfFile(QStringLiteral("/folder/") + name, tables());
        if (!again || marking_files::markCode(*again) != marking_files::markCode(*marking))
            abort();
    }
    return 0;
}
