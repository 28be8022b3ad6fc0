// The terminal's word readers (values, tolerances, colour names) and the SMD codes. The first
// byte picks the reader; the rest is the word. What a reader accepts must make sense: a value
// that reads back from the way the terminal writes it, colours that exist, SMD readings whose
// codes read back as the same value.
#include "colour_code/smd_codes.h"
#include "colour_code/value_words.h"
#include "colour_code/written_numbers.h"
#include "command_line/colour_words.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cmath>

namespace
{

void values(const QString &text)
{
    const colour_code::ResistanceWord read = colour_code::parseResistance(text);
    if (read.problem != colour_code::ResistanceWord::Problem::None)
        return;
    if (!std::isfinite(read.ohms) || read.ohms < 0)
        abort();
    if (read.ohms == 0 || read.ohms < 1e-20 || read.ohms > 1e20)
        return;
    // As people write it: a point with a digit before it, no exponent, and the same value back.
    const QString written = colour_code::WrittenNumber(read.ohms);
    if (written.startsWith(u'.') || written.contains(u'e') || written.contains(u'E'))
        abort();
    const colour_code::ResistanceWord back = colour_code::parseResistance(written);
    if (back.problem != colour_code::ResistanceWord::Problem::None ||
        std::abs(back.ohms - read.ohms) > read.ohms * 1e-14)
        abort();
}

// Tolerances above 0 and finite; colours that exist, and the word named as no colour one of
// the words.
void tolerancesAndColours(const QString &text)
{
    const std::optional<double> tolerance = colour_code::parseTolerance(text);
    if (tolerance && (!std::isfinite(*tolerance) || *tolerance < 0))
        abort();
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const command_line::ColourWords read = command_line::colourWords(words);
    if (std::any_of(read.codes.begin(), read.codes.end(),
                    [](quint8 code) { return code >= colour_code::kColourCount; }) ||
        (!read.unknownWord.isEmpty() && !words.contains(read.unknownWord)))
        abort();
}

void smdCodes(const QString &text)
{
    const colour_code::SmdDecoding read = colour_code::DecodeSmdCode(text);
    if ((read.problem == colour_code::SmdProblem::None) == read.readings.empty() ||
        read.readings.size() > 2)
        abort();
    for (const colour_code::SmdReading &reading : read.readings) {
        if (!std::isfinite(reading.ohms) || reading.ohms < 0)
            abort();
        // Every code of the value reads back as it, in one of its readings.
        for (const colour_code::SmdCode &code : colour_code::EncodeSmdCodes(reading.ohms)) {
            const colour_code::SmdDecoding again = colour_code::DecodeSmdCode(code.code);
            const bool same =
                std::any_of(again.readings.begin(), again.readings.end(),
                            [&](const colour_code::SmdReading &r) {
                                return r.kind == code.kind &&
                                       std::abs(r.ohms - reading.ohms) <= reading.ohms * 1e-12;
                            });
            if (!same)
                abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString text = fuzzing::inputText(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        values(text);
        break;
    case 1:
        tolerancesAndColours(text);
        break;
    default:
        smdCodes(text);
        break;
    }
    return 0;
}
