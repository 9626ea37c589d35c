// Dynamic viscosity of water and steam at (p, t) by the IAPS 1975 equation,
// without its critical enhancement, from the density of the older equation
// of state.
#include "tabl1_internal.h"

#include <cmath>

namespace Tabl1 {
namespace {

constexpr double T_STAR = 647.27;     // reducing temperature, K
constexpr double RHO_STAR = 317.763;  // reducing density, kg/m³

// Dilute-gas part: μ0 = √(T/T*) / Σ a_k·(T*/T)^k.
constexpr double A[4] = {0.0181583, 0.0177624, 0.0105287, -0.0036744};

// Residual part: Σ b_ij·(T*/T − 1)^i·(ρ/ρ* − 1)^j, rows i = 0 … 5, columns j = 0 … 4.
constexpr int ROWS = 6;
constexpr int COLUMNS = 5;
// clang-format off
constexpr double B[ROWS][COLUMNS] = {
    {0.501938, 0.235622, -0.274637, 0.145831, -0.0270448},
    {0.162888, 0.789393, -0.743539, 0.263129, -0.0253093},
    {-0.130356, 0.673665, -0.959456, 0.347247, -0.0267758},
    {0.907919, 1.207552, -0.687343, 0.213486, -0.0822904},
    {-0.551119, 0.0670665, -0.497089, 0.100754, 0.0602253},
    {0.146543, -0.084337, 0.195286, -0.032932, -0.0202595},
};
// clang-format on

}  // namespace

double MPT(double p, double t) {
    const double rho = 1.0 / detail::older_specific_volume(p, t);
    const double T = t + detail::KELVIN;
    const double z = T_STAR / T;
    const double x = z - 1.0;
    const double rho_reduced = rho / RHO_STAR;
    const double w = rho_reduced - 1.0;
    const auto z_k = detail::powers<3>(z);
    const auto x_i = detail::powers<ROWS - 1>(x);
    const auto w_j = detail::powers<COLUMNS - 1>(w);

    const double mu0 = std::sqrt(T / T_STAR) / detail::sum_terms<4>([&](std::size_t k) { return A[k] * z_k[k]; });
    // The double sum runs through the table row by row.
    const double S = detail::sum_terms<ROWS * COLUMNS>([&](std::size_t n) {
        const std::size_t i = n / COLUMNS;
        const std::size_t j = n % COLUMNS;
        return B[i][j] * x_i[i] * w_j[j];
    });
    return mu0 * std::exp(rho_reduced * S);
}

}  // namespace Tabl1
