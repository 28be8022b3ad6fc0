#include "ohm_calc/ohm_law.h"

#include "common/failure.h"
#include "common/numbers.h"

#include <cmath>
#include <limits>

namespace ohm_calc
{

Quantity quantityFromLetter(const QString &letter)
{
    if (letter == QLatin1String("U"))
        return Quantity::U;
    if (letter == QLatin1String("I"))
        return Quantity::I;
    return Quantity::R;
}

QString letterOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::U:
        return QStringLiteral("U");
    case Quantity::I:
        return QStringLiteral("I");
    case Quantity::R:
        break;
    }
    return QStringLiteral("R");
}

std::pair<Quantity, Quantity> givenQuantities(Quantity sought)
{
    switch (sought) {
    case Quantity::U:
        return {Quantity::I, Quantity::R};
    case Quantity::I:
        return {Quantity::U, Quantity::R};
    case Quantity::R:
        break;
    }
    return {Quantity::U, Quantity::I};
}

double solve(Quantity sought, double first, double second)
{
    double result = 0;
    if (sought == Quantity::U) {
        result = first * second;
    } else {
        if (second == 0)
            throw common::Failure(QStringLiteral("Division by zero"));
        result = first / second;
    }
    if (std::isnan(result))
        throw common::Failure(QStringLiteral("The result is not a number"));
    if (std::isinf(result))
        throw common::Failure(QStringLiteral("The result is too large"));
    return result;
}

float roundResult(double value, int decimals)
{
    const double rounded = common::roundHalfEven(value, decimals);
    if (!std::isfinite(rounded))
        throw common::Failure(QStringLiteral("The result is not a finite number"));
    // Converting a double beyond the float range is undefined; such a value is a failure.
    if (std::fabs(rounded) > static_cast<double>(std::numeric_limits<float>::max()))
        throw common::Failure(QStringLiteral("The result is beyond the single-precision range"));
    return common::toSingle(rounded);
}

QString resultText(float value, const QString &unitName)
{
    QString number = common::plainNumberText(value);
    if (!(value >= 1)) {
        if (number.startsWith(QLatin1Char(' ')))
            number.remove(0, 1);
        if (number.startsWith(QLatin1Char('.')))
            number.prepend(QLatin1Char('0'));
        else if (number.startsWith(QLatin1String("-.")))
            number.insert(1, QLatin1Char('0'));
    }
    return number + QLatin1Char(' ') + unitName;
}

QString computeResult(Quantity sought, QStringView firstText, QStringView secondText, int decimals,
                      const QString &unitName)
{
    const double first = common::leadingNumber(firstText);
    const double second = common::leadingNumber(secondText);
    return resultText(roundResult(solve(sought, first, second), decimals), unitName);
}

} // namespace ohm_calc
