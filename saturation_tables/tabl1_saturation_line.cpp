// Saturation temperature from pressure and saturation pressure from
// temperature: two fits of their own, not exact inverses of each other.
#include "tabl1_internal.h"

#include <cmath>

namespace Tabl1 {
namespace {

constexpr detail::Range TSP_RANGE{0.00087, 22.08};           // p, MPa
constexpr detail::Range PST_RANGE{0.0, 374.09999999999997};  // t, °C; the last double below 374.1

constexpr double MPA_PER_KGF_CM2 = 0.0980665;  // 1 kgf/cm² (technical atmosphere) in MPa

// ts in °C = Σ c[k]·L^k, L = ln(p in kgf/cm²); c[0] is ts at 1 kgf/cm².
// clang-format off
constexpr double C[12] = {
    99.09271199,     27.85424215,     2.375357647,      0.2107780463,
    0.02129682011,   0.00132837729,   -0.0003739348425, -1.74177519e-05,
    2.207171179e-05, 1.534373134e-06, -4.26856851e-07,  -4.292460291e-08,
};
// clang-format on

// Saturation pressure in MPa at t in °C.
double saturation_pressure(double t) {
    const double T = t + detail::KELVIN;
    const double tau = T / 1000.0;
    return std::exp(82.86568 + 10.28 * tau - 7.82154 / tau - 11.48776 * std::log(T));
}

}  // namespace

double detail::saturation_temperature(double p) {
    const double L = std::log(p / MPA_PER_KGF_CM2);
    const auto Lk = powers<11>(L);
    return sum_terms<12>([&](std::size_t k) { return C[k] * Lk[k]; });
}

double TSP(double p) {
    return detail::within_range("TSP", 'p', TSP_RANGE, p, detail::saturation_temperature);
}

double PST(double t) {
    return detail::within_range("PST", 't', PST_RANGE, t, saturation_pressure);
}

}  // namespace Tabl1
