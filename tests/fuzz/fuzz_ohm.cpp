// Voltamo's Ohm's law from two typed texts, for every sought quantity and rounding.
#include "fuzz_input.h"
#include "ohm_calc/ohm_law.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const auto sought = ohm_calc::Quantity(data[0] % 3);
    const int decimals = (data[0] / 3) % 9;
    const QString text = fuzzing::inputText(data + 1, size - 1);
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString first = cut < 0 ? text : text.left(cut);
    const QString second = cut < 0 ? QString() : text.mid(cut + 1);
    try {
        const QString result =
            ohm_calc::computeResult(sought, first, second, decimals, QStringLiteral("В"));
        if (result.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
            result.contains(QLatin1String("nan"), Qt::CaseInsensitive))
            abort();
    } catch (const common::Failure &) {
    }
    return 0;
}
