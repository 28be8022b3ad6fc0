// The divider search. Each side is one part or a pair, so all sides go into one ascending
// column; for each lower side R2 the upper side R1 that gives the ratio exactly is computed,
// and the column is walked outward from there while the ratio could still make the list and
// R1 + R2 stays within the total's range. The ratio falls as R1 grows, so nothing beyond
// could.

#include "combinations/search_order.h"

namespace combinations
{
namespace
{

using Kind = Network::Kind;
constexpr double kInfinite = std::numeric_limits<double>::infinity();
constexpr double kRangeSlack = 1e-9;

struct Found {
    Network r1, r2;
    double ratio = 0;
    Rank rank; // by error, then fewer parts
    bool operator==(const Found &other) const { return r1 == other.r1 && r2 == other.r2; }
};

// Every side a divider may have, ascending.
struct Sides {
    struct Source {
        std::uint32_t index; // in the parts or in the pair column
        std::int32_t column; // kSingle, or the pair column
    };
    static constexpr std::int32_t kSingle = -1;
    std::vector<double> values;
    std::vector<Source> sources;
};

// The single parts and the pairs of each column, merged in order.
Sides allSides(const std::vector<double> &singles, const std::vector<PairColumn> &pairs)
{
    std::vector<const std::vector<double> *> lists{&singles};
    std::size_t size = singles.size();
    for (const PairColumn &column : pairs) {
        lists.push_back(&column.values);
        size += column.values.size();
    }
    Sides sides;
    sides.values.reserve(size);
    sides.sources.reserve(size);
    std::vector<std::size_t> next(lists.size(), 0);
    for (;;) {
        std::size_t pick = lists.size();
        for (std::size_t l = 0; l < lists.size(); ++l)
            if (next[l] < lists[l]->size() &&
                (pick == lists.size() || (*lists[l])[next[l]] < (*lists[pick])[next[pick]]))
                pick = l;
        if (pick == lists.size())
            return sides;
        sides.values.push_back((*lists[pick])[next[pick]]);
        sides.sources.push_back({std::uint32_t(next[pick]++), std::int32_t(pick) - 1});
    }
}

class DividerSearch
{
public:
    DividerSearch(const DividerQuery &query, const std::vector<double> &parts)
        : m_ratio(query.ratio), m_total(query.total), m_perSide(query.maxPartsPerSide),
          m_parts(parts), m_best(query.count)
    {
        if (m_perSide >= 2) {
            m_pairs.push_back(pairColumn(parts, Join::Series, 0, m_total.high));
            m_pairs.push_back(pairColumn(parts, Join::Parallel, 0, m_total.high));
        }
        const auto end = std::upper_bound(m_parts.begin(), m_parts.end(), m_total.high);
        m_singles = allSides(std::vector<double>(m_parts.begin(), end), {});
        if (m_perSide >= 2)
            m_sides = allSides(m_singles.values, m_pairs);
    }

    std::vector<Found> run()
    {
        // Single parts first, and lower sides that can give the ratio exactly before the
        // others, so that the limits are tight early.
        if (m_perSide >= 2)
            walk(m_singles, middle(m_singles));
        const Sides &sides = m_perSide >= 2 ? m_sides : m_singles;
        const auto [from, to] = middle(sides);
        walk(sides, {from, to});
        walk(sides, {0, from});
        walk(sides, {to, sides.values.size()});
        return m_best.result();
    }

private:
    int partsOf(const Sides::Source &source) const
    {
        return source.column == Sides::kSingle ? 1 : 2;
    }
    Network side(const Sides::Source &source) const
    {
        if (source.column == Sides::kSingle)
            return Network::part(m_parts[source.index]);
        const PairColumn &column = m_pairs[std::size_t(source.column)];
        return Network::join(column.join == Join::Series ? Kind::Series : Kind::Parallel,
                             {Network::part(m_parts[column.first[source.index]]),
                              Network::part(m_parts[column.second[source.index]])});
    }

    using Span = std::pair<std::size_t, std::size_t>;
    // The lower sides that with an upper side in the total's range can give the ratio.
    Span middle(const Sides &sides) const
    {
        const auto at = [&](double value) {
            return std::size_t(std::lower_bound(sides.values.begin(), sides.values.end(), value) -
                               sides.values.begin());
        };
        return {at(m_ratio * m_total.low * (1 - kRangeSlack)),
                at(m_ratio * m_total.high * (1 + kRangeSlack))};
    }
    // Each lower side of the span with every upper side.
    void walk(const Sides &sides, Span lower);

    double m_ratio;
    Range m_total;
    int m_perSide;
    const std::vector<double> &m_parts;
    BestList<Found> m_best;
    std::vector<PairColumn> m_pairs;
    Sides m_singles; // the parts up to the highest total
    Sides m_sides;   // parts and pairs up to the highest total
};

void DividerSearch::walk(const Sides &sides, Span lower)
{
    const std::vector<double> &values = sides.values;
    const double low = m_total.low * (1 - kRangeSlack);
    const double high = m_total.high * (1 + kRangeSlack);
    Cursor cursor(values);
    for (std::size_t k = lower.first; k < lower.second; ++k) {
        const double r2 = values[k];
        const int parts2 = partsOf(sides.sources[k]);
        if (r2 >= high)
            break;
        // R1 within the total's range, the nearest to the exact ratio first.
        const double lowR1 = low - r2;
        const double highR1 = high - r2;
        const double ideal = std::clamp(r2 * (1 - m_ratio) / m_ratio, lowR1, highR1);
        const std::size_t start = cursor.seek(ideal);
        const auto tryAt = [&](std::size_t i) {
            const double r1 = values[i];
            if (r1 < lowR1 || r1 > highR1)
                return false;
            const double error = comparableError(r2 / (r1 + r2), m_ratio);
            // Beyond, the error only grows, for an upper side of one part or two.
            if (!m_best.wanted(Rank{error, parts2 + 1, 0}) &&
                (m_perSide < 2 || !m_best.wanted(Rank{error, parts2 + 2, 0})))
                return false;
            const int parts = parts2 + partsOf(sides.sources[i]);
            if (m_best.wanted(Rank{error, parts, 0})) {
                Found found;
                found.r1 = side(sides.sources[i]);
                found.r2 = side(sides.sources[k]);
                const double t1 = found.r1.total();
                const double t2 = found.r2.total();
                found.ratio = t2 / (t1 + t2);
                found.rank = Rank{comparableError(found.ratio, m_ratio), parts, 0};
                m_best.offer(std::move(found));
            }
            return true;
        };
        for (std::size_t i = start; i < values.size() && tryAt(i); ++i) {
        }
        for (std::size_t i = start; i > 0 && tryAt(i - 1); --i) {
        }
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
    DividerQuery clamped = query;
    clamped.maxPartsPerSide = std::clamp(query.maxPartsPerSide, 1, 2);
    std::vector<DividerAnswer> answers;
    for (Found &found : DividerSearch(clamped, parts).run()) {
        DividerAnswer answer;
        answer.ratio = found.ratio;
        answer.errorPercent = (found.ratio - query.ratio) / query.ratio * 100;
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
