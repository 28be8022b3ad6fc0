#pragma once

// The total resistance of Linkora's list, without widgets. An entry is the text the list
// shows: the nominal as typed, one blank, and the name of its unit. The five unit names stand
// for 1, 10^3, 10^6, 10^9 and 10^12 ohm in this order and are compared as exact texts.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace connection_calc
{

constexpr int kUnitCount = 5;
using UnitNames = std::array<QString, kUnitCount>;

// The stored connection words (LastConnect); any text but the parallel word means series.
inline const QString kParallelWord = QStringLiteral("Параллельное");
inline const QString kSeriesWord = QStringLiteral("Последовательное");

enum class ConnectionMode { Parallel, Series };

inline ConnectionMode connectionModeOf(const QString &lastConnect)
{
    return lastConnect == kParallelWord ? ConnectionMode::Parallel : ConnectionMode::Series;
}

inline const QString &connectionWord(ConnectionMode mode)
{
    return mode == ConnectionMode::Parallel ? kParallelWord : kSeriesWord;
}

// The list entry for a nominal text and a unit name.
QString entryText(const QString &nominal, const QString &unitName);

struct ResistorEntry {
    QString numberText;              // before the first blank
    QString unitText;                // everything after it
    std::optional<int> unitPosition; // the first unit name equal to unitText, if any
};

// Splits an entry at its first blank and finds its unit (a text without a blank is all
// number and has no unit).
ResistorEntry splitEntry(const QString &entry, const UnitNames &unitNames);

// The entry's value in ohms: its number text by the leading-number rule (no number reads as
// 0) times 1000^k. Throws common::Failure for an entry whose unit is none of the names and
// for a value beyond the double range.
double entryOhms(const QString &entry, const UnitNames &unitNames);

struct ConnectionTotal {
    double value = 0;     // the total in the result unit, rounded
    int unitPosition = 0; // the result unit: the smallest unit of the entries in parallel,
                          // the largest in series (0 for an empty series list)
    QString text;         // plain number text of value, one blank, the unit's name
};

// The total of the entries in the given mode, rounded to `decimals` places, halves to even.
// Throws common::Failure when an entry names no unit or holds a number beyond the double
// range, when a parallel entry or the parallel sum is 0, and when a step overflows.
ConnectionTotal computeTotal(const QStringList &entries, const UnitNames &unitNames,
                             ConnectionMode mode, int decimals);

// After a change of language: an entry whose unit is the old name at position k gets the new
// name at position k; its number text stays. Entries that match no old name are returned as
// they are.
QString renameEntryUnit(const QString &entry, const UnitNames &oldNames, const UnitNames &newNames);

} // namespace connection_calc
