// The derivatives engineers read, from the derivatives of a state's own
// equation by the relations of IAPWS-IF97 (its tables of the properties of
// the Gibbs free energy γ(π, τ) and the Helmholtz free energy φ(δ, τ)).
#include "metastable_steam.h"

namespace TFS {
namespace {

using detail::GibbsState;
using detail::HelmholtzState;
using detail::KJ_PER_MPA_M3;
using detail::R_WATER;
using detail::Region;

// The Gibbs form, with πγ_π, π²γ_ππ and τπγ_πτ.

// α_v = (1 − τπγ_πτ / πγ_π) / T
double expansion(const GibbsState& g) {
    const GibbsState::PiTerms& d = g.pi_terms();
    return (d.pi_g_p - d.tau_pi_g_pt) / (g.T * d.pi_g_p);
}

// κ_T = −π²γ_ππ / (πγ_π · p)
double compressibility(const GibbsState& g) {
    const GibbsState::PiTerms& d = g.pi_terms();
    return -d.pi2_g_pp / (d.pi_g_p * g.p);
}

// g = R·T·γ
double gibbs_energy(const GibbsState& g) {
    return R_WATER * g.T * g.gamma();
}

// f = R·T·(γ − πγ_π)
double helmholtz_energy(const GibbsState& g) {
    return R_WATER * g.T * (g.gamma() - g.pi_terms().pi_g_p);
}

// Z = p·v / (R·T) = πγ_π
double compressibility_factor(const GibbsState& g) {
    return g.pi_terms().pi_g_p;
}

// The Helmholtz form, with δφ_δ, δ²φ_δδ and δτφ_δτ.

double rise(const HelmholtzState& f) {  // 2δφ_δ + δ²φ_δδ
    return 2.0 * f.delta * f.phi_delta() + f.delta * f.delta * f.second().phi_dd;
}

// α_v = (δφ_δ − δτφ_δτ) / (T·(2δφ_δ + δ²φ_δδ))
double expansion(const HelmholtzState& f) {
    return (f.delta * f.phi_delta() - f.delta * f.tau * f.second().phi_dt) / (f.T * rise(f));
}

// κ_T = 1 / (ρ·R·T·(2δφ_δ + δ²φ_δδ)), ρRT in kPa
double compressibility(const HelmholtzState& f) {
    return KJ_PER_MPA_M3 * f.v / (R_WATER * f.T * rise(f));
}

// g = R·T·(φ + δφ_δ)
double gibbs_energy(const HelmholtzState& f) {
    return R_WATER * f.T * (f.phi() + f.delta * f.phi_delta());
}

// f = R·T·φ
double helmholtz_energy(const HelmholtzState& f) {
    return R_WATER * f.T * f.phi();
}

// Z = δφ_δ
double compressibility_factor(const HelmholtzState& f) {
    return f.delta * f.phi_delta();
}

// The derivatives of one state from the four of its equation and cp, v and T:
// (∂p/∂T)v = α_v/κ_T; δ_T = (∂h/∂p)T = v·(1 − T·α_v); μ_JT = −δ_T/cp.
template <class Evaluate>
Derivatives of_equation(double T, double v, Evaluate at) {
    Derivatives d;
    d.alpha_v = at(expansion);
    d.kappa_t = at(compressibility);
    d.dp_dt_v = d.alpha_v / d.kappa_t;
    d.delta_t = KJ_PER_MPA_M3 * v * (1.0 - T * d.alpha_v);
    d.mu_jt = -d.delta_t / at(detail::heat_capacity);
    d.g = at(gibbs_energy);
    d.f = at(helmholtz_energy);
    d.z = at(compressibility_factor);
    return d;
}

}  // namespace

Derivatives DERIVATIVES(const State& state) {
    const double p = state.p, t = state.t, T = t + detail::KELVIN;
    using Gibbs = double (*)(const GibbsState&);
    using Helmholtz = double (*)(const HelmholtzState&);
    if (state.region == METASTABLE_STEAM)
        return of_equation(T, state.v, [&](Gibbs of) { return detail::metastable_steam(p, t, of); });
    switch (static_cast<Region>(state.region)) {
        case Region::WATER: return of_equation(T, state.v, [&](Gibbs of) { return detail::water(p, t, of); });
        case Region::STEAM: return of_equation(T, state.v, [&](Gibbs of) { return detail::steam(p, t, of); });
        case Region::HIGH_TEMPERATURE:
            return of_equation(T, state.v, [&](Gibbs of) { return detail::high_temperature(p, t, of); });
        case Region::NEAR_CRITICAL:
        case Region::NEAR_CRITICAL_WATER:
        case Region::NEAR_CRITICAL_STEAM:
            return of_equation(T, state.v, [&](Helmholtz of) { return detail::near_critical(p, state.v, t, of); });
        case Region::SATURATION_LINE: {
            // Both phases have one g; the mixture's f and Z follow from its u and v.
            Derivatives d;
            d.g = state.h - T * state.s;
            d.f = state.u - T * state.s;
            d.z = KJ_PER_MPA_M3 * p * state.v / (R_WATER * T);
            return d;
        }
        default: throw FatalStop("DERIVATIVES: НЕТ СОСТОЯНИЯ");
    }
}

}  // namespace TFS
