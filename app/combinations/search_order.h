#pragma once

// What the value search and the divider search share: the order of networks, the list of the
// best answers, and the sorted columns they look values up in.

#include "combinations/combinations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <span>

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

// Where an answer ranks: by error, then fewer parts, then the kind of its outer join (series
// before parallel). Answers of the same rank keep the order they were found in.
struct Rank {
    double error = 0; // comparableError
    int parts = 0;
    int kind = 0;
    auto operator<=>(const Rank &) const = default;
};

// The best `count` distinct items, and the best item of each number of parts. Item has a
// `Rank rank` and an operator== that tells two answers apart.
template <class Item> class BestList
{
public:
    explicit BestList(int count) : m_count(std::size_t(std::max(count, 1))) {}

    // Whether an item of this rank would be kept.
    bool wanted(const Rank &rank) const
    {
        const auto &best = m_best[std::size_t(rank.parts)];
        return !best || rank < best->rank || m_top.size() < m_count || rank < m_top.back().rank;
    }
    // The largest error a candidate of so many parts may have and still be kept: infinite while
    // the list has room or the number of parts has no item yet.
    double limit(int parts) const
    {
        const auto &best = m_best[std::size_t(parts)];
        if (m_top.size() < m_count || !best)
            return std::numeric_limits<double>::infinity();
        return std::max(m_top.back().rank.error, best->rank.error);
    }

    void offer(Item item)
    {
        auto &best = m_best[std::size_t(item.rank.parts)];
        if (!best || item.rank < best->rank)
            best = item;
        if (m_top.size() == m_count && !(item.rank < m_top.back().rank))
            return;
        const auto same = std::equal_range(m_top.begin(), m_top.end(), item, before);
        if (std::find(same.first, same.second, item) != same.second)
            return;
        m_top.insert(same.second, std::move(item));
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
        std::stable_sort(chosen.begin(), chosen.end(), before);
        if (chosen.size() > m_count)
            chosen.resize(m_count);
        for (const Item &item : m_top)
            if (chosen.size() < m_count &&
                std::find(chosen.begin(), chosen.end(), item) == chosen.end())
                chosen.push_back(item);
        std::stable_sort(chosen.begin(), chosen.end(), before);
        return chosen;
    }

private:
    static bool before(const Item &a, const Item &b) { return a.rank < b.rank; }

    std::size_t m_count;
    std::vector<Item> m_top;                   // best first
    std::array<std::optional<Item>, 5> m_best; // by number of parts
};

// Large arrays ask for huge pages where the system gives them: mapping the few thousand small
// pages of E192's pairs one by one costs more than the whole search on a virtual machine.
void *allocateLarge(std::size_t bytes);
template <class T> struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U> &) {}
    T *allocate(std::size_t n) { return static_cast<T *>(allocateLarge(n * sizeof(T))); }
    void deallocate(T *p, std::size_t) { std::free(p); }
    bool operator==(const LargeAllocator &) const = default;
};
template <class T> using LargeArray = std::vector<T, LargeAllocator<T>>;

// An ascending column of values that a search looks values up in.
using Column = std::span<const double>;

// The values of two parts joined one way, ascending, each with the indices of its parts in
// the list of parts (first <= second).
enum class Join { Series, Parallel };
struct PairColumn {
    Join join = Join::Series;
    LargeArray<double> values;
    LargeArray<std::uint16_t> first;
    LargeArray<std::uint16_t> second;
};
// Every pair of the ascending parts whose joined value lies within low..high. The last few
// columns made are kept and given again: the window searches the same parts at every key typed.
std::shared_ptr<const PairColumn> pairColumn(const std::vector<double> &parts, Join join,
                                             double low, double high);
// Lets go of the kept columns, so that the next search makes its own (for the benchmark).
void forgetKeptColumns();

// A position in an ascending column that follows a looked-up value as it moves: a gallop from
// the last position, so a sweep costs little more than its steps.
class Cursor
{
public:
    explicit Cursor(Column column) : m_column(column) {}
    // The first position whose value is not below the value looked up.
    std::size_t seek(double value);

private:
    Column m_column;
    std::size_t m_at = 0;
};

} // namespace combinations
