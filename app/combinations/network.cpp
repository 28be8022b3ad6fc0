#include "combinations/combinations.h"

#include "colour_code/marking_text.h"
#include "combinations/search_order.h"

#include <algorithm>
#include <numeric>

namespace combinations
{
namespace
{

// Parallel totals as a product over a sum where there are two, so that 10k || 10k is 5k exactly.
double parallelTotal(const std::vector<double> &values)
{
    if (values.size() == 2)
        return values[0] * values[1] / (values[0] + values[1]);
    double conductance = 0;
    for (const double value : values)
        conductance += 1 / value;
    return 1 / conductance;
}

template <class PartValue> double totalWith(const Network &network, PartValue partValue)
{
    if (network.kind == Network::Kind::Part)
        return partValue(network.value);
    std::vector<double> totals;
    for (const Network &child : network.children)
        totals.push_back(totalWith(child, partValue));
    if (network.kind == Network::Kind::Series)
        return std::accumulate(totals.begin(), totals.end(), 0.0);
    return parallelTotal(totals);
}

void collectParts(const Network &network, std::vector<double> &parts)
{
    if (network.kind == Network::Kind::Part)
        parts.push_back(network.value);
    for (const Network &child : network.children)
        collectParts(child, parts);
}

} // namespace

bool canonicallyBefore(const Network &a, const Network &b)
{
    const bool aPart = a.kind == Network::Kind::Part;
    const bool bPart = b.kind == Network::Kind::Part;
    if (aPart != bPart)
        return aPart;
    if (aPart)
        return a.value > b.value;
    const double aTotal = a.total();
    const double bTotal = b.total();
    if (aTotal != bTotal)
        return aTotal > bTotal;
    if (a.kind != b.kind)
        return a.kind == Network::Kind::Series;
    return std::lexicographical_compare(a.children.begin(), a.children.end(), b.children.begin(),
                                        b.children.end(), canonicallyBefore);
}

Network Network::part(double ohms)
{
    Network network;
    network.value = ohms;
    return network;
}

Network Network::join(Kind kind, std::vector<Network> children)
{
    Network network;
    network.kind = kind;
    for (Network &child : children) {
        if (child.kind == kind)
            std::move(child.children.begin(), child.children.end(),
                      std::back_inserter(network.children));
        else
            network.children.push_back(std::move(child));
    }
    std::sort(network.children.begin(), network.children.end(), canonicallyBefore);
    return network;
}

double Network::total() const
{
    return totalWith(*this, [](double value) { return value; });
}

std::vector<double> Network::parts() const
{
    std::vector<double> parts;
    collectParts(*this, parts);
    return parts;
}

int Network::partCount() const
{
    if (kind == Kind::Part)
        return 1;
    int count = 0;
    for (const Network &child : children)
        count += child.partCount();
    return count;
}

bool Network::isFlat() const
{
    return std::all_of(children.begin(), children.end(),
                       [](const Network &child) { return child.kind == Kind::Part; });
}

double Network::lowest(double tolerancePercent) const
{
    return totalWith(*this, [=](double value) { return value * (1 - tolerancePercent / 100); });
}

double Network::highest(double tolerancePercent) const
{
    return totalWith(*this, [=](double value) { return value * (1 + tolerancePercent / 100); });
}

QString valueText(double ohms, const QStringList &unitNames)
{
    static const QStringList english = {QStringLiteral("Ohm"), QStringLiteral("kOhm"),
                                        QStringLiteral("MOhm"), QStringLiteral("GOhm"),
                                        QStringLiteral("TOhm")};
    const QStringList &units = unitNames.isEmpty() ? english : unitNames;
    int unit = 0;
    double value = ohms;
    while (unit + 1 < units.size() && value / 1000 >= 1) {
        value /= 1000;
        ++unit;
    }
    return colour_code::PointNumberText(value) + QLatin1Char(' ') + units[unit];
}

QString networkText(const Network &network, const QStringList &unitNames)
{
    if (network.kind == Network::Kind::Part)
        return valueText(network.value, unitNames);
    QStringList texts;
    for (const Network &child : network.children) {
        const QString text = networkText(child, unitNames);
        texts << (child.kind == Network::Kind::Part ? text
                                                    : QLatin1Char('(') + text + QLatin1Char(')'));
    }
    return texts.join(network.kind == Network::Kind::Series ? QStringLiteral(" + ")
                                                            : QStringLiteral(" || "));
}

} // namespace combinations
