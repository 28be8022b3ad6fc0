#include "config/combination_settings.h"

#include "common/failure.h"
#include "common/numbers.h"

#include <cfloat>
#include <cmath>

namespace config
{
namespace
{

const QString kPlacementLabel = QStringLiteral("Координаты Combinations:");
const QString kSeriesLabel = QStringLiteral("Ряд Combinations:");
const QString kPartsLabel = QStringLiteral("Наибольшее число резисторов Combinations:");

const QStringList kSeriesNames = {QStringLiteral("E3"),  QStringLiteral("E6"),
                                  QStringLiteral("E12"), QStringLiteral("E24"),
                                  QStringLiteral("E48"), QStringLiteral("E96"),
                                  QStringLiteral("E192")};
constexpr int kMaxParts = 4;

// A twips value of the line; none for a line without a number or one no window could stand at.
std::optional<float> twips(const QStringList &lines, int line)
{
    const QString text = lines.value(line - kCombinationSettingsFirstLine);
    if (!common::hasLeadingNumber(text))
        return std::nullopt;
    try {
        const double value = common::leadingNumber(text);
        if (std::isfinite(value) && std::fabs(value) <= double(FLT_MAX))
            return common::toSingle(value);
    } catch (const common::Failure &) {
    }
    return std::nullopt;
}

QString twipsText(std::optional<float> value)
{
    return value ? common::regionalNumberText(*value) : QString();
}

} // namespace

CombinationSettings readCombinationSettings(const QStringList &laterLines, const QString &langPos1)
{
    auto line = [&](int number) { return laterLines.value(number - kCombinationSettingsFirstLine); };
    CombinationSettings s;
    s.centring = line(kCombinationPlacementLine);
    const auto left = twips(laterLines, 38), top = twips(laterLines, 39);
    if (s.centring != langPos1 && left && top)
        s.position = TwipsPosition{*left, *top};
    const auto width = twips(laterLines, 40), height = twips(laterLines, 41);
    if (width && height && *width > 0 && *height > 0)
        s.size = TwipsSize{*width, *height};
    if (const QString series = line(43).trimmed().toUpper(); kSeriesNames.contains(series))
        s.series = series;
    if (const std::optional<double> parts = strictNumber(line(45));
        parts && *parts >= 1 && *parts <= kMaxParts && *parts == std::floor(*parts))
        s.parts = int(*parts);
    return s;
}

QStringList combinationSettingsLines(const CombinationSettings &s, const QString &langPos1,
                                     const QString &langPos2)
{
    const auto position = s.position;
    const auto size = s.size;
    return {
        kPlacementLabel,
        normalisedPlacementWord(s.centring, langPos1, langPos2),
        twipsText(position ? std::optional(position->x) : std::nullopt),
        twipsText(position ? std::optional(position->y) : std::nullopt),
        twipsText(size ? std::optional(size->width) : std::nullopt),
        twipsText(size ? std::optional(size->height) : std::nullopt),
        kSeriesLabel,
        s.series,
        kPartsLabel,
        QString::number(s.parts),
    };
}

} // namespace config
