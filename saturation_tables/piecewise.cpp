#include "piecewise.h"

namespace Tabl1::detail {
namespace {

bool holds(const Interval& interval, double t) {
    const bool above_from = interval.from_included ? t >= interval.from : t > interval.from;
    const bool below_to = interval.to_included ? t <= interval.to : t < interval.to;
    return above_from && below_to;
}

}  // namespace

double evaluate_pieces(std::span<const Piece> pieces, double t) {
    const double theta = t / 100.0;
    const auto theta_k = powers<MAX_DEGREE>(theta);
    for (const Piece& piece : pieces) {
        if (!holds(piece.interval, t)) continue;
        // Summed term by term from θ⁰ upwards.
        double polynomial = 0.0;
        for (int k = 0; k <= MAX_DEGREE; ++k) polynomial += piece.c[k] * theta_k[k];
        return piece.factor * polynomial;
    }
    return NO_RESULT;
}

}  // namespace Tabl1::detail
