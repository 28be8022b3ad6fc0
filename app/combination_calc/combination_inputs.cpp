#include "combination_calc/combination_inputs.h"

#include "colour_code/value_words.h"
#include "config/settings_file.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace combination_calc
{
namespace
{

// The parts' usual range, and how far it opens for a target beyond it.
constexpr double kUsualLow = combinations::Range().low, kUsualHigh = combinations::Range().high;
constexpr double kWidestLow = combinations::kWidestRange.low;
constexpr double kWidestHigh = combinations::kWidestRange.high;
constexpr int kMaxParts = 4, kMaxPartsPerSide = 2;

// A number typed with a point or a comma as its decimal mark.
std::optional<double> number(QString text)
{
    if (!text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return config::strictNumber(text);
}

std::optional<double> positiveNumber(const QString &text)
{
    const std::optional<double> value = number(text);
    if (value && std::isfinite(*value) && *value > 0)
        return value;
    return std::nullopt;
}

combinations::PartChoice partChoice(const SearchInputs &in, const std::vector<double> &excluded)
{
    combinations::PartChoice parts;
    parts.series = in.series;
    parts.tolerancePercent = in.tolerancePercent;
    parts.excluded = excluded;
    parts.stock = in.stock;
    return parts;
}

InputProblem notAValue(const QString &text)
{
    return {InputProblem::Kind::NotAValue, text.trimmed()};
}

} // namespace

std::span<const double> toleranceChoices()
{
    static constexpr std::array<double, 9> choices = {20, 10, 5, 2, 1, 0.5, 0.25, 0.1, 0.05};
    return choices;
}

double unitFactor(int unit)
{
    return std::pow(1000.0, std::clamp(unit, 0, kUnitCount - 1));
}

std::optional<double> typedOhms(const QString &text, double factor)
{
    double ohms = 0;
    if (const std::optional<double> plain = positiveNumber(text)) {
        ohms = *plain * factor;
    } else {
        // A value with its own multiplier, as the terminal reads it.
        const colour_code::ResistanceWord word = colour_code::parseResistance(text.trimmed());
        if (word.problem != colour_code::ResistanceWord::Problem::None)
            return std::nullopt;
        ohms = word.ohms;
    }
    if (std::isfinite(ohms) && ohms > 0)
        return ohms;
    return std::nullopt;
}

ValueList typedValueList(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    ValueList list;
    for (const QString &piece : text.split(separators, Qt::SkipEmptyParts)) {
        if (piece.trimmed().isEmpty())
            continue;
        if (const std::optional<double> ohms = typedOhms(piece, 1))
            list.values.push_back(*ohms);
        else if (!list.problem)
            list.problem = piece.trimmed();
    }
    return list;
}

Search makeSearch(const SearchInputs &in)
{
    const ValueList excluded = typedValueList(in.exclude);
    if (excluded.problem)
        return notAValue(*excluded.problem);

    if (in.kind == SearchKind::Value) {
        if (in.target.trimmed().isEmpty())
            return InputProblem{InputProblem::Kind::NoTarget, QString()};
        const std::optional<double> target = typedOhms(in.target, unitFactor(in.targetUnit));
        if (!target)
            return notAValue(in.target);
        combinations::ValueQuery query;
        query.target = *target;
        query.parts = partChoice(in, excluded.values);
        query.parts.range.low = *target < kUsualLow ? kWidestLow : kUsualLow;
        query.parts.range.high = *target > kUsualHigh ? kWidestHigh : kUsualHigh;
        query.maxParts = std::clamp(in.parts, 1, kMaxParts);
        query.count = in.count;
        return query;
    }

    combinations::DividerQuery query;
    std::optional<double> vin;
    if (!in.vin.trimmed().isEmpty()) {
        vin = positiveNumber(in.vin);
        if (!vin)
            return notAValue(in.vin);
    }
    if (in.given == DividerGiven::Voltages) {
        if (!vin || in.vout.trimmed().isEmpty())
            return InputProblem{InputProblem::Kind::NoTarget, QString()};
        const std::optional<double> vout = positiveNumber(in.vout);
        if (!vout)
            return notAValue(in.vout);
        const std::optional<double> ratio = combinations::dividerRatio(*vin, *vout);
        if (!ratio)
            return InputProblem{InputProblem::Kind::RatioOutOfRange, QString()};
        query.ratio = *ratio;
    } else {
        if (in.ratio.trimmed().isEmpty())
            return InputProblem{InputProblem::Kind::NoTarget, QString()};
        const std::optional<double> ratio = number(in.ratio);
        if (!ratio)
            return notAValue(in.ratio);
        query.ratio = *ratio;
    }
    if (!(query.ratio >= combinations::kLowestRatio && query.ratio <= combinations::kHighestRatio))
        return InputProblem{InputProblem::Kind::RatioOutOfRange, QString()};
    query.vin = vin;

    const std::optional<double> low = typedOhms(in.totalLow, unitFactor(in.totalLowUnit));
    if (!low)
        return notAValue(in.totalLow);
    const std::optional<double> high = typedOhms(in.totalHigh, unitFactor(in.totalHighUnit));
    if (!high)
        return notAValue(in.totalHigh);
    query.total.low = std::clamp(std::min(*low, *high), kWidestLow, kWidestHigh);
    query.total.high = std::clamp(std::max(*low, *high), kWidestLow, kWidestHigh);
    query.parts = partChoice(in, excluded.values);
    // Parts below or above the usual range only where the range of R1 + R2 reaches there.
    query.parts.range.low = std::max(kWidestLow, std::min(kUsualLow, query.total.low / 2));
    query.parts.range.high = std::max(kUsualHigh, query.total.high);
    query.maxPartsPerSide = std::clamp(in.parts, 1, kMaxPartsPerSide);
    query.count = in.count;
    return query;
}

} // namespace combination_calc
