// The value search. Every network of up to four parts is a join of two smaller ones, and a
// series or parallel total grows with each of its parts; so for each choice of the outer parts
// the inner part or pair that would hit the target exactly is computed, looked up in a sorted
// column, and the column is walked outward from there, in both directions, only as long as
// the totals could still make the list. That finds every network the list could keep without
// trying the others.

#include "combinations/search_order.h"

namespace combinations
{
namespace
{

using Kind = Network::Kind;
constexpr double kInfinite = std::numeric_limits<double>::infinity();

struct Found {
    Network network;
    double total = 0;
    Rank rank;
    bool operator==(const Found &other) const { return network == other.network; }
};

double parallel(double a, double b)
{
    return a * b / (a + b);
}

// The value that in parallel with `known` gives `total`: infinite when `known` is not above it.
double parallelPartner(double total, double known)
{
    return known > total ? total * known / (known - total) : kInfinite;
}

class ValueSearch
{
public:
    ValueSearch(const ValueQuery &query, const std::vector<double> &parts)
        : m_target(query.target), m_parts(parts), m_best(query.count)
    {
    }

    std::vector<Found> run(int maxParts);

private:
    // The largest relative error a total of so many parts may have and still be kept, with
    // room for rounding: for the bounds of a walk.
    double limit(int parts) const { return m_best.limit(parts) * (1 + 1e-9) + 2e-12; }
    // Whether a total of so many parts is too far off to be kept.
    bool beyond(double total, int parts) const
    {
        return std::fabs(total - m_target) / m_target > limit(parts);
    }
    // Whether a network of this total, so many parts and this outer join would be kept.
    bool hopeful(double total, int parts, Kind kind) const
    {
        return !beyond(total, parts) &&
               m_best.wanted(Rank{comparableError(total, m_target), parts, int(kind)});
    }

    void offer(Network network)
    {
        Found found;
        found.total = network.total();
        found.rank =
            Rank{comparableError(found.total, m_target), network.partCount(), int(network.kind)};
        found.network = std::move(network);
        m_best.offer(std::move(found));
    }

    Network part(std::size_t i) const { return Network::part(m_parts[i]); }
    Network pair(const PairColumn &column, std::size_t k) const
    {
        return Network::join(column.join == Join::Series ? Kind::Series : Kind::Parallel,
                             {part(column.first[k]), part(column.second[k])});
    }

    // Offers the entries of an ascending column from `start` outward, in each direction until
    // one gives a total that could not be kept: totalOf is monotone, so none beyond could.
    template <class TotalOf, class Make>
    void around(Column column, std::size_t start, int parts, Kind kind, TotalOf totalOf, Make make)
    {
        for (std::size_t i = start; i < column.size() && hopeful(totalOf(column[i]), parts, kind);
             ++i)
            offer(make(i));
        for (std::size_t i = start; i > 0 && hopeful(totalOf(column[i - 1]), parts, kind); --i)
            offer(make(i - 1));
    }

    void onePart();
    void twoParts();
    void threeParts();
    void pairWithPair(const PairColumn &outer, const PairColumn &inner, Kind kind);
    void partAroundPartAndPair(const PairColumn &inner);
    void partBesidePartAndPair(const PairColumn &inner);

    double m_target;
    const std::vector<double> &m_parts;
    BestList<Found> m_best;
    std::shared_ptr<const PairColumn> m_sums;      // a + b
    std::shared_ptr<const PairColumn> m_parallels; // a || b
};

std::vector<Found> ValueSearch::run(int maxParts)
{
    if (m_parts.empty())
        return {};
    onePart();
    if (maxParts >= 2)
        twoParts();
    if (maxParts >= 3) {
        m_sums = pairColumn(m_parts, Join::Series, 0, kInfinite);
        m_parallels = pairColumn(m_parts, Join::Parallel, 0, kInfinite);
        threeParts();
    }
    if (maxParts >= 4) {
        const PairColumn &sums = *m_sums;
        const PairColumn &parallels = *m_parallels;
        pairWithPair(sums, sums, Kind::Series);
        pairWithPair(sums, parallels, Kind::Series);
        pairWithPair(parallels, parallels, Kind::Series);
        pairWithPair(parallels, parallels, Kind::Parallel);
        pairWithPair(parallels, sums, Kind::Parallel);
        pairWithPair(sums, sums, Kind::Parallel);
        for (const PairColumn *inner : {&parallels, &sums}) {
            partAroundPartAndPair(*inner);
            partBesidePartAndPair(*inner);
        }
    }
    return m_best.result();
}

void ValueSearch::onePart()
{
    const auto start = std::lower_bound(m_parts.begin(), m_parts.end(), m_target);
    around(
        m_parts, std::size_t(start - m_parts.begin()), 1, Kind::Part, [](double x) { return x; },
        [&](std::size_t i) { return part(i); });
}

void ValueSearch::twoParts()
{
    Cursor sums(m_parts);
    Cursor parallels(m_parts);
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const double a = m_parts[i];
        const auto joined = [&](Kind kind) {
            return [&, kind](std::size_t j) { return Network::join(kind, {part(i), part(j)}); };
        };
        around(
            m_parts, sums.seek(m_target - a), 2, Kind::Series, [a](double x) { return a + x; },
            joined(Kind::Series));
        around(
            m_parts, parallels.seek(parallelPartner(m_target, a)), 2, Kind::Parallel,
            [a](double x) { return parallel(a, x); }, joined(Kind::Parallel));
    }
}

// a + (b + c), a + (b || c), a || (b || c), a || (b + c).
void ValueSearch::threeParts()
{
    for (const PairColumn *column : {m_sums.get(), m_parallels.get()}) {
        Cursor sums(column->values);
        Cursor parallels(column->values);
        for (std::size_t i = 0; i < m_parts.size(); ++i) {
            const double a = m_parts[i];
            const auto joined = [&](Kind kind) {
                return [&, kind](std::size_t k) {
                    return Network::join(kind, {part(i), pair(*column, k)});
                };
            };
            around(
                column->values, sums.seek(m_target - a), 3, Kind::Series,
                [a](double x) { return a + x; }, joined(Kind::Series));
            around(
                column->values, parallels.seek(parallelPartner(m_target, a)), 3, Kind::Parallel,
                [a](double x) { return parallel(a, x); }, joined(Kind::Parallel));
        }
    }
}

// (pair) + (pair) or (pair) || (pair). A pair with itself needs only its smaller side from the
// outer column: the smaller of two series halves is at most half the total, the smaller of two
// parallel halves at most twice it.
void ValueSearch::pairWithPair(const PairColumn &outer, const PairColumn &inner, Kind kind)
{
    const bool same = &outer == &inner;
    const Column xs = outer.values;
    const Column ys = inner.values;
    if (xs.empty() || ys.empty())
        return;
    Cursor cursor(ys);
    const auto make = [&](std::size_t k) {
        return [&, k](std::size_t m) {
            return Network::join(kind, {pair(outer, k), pair(inner, m)});
        };
    };
    if (kind == Kind::Series) {
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const double x = xs[k];
            // Adding to x only takes the total further up.
            if (beyond(x + ys.front(), 4) && x + ys.front() > m_target)
                break;
            if (same && x > m_target * (1 + limit(4)) / 2)
                break;
            around(
                ys, cursor.seek(m_target - x), 4, kind, [x](double y) { return x + y; }, make(k));
        }
        return;
    }
    // A parallel total lies below each half.
    const double lowest = m_target * (1 - std::min(limit(4), 1.0));
    for (std::size_t k = std::size_t(std::lower_bound(xs.begin(), xs.end(), lowest) - xs.begin());
         k < xs.size(); ++k) {
        const double x = xs[k];
        if (same && x > 2 * m_target * (1 + limit(4)))
            break;
        around(
            ys, cursor.seek(parallelPartner(m_target, x)), 4, kind,
            [x](double y) { return parallel(x, y); }, make(k));
    }
}

// a + (b || pair): a below the target, b || pair making up the rest.
void ValueSearch::partAroundPartAndPair(const PairColumn &inner)
{
    const Column xs = inner.values;
    if (xs.empty())
        return;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const double a = m_parts[i];
        // The smallest total a can be in: it only grows with a.
        const double smallest = a + parallel(m_parts.front(), xs.front());
        if (beyond(smallest, 4) && smallest > m_target)
            break;
        const double rest = m_target - a;
        // b || pair lies below b.
        const double lowestB = rest - m_target * std::min(limit(4), 1.0);
        // b || c || d: b may be taken as the smallest of the three, which is at most three
        // times their total.
        const double highestB =
            inner.join == Join::Parallel ? 3 * (rest + m_target * limit(4)) : kInfinite;
        Cursor cursor(xs);
        for (std::size_t j = std::size_t(std::lower_bound(m_parts.begin(), m_parts.end(), lowestB) -
                                         m_parts.begin());
             j < m_parts.size() && m_parts[j] <= highestB; ++j) {
            const double b = m_parts[j];
            const double ideal = rest <= 0 ? 0 : parallelPartner(rest, b);
            around(
                xs, cursor.seek(ideal), 4, Kind::Series,
                [a, b](double x) { return a + parallel(b, x); },
                [&](std::size_t k) {
                    return Network::join(
                        Kind::Series,
                        {part(i), Network::join(Kind::Parallel, {part(j), pair(inner, k)})});
                });
        }
    }
}

// a || (b + pair): a above the target, b + pair in parallel with it.
void ValueSearch::partBesidePartAndPair(const PairColumn &inner)
{
    const Column xs = inner.values;
    if (xs.empty())
        return;
    // The total lies below a.
    const double lowestA = m_target * (1 - std::min(limit(4), 1.0));
    for (std::size_t i = std::size_t(std::lower_bound(m_parts.begin(), m_parts.end(), lowestA) -
                                     m_parts.begin());
         i < m_parts.size(); ++i) {
        const double a = m_parts[i];
        const double rest = parallelPartner(m_target, a);
        // b + c + d: b may be taken as the smallest of the three, at most a third of their
        // total, which lies below what gives the highest total that could still be kept.
        const double highestB = inner.join == Join::Series
                                    ? parallelPartner(m_target * (1 + limit(4)), a) / 3
                                    : kInfinite;
        Cursor cursor(xs);
        for (std::size_t j = 0; j < m_parts.size() && m_parts[j] <= highestB; ++j) {
            const double b = m_parts[j];
            // The smallest total b can be in: it only grows with b.
            const double smallest = parallel(a, b + xs.front());
            if (beyond(smallest, 4) && smallest > m_target)
                break;
            around(
                xs, cursor.seek(rest - b), 4, Kind::Parallel,
                [a, b](double x) { return parallel(a, b + x); },
                [&](std::size_t k) {
                    return Network::join(
                        Kind::Parallel,
                        {part(i), Network::join(Kind::Series, {part(j), pair(inner, k)})});
                });
        }
    }
}

} // namespace

std::vector<Answer> findCombinations(const ValueQuery &query)
{
    if (!(query.target > 0) || !std::isfinite(query.target))
        return {};
    const std::vector<double> parts = availableParts(query.parts);
    const double tolerance = partTolerancePercent(query.parts);
    ValueSearch search(query, parts);
    std::vector<Answer> answers;
    for (Found &found : search.run(std::clamp(query.maxParts, 1, 4))) {
        Answer answer;
        answer.total = found.total;
        // Exact but for rounding counts as exact.
        answer.errorPercent =
            found.rank.error == 0 ? 0 : (found.total - query.target) / query.target * 100;
        answer.minimum = found.network.lowest(tolerance);
        answer.maximum = found.network.highest(tolerance);
        answer.network = std::move(found.network);
        answers.push_back(std::move(answer));
    }
    return answers;
}

} // namespace combinations
