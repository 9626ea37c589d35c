// The two number-to-text formats of the window's output edits. Both round
// halves away from zero and use the locale's decimal separator.
#pragma once

#include <QString>

// Fixed-point notation with exactly `decimals` digits after the separator, the
// value rounded once at the coarser of its `precision`-th significant digit and
// its `decimals`-th decimal place. A value whose integer part needs more than
// `precision` digits is written as "1.23457E+006" instead.
QString FixedFormat(double value, int precision, int decimals);

// One digit, the separator, precision − 1 digits, "E", the exponent's sign and
// at least `exponentDigits` exponent digits: 1.043E-03.
QString ExponentFormat(double value, int precision, int exponentDigits);
