// Shared pieces of Tabl1's own sources; not part of the public interface.
//
// Every expression is evaluated in IEEE double, rounded after each operation
// (no fused multiply-add), so that every platform gives the same doubles.
#pragma once

#include <array>
#include <cstddef>
#include <limits>

#include "Tabl1.h"

namespace Tabl1::detail {

inline constexpr double KELVIN = 273.15;  // t in °C + KELVIN = T in K

// What a function yields after the range warning: it computed nothing.
inline constexpr double NO_RESULT = std::numeric_limits<double>::quiet_NaN();

// Inclusive range of an argument. Each end is the double on the inner side of
// the decimal the range was published with, so that a double argument is
// accepted exactly when it lies within the decimal range.
struct Range {
    double lower;
    double upper;
};

// Tells the user that `name` got an argument (`letter` = x) outside its range:
// by the handler of SetRangeWarning, or on the console, where it waits for a
// line from standard input. Never throws.
void range_warning(const char* name, char letter, double x);

// The common frame of every one-argument correlation: the range test, then
// either the warning (and no result) or the formula at x.
template <class Formula>
double within_range(const char* name, char letter, Range range, double x, Formula formula) {
    // Written as "not inside" so that a NaN, which lies in no range, is refused too.
    if (!(x >= range.lower && x <= range.upper)) {
        range_warning(name, letter, x);
        return NO_RESULT;
    }
    return formula(x);
}

// x⁰ … x^N by repeated multiplication, every power rounded to a double.
template <std::size_t N>
std::array<double, N + 1> powers(double x) {
    std::array<double, N + 1> power{};
    power[0] = 1.0;
    for (std::size_t k = 1; k <= N; ++k) power[k] = power[k - 1] * x;
    return power;
}

// Σ term(i) for i = 0 … N-1 in table order, starting from 0; every partial sum
// is rounded to a double, as a running sum held in a double variable is.
template <std::size_t N, class Term>
double sum_terms(Term term) {
    double sum = 0.0;
    for (std::size_t i = 0; i < N; ++i) sum += term(i);
    return sum;
}

// Saturation temperature in °C from the pressure in MPa: the fitted polynomial
// in ln(p in kgf/cm²), without any range test.
double saturation_temperature(double p);

// Surface tension in mN/m at the saturation temperature t in °C, without any
// range test.
double surface_tension(double t);

// Specific volume in m³/kg of water or steam at p in MPa and t in °C from the
// older equation of state that the (p, t) viscosity is built on: a liquid
// branch and a vapour branch, split at a saturation temperature of its own.
double older_specific_volume(double p, double t);

}  // namespace Tabl1::detail
