// Region 5 of IAPWS-IF97 (1997 release): steam at high temperatures, from the
// dimensionless Gibbs free energy γ = γ0 + γr with π = p / 1 MPa and
// τ = 1000 K / T. The residual part has five terms.
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

// Residual part: 5 terms.
constexpr int I[5] = {1, 1, 1, 2, 3};
constexpr int J[5] = {0, 1, 3, 9, 3};
// clang-format off
constexpr double n[5] = {
    -0.00012563183589592,  0.0021774678714571,  -0.004594282089991,  -3.9724828359569e-06,  // 1..4
     1.2919228289784e-07,  // 5
};
// clang-format on

constexpr std::size_t IDEAL_TERMS = 6;
constexpr std::size_t RESIDUAL_TERMS = 5;

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
    return detail::ideal_gas_pi_terms(n, I, J, r.Pi, r.Tau, r.tau);
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
