#include "tfs_internal.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace TFS {

double POWI(double x, int n) {
    if (n == 0) return 1.0;
    // x·x·…·x from 1.0, step by step.
    // The magnitude is taken in a wider type: −n overflows an int for INT_MIN.
    const std::uint64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
    double product = 1.0;
    for (std::uint64_t k = magnitude; k > 0; --k) {
        const double next = product * x;
        // Once the magnitude no longer changes (|x| = 1, or settled at 0, ∞ or
        // NaN), each of the k steps left only multiplies the sign by that of x
        // (a NaN keeps its own): a huge exponent then needs no more steps.
        if (std::bit_cast<std::uint64_t>(std::fabs(next)) == std::bit_cast<std::uint64_t>(std::fabs(product))) {
            if (std::signbit(x) && !std::isnan(x) && k % 2 == 1) product = -product;
            break;
        }
        product = next;
    }
    if (n > 0) return product;
    return 1.0 / product;
}

double POWR(double x, double y) {
    return std::exp(y * std::log(x));
}

}  // namespace TFS
