#pragma once

// Ohm's law for the Voltamo window, without widgets: U = I x R solved for the quantity the
// user seeks, from the two values typed for the other two.

#include <QString>
#include <QStringView>
#include <utility>

namespace ohm_calc
{

// Voltage, current, resistance.
enum class Quantity { U, I, R };

// The stored choice: "U" and "I" choose themselves, any other text chooses R.
Quantity quantityFromLetter(const QString &letter);
// "U", "I" or "R".
QString letterOf(Quantity quantity);

// The quantities typed into the first and second input for a sought one:
// U from I and R, I from U and R, R from U and I.
std::pair<Quantity, Quantity> givenQuantities(Quantity sought);

// U = first x second, I = first / second, R = first / second, in double precision. Division
// by zero (0 / 0 too), overflow and a result that is not a number throw common::Failure.
double solve(Quantity sought, double first, double second);

// Rounds to the given number of decimals, halves to the even neighbour, and holds the result
// in single precision. A value beyond the single-precision range throws common::Failure.
float roundResult(double value, int decimals);

// The result as the window shows it, followed by a blank and the unit name: " 6 V",
// " 1.234568E+07 V" from 1 on; below 1 without the leading blank and with a zero before a bare
// point: "0.005 A", "-0.5 V", "0 V", "-2.5 V".
QString resultText(float value, const QString &unitName);

// The whole computation from the two typed texts (read by the leading-number rule): solve,
// round to `decimals`, write with the unit name. Any failure throws common::Failure.
QString computeResult(Quantity sought, QStringView firstText, QStringView secondText, int decimals,
                      const QString &unitName);

} // namespace ohm_calc
