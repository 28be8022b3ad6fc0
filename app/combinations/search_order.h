#pragma once

// What the value search and the divider search share: the order of networks, the list of the
// best answers, and the sorted columns they look values up in.

#include "combinations/combinations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace combinations
{

// The canonical order of a join's children: single parts first, largest first, then
// sub-networks, largest total first.
bool canonicallyBefore(const Network &a, const Network &b);

// Relative errors are compared to 1e-12, so that a total that rounding puts a few ulps off the
// target still counts as exact and the fewer parts win.
inline double comparableError(double total, double target)
{
    return std::nearbyint(std::fabs(total - target) / target * 1e12) / 1e12;
}

// The best `count` distinct items, and the best item of each number of parts. Item has
// `double error` (from comparableError), `int parts`, operator== and a free rankBefore().
template <class Item>
class BestList
{
public:
    explicit BestList(int count) : m_count(std::size_t(std::max(count, 1))) {}

    // The largest error a candidate of so many parts may have and still be kept; infinite
    // while the list has room or the number of parts has no item yet.
    double limit(int parts) const
    {
        const auto &best = m_best[std::size_t(parts)];
        if (m_top.size() < m_count || !best)
            return std::numeric_limits<double>::infinity();
        return std::max(m_top.back().error, best->error);
    }

    void offer(Item item)
    {
        auto &best = m_best[std::size_t(item.parts)];
        if (!best || rankBefore(item, *best))
            best = item;
        if (m_top.size() == m_count && !rankBefore(item, m_top.back()))
            return;
        for (const Item &kept : m_top)
            if (kept.error == item.error && kept == item)
                return;
        m_top.insert(std::upper_bound(m_top.begin(), m_top.end(), item, before),
                     std::move(item));
        if (m_top.size() > m_count)
            m_top.pop_back();
    }

    // Best first: the best of each number of parts (as many as fit), then the best of the rest.
    std::vector<Item> result() const
    {
        std::vector<Item> chosen;
        for (const auto &best : m_best)
            if (best)
                chosen.push_back(*best);
        std::sort(chosen.begin(), chosen.end(), before);
        if (chosen.size() > m_count)
            chosen.resize(m_count);
        for (const Item &item : m_top)
            if (chosen.size() < m_count && std::find(chosen.begin(), chosen.end(), item) == chosen.end())
                chosen.push_back(item);
        std::sort(chosen.begin(), chosen.end(), before);
        return chosen;
    }

private:
    static bool before(const Item &a, const Item &b) { return rankBefore(a, b); }

    std::size_t m_count;
    std::vector<Item> m_top;              // best first
    std::array<std::optional<Item>, 5> m_best; // by number of parts
};

// The values of two parts joined one way, ascending, each with the indices of its parts in
// the list of parts (first <= second).
enum class Join { Series, Parallel };
struct PairColumn {
    Join join = Join::Series;
    std::vector<double> values;
    std::vector<std::uint16_t> first;
    std::vector<std::uint16_t> second;
};
// Every pair of the ascending parts whose joined value lies within low..high.
PairColumn pairColumn(const std::vector<double> &parts, Join join, double low, double high);

// A position in an ascending column that follows a looked-up value as it moves: a gallop from
// the last position, so a sweep costs little more than its steps.
class Cursor
{
public:
    explicit Cursor(const std::vector<double> &column) : m_column(column) {}
    // The first position whose value is not below the value looked up.
    std::size_t seek(double value);

private:
    const std::vector<double> &m_column;
    std::size_t m_at = 0;
};

} // namespace combinations
