// The leading-number rule and the number texts written from what it reads.
#include "common/numbers.h"
#include "fuzz_input.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzing::inputText(data, size);
    try {
        const double value = common::leadingNumber(text);
        if (!std::isfinite(value))
            abort();
        // Plain number text reads back as the same number, to its 15 significant digits.
        const QString plain = common::plainNumberText(value);
        try {
            const double back = common::leadingNumber(plain);
            if (std::abs(back - value) > std::abs(value) * 1e-14)
                abort();
        } catch (const common::Failure &) {
            // Rounded to 15 digits, the largest doubles lie beyond the range.
            if (std::abs(value) < 1.7976931348623e308)
                abort();
        }
        common::regionalNumberText(value);
        common::plainNumberText(float(value));
    } catch (const common::Failure &) {
    }
    return 0;
}
