// The properties of a state of region 1, 2 or 5 from the derivatives of its
// dimensionless Gibbs free energy γ(π, τ).
#include "derivatives.h"

#include <cmath>

namespace TFS {

namespace {

// π·(γ_π − τ·γ_πτ), the term by which cv falls below cp.
double expansion_term(const detail::GibbsState::PiTerms& d) {
    return d.pi_g_p - d.tau_pi_g_pt;
}

}  // namespace

// h = R·T·τ·γ_τ
double detail::enthalpy(const GibbsState& g) {
    return g.T * R_WATER * g.tau * g.gamma_tau();
}

// s = R·(τ·γ_τ − γ)
double detail::entropy(const GibbsState& g) {
    return R_WATER * (g.tau * g.gamma_tau() - g.gamma());
}

// v = R·T·π·γ_π / p; kJ/(kg·MPa) → m³/kg
double detail::volume(const GibbsState& g) {
    return g.T * R_WATER * g.pi * g.gamma_pi() / (KJ_PER_MPA_M3 * g.p);
}

// cp = −R·τ²·γ_ττ
double detail::heat_capacity(const GibbsState& g) {
    return -R_WATER * g.tau * g.tau * g.gamma_tau_tau();
}

// u = R·T·(τ·γ_τ − π·γ_π)
double detail::internal_energy(const GibbsState& g) {
    const double tau_g_t = g.tau * g.gamma_tau();
    return g.T * R_WATER * (tau_g_t - g.pi_terms().pi_g_p);
}

// cv = R·(−τ²·γ_ττ + (π·γ_π − τ·π·γ_πτ)² / (π²·γ_ππ))
double detail::isochoric_heat_capacity(const GibbsState& g) {
    const double tau2_g_tt = g.tau * g.tau * g.gamma_tau_tau();
    const GibbsState::PiTerms& d = g.pi_terms();
    const double b = expansion_term(d);
    return R_WATER * (-tau2_g_tt + b * b / d.pi2_g_pp);
}

// w² = R·T·(π·γ_π)² / ((π·γ_π − τ·π·γ_πτ)² / (τ²·γ_ττ) − π²·γ_ππ)
double detail::speed_of_sound(const GibbsState& g) {
    const double tau2_g_tt = g.tau * g.tau * g.gamma_tau_tau();
    const GibbsState::PiTerms& d = g.pi_terms();
    const double b = expansion_term(d);
    return std::sqrt(R_WATER * J_PER_KJ * g.T * d.pi_g_p * d.pi_g_p / (b * b / tau2_g_tt - d.pi2_g_pp));
}

detail::SinglePhase detail::phase(const GibbsState& g) {
    const double v = volume(g);
    const double w = speed_of_sound(g);
    return {.h = enthalpy(g), .s = entropy(g), .v = v, .cp = heat_capacity(g), .u = internal_energy(g), .cv = isochoric_heat_capacity(g), .w = w,
            .kappa = isentropic_exponent(g.p, v, w)};
}

double detail::isentropic_exponent(double p, double v, double w) {
    return w * w / (p * PA_PER_MPA * v);
}

}  // namespace TFS
