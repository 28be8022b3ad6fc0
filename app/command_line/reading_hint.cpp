#include "command_line/reading_hint.h"

namespace command_line
{

ReadingHint readingHint(const HintRequest &request, const colour_code::ColourTables &tables,
                        const config::MainWindowTexts &texts)
{
    using Kind = colour_code::ReadingHintRequest::Kind;
    colour_code::ReadingHintRequest asked;
    asked.kind = request.encoded ? Kind::Encoded : Kind::Decoded;
    asked.marking = {request.bandCount, request.codes};
    asked.bandCount = request.bandCount;
    asked.ohms = request.ohms;
    asked.tolerance = request.tolerance;
    const std::optional<colour_code::ReadingHint> hint =
        colour_code::ComputeReadingHint(asked, tables);
    if (!hint)
        return {};

    QStringList unitNames;
    for (int i = 0; i < 5; ++i)
        unitNames << texts.LangTexts[std::size_t(i)];
    const colour_code::ReadingHintText text = colour_code::ComposeReadingHint(
        *hint, texts.ReadingHint, unitNames, texts.ColourNames, colour_code::HintNumbers::Written);

    ReadingHint result;
    result.lines = text.lines;
    result.preferred = hint->preferred.has_value();
    if (hint->preferred)
        result.series << colour_code::SeriesName(*hint->preferred);
    QStringList nearest;
    for (const QString &choice : {text.below, text.above})
        if (!choice.isEmpty())
            nearest << choice;
    if (!nearest.isEmpty() && !result.lines.isEmpty())
        result.lines.back() += QLatin1Char(' ') + nearest.join(QStringLiteral(", "));
    if (!request.encoded)
        result.lines << colour_code::SmdCodesLine(request.ohms, texts.ReadingHint);
    result.candidates = hint->candidates;
    if (hint->otherEnd)
        result.candidates.insert(result.candidates.begin(), *hint->otherEnd);
    if (hint->below)
        result.below = hint->below->ohms;
    if (hint->above)
        result.above = hint->above->ohms;
    return result;
}

} // namespace command_line
