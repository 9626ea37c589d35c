// Metastable steam: steam cooled below its saturation temperature without
// condensing (a nozzle, the last stages of a turbine), by the supplementary
// equation of IAPWS-IF97 for it (Eq. (18)): the form of region 2, γ = γ0 + γr
// with π = p / 1 MPa and τ = 540 K / T, whose ideal-gas part is region 2's
// with two coefficients changed and whose residual part has 13 terms.
#include "metastable_steam.h"

#include <cmath>
#include <string>

namespace TFS {
namespace {

using detail::sum_terms;

// IAPWS-IF97 Table 10, ideal-gas part, with n1 and n2 of its footnote for
// metastable steam: 9 terms, in the order of the published table.
// clang-format off
constexpr int J0[9] = {
      0,   1,  -5,  -4,  -3,  -2,  -1,   2,   3,  // 1..9
};
constexpr double n0[9] = {
      -9.6937268393049,     10.087275970006,  -0.005608791128302,   0.071452738081455,  // 1..4
      -0.40710498223928,     1.4240819171444,     -4.383951131945,   -0.28408632460772,  // 5..8
      0.021268463753307,  // 9..9
};
// clang-format on

// IAPWS-IF97 Table 16, residual part: 13 terms, in the order of the published table.
// clang-format off
constexpr int I[13] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 5, 5};
constexpr int J[13] = {0, 2, 5, 11, 1, 7, 16, 4, 16, 7, 10, 9, 10};
constexpr double n[13] = {
     -0.73362260186506e-2,  -0.88223831943146e-1,  -0.72334555213245e-1,  -0.40813178534455e-2,  // 1..4
      0.20097803380207e-2,  -0.53045921898642e-1,  -0.76190409086970e-2,  -0.63498037657313e-2,  // 5..8
     -0.86043093028588e-1,   0.75321581522770e-2,  -0.79238375446139e-2,  -0.22888160778447e-3,  // 9..12
     -0.26456501482810e-2,  // 13..13
};
// clang-format on

constexpr std::size_t IDEAL_TERMS = 9;
constexpr std::size_t RESIDUAL_TERMS = 13;

// Reduced variables with the tables of the powers the terms take:
// τ^(J0−2) … τ^J0, π^(I−1) … π^I, c^(J−2) … c^J with c = τ − 0.5.
struct Reduced {
    double T, pi, tau, c;
    detail::PowerTable<-7, 3> Tau;
    detail::PowerTable<0, 5> Pi;
    detail::PowerTable<-2, 16> C;
};

Reduced reduce(double p, double t) {
    const double T = t + detail::KELVIN;
    const double pi = p / 1.0;
    const double tau = 540.0 / T;
    const double c = tau - 0.5;
    return {T, pi, tau, c, detail::PowerTable<-7, 3>(tau), detail::PowerTable<0, 5>(pi), detail::PowerTable<-2, 16>(c)};
}

// γ = ln π + γ0 + γr
double gamma(const Reduced& r) {
    const double ideal = sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * r.Tau[J0[i]]; });
    const double residual = sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * r.C[J[i]]; });
    return std::log(r.pi) + ideal + residual;
}

double gamma_tau(const Reduced& r) {
    const double ideal = sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * J0[i] * r.Tau[J0[i] - 1]; });
    const double residual =
        sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * J[i] * r.C[J[i] - 1]; });
    return ideal + residual;
}

double gamma_pi(const Reduced& r) {
    const double residual =
        sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * I[i] * r.Pi[I[i] - 1] * r.C[J[i]]; });
    return 1.0 / r.pi + residual;
}

double gamma_tau_tau(const Reduced& r) {
    const double ideal =
        sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * J0[i] * (J0[i] - 1) * r.Tau[J0[i] - 2]; });
    const double residual =
        sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * J[i] * (J[i] - 1) * r.C[J[i] - 2]; });
    return ideal + residual;
}

detail::GibbsState::PiTerms pi_terms(const Reduced& r, const detail::GibbsState&) {
    return detail::ideal_gas_pi_terms(n, I, J, r.Pi, r.C, r.tau);
}

using Metastable = detail::GibbsOf<Reduced, reduce, gamma, gamma_tau, gamma_pi, gamma_tau_tau, pi_terms>;

constexpr const char* MESSAGE_OUTSIDE = "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ОБЛАСТИ МЕТАСТАБИЛЬНОГО ПАРА:";
// The equation holds up to this pressure, and down to 5 % of equilibrium moisture.
constexpr double P_MAX = 10.0;  // MPa
constexpr double MOISTURE = 0.05;

// The range of the equation: from the triple-point pressure to 10 MPa, at or
// below the saturation temperature, and h not below that of 5 % equilibrium
// moisture at p.
void check_range(double p, double t) {
    if (!(p >= detail::P_TRIPLE_MPA && p <= P_MAX && t >= detail::T_MIN_C)) throw FatalStop(MESSAGE_OUTSIDE);
    const Saturation y = SATURATION_P(p);
    if (!(t <= y.t)) throw FatalStop(MESSAGE_OUTSIDE);
    const double h_wet = y.water.h + (1.0 - MOISTURE) * (y.steam.h - y.water.h);
    if (!(detail::enthalpy(Metastable(p, t)) >= h_wet)) throw FatalStop(MESSAGE_OUTSIDE);
}

double checked(double p, double t, detail::GibbsProperty of) {
    check_range(p, t);
    return of(Metastable(p, t));
}

}  // namespace

double detail::metastable_steam(double p, double t, GibbsProperty of) {
    return of(Metastable(p, t));
}

// One function a property, by region 2's names with MS.
#define METASTABLE_FUNCTION(name, property) \
    double name(double p, double t) {       \
        return checked(p, t, property);     \
    }

METASTABLE_FUNCTION(HMS_PT, detail::enthalpy)
METASTABLE_FUNCTION(SMS_PT, detail::entropy)
METASTABLE_FUNCTION(VMS_PT, detail::volume)
METASTABLE_FUNCTION(CpMS_PT, detail::heat_capacity)
METASTABLE_FUNCTION(UMS_PT, detail::internal_energy)
METASTABLE_FUNCTION(CvMS_PT, detail::isochoric_heat_capacity)
METASTABLE_FUNCTION(WMS_PT, detail::speed_of_sound)

#undef METASTABLE_FUNCTION

State STATE_PT_METASTABLE(double p, double t) {
    check_range(p, t);
    const detail::SinglePhase y = detail::phase(Metastable(p, t));
    // The State of a steam state, with its own region and without transport
    // properties: their releases do not cover supercooled vapour.
    State state = detail::single_phase_state(detail::Region::STEAM, 0, p, t, y.h, y);
    state.region = METASTABLE_STEAM;
    state.mu = state.lambda = state.pr = NO_VALUE;
    return state;
}

}  // namespace TFS
