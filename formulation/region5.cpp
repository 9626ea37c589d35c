// Region 5 of IAPWS-IF97 (1997 release): steam at high temperatures, from the
// dimensionless Gibbs free energy γ = γ0 + γr with π = p / 1 MPa and
// τ = 1000 K / T. The residual part has five terms.
#include "tfs_internal.h"

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

// γ0_τ = Σ n0·J0·τ^(J0−1)
double ideal_tau(const Reduced& r) {
    return sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * J0[i] * r.Tau[J0[i] - 1]; });
}

// γr_τ = Σ n·π^I·J·τ^(J−1)
double residual_tau(const Reduced& r) {
    return sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * J[i] * r.Tau[J[i] - 1]; });
}

// γ0_ττ and γr_ττ, each its own double: their sum is formed within each expression that needs it.
struct TauTau {
    double ideal, residual;
};

TauTau gamma_tau_tau(const Reduced& r) {
    const double ideal =
        sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * J0[i] * (J0[i] - 1) * r.Tau[J0[i] - 2]; });
    const double residual = sum_terms<RESIDUAL_TERMS>(
        [&](std::size_t i) { return n[i] * r.Pi[I[i]] * J[i] * (J[i] - 1) * r.Tau[J[i] - 2]; });
    return {ideal, residual};
}

double enthalpy(const Reduced& r, double g0_t, double gr_t) {
    return r.T * detail::R_WATER * r.tau * (gr_t + g0_t);
}

double entropy(const Reduced& r, double g0_t, double gr_t) {
    const double ideal = sum_terms<IDEAL_TERMS>([&](std::size_t i) { return n0[i] * r.Tau[J0[i]]; });
    const double g0 = std::log(r.pi) + ideal;
    const double gr = sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * r.Pi[I[i]] * r.Tau[J[i]]; });
    return (r.tau * (g0_t + gr_t) - (g0 + gr)) * detail::R_WATER;
}

double volume(const Reduced& r, double p) {
    const double gr_p =
        sum_terms<RESIDUAL_TERMS>([&](std::size_t i) { return n[i] * I[i] * r.Pi[I[i] - 1] * r.Tau[J[i]]; });
    const double g0_p = 1.0 / r.pi;
    // kJ/(kg·MPa) → m³/kg
    return r.T * detail::R_WATER * r.pi * (gr_p + g0_p) / (p * 1000.0);
}

double heat_capacity(const Reduced& r, const TauTau& gtt) {
    return -detail::R_WATER * r.tau * r.tau * (gtt.residual + gtt.ideal);
}

// As in region 2, the residual derivatives in π enter u, cv and w multiplied
// by the powers of π they are taken by; the ideal-gas term ln π adds 1 and −1.
detail::GibbsDerivatives derivatives(const Reduced& r, double g0_t, double gr_t, const TauTau& gtt) {
    const auto [pi_gr_p, pi2_gr_pp, pi_gr_pt] = detail::sum_terms_together<RESIDUAL_TERMS>(
        [&](std::size_t i) { return n[i] * I[i] * r.Pi[I[i]] * r.Tau[J[i]]; },
        [&](std::size_t i) { return n[i] * I[i] * (I[i] - 1) * r.Pi[I[i]] * r.Tau[J[i]]; },
        [&](std::size_t i) { return n[i] * I[i] * J[i] * r.Pi[I[i]] * r.Tau[J[i] - 1]; });
    return {r.T,
            r.tau * (gr_t + g0_t),
            1.0 + pi_gr_p,
            -1.0 + pi2_gr_pp,
            r.tau * pi_gr_pt,
            r.tau * r.tau * (gtt.residual + gtt.ideal)};
}

detail::GibbsDerivatives derivatives(const Reduced& r) {
    return derivatives(r, ideal_tau(r), residual_tau(r), gamma_tau_tau(r));
}

}  // namespace

double H5_PT(double p, double t) {
    const Reduced r = reduce(p, t);
    return enthalpy(r, ideal_tau(r), residual_tau(r));
}

double S5_PT(double p, double t) {
    const Reduced r = reduce(p, t);
    return entropy(r, ideal_tau(r), residual_tau(r));
}

double V5_PT(double p, double t) {
    return volume(reduce(p, t), p);
}

double Cp5_PT(double p, double t) {
    const Reduced r = reduce(p, t);
    return heat_capacity(r, gamma_tau_tau(r));
}

double U5_PT(double p, double t) {
    return detail::gibbs_u(derivatives(reduce(p, t)));
}

double Cv5_PT(double p, double t) {
    return detail::gibbs_cv(derivatives(reduce(p, t)));
}

double W5_PT(double p, double t) {
    return detail::gibbs_w(derivatives(reduce(p, t)));
}

detail::SinglePhase detail::high_temperature_phase(double p, double t) {
    const Reduced r = reduce(p, t);
    const double g0_t = ideal_tau(r);
    const double gr_t = residual_tau(r);
    const TauTau gtt = gamma_tau_tau(r);
    const GibbsDerivatives d = derivatives(r, g0_t, gr_t, gtt);
    const double v = volume(r, p);
    const double w = gibbs_w(d);
    return {enthalpy(r, g0_t, gr_t),     entropy(r, g0_t, gr_t), v, heat_capacity(r, gtt), gibbs_u(d), gibbs_cv(d), w,
            isentropic_exponent(p, v, w)};
}

}  // namespace TFS
