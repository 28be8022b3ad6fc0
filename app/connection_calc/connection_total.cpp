#include "connection_calc/connection_total.h"

#include "common/failure.h"
#include "common/numbers.h"

#include <cmath>

namespace connection_calc
{
namespace
{

// Every step of the total is checked: an infinite or undefined intermediate value stops the
// computation instead of turning into a meaningless result text.
double checked(double value, int entryNumber, const QString &entry)
{
    if (!std::isfinite(value))
        throw common::Failure(
            QStringLiteral("The total overflows at entry %1 \"%2\"").arg(entryNumber).arg(entry));
    return value;
}

struct EntryValue {
    double ohms = 0;
    int unitPosition = 0;
};

EntryValue readEntry(const QString &entry, const UnitNames &unitNames)
{
    const ResistorEntry split = splitEntry(entry, unitNames);
    if (!split.unitPosition)
        throw common::Failure(QStringLiteral("The entry \"%1\" names no unit").arg(entry));
    const double number = common::leadingNumber(split.numberText);
    const double ohms = number * std::pow(1000.0, *split.unitPosition);
    if (!std::isfinite(ohms))
        throw common::Failure(QStringLiteral("The entry \"%1\" is too large").arg(entry));
    return {ohms, *split.unitPosition};
}

} // namespace

QString entryText(const QString &nominal, const QString &unitName)
{
    return nominal + QLatin1Char(' ') + unitName;
}

ResistorEntry splitEntry(const QString &entry, const UnitNames &unitNames)
{
    ResistorEntry result;
    const qsizetype blank = entry.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        result.numberText = entry;
        return result;
    }
    result.numberText = entry.left(blank);
    result.unitText = entry.mid(blank + 1);
    for (int k = 0; k < kUnitCount; ++k) {
        if (unitNames[std::size_t(k)] == result.unitText) {
            result.unitPosition = k;
            break;
        }
    }
    return result;
}

double entryOhms(const QString &entry, const UnitNames &unitNames)
{
    return readEntry(entry, unitNames).ohms;
}

ConnectionTotal computeTotal(const QStringList &entries, const UnitNames &unitNames,
                             ConnectionMode mode, int decimals)
{
    int smallestUnit = kUnitCount - 1;
    int largestUnit = 0;
    double sum = 0; // of the values in series, of their reciprocals in parallel
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString &entry = entries[i];
        const int number = int(i) + 1;
        const auto [ohms, k] = readEntry(entry, unitNames);
        smallestUnit = std::min(smallestUnit, k);
        largestUnit = std::max(largestUnit, k);
        if (mode == ConnectionMode::Parallel) {
            if (ohms == 0)
                throw common::Failure(
                    QStringLiteral("Entry %1 \"%2\" is zero in a parallel connection")
                        .arg(number)
                        .arg(entry));
            sum = checked(sum + checked(1 / ohms, number, entry), number, entry);
        } else {
            sum = checked(sum + ohms, number, entry);
        }
    }

    double ohms = sum;
    ConnectionTotal result;
    if (mode == ConnectionMode::Parallel) {
        if (sum == 0)
            throw common::Failure(QStringLiteral("The parallel connection has no conductance"));
        ohms = 1 / sum;
        if (!std::isfinite(ohms))
            throw common::Failure(QStringLiteral("The parallel total overflows"));
        result.unitPosition = smallestUnit;
    } else {
        result.unitPosition = largestUnit;
    }

    const double inUnit = ohms / std::pow(1000.0, result.unitPosition);
    result.value = common::roundHalfEven(inUnit, decimals);
    result.text = common::plainNumberText(result.value) + QLatin1Char(' ') +
                  unitNames[std::size_t(result.unitPosition)];
    return result;
}

QString renameEntryUnit(const QString &entry, const UnitNames &oldNames, const UnitNames &newNames)
{
    const ResistorEntry split = splitEntry(entry, oldNames);
    if (!split.unitPosition)
        return entry;
    return entryText(split.numberText, newNames[std::size_t(*split.unitPosition)]);
}

} // namespace connection_calc
