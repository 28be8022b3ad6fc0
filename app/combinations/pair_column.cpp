#include "combinations/search_order.h"

#include <bit>
#include <mutex>
#include <new>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace combinations
{
namespace
{

// The pairs are sorted by a bucket sort: a positive double's bits grow with its value, so their
// top bits put each pair into a bucket of a narrow band of values, and a bucket holds a handful
// of pairs to sort by insertion. A comparison sort of the million pairs of E192 would take most
// of the search's time.
PairColumn madeColumn(const std::vector<double> &parts, Join join, double low, double high)
{
    const std::size_t n = parts.size();
    // Pairs in an order in which their values move slowly upward, so that the buckets written
    // lie close together: a series pair lies between its larger part and twice it, a parallel
    // pair between half its smaller part and that part.
    const auto each = [&](auto visit) {
        const auto pair = [&](std::size_t i, std::size_t j) {
            const double a = parts[i];
            const double b = parts[j];
            const double value = join == Join::Series ? a + b : a * b / (a + b);
            if (value >= low && value <= high)
                visit(value, i, j);
        };
        for (std::size_t outer = 0; outer < n; ++outer) {
            if (join == Join::Series)
                for (std::size_t i = 0; i <= outer; ++i)
                    pair(i, outer);
            else
                for (std::size_t j = outer; j < n; ++j)
                    pair(outer, j);
        }
    };
    PairColumn column;
    column.join = join;
    std::uint64_t lowest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t highest = 0;
    std::size_t count = 0;
    each([&](double value, std::size_t, std::size_t) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        lowest = std::min(lowest, bits);
        highest = std::max(highest, bits);
        ++count;
    });
    if (count == 0)
        return column;
    // About eight pairs a bucket: the bucket array is scratch memory, which costs to map.
    int shift = 0;
    while (((highest - lowest) >> shift) >= count / 8 + 1)
        ++shift;
    const auto bucketOf = [&](double value) {
        return std::size_t((std::bit_cast<std::uint64_t>(value) - lowest) >> shift);
    };
    // Each bucket's start; once the pairs are placed, each bucket's end.
    std::vector<std::uint32_t> edges(((highest - lowest) >> shift) + 2, 0);
    each([&](double value, std::size_t, std::size_t) { ++edges[bucketOf(value) + 1]; });
    for (std::size_t b = 1; b < edges.size(); ++b)
        edges[b] += edges[b - 1];
    column.values.resize(count);
    column.first.resize(count);
    column.second.resize(count);
    each([&](double value, std::size_t i, std::size_t j) {
        const std::uint32_t at = edges[bucketOf(value)]++;
        column.values[at] = value;
        column.first[at] = std::uint16_t(i);
        column.second[at] = std::uint16_t(j);
    });
    struct Entry {
        double value;
        std::uint16_t first, second;
    };
    std::vector<Entry> crowd; // a bucket of a part list bunched into a narrow band
    for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
        const std::size_t begin = b == 0 ? 0 : edges[b - 1];
        const std::size_t end = edges[b];
        if (end - begin > 64) {
            crowd.clear();
            for (std::size_t k = begin; k < end; ++k)
                crowd.push_back({column.values[k], column.first[k], column.second[k]});
            std::sort(crowd.begin(), crowd.end(),
                      [](const Entry &x, const Entry &y) { return x.value < y.value; });
            for (std::size_t k = begin; k < end; ++k) {
                column.values[k] = crowd[k - begin].value;
                column.first[k] = crowd[k - begin].first;
                column.second[k] = crowd[k - begin].second;
            }
            continue;
        }
        for (std::size_t k = begin + 1; k < end; ++k)
            for (std::size_t m = k; m > begin && column.values[m - 1] > column.values[m]; --m) {
                std::swap(column.values[m - 1], column.values[m]);
                std::swap(column.first[m - 1], column.first[m]);
                std::swap(column.second[m - 1], column.second[m]);
            }
    }
    return column;
}

struct Kept {
    std::vector<double> parts;
    Join join;
    double low, high;
    std::shared_ptr<const PairColumn> column;
};

std::mutex keptMutex;
std::vector<Kept> kept; // the last used last

} // namespace

void forgetKeptColumns()
{
    const std::lock_guard lock(keptMutex);
    kept.clear();
}

std::shared_ptr<const PairColumn> pairColumn(const std::vector<double> &parts, Join join,
                                             double low, double high)
{
    // A column of E192 is some ten megabytes: four of them at the most.
    constexpr std::size_t kMostKept = 4;
    const std::lock_guard lock(keptMutex);
    const auto same = std::find_if(kept.begin(), kept.end(), [&](const Kept &k) {
        return k.join == join && k.low == low && k.high == high && k.parts == parts;
    });
    if (same != kept.end()) {
        std::rotate(same, same + 1, kept.end());
        return kept.back().column;
    }
    if (kept.size() == kMostKept)
        kept.erase(kept.begin());
    kept.push_back({parts, join, low, high,
                    std::make_shared<const PairColumn>(madeColumn(parts, join, low, high))});
    return kept.back().column;
}

void *allocateLarge(std::size_t bytes)
{
    void *memory = nullptr;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    if (bytes >= kHugePage / 2) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        memory = std::aligned_alloc(kHugePage, rounded);
        if (memory)
            madvise(memory, rounded, MADV_HUGEPAGE); // only advice: small pages do as well
    }
#endif
    if (!memory)
        memory = std::malloc(bytes);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

std::size_t Cursor::seek(double value)
{
    const std::size_t size = m_column.size();
    const auto at = [&](std::size_t i) { return m_column[i]; };
    std::size_t low, high; // the answer lies in low..high
    if (m_at < size && at(m_at) < value) {
        std::size_t step = 1;
        low = m_at + 1;
        while (low + step - 1 < size && at(low + step - 1) < value) {
            low += step;
            step *= 2;
        }
        high = std::min(low + step - 1, size);
    } else {
        std::size_t step = 1;
        high = m_at;
        while (high >= step && at(high - step) >= value) {
            high -= step;
            step *= 2;
        }
        low = high >= step ? high - step + 1 : 0;
    }
    m_at = std::size_t(std::lower_bound(m_column.begin() + std::ptrdiff_t(low),
                                        m_column.begin() + std::ptrdiff_t(high), value) -
                       m_column.begin());
    return m_at;
}

} // namespace combinations
