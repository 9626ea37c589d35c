// Dynamic viscosity of water and steam at (p, t) by the IAPS 1975 equation,
// without its critical enhancement, from the density of the older equation
// of state.
#include "internal.h"

#include <cmath>

namespace Tabl1 {
namespace {

using detail::Ext;

constexpr Ext T_STAR = 647.27L;     // reducing temperature, K
constexpr Ext RHO_STAR = 317.763L;  // reducing density, kg/m³

// Dilute-gas part: μ0 = √(T/T*) / Σ a_k·(T*/T)^k.
constexpr Ext A[4] = {0.0181583L, 0.0177624L, 0.0105287L, -0.0036744L};

// Residual part: Σ b_ij·(T*/T − 1)^i·(ρ/ρ* − 1)^j, rows i = 0 … 5, columns j = 0 … 4.
constexpr int ROWS = 6;
constexpr int COLUMNS = 5;
// clang-format off
constexpr Ext B[ROWS][COLUMNS] = {
    {0.501938L, 0.235622L, -0.274637L, 0.145831L, -0.0270448L},
    {0.162888L, 0.789393L, -0.743539L, 0.263129L, -0.0253093L},
    {-0.130356L, 0.673665L, -0.959456L, 0.347247L, -0.0267758L},
    {0.907919L, 1.207552L, -0.687343L, 0.213486L, -0.0822904L},
    {-0.551119L, 0.0670665L, -0.497089L, 0.100754L, 0.0602253L},
    {0.146543L, -0.084337L, 0.195286L, -0.032932L, -0.0202595L},
};
// clang-format on

}  // namespace

double MPT(double p, double t) {
    const double rho = 1.0L / detail::older_specific_volume(p, t);
    const double T = t + detail::KELVIN;
    const double z = T_STAR / T;
    const double x = z - 1.0L;
    const double rho_reduced = rho / RHO_STAR;
    const double w = rho_reduced - 1.0L;
    const auto z_k = detail::powers<3>(z);
    const auto x_i = detail::powers<ROWS - 1>(x);
    const auto w_j = detail::powers<COLUMNS - 1>(w);

    const double mu0 = std::sqrt(Ext(T) / T_STAR) / detail::sum_terms<4>([&](std::size_t k) { return A[k] * z_k[k]; });
    // The double sum runs through the table row by row.
    const double S = detail::sum_terms<ROWS * COLUMNS>([&](std::size_t n) {
        const std::size_t i = n / COLUMNS;
        const std::size_t j = n % COLUMNS;
        return B[i][j] * x_i[i] * w_j[j];
    });
    return mu0 * std::exp(Ext(rho_reduced) * S);
}

}  // namespace Tabl1
