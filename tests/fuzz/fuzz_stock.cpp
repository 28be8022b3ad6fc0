// A stock file, read as the Combinations window and `combine --stock` read it, and searched with
// its values.
#include "combinations/combinations.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzing::inputFile("/Data/Stock.txt", data, size);
    const combinations::StockFile stock = combinations::readStock(path);
    if (!stock.opened)
        abort();
    for (const double value : stock.values)
        if (!(value > 0) || !std::isfinite(value))
            abort();
    if (stock.values.empty() || stock.values.size() > 20)
        return 0;
    combinations::ValueQuery query;
    query.target = stock.values.front() * 1.2345;
    query.parts.stock = stock.values;
    query.maxParts = 3;
    // Every answer is made of the stock's values.
    for (const combinations::Answer &answer : combinations::findCombinations(query))
        for (const double part : answer.network.parts())
            if (std::find(stock.values.begin(), stock.values.end(), part) == stock.values.end())
                abort();
    return 0;
}
