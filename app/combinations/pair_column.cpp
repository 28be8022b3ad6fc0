#include "combinations/search_order.h"

namespace combinations
{

PairColumn pairColumn(const std::vector<double> &parts, Join join, double low, double high)
{
    struct Entry {
        double value;
        std::uint16_t first, second;
    };
    std::vector<Entry> entries;
    const std::size_t n = parts.size();
    entries.reserve(n * (n + 1) / 2);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i; j < n; ++j) {
            const double a = parts[i];
            const double b = parts[j];
            const double value = join == Join::Series ? a + b : a * b / (a + b);
            if (value >= low && value <= high)
                entries.push_back({value, std::uint16_t(i), std::uint16_t(j)});
        }
    std::sort(entries.begin(), entries.end(),
              [](const Entry &x, const Entry &y) { return x.value < y.value; });
    PairColumn column;
    column.join = join;
    column.values.reserve(entries.size());
    column.first.reserve(entries.size());
    column.second.reserve(entries.size());
    for (const Entry &entry : entries) {
        column.values.push_back(entry.value);
        column.first.push_back(entry.first);
        column.second.push_back(entry.second);
    }
    return column;
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
