// The properties of a region 3 state from the derivatives of its
// dimensionless Helmholtz free energy φ(δ, τ).
#include "derivatives.h"

#include <cmath>

namespace TFS {
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

detail::SinglePhase detail::phase(const HelmholtzState& f) {
    const double w = speed_of_sound(f);
    return {.h = enthalpy(f), .s = entropy(f), .v = f.v, .cp = heat_capacity(f), .u = internal_energy(f),
            .cv = isochoric_heat_capacity(f), .w = w, .kappa = isentropic_exponent(f.p, f.v, w)};
}

}  // namespace TFS
