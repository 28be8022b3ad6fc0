// Linkora's total over a list of typed entries, in both modes and with every rounding.
#include "connection_calc/connection_total.h"
#include "fuzz_input.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const auto mode = data[0] & 1 ? connection_calc::ConnectionMode::Parallel
                                  : connection_calc::ConnectionMode::Series;
    const int decimals = (data[0] >> 1) % 9;
    const QStringList entries = fuzzing::inputText(data + 1, size - 1).split(QLatin1Char('\n'));
    const connection_calc::UnitNames units = {QStringLiteral("Ом"), QStringLiteral("кОм"),
                                              QStringLiteral("МОм"), QStringLiteral("ГОм"),
                                              QStringLiteral("ТОм")};
    try {
        const connection_calc::ConnectionTotal total =
            connection_calc::computeTotal(entries, units, mode, decimals);
        if (!std::isfinite(total.value) || total.unitPosition < 0 || total.unitPosition > 4 ||
            total.text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
            total.text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
            abort();
    } catch (const common::Failure &) {
    }
    return 0;
}
