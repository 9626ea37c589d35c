// Saturation temperature from pressure and saturation pressure from
// temperature: two fits of their own, not exact inverses of each other.
#include "internal.h"

#include <cmath>

namespace Tabl1 {
namespace {

using detail::Ext;

constexpr detail::Range TSP_RANGE{0.00087L, 22.08L};  // p, MPa
constexpr detail::Range PST_RANGE{0.0L, 374.1L};      // t, °C

constexpr Ext MPA_PER_KGF_CM2 = 0.0980665L;  // 1 kgf/cm² (technical atmosphere) in MPa

// ts in °C = Σ c[k]·L^k, L = ln(p in kgf/cm²); c[0] is ts at 1 kgf/cm².
// clang-format off
constexpr Ext C[12] = {
    99.09271199L,     27.85424215L,     2.375357647L,      0.2107780463L,
    0.02129682011L,   0.00132837729L,   -0.0003739348425L, -1.74177519e-05L,
    2.207171179e-05L, 1.534373134e-06L, -4.26856851e-07L,  -4.292460291e-08L,
};
// clang-format on

// Saturation pressure in MPa at t in °C.
double saturation_pressure(double t) {
    const double T = t + detail::KELVIN;
    const double tau = T / 1000.0L;
    return std::exp(82.86568L + 10.28L * tau - 7.82154L / tau - 11.48776L * std::log(Ext(T)));
}

}  // namespace

double detail::saturation_temperature(double p) {
    const double L = std::log(Ext(p) / MPA_PER_KGF_CM2);
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
