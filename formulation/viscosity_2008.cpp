// Viscosity of water and steam by the IAPWS Formulation 2008 (R12-08) in its
// form for industrial use: μ = μ̄0(T̄)·μ̄1(T̄, ρ̄)·μ* with the critical factor
// μ̄2 = 1 and the density of IAPWS-IF97.
#include "transport_2008_2011.h"

#include <cmath>

namespace TFS {
namespace {

// Reducing values T* and ρ* of the critical point; μ* = 1 µPa·s, so μ̄ is µPa·s.
using detail::RHO_CRITICAL;
using detail::T_CRITICAL_K;
using detail::T_TRANSPORT_MAX_K;

// Dilute gas, μ̄0 = 100·√T̄ / Σ Hᵢ/T̄ⁱ.
constexpr double H[4] = {1.67752, 2.20462, 0.6366564, -0.241605};

// Finite density, μ̄1 = exp(ρ̄·Σ Hᵢⱼ·(1/T̄ − 1)ⁱ·(ρ̄ − 1)ʲ): the 21 coefficients
// that are not zero, in the release's order.
constexpr int I[21] = {0, 1, 2, 3, 0, 1, 2, 3, 5, 0, 1, 2, 3, 4, 0, 1, 0, 3, 4, 3, 5};
constexpr int J[21] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 4, 4, 5, 6, 6};
// clang-format off
constexpr double HIJ[21] = {
    0.520094,   0.0850895,  -1.08374,   -0.289555,
    0.222531,   0.999115,   1.88797,    1.26613,   0.120573,
    -0.281378,  -0.906851,  -0.772479,  -0.489837, -0.25704,
    0.161913,   0.257399,
    -0.0325372, 0.0698452,
    0.00872102,
    -0.00435673, -0.000593264,
};
// clang-format on

// The release's range: up to 1173.15 K, and up to 300 MPa; below the
// triple-point pressure not below the triple-point temperature 273.16 K.
// From that pressure on the melting temperature bounds the liquid; it lies
// above IF97's own bound of 273.15 K only below 0.1 MPa, by at most 0.01 K,
// and there IF97's bound is taken.
constexpr double T_TRIPLE_K = detail::T_TRIPLE_C + detail::KELVIN;
constexpr double P_MAX = 300.0;  // MPa

}  // namespace

double detail::viscosity_2008(double t, double v) {
    const double T_bar = (t + KELVIN) / T_CRITICAL_K;
    const double rho_bar = (1.0 / v) / RHO_CRITICAL;

    const PowerTable<0, 3> T_powers(T_bar);
    const double dilute = sum_terms<4>([&](std::size_t i) { return H[i] / T_powers[static_cast<int>(i)]; });
    const double mu0 = 100.0 * std::sqrt(T_bar) / dilute;

    const PowerTable<0, 5> X(1.0 / T_bar - 1.0);
    const PowerTable<0, 6> Y(rho_bar - 1.0);
    const double sum = sum_terms<21>([&](std::size_t k) { return HIJ[k] * X[I[k]] * Y[J[k]]; });
    const double mu1 = std::exp(rho_bar * sum);

    return mu0 * mu1;
}

void detail::check_viscosity_2008_range(double p, double t, const char* function) {
    const double T = t + KELVIN;
    const bool inside = p > 0 && p <= P_MAX && T <= T_TRANSPORT_MAX_K && (p >= P_TRIPLE_MPA || T >= T_TRIPLE_K);
    if (!inside)
        throw FatalStop(std::string("ЗАДАННЫЕ P И T ВНЕ ОБЛАСТИ ПРИМЕНИМОСТИ ВЯЗКОСТИ IAPWS 2008 (") + function + ")");
}

double MIU08_PT(double p, double t) {
    detail::check_viscosity_2008_range(p, t, "MIU08_PT");
    return detail::viscosity_2008(t, detail::volume_pt(p, t));
}

}  // namespace TFS
