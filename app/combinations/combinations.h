#pragma once

// Which preferred values make a resistance, or a divider ratio: one part, or two, three or four
// parts joined in series and in parallel, found by an exhaustive search. No widgets: the
// Combinations window and the terminal's combine and divider both call this.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace combinations
{

// ---- Parts ---------------------------------------------------------------------------------

enum class Series { E3, E6, E12, E24, E48, E96, E192 };
inline constexpr std::array<Series, 7> kAllSeries = {
    Series::E3, Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192};

QString seriesName(Series series);                         // "E24"
std::optional<Series> seriesFromName(const QString &name); // "E24", "e24"; none for others
// The tolerance a series is made in: E3 and E6 20, E12 10, E24 5, E48 2, E96 1, E192 0.5.
double seriesTolerancePercent(Series series);

// Resistances in ohm, both ends included.
struct Range {
    double low = 1;
    double high = 1e7;
    bool operator==(const Range &) const = default;
};
// How far a range may be widened.
inline constexpr Range kWidestRange{0.1, 1e9};

// The values of a series within a range (clipped to kWidestRange), ascending: 4.7 kOhm is
// exactly 4700.
std::vector<double> seriesValues(Series series, Range range);

// What the parts may be.
struct PartChoice {
    Series series = Series::E24;
    Range range;
    std::optional<double> tolerancePercent; // none: the series' own
    std::vector<double> excluded;           // values left out (matched to a millionth)
    // Only these values (a stock); then series and range do not choose the parts, and the
    // tolerance is still the series' own unless tolerancePercent says otherwise.
    std::optional<std::vector<double>> stock;
    bool operator==(const PartChoice &) const = default;
};

// The most parts a search takes: a stock of more distinct values is cut here (the widest
// range of E192 holds 1921).
inline constexpr int kMostParts = 2000;

// The parts a choice allows, ascending, each once, none of them excluded; a stock's values
// below 1 mOhm or above 1 TOhm are left out.
std::vector<double> availableParts(const PartChoice &choice);
// The tolerance of the parts: the chosen one, or the series' own.
double partTolerancePercent(const PartChoice &choice);

// ---- Networks ------------------------------------------------------------------------------

// A series-parallel network: a leaf is one part; an inner node joins its children in series or
// in parallel. Drawing walks this tree. The networks the search returns are in a canonical
// order: a join's single parts first, largest first, then its sub-networks, largest total
// first; so "10 kOhm || 10 kOhm" is never a child of a parallel join, nor a series of a series.
struct Network {
    enum class Kind { Part, Series, Parallel };
    Kind kind = Kind::Part;
    double value = 0;              // Part: the part's value in ohm
    std::vector<Network> children; // Series/Parallel: two or more

    static Network part(double ohms);
    // The children in canonical order; a child of the same kind is merged into the join.
    static Network join(Kind kind, std::vector<Network> children);

    double total() const;
    std::vector<double> parts() const; // leaves, left to right
    int partCount() const;
    // A single part, or parts all joined the same way (what Linkora's list can hold).
    bool isFlat() const;
    // The total with every part off by the tolerance: all low gives the lowest total, all high
    // the highest, since a series or parallel total grows with each of its parts.
    double lowest(double tolerancePercent) const;
    double highest(double tolerancePercent) const;

    bool operator==(const Network &) const = default;
};

// A value with the largest unit that keeps it at 1 or more: "4.7 kOhm", "0.47 Ohm". unitNames:
// the words for ohm, kiloohm, megaohm, gigaohm (and teraohm), as a language file's lines 15-19
// give them; empty: "Ohm", "kOhm", "MOhm", "GOhm", "TOhm".
QString valueText(double ohms, const QStringList &unitNames = {});
// "4.7 kOhm + (10 kOhm || 10 kOhm)".
QString networkText(const Network &network, const QStringList &unitNames = {});

// ---- Value search --------------------------------------------------------------------------

struct Answer {
    Network network;
    double total = 0;        // ohm
    double errorPercent = 0; // signed: (total - target) / target * 100
    double minimum = 0;      // every part at the low edge of its tolerance
    double maximum = 0;      // every part at the high edge
};

struct ValueQuery {
    double target = 0; // ohm
    PartChoice parts;
    int maxParts = 4; // 1 to 4
    int count = 10;   // how many answers
};

// The best `count` distinct answers, best first: by relative error, then fewer parts, then
// series before parallel. For every allowed number of parts the best network within the choice
// (the true best: the search is exhaustive) is among them, as far as `count` allows; a target
// that is itself one of the parts comes first, on its own. Empty for a target not above 0 or
// when the choice allows no part.
std::vector<Answer> findCombinations(const ValueQuery &query);

// ---- Divider -------------------------------------------------------------------------------

inline constexpr double kLowestRatio = 0.001;
inline constexpr double kHighestRatio = 0.999;

struct DividerQuery {
    double ratio = 0.5;        // Vout/Vin, kLowestRatio to kHighestRatio
    std::optional<double> vin; // volts, for the current
    PartChoice parts;
    Range total{1e3, 1e6};   // R1 + R2
    int maxPartsPerSide = 2; // 1 or 2
    int count = 10;
};

struct DividerAnswer {
    Network r1, r2;                    // upper (Vin to Vout) and lower (Vout to ground)
    double ratio = 0;                  // R2 / (R1 + R2)
    double errorPercent = 0;           // signed: (ratio - target) / target * 100
    double ratioMinimum = 0;           // R2 low, R1 high
    double ratioMaximum = 0;           // R2 high, R1 low
    std::optional<double> currentAmps; // Vin / (R1 + R2), when Vin is given
    double total() const { return r1.total() + r2.total(); }
};

// Vout / Vin; none unless the ratio lies within kLowestRatio..kHighestRatio.
std::optional<double> dividerRatio(double vin, double vout);

// The best `count` distinct dividers, best first: by relative ratio error, then fewer parts.
// Each side is one part or, with maxPartsPerSide 2, a pair in series or in parallel, and
// R1 + R2 lies within the total's range. The best divider of each number of parts is among
// them, as far as `count` allows. Empty for a ratio outside the limits or an empty choice.
std::vector<DividerAnswer> findDividers(const DividerQuery &query);

// ---- Stock ---------------------------------------------------------------------------------

// A stock file: one value per line, as people write them (4k7, 4.7k, 4700, 4R7, "4.7 kOhm");
// blank lines and lines beginning with # are passed over.
struct StockFile {
    bool opened = false;        // false: the file could not be read at all
    std::vector<double> values; // in file order, each once
    QStringList problems;       // "file:line: text" of each line that is not a value
    bool tooMany = false;       // more than kMostParts distinct values: the rest left out
};
StockFile readStock(const QString &path);

// Data/Stock.txt beside the settings: the user's own, else the program folder's; where neither
// exists, the user's (where one would create it).
QString stockFilePath();

} // namespace combinations
