// Transport properties of water and steam: the IAPS 1985 viscosity (ITS-90
// reducing values, no critical enhancement) and the IAPS 1985 interpolating
// equation for the thermal conductivity in industrial use. Both take the
// density of the state from the specific volume of its region.
#include "tfs_internal.h"

#include <array>
#include <cmath>

namespace TFS {
namespace {

using detail::sum_terms;

// Viscosity: reducing values T* = 647.226 K, ρ* = 317.763 kg/m³, μ* = 55.071 µPa·s.
constexpr double MIU_T_STAR = 647.226;
constexpr double MIU_RHO_STAR = 317.763;

// Dilute-gas coefficients H0 … H3.
constexpr double H[4] = {1.0, 0.978197, 0.579829, -0.202354};

// Residual coefficients Hij, i = 0 … 5 (rows), j = 0 … 6 (columns).
// clang-format off
constexpr double HIJ[6][7] = {
    {0.5132047, 0.2151778, -0.2818107, 0.1778064, -0.0417661, 0, 0},
    {0.3205656, 0.7317883, -1.070786, 0.460504, 0, -0.01578386, 0},
    {0, 1.241044, -1.263184, 0.2340379, 0, 0, 0},
    {0, 1.476783, 0, -0.4924179, 0.1600435, 0, -0.003629481},
    {-0.7782567, 0, 0, 0, 0, 0, 0},
    {0.1885447, 0, 0, 0, 0, 0, 0},
};
// clang-format on

// Conductivity: reducing values T* = 647.256 K, ρ* = 317.7 kg/m³, λ* = 1 W/(m·K).
constexpr double LMB_T_STAR = 647.256;
constexpr double LMB_RHO_STAR = 317.7;

// The seventeen coefficients of the conductivity equation, in one table.
// clang-format off
constexpr double K[17] = {
    0.0102811,  0.0299621, 0.015614,   -0.00422464,                      // a0 … a3
    -0.39707,   0.400302,  1.06,                                         // b0 … b2
    0.0701309,  0.011852,  0.00169937, -1.02,                            // d1 … d4
    0.642857,   -4.11717,  -6.17937,   0.00308976, 0.0822994, 10.0932,  // C1 … C6
};
// clang-format on
enum Position { a0, b0 = 4, b1, b2, d1, d2, d3, d4, C1, C2, C3, C4, C5, C6 };

constexpr double B1 = -0.171587;
constexpr double B2 = 2.39219;

// Beyond this |X| the third term of λ2 is taken as 0 rather than exp(X).
constexpr double X_CUTOFF = 1000;

// x^1 … x^N step by step, each product the one POWI forms for its power.
template <int N>
std::array<double, N + 1> step_powers(double x) {
    std::array<double, N + 1> at{};
    at[0] = 1.0;
    for (int k = 1; k <= N; ++k) at[k] = at[k - 1] * x;
    return at;
}

}  // namespace

double detail::viscosity(double t, double v) {
    const double T_bar = (t + detail::KELVIN) / MIU_T_STAR;
    const auto T_powers = step_powers<3>(T_bar);
    const double S0 = sum_terms<4>([&](std::size_t i) { return H[i] / T_powers[i]; });
    const double mu0 = std::sqrt(T_bar) / S0;

    const double density = 1.0 / v;
    const double rho_bar = density / MIU_RHO_STAR;
    const double x = 1.0 / T_bar - 1.0;
    const double y = rho_bar - 1.0;
    const detail::PowerTable<0, 5> X(x);
    const detail::PowerTable<0, 6> Y(y);
    const double S1 = sum_terms<6>([&](std::size_t i) {
        return sum_terms<7>(
            // A zero coefficient adds nothing: its term is left out.
            [&](std::size_t j) {
                return HIJ[i][j] == 0.0 ? -0.0 : HIJ[i][j] * X[static_cast<int>(i)] * Y[static_cast<int>(j)];
            });
    });
    const double mu1 = std::exp(rho_bar * S1);

    return mu0 * mu1 * 5.5071e-5 * 1000000.0;
}

double detail::conductivity(double t, double v) {
    const double T_bar = (t + detail::KELVIN) / LMB_T_STAR;
    const auto T_powers = step_powers<10>(T_bar);
    const double a_sum = sum_terms<4>([&](std::size_t i) { return K[a0 + i] * T_powers[i]; });
    const double lambda0 = std::sqrt(T_bar) * a_sum;

    const double rho_bar = (1.0 / v) / LMB_RHO_STAR;
    const double shifted = rho_bar + B2;
    const double lambda1 = K[b2] * std::exp(B1 * (shifted * shifted)) + (K[b1] * rho_bar + K[b0]);

    const double dT = std::fabs(T_bar - 1.0) + K[C4];
    const double dT_06 = POWR(dT, 0.6);
    const double Q = 2.0 + K[C5] / dT_06;
    // The critical term changes its temperature function at T̄ = 1; both give ≈ 324 there.
    const double S = T_bar >= 1.0 ? 1.0 / dT : K[C6] / dT_06;
    // T̄^1.5 as T̄·√T̄, ρ̄^2.8 and ρ̄^(1+Q) as ρ̄ times ρ̄^1.8 and ρ̄^Q: products
    // and a square root in place of powers through exp and log.
    const double X = K[C2] * (T_bar * std::sqrt(T_bar)) + K[C3] / step_powers<5>(rho_bar)[5];

    // ρ̄^1.8 and ρ̄^Q as POWR forms them, from one logarithm of ρ̄.
    const double log_rho = std::log(rho_bar);
    const double rho_18 = std::exp(1.8 * log_rho);
    const double rho_Q = std::exp(Q * log_rho);
    const double E1 = (K[d1] / T_powers[10] + K[d2]) * rho_18 * std::exp(K[C1] * (1.0 - rho_bar * rho_18));
    const double E2 = K[d3] * S * rho_Q * std::exp((Q / (1.0 + Q)) * (1.0 - rho_bar * rho_Q));
    // At steam densities X is of the order −1e14; the term is then taken as 0.
    const double E3 = std::fabs(X) >= X_CUTOFF ? 0.0 : K[d4] * std::exp(X);
    const double lambda2 = E1 + E2 + E3;

    return (lambda0 + lambda1 + lambda2) * 1000.0;
}

double detail::prandtl(double mu, double cp, double lambda) {
    // µPa·s · kJ/(kg·K) / (mW/(m·K)) is the dimensionless number itself.
    return mu * cp / lambda;
}

double MIU_PT(double p, double t) {
    return detail::viscosity(t, detail::volume_pt(p, t));
}

double LMB_PT(double p, double t) {
    return detail::conductivity(t, detail::volume_pt(p, t));
}

double PR_PT(double p, double t) {
    // The volume of the state serves both transport properties; a stop is the one MIU_PT gives first.
    const detail::SinglePhase x = detail::single_phase(p, t, detail::checked_region_pt(p, t), "V_PT");
    return detail::prandtl(detail::viscosity(t, x.v), x.cp, detail::conductivity(t, x.v));
}

}  // namespace TFS
