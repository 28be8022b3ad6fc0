#include "combinations/combinations.h"

#include "colour_code/preferred_values.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace combinations
{
namespace
{

// E3 is not a tolerance's series, so the colour code has no table of it.
constexpr std::array<int, 3> kE3 = {100, 220, 470};
// The lowest decade holds 0.1 ohm = 100 x 10^-3, the highest 1 GOhm = 100 x 10^7.
constexpr int kLowestScale = -3;
constexpr int kHighestScale = 7;
// Typed values and computed ones differ in the last bits.
constexpr double kRelativeSlack = 1e-6;
// A stock may hold anything written as a value; beyond these, products of two parts would
// leave the double's range.
constexpr double kSmallestPart = 1e-3;
constexpr double kLargestPart = 1e12;

std::span<const int> mantissas(Series series)
{
    switch (series) {
    case Series::E3:
        return kE3;
    case Series::E6:
        return colour_code::SeriesValues(colour_code::Series::E6);
    case Series::E12:
        return colour_code::SeriesValues(colour_code::Series::E12);
    case Series::E24:
        return colour_code::SeriesValues(colour_code::Series::E24);
    case Series::E48:
        return colour_code::SeriesValues(colour_code::Series::E48);
    case Series::E96:
        return colour_code::SeriesValues(colour_code::Series::E96);
    case Series::E192:
        return colour_code::SeriesValues(colour_code::Series::E192);
    }
    return {};
}

double powerOfTen(int exponent)
{
    double p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// mantissa x 10^scale formed so that 4.7 kOhm is exactly 4700 and 4.7 ohm the double of 4.7.
double valueOf(int mantissa, int scale)
{
    return scale >= 0 ? mantissa * powerOfTen(scale) : mantissa / powerOfTen(-scale);
}

bool sameValue(double a, double b)
{
    return std::fabs(a - b) <= kRelativeSlack * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

QString seriesName(Series series)
{
    return QStringLiteral("E%1").arg(mantissas(series).size());
}

std::optional<Series> seriesFromName(const QString &name)
{
    for (const Series series : kAllSeries)
        if (name.trimmed().compare(seriesName(series), Qt::CaseInsensitive) == 0)
            return series;
    return std::nullopt;
}

double seriesTolerancePercent(Series series)
{
    switch (series) {
    case Series::E3:
    case Series::E6:
        return 20;
    case Series::E12:
        return 10;
    case Series::E24:
        return 5;
    case Series::E48:
        return 2;
    case Series::E96:
        return 1;
    case Series::E192:
        return 0.5;
    }
    return 0;
}

std::vector<double> seriesValues(Series series, Range range)
{
    const double low = std::max(range.low, kWidestRange.low) * (1 - kRelativeSlack);
    const double high = std::min(range.high, kWidestRange.high) * (1 + kRelativeSlack);
    std::vector<double> values;
    for (int scale = kLowestScale; scale <= kHighestScale; ++scale)
        for (const int mantissa : mantissas(series)) {
            const double value = valueOf(mantissa, scale);
            if (value >= low && value <= high)
                values.push_back(value);
        }
    return values;
}

std::vector<double> availableParts(const PartChoice &choice)
{
    std::vector<double> values =
        choice.stock ? *choice.stock : seriesValues(choice.series, choice.range);
    std::erase_if(values, [&](double value) {
        return !(value >= kSmallestPart && value <= kLargestPart) ||
               std::any_of(choice.excluded.begin(), choice.excluded.end(),
                           [value](double left) { return sameValue(value, left); });
    });
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end(), sameValue), values.end());
    if (values.size() > std::size_t(kMostParts))
        values.resize(std::size_t(kMostParts));
    return values;
}

double partTolerancePercent(const PartChoice &choice)
{
    const double tolerance =
        choice.tolerancePercent.value_or(seriesTolerancePercent(choice.series));
    return std::clamp(tolerance, 0.0, 100.0);
}

} // namespace combinations
