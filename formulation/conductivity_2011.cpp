// Thermal conductivity of water and steam by the IAPWS Formulation 2011
// (R15-11) in its form for industrial use: λ = λ̄0(T̄)·λ̄1(T̄, ρ̄) + λ̄2(T̄, ρ̄),
// the critical enhancement λ̄2 formed with ρ, cp, cv and (∂ρ/∂p)_T of IAPWS-IF97
// and the industrial IAPWS 2008 viscosity, and with ζ at the reference
// temperature from the release's rational function of the density.
#include "transport_2008_2011.h"

#include <cmath>
#include <numbers>

namespace TFS {
namespace {

using detail::KELVIN;
using detail::PowerTable;
using detail::sum_terms;
using detail::T25_K;
using detail::T_TRANSPORT_MAX_K;

// Reducing values T*, ρ* and p* of the critical point; λ* = 1 mW/(m·K).
using detail::RHO_CRITICAL;
using detail::T_CRITICAL_K;
// The release's gas constant, for c̄p = cp/R (IF97's 0.461526 differs).
constexpr double R = 0.46151805;  // kJ/(kg·K)

// Dilute gas, λ̄0 = √T̄ / Σ Lₖ/T̄ᵏ.
constexpr double L[5] = {0.002443221, 0.01323095, 0.006770357, -0.003454586, 0.0004096266};

// Finite density, λ̄1 = exp(ρ̄·Σᵢ (1/T̄ − 1)ⁱ·Σⱼ Lᵢⱼ·(ρ̄ − 1)ʲ); i = 0 … 4 (rows), j = 0 … 5.
// clang-format off
constexpr double LIJ[5][6] = {
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0, 0},
    {-2.720337, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842},
};
// clang-format on

// Critical enhancement.
constexpr double LAMBDA = 177.8514;
constexpr double QD_INVERSE = 0.40;  // nm
constexpr double NU = 0.630;
constexpr double GAMMA = 1.239;
constexpr double XI0 = 0.13;  // nm
constexpr double GAMMA0 = 0.06;
constexpr double T_BAR_R = 1.5;
// Below this y the difference that Z is made of is lost in rounding.
constexpr double Y_SMALLEST = 1.2e-7;
// ζ from IF97 and c̄p are taken as this where they come out negative or larger
// (at the edge of the liquid's or the vapour's stability).
constexpr double CAP = 1e13;

// ζ(T̄_R, ρ̄) = 1 / Σᵢ Aᵢⱼ·ρ̄ⁱ, the column j by the density band; i = 0 … 5 (rows), j = 0 … 4.
// clang-format off
constexpr double AIJ[6][5] = {
    {6.53786807199516, 6.52717759281799, 5.35500529896124, 1.55225959906681, 1.11999926419994},
    {-5.61149954923348, -6.30816983387575, -3.96415689925446, 0.464621290821181, 0.595748562571649},
    {3.39624167361325, 8.08379285492595, 8.91990208918795, 8.93237374861479, 9.8895256507892},
    {-2.27492629730878, -9.82240510197603, -12.033872950579, -11.0321960061126, -10.325505114704},
    {10.2631854662709, 12.1358413791395, 9.19494865194302, 6.1678099993336, 4.66861294457414},
    {1.97815050331519, -5.54349664571295, -2.16866274479712, -0.965458722086812, -0.503243546373828},
};
// clang-format on
// The upper ends of the density bands of the columns 0 … 3; column 4 lies above.
constexpr double BAND_UP_TO[4] = {0.310559006, 0.776397516, 1.242236025, 1.863354037};

// The industrial range: from 273.15 K up to 100 MPa to 1073.15 K (where
// region 2 ends), up to 50 MPa above it.
constexpr double P_MAX = 100.0;      // MPa
constexpr double P_MAX_HIGH = 50.0;  // MPa, above T25_K
constexpr double MPA_PER_PA = 1e-6;

double capped(double x) {
    return x < 0 || x > CAP ? CAP : x;
}

double zeta_reference(double rho_bar) {
    int j = 0;
    while (j < 4 && rho_bar > BAND_UP_TO[j]) ++j;
    const PowerTable<0, 5> D(rho_bar);
    return 1.0 / sum_terms<6>([&](std::size_t i) { return AIJ[i][j] * D[static_cast<int>(i)]; });
}

// Z(y) of the critical enhancement, with κ = cp/cv.
double crossover(double y, double kappa, double rho_bar) {
    if (y < Y_SMALLEST) return 0.0;
    const double growth = (1.0 - 1.0 / kappa) * std::atan(y) + y / kappa;
    const double damping = 1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * rho_bar * rho_bar)));
    return 2.0 / (std::numbers::pi * y) * (growth - damping);
}

}  // namespace

detail::Conductivity2011 detail::conductivity_2011(double t, const SinglePhase& x, bool enhanced) {
    const double T_bar = (t + KELVIN) / T_CRITICAL_K;
    const double rho = 1.0 / x.v;
    const double rho_bar = rho / RHO_CRITICAL;

    const PowerTable<0, 4> T_powers(T_bar);
    const double lambda0 =
        std::sqrt(T_bar) / sum_terms<5>([&](std::size_t k) { return L[k] / T_powers[static_cast<int>(k)]; });

    const PowerTable<0, 4> X(1.0 / T_bar - 1.0);
    const PowerTable<0, 5> Y(rho_bar - 1.0);
    const double sum = sum_terms<5>([&](std::size_t i) {
        return X[static_cast<int>(i)] * sum_terms<6>([&](std::size_t j) { return LIJ[i][j] * Y[static_cast<int>(j)]; });
    });
    const double lambda1 = std::exp(rho_bar * sum);

    Conductivity2011 c{};
    c.lambda0 = lambda0;
    c.lambda1 = lambda1;
    c.mu = viscosity_2008(t, x.v);
    // (∂ρ/∂p)_T = ρ·κ_T = (cp/cv)/w², the isothermal compressibility from the
    // isentropic one; kg/(m³·Pa) → kg/(m³·MPa).
    c.drho_dp = x.cp / x.cv / (x.w * x.w) / MPA_PER_PA;
    const double zeta_R = zeta_reference(rho_bar);
    c.drho_dp_reference = zeta_R * RHO_CRITICAL / PKR;
    if (enhanced) {
        const double zeta = capped(c.drho_dp * PKR / RHO_CRITICAL);
        const double cp_bar = capped(x.cp / R);
        const double kappa = cp_bar * R / x.cv;
        const double chi = std::fmax(rho_bar * (zeta - zeta_R * T_BAR_R / T_bar), 0.0);
        c.xi = XI0 * POWR(chi / GAMMA0, NU / GAMMA);
        c.Z = crossover(c.xi / QD_INVERSE, kappa, rho_bar);
        c.lambda2 = LAMBDA * rho_bar * cp_bar * T_bar / c.mu * c.Z;
    }
    c.lambda = lambda0 * lambda1 + c.lambda2;
    return c;
}

void detail::check_conductivity_2011_range(double p, double t, const char* function) {
    const double T = t + KELVIN;
    const bool inside = p > 0 && T >= KELVIN && T <= T_TRANSPORT_MAX_K && p <= (T <= T25_K ? P_MAX : P_MAX_HIGH);
    if (!inside)
        throw FatalStop(std::string("ЗАДАННЫЕ P И T ВНЕ ОБЛАСТИ ПРИМЕНИМОСТИ ТЕПЛОПРОВОДНОСТИ IAPWS 2011 (") +
                        function + ")");
}

double LMB11_PT(double p, double t) {
    detail::check_conductivity_2011_range(p, t, "LMB11_PT");
    const detail::Region region = detail::checked_region_pt(p, t);
    const detail::SinglePhase x = detail::transport_inputs(p, t, region, "LMB11_PT");
    // Region 5 lies far from the critical point: no enhancement there.
    return detail::conductivity_2011(t, x, region != detail::Region::HIGH_TEMPERATURE).lambda;
}

}  // namespace TFS
