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
    double error = 0; // comparableError
    int parts = 0;
    bool operator==(const Found &other) const { return r1 == other.r1 && r2 == other.r2; }
};

// By error, then fewer parts.
bool rankBefore(const Found &a, const Found &b)
{
    if (a.error != b.error)
        return a.error < b.error;
    if (a.parts != b.parts)
        return a.parts < b.parts;
    if (!(a.r1 == b.r1))
        return canonicallyBefore(a.r1, b.r1);
    return canonicallyBefore(a.r2, b.r2);
}

// Every side a divider may have, ascending.
struct Sides {
    struct Source {
        const PairColumn *pairs; // none: a single part
        std::uint32_t index;
    };
    std::vector<double> values;
    std::vector<Source> sources;
};

Sides allSides(const std::vector<double> &parts, const std::vector<PairColumn> &pairs)
{
    struct Entry {
        double value;
        Sides::Source source;
    };
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < parts.size(); ++i)
        entries.push_back({parts[i], {nullptr, std::uint32_t(i)}});
    for (const PairColumn &column : pairs) {
        std::vector<Entry> more;
        more.reserve(entries.size() + column.values.size());
        std::size_t k = 0;
        for (const Entry &entry : entries) {
            for (; k < column.values.size() && column.values[k] < entry.value; ++k)
                more.push_back({column.values[k], {&column, std::uint32_t(k)}});
            more.push_back(entry);
        }
        for (; k < column.values.size(); ++k)
            more.push_back({column.values[k], {&column, std::uint32_t(k)}});
        entries = std::move(more);
    }
    Sides sides;
    for (const Entry &entry : entries) {
        sides.values.push_back(entry.value);
        sides.sources.push_back(entry.source);
    }
    return sides;
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
        m_singles.values.assign(m_parts.begin(), end);
        for (std::size_t i = 0; i < m_singles.values.size(); ++i)
            m_singles.sources.push_back({nullptr, std::uint32_t(i)});
        m_sides = allSides(m_singles.values, m_pairs);
    }

    std::vector<Found> run()
    {
        // Single parts first, so that the limits are tight before the pairs come.
        walk(m_singles);
        if (m_perSide >= 2)
            walk(m_sides);
        return m_best.result();
    }

private:
    double limit(int parts) const { return m_best.limit(parts) * (1 + 1e-9) + 2e-12; }
    double errorOf(double r1, double r2) const
    {
        return std::fabs(r2 / (r1 + r2) - m_ratio) / m_ratio;
    }
    int partsOf(const Sides::Source &source) const { return source.pairs ? 2 : 1; }
    Network side(const Sides::Source &source) const
    {
        if (!source.pairs)
            return Network::part(m_parts[source.index]);
        const PairColumn &column = *source.pairs;
        return Network::join(column.join == Join::Series ? Kind::Series : Kind::Parallel,
                             {Network::part(m_parts[column.first[source.index]]),
                              Network::part(m_parts[column.second[source.index]])});
    }

    void walk(const Sides &sides);

    double m_ratio;
    Range m_total;
    int m_perSide;
    const std::vector<double> &m_parts;
    BestList<Found> m_best;
    std::vector<PairColumn> m_pairs;
    Sides m_singles; // the parts up to the highest total
    Sides m_sides;   // parts and pairs up to the highest total
};

void DividerSearch::walk(const Sides &sides)
{
    const std::vector<double> &values = sides.values;
    const double low = m_total.low * (1 - kRangeSlack);
    const double high = m_total.high * (1 + kRangeSlack);
    Cursor cursor(values);
    for (std::size_t k = 0; k < values.size(); ++k) {
        const double r2 = values[k];
        const int parts2 = partsOf(sides.sources[k]);
        if (r2 >= high)
            break;
        // Any upper side of one part or two.
        const double loosest = std::max(limit(parts2 + 1), m_perSide >= 2 ? limit(parts2 + 2) : 0);
        // R1 within the total's range, the nearest to the exact ratio first.
        const double lowR1 = low - r2;
        const double highR1 = high - r2;
        const double ideal = std::clamp(r2 * (1 - m_ratio) / m_ratio, lowR1, highR1);
        const std::size_t start = cursor.seek(ideal);
        const auto tryAt = [&](std::size_t i) {
            const double r1 = values[i];
            if (r1 < lowR1 || r1 > highR1)
                return false;
            const double error = errorOf(r1, r2);
            if (error > loosest)
                return false;
            const int parts = parts2 + partsOf(sides.sources[i]);
            if (error <= limit(parts)) {
                Found found;
                found.r1 = side(sides.sources[i]);
                found.r2 = side(sides.sources[k]);
                const double t1 = found.r1.total();
                const double t2 = found.r2.total();
                found.ratio = t2 / (t1 + t2);
                found.error = comparableError(found.ratio, m_ratio);
                found.parts = parts;
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
