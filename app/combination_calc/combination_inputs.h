#pragma once

// The Combinations window's inputs as the controls hold them, and the search they ask for. No
// widgets here: the window reads its controls into SearchInputs and shows what makeSearch says.

#include "combinations/combinations.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace combination_calc
{

enum class SearchKind { Value, Divider };
// What a divider is asked for by: Vin and Vout, or the ratio itself.
enum class DividerGiven { Voltages, Ratio };

// The units of the unit lists, by place: 1, 10^3, 10^6 and 10^9 ohm.
constexpr int kUnitCount = 4;
double unitFactor(int unit);

// The tolerances offered besides the series' own, in percent, in the order of the list.
std::span<const double> toleranceChoices();

struct SearchInputs {
    SearchKind kind = SearchKind::Value;
    QString target;
    int targetUnit = 0;
    QString vin, vout, ratio;
    DividerGiven given = DividerGiven::Voltages;
    QString totalLow, totalHigh; // the range of R1 + R2
    int totalLowUnit = 1, totalHighUnit = 2;
    combinations::Series series = combinations::Series::E24;
    int parts = 3; // value search: parts of the network; divider: parts of each side
    std::optional<double> tolerancePercent; // none: the series' own
    QString exclude;                        // values separated by commas or semicolons
    // The values of the stock when only they are to be used; none to use the series.
    std::optional<std::vector<double>> stock;
    int count = 10;
};

// Why the inputs ask for no search; text is the input concerned.
struct InputProblem {
    enum class Kind { NoTarget, NotAValue, RatioOutOfRange };
    Kind kind = Kind::NoTarget;
    QString text;
    bool operator==(const InputProblem &) const = default;
};

using Search = std::variant<combinations::ValueQuery, combinations::DividerQuery, InputProblem>;

// A value as it is typed: a plain number in the unit given ("4.7" with kOhm), or a value that
// carries its own multiplier ("4k7", "4.7k", "470R"). None for anything else and for values not
// above 0.
std::optional<double> typedOhms(const QString &text, double unitFactor);

// The values of a list separated by commas or semicolons ("4k7, 5.1k; 220"); the first piece
// that is no value when there is one.
struct ValueList {
    std::vector<double> values;
    std::optional<QString> problem;
};
ValueList typedValueList(const QString &text);

// The search the inputs ask for. The parts' range opens from 0.1 ohm or up to 1 Gohm when a
// target lies beyond the usual one; a range of R1 + R2 given the wrong way round is turned.
Search makeSearch(const SearchInputs &inputs);

} // namespace combination_calc
