// The properties of one state of a region from the derivatives of its
// equation: the dimensionless Gibbs free energy γ(π, τ) of regions 1, 2 and 5
// and the dimensionless Helmholtz free energy φ(δ, τ) of region 3. A property
// is one formula for each form, and one line of `every_property`.
#include "derivatives.h"

#include <cmath>

namespace TFS {

// The Gibbs form.

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

double detail::isentropic_exponent(double p, double v, double w) {
    return w * w / (p * PA_PER_MPA * v);
}

// The Helmholtz form.

namespace {

// δ·φ_δ − δ·τ·φ_δτ, the term by which cv falls below cp.
double expansion_term(const detail::HelmholtzState& f) {
    const double delta = f.delta;
    return delta * f.phi_delta() - delta * f.tau * f.second().phi_dt;
}

}  // namespace

// h = R·T·(τ·φ_τ + δ·φ_δ)
double detail::enthalpy(const HelmholtzState& f) {
    const double delta_phi_d = f.delta * f.phi_delta();
    return f.T * R_WATER * (f.tau_phi_tau() + delta_phi_d);
}

// s = R·(τ·φ_τ − φ)
double detail::entropy(const HelmholtzState& f) {
    return (f.tau_phi_tau() - f.phi()) * R_WATER;
}

double detail::volume(const HelmholtzState& f) {
    return f.v;
}

// cp = R·(−τ²·φ_ττ + (δ·φ_δ − δ·τ·φ_δτ)² / (δ²·φ_δδ + 2·δ·φ_δ))
double detail::heat_capacity(const HelmholtzState& f) {
    const double e = expansion_term(f);
    const HelmholtzState::Second& d = f.second();
    return R_WATER *
           (-f.tau * f.tau * d.phi_tt + e * e / (f.delta * f.delta * d.phi_dd + 2.0 * f.delta * f.phi_delta()));
}

// u = R·T·τ·φ_τ
double detail::internal_energy(const HelmholtzState& f) {
    return f.T * R_WATER * f.tau_phi_tau();
}

// cv = −R·τ²·φ_ττ
double detail::isochoric_heat_capacity(const HelmholtzState& f) {
    return -R_WATER * f.tau * f.tau * f.second().phi_tt;
}

// w² = R·T·(2·δ·φ_δ + δ²·φ_δδ − (δ·φ_δ − δ·τ·φ_δτ)² / (τ²·φ_ττ))
double detail::speed_of_sound(const HelmholtzState& f) {
    const double e = expansion_term(f);
    const double delta = f.delta;
    const double rise = 2.0 * delta * f.phi_delta() + delta * delta * f.second().phi_dd;  // d(δ²·φ_δ)/dδ
    return std::sqrt(f.T * R_WATER * J_PER_KJ * (rise - e * e / (f.tau * f.tau * f.second().phi_tt)));
}

namespace {

// A whole state takes its sums together.
void take_all(const detail::GibbsState& g) {
    g.take_all();
}
void take_all(const detail::HelmholtzState& f) {
    f.take_all();
}

// Every property of a state of either form; κ from its v and w.
template <class Form>
detail::SinglePhase every_property(const Form& x) {
    take_all(x);
    detail::SinglePhase y{.h = detail::enthalpy(x),
                          .s = detail::entropy(x),
                          .v = detail::volume(x),
                          .cp = detail::heat_capacity(x),
                          .u = detail::internal_energy(x),
                          .cv = detail::isochoric_heat_capacity(x),
                          .w = detail::speed_of_sound(x)};
    y.kappa = detail::isentropic_exponent(x.p, y.v, y.w);
    return y;
}

// v, cp, cv and w of a state of either form, each as its own function gives it.
template <class Form>
detail::SinglePhase transport_properties(const Form& x) {
    detail::SinglePhase y{};
    y.v = detail::volume(x);
    y.cp = detail::heat_capacity(x);
    y.cv = detail::isochoric_heat_capacity(x);
    y.w = detail::speed_of_sound(x);
    return y;
}

}  // namespace

// At constant p: ∂h/∂T = cp, ∂s/∂T = cp/T; at constant T: ∂s/∂p = −(∂v/∂T)p
// and ∂h/∂p = v − T·(∂v/∂T)p, where (∂v/∂T)p = R·π·(γ_π − τ·γ_πτ)/p.
detail::Slopes detail::slopes(const GibbsState& g) {
    take_all(g);  // it needs every sum: in as few passes as the region allows
    const GibbsState::PiTerms& d = g.pi_terms();
    const double cp = heat_capacity(g);
    const double v = g.T * R_WATER * d.pi_g_p / (KJ_PER_MPA_M3 * g.p);
    const double v_t = R_WATER * expansion_term(d) / (KJ_PER_MPA_M3 * g.p);  // m³/(kg·K)
    return {.p = g.p,
            .v = v,
            .h = enthalpy(g),
            .s = entropy(g),
            .h_t = cp,
            .h_x = KJ_PER_MPA_M3 * (v - g.T * v_t),
            .s_t = cp / g.T,
            .s_x = -KJ_PER_MPA_M3 * v_t};
}

// With ρ = 1/v: p = ρ·R·T·δ·φ_δ; at constant v: (∂p/∂T) = ρ·R·(δ·φ_δ − δ·τ·φ_δτ),
// ∂s/∂T = cv/T, ∂h/∂T = cv + v·∂p/∂T; at constant T: ∂p/∂v =
// −ρ²·R·T·(2·δ·φ_δ + δ²·φ_δδ), ∂s/∂v = ∂p/∂T (Maxwell), ∂h/∂v = T·∂p/∂T + v·∂p/∂v.
// Pressures in kPa inside, so that p·v is in kJ/kg.
detail::Slopes detail::slopes(const HelmholtzState& f) {
    take_all(f);  // it needs every sum: in one pass
    const double rho = 1.0 / f.v;
    const double delta_phi_d = f.delta * f.phi_delta();
    const double p_kpa = rho * R_WATER * f.T * delta_phi_d;
    const double p_t = rho * R_WATER * expansion_term(f);
    const double p_v = -rho * rho * R_WATER * f.T * (2.0 * delta_phi_d + f.delta * f.delta * f.second().phi_dd);
    const double cv = isochoric_heat_capacity(f);
    return {.p = p_kpa / KJ_PER_MPA_M3,
            .v = f.v,
            .h = enthalpy(f),
            .s = entropy(f),
            .h_t = cv + f.v * p_t,
            .h_x = f.T * p_t + f.v * p_v,
            .s_t = cv / f.T,
            .s_x = p_t};
}

detail::SinglePhase detail::phase(const GibbsState& g) {
    return every_property(g);
}

detail::SinglePhase detail::phase(const HelmholtzState& f) {
    return every_property(f);
}

detail::SinglePhase detail::enthalpy_and_cp(const GibbsState& g) {
    return {.h = enthalpy(g), .cp = heat_capacity(g)};
}

detail::SinglePhase detail::enthalpy_and_cp(const HelmholtzState& f) {
    take_all(f);
    return {.h = enthalpy(f), .cp = heat_capacity(f)};
}

detail::SinglePhase detail::enthalpy_alone(const GibbsState& g) {
    return {.h = enthalpy(g)};
}

detail::SinglePhase detail::entropy_alone(const GibbsState& g) {
    return {.s = entropy(g)};
}

detail::SinglePhase detail::entropy_and_cp(const GibbsState& g) {
    return {.s = entropy(g), .cp = heat_capacity(g)};
}

detail::SinglePhase detail::entropy_and_cp(const HelmholtzState& f) {
    take_all(f);
    return {.s = entropy(f), .cp = heat_capacity(f)};
}

detail::SinglePhase detail::transport_phase(const GibbsState& g) {
    return transport_properties(g);
}

detail::SinglePhase detail::transport_phase(const HelmholtzState& f) {
    return transport_properties(f);
}

}  // namespace TFS
