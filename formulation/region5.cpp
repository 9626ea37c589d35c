// Region 5 of IAPWS-IF97 by the revised release of 2007: steam from 800 °C
// to 2000 °C at pressures up to 50 MPa, from the dimensionless Gibbs free
// energy γ = γ0 + γr with π = p / 1 MPa and τ = 1000 K / T. The revision
// kept the ideal-gas part and gave the residual part six new terms, which
// reach 50 MPa (the five terms of 1997 held to 10 MPa).
#include "derivatives.h"

#include <cmath>

namespace TFS {
namespace {

using detail::sum_terms;

// Ideal-gas part: 6 terms.
constexpr int J0[6] = {0, 1, -3, -2, -1, 2};
// clang-format off
constexpr double n0[6] = {
      -13.179983674201,     6.8540841634434,  -0.024805148933466,    0.36901534980333,  // 1..4
      -3.1161318213925,   -0.32961626538917,  // 5..6
};
// clang-format on

// Residual part: 6 terms.
constexpr int I[6] = {1, 1, 1, 2, 2, 3};
constexpr int J[6] = {1, 2, 3, 3, 9, 7};
// clang-format off
constexpr double n[6] = {
    0.0015736404855259,  0.00090153761673944,  -0.0050270077677648,  2.2440037409485e-06,  // 1..4
  -4.1163275453471e-06,  3.7919454822955e-08,  // 5..6
};
// clang-format on

constexpr std::size_t IDEAL_TERMS = 6;
constexpr std::size_t RESIDUAL_TERMS = 6;

// Reduced variables with the tables of the powers the terms take:
// τ^(J0−2) … τ^J, π^(I−1) … π^I.
struct Reduced {
    double T, pi, tau;
    detail::PowerTable<-5, 9> Tau;
    detail::PowerTable<0, 3> Pi;
};

Reduced reduce(double p, double t) {
    const double T = t + detail::KELVIN;
    const double pi = p / 1.0;
    const double tau = 1000.0 / T;
    return {T, pi, tau, detail::PowerTable<-5, 9>(tau), detail::PowerTable<0, 3>(pi)};
}

// γ = ln π + γ0 + γr
double gamma(const Reduced& r) {
    const double ideal = sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * r.Tau[J0[i]]; });
    const double g0 = std::log(r.pi) + ideal;
    const double gr = sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * r.Tau[J[i]]; });
    return g0 + gr;
}

// γ0_τ + γr_τ = Σ n0·J0·τ^(J0−1) + Σ n·π^I·J·τ^(J−1)
double gamma_tau(const Reduced& r) {
    const double ideal = sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * J0[i] * r.Tau[J0[i] - 1]; });
    const double residual =
        sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * J[i] * r.Tau[J[i] - 1]; });
    return ideal + residual;
}

// γ0_π + γr_π = 1/π + Σ n·I·π^(I−1)·τ^J
double gamma_pi(const Reduced& r) {
    const double residual =
        sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * I[i] * r.Pi[I[i] - 1] * r.Tau[J[i]]; });
    return 1.0 / r.pi + residual;
}

// γ0_ττ + γr_ττ
double gamma_tau_tau(const Reduced& r) {
    const double ideal =
        sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * J0[i] * (J0[i] - 1) * r.Tau[J0[i] - 2]; });
    const double residual = sum_terms<RESIDUAL_TERMS>(
        [&](std::size_t i) { return n[i] * r.Pi[I[i]] * J[i] * (J[i] - 1) * r.Tau[J[i] - 2]; });
    return ideal + residual;
}

detail::GibbsState::PiTerms pi_terms(const Reduced& r, const detail::GibbsState&) {
    return detail::ideal_gas_pi_terms<n, I, J>(r.Pi, r.Tau, r.tau);
}

using HighTemperature = detail::GibbsOf<Reduced, reduce, gamma, gamma_tau, gamma_pi, gamma_tau_tau, pi_terms>;

}  // namespace

double detail::high_temperature(double p, double t, GibbsProperty of) {
    return of(HighTemperature(p, t));
}

detail::SinglePhase detail::high_temperature(double p, double t, SinglePhase (*of)(const GibbsState&)) {
    return of(HighTemperature(p, t));
}

detail::Slopes detail::high_temperature(double p, double t, Slopes (*of)(const GibbsState&)) {
    return of(HighTemperature(p, t));
}

}  // namespace TFS
