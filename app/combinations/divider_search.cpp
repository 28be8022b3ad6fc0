// The divider search. Each side is one part or a pair: a column of single parts, of series
// pairs or of parallel pairs. For each lower side R2 of one column, the upper side R1 that gives
// the ratio exactly is computed and each column is walked outward from there while the ratio
// could still make the list and R1 + R2 stays within the total's range. The ratio falls as R1
// grows, so nothing beyond could.

#include "combinations/search_order.h"

namespace combinations
{
namespace
{

using Kind = Network::Kind;
constexpr double kRangeSlack = 1e-9;

struct Found {
    Network r1, r2;
    double ratio = 0;
    Rank rank; // by error, then fewer parts
    bool operator==(const Found &other) const { return r1 == other.r1 && r2 == other.r2; }
};

// The sides of one kind, ascending.
struct Sides {
    Column values;
    std::shared_ptr<const PairColumn> pairs; // none: single parts
    int parts;
};

class DividerSearch
{
public:
    DividerSearch(const DividerQuery &query, const std::vector<double> &parts)
        : m_ratio(query.ratio), m_total(query.total), m_parts(parts), m_best(query.count)
    {
        const auto end = std::upper_bound(m_parts.begin(), m_parts.end(), m_total.high);
        m_singles.assign(m_parts.begin(), end);
        m_columns.push_back({m_singles, nullptr, 1});
        if (query.maxPartsPerSide >= 2)
            for (const Join join : {Join::Series, Join::Parallel}) {
                auto pairs = pairColumn(parts, join, 0, m_total.high);
                m_columns.push_back({pairs->values, pairs, 2});
            }
    }

    std::vector<Found> run()
    {
        // The lower sides that can give the ratio exactly come first, single parts first,
        // so that the limits are tight early; then those below and above them, each walk
        // ending where the ratio can no longer come near.
        for (const Part part : {Part::Middle, Part::Below, Part::Above})
            for (const Sides &lower : m_columns)
                for (const Sides &upper : m_columns)
                    walk(lower, upper, part);
        return m_best.result();
    }

private:
    enum class Part { Middle, Below, Above };

    // The largest relative error a divider of so many parts may have and still be kept.
    double limit(int parts) const { return m_best.limit(parts) * (1 + 1e-9) + 2e-12; }
    Network side(const Sides &column, std::size_t index) const
    {
        if (!column.pairs)
            return Network::part(m_parts[index]);
        const PairColumn &pairs = *column.pairs;
        return Network::join(pairs.join == Join::Series ? Kind::Series : Kind::Parallel,
                             {Network::part(m_parts[pairs.first[index]]),
                              Network::part(m_parts[pairs.second[index]])});
    }
    void walk(const Sides &lower, const Sides &upper, Part part);

    double m_ratio;
    Range m_total;
    const std::vector<double> &m_parts;
    BestList<Found> m_best;
    std::vector<double> m_singles; // the parts up to the highest total
    std::vector<Sides> m_columns;
};

void DividerSearch::walk(const Sides &lower, const Sides &upper, Part part)
{
    const Column r2s = lower.values;
    const Column r1s = upper.values;
    const int parts = lower.parts + upper.parts;
    const double low = m_total.low * (1 - kRangeSlack);
    const double high = m_total.high * (1 + kRangeSlack);
    const auto at = [&](double value) {
        return std::size_t(std::lower_bound(r2s.begin(), r2s.end(), value) - r2s.begin());
    };
    // R2 from ratio x low to ratio x high can give the ratio exactly with R1 + R2 in range.
    const std::size_t from = at(m_ratio * low);
    const std::size_t to = at(m_ratio * high);
    Cursor cursor(r1s);
    const auto tryR2 = [&](std::size_t k) {
        const double r2 = r2s[k];
        const double lowR1 = low - r2;
        const double highR1 = high - r2;
        const std::size_t start =
            cursor.seek(std::clamp(r2 * (1 - m_ratio) / m_ratio, lowR1, highR1));
        const auto tryR1 = [&](std::size_t i) {
            const double r1 = r1s[i];
            if (r1 < lowR1 || r1 > highR1)
                return false;
            const double error = comparableError(r2 / (r1 + r2), m_ratio);
            if (error > limit(parts) || !m_best.wanted(Rank{error, parts, 0}))
                return false;
            Found found;
            found.r1 = side(upper, i);
            found.r2 = side(lower, k);
            const double t1 = found.r1.total();
            const double t2 = found.r2.total();
            found.ratio = t2 / (t1 + t2);
            found.rank = Rank{comparableError(found.ratio, m_ratio), parts, 0};
            m_best.offer(std::move(found));
            return true;
        };
        for (std::size_t i = start; i < r1s.size() && tryR1(i); ++i) {
        }
        for (std::size_t i = start; i > 0 && tryR1(i - 1); --i) {
        }
    };
    // The closest ratio an R2 outside the middle can give, with R1 at the edge of the range.
    const auto hopeless = [&](double closestRatio) {
        return std::fabs(closestRatio - m_ratio) / m_ratio > limit(parts);
    };
    switch (part) {
    case Part::Middle:
        for (std::size_t k = from; k < to; ++k)
            tryR2(k);
        break;
    case Part::Below:
        for (std::size_t k = from; k > 0 && !hopeless(r2s[k - 1] / m_total.low); --k)
            tryR2(k - 1);
        break;
    case Part::Above:
        for (std::size_t k = to;
             k < r2s.size() && r2s[k] < high && !hopeless(r2s[k] / m_total.high); ++k)
            tryR2(k);
        break;
    }
}

} // namespace

std::optional<double> dividerRatio(double vin, double vout)
{
    const double ratio = vout / vin;
    if (!std::isfinite(ratio) || ratio < kLowestRatio * (1 - 1e-12) ||
        ratio > kHighestRatio * (1 + 1e-12))
        return std::nullopt;
    return ratio;
}

std::vector<DividerAnswer> findDividers(const DividerQuery &query)
{
    if (!(query.ratio >= kLowestRatio * (1 - 1e-12) && query.ratio <= kHighestRatio * (1 + 1e-12)))
        return {};
    if (!(query.total.low <= query.total.high) || !(query.total.high > 0))
        return {};
    const std::vector<double> parts = availableParts(query.parts);
    const double tolerance = partTolerancePercent(query.parts);
    std::vector<DividerAnswer> answers;
    for (Found &found : DividerSearch(query, parts).run()) {
        DividerAnswer answer;
        answer.ratio = found.ratio;
        answer.errorPercent =
            found.rank.error == 0 ? 0 : (found.ratio - query.ratio) / query.ratio * 100;
        const double low1 = found.r1.lowest(tolerance), high1 = found.r1.highest(tolerance);
        const double low2 = found.r2.lowest(tolerance), high2 = found.r2.highest(tolerance);
        answer.ratioMinimum = low2 / (high1 + low2);
        answer.ratioMaximum = high2 / (low1 + high2);
        if (query.vin)
            answer.currentAmps = *query.vin / (found.r1.total() + found.r2.total());
        answer.r1 = std::move(found.r1);
        answer.r2 = std::move(found.r2);
        answers.push_back(std::move(answer));
    }
    return answers;
}

} // namespace combinations
