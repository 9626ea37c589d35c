// Correlations made of polynomial pieces in θ = t / 100, each valid on an
// interval of the saturation temperature. Where two pieces meet the value
// jumps from one fit to the next; nothing smooths the borders.
#pragma once

#include <span>

#include "tabl1_internal.h"

namespace Tabl1::detail {

// An interval of t in °C; each end is either included or not.
struct Interval {
    double from;
    double to;
    bool from_included;
    bool to_included;
};

constexpr Interval half_open(double from, double to) {
    return {from, to, true, false};
}  // [from, to)
constexpr Interval closed(double from, double to) {
    return {from, to, true, true};
}  // [from, to]
constexpr Interval open(double from, double to) {
    return {from, to, false, false};
}  // (from, to)

inline constexpr int MAX_DEGREE = 8;

// factor · Σ c[k]·θ^k on its interval of t.
struct Piece {
    Interval interval;
    double factor;
    double c[MAX_DEGREE + 1];  // coefficients of θ⁰ … θ⁸
};

// The value of the first piece (in table order) whose interval holds t;
// NO_RESULT when none does.
double evaluate_pieces(std::span<const Piece> pieces, double t);

}  // namespace Tabl1::detail
