// The two number-to-text formats of the window's output edits. Both round
// halves away from zero and use the locale's decimal separator.
#pragma once

#include <QString>

// Fixed-point notation, the value rounded once at the coarser of its
// `precision`-th significant digit and its `decimals`-th decimal place and
// written up to that place, never padded with zeros it does not have
// (12345.678 in (6, 3) is 12345.7, 25 in (7, 4) is 25.0000). A value whose
// integer part needs more than `precision` digits is written as
// "1.23457E+006" instead.
QString FixedFormat(double value, int precision, int decimals);

// One digit, the separator, precision − 1 digits, "E", the exponent's sign and
// at least `exponentDigits` exponent digits: 1.043E-03.
QString ExponentFormat(double value, int precision, int exponentDigits);

// The shortest decimal text that reads back as the same double ("0.1",
// "1.0434e-05", "212"), with the locale's decimal separator; "nan", "inf".
QString ShortestText(double value);

// The fewest significant digits a nonzero result is shown with.
inline constexpr int ShownDigits = 4;

// FixedFormat, but a nonzero value keeps ShownDigits significant digits,
// decided on the value rounded to ShownDigits digits: where its fixed text
// stops short of them, from 0.1 up it takes as many decimals as they need
// (20 in fixed (5, 1) as 20.00, 9.9961 as 9.996, not 10.0), below it the
// volume's exponent format (0.0859 in fixed (6, 2) as 8.590E-02, not 0.09),
// where more decimals would be mostly zeros.
QString FixedOrExponent(double value, int precision, int decimals);
