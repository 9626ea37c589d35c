// Region 1 of IAPWS-IF97: compressed water, from the dimensionless Gibbs free
// energy γ(π, τ) with π = p / 16.53 MPa and τ = 1386 K / T.
#include "tfs_internal.h"

namespace TFS {
namespace {

using detail::sum_terms;

// IAPWS-IF97 Table 2: 34 terms, in the order of the published table.
// clang-format off
constexpr int I[34] = {
      0,   0,   0,   0,   0,   0,   0,   0,   1,   1,  // 1..10
      1,   1,   1,   1,   2,   2,   2,   2,   2,   3,  // 11..20
      3,   3,   4,   4,   4,   5,   8,   8,  21,  23,  // 21..30
     29,  30,  31,  32,  // 31..34
};
constexpr int J[34] = {
      -2,   -1,    0,    1,    2,    3,    4,    5,   -9,   -7,  // 1..10
      -1,    0,    1,    3,   -3,    0,    1,    3,   17,   -4,  // 11..20
       0,    6,   -5,   -2,   10,   -8,  -11,   -6,  -29,  -31,  // 21..30
     -38,  -39,  -40,  -41,  // 31..34
};
constexpr double n[34] = {
         0.14632971213167,     -0.84548187169114,       -3.756360367204,       3.3855169168385,  // 1..4
        -0.95791963387872,      0.15772038513228,    -0.016616417199501,   0.00081214629983568,  // 5..8
      0.00028319080123804,  -0.00060706301565874,    -0.018990068218419,    -0.032529748770505,  // 9..12
       -0.021841717175414,   -5.283835796993e-05,  -0.00047184321073267,  -0.00030001780793026,  // 13..16
      4.7661393906987e-05,  -4.4141845330846e-06,  -7.2694996297594e-16,  -3.1679644845054e-05,  // 17..20
     -2.8270797985312e-06,  -8.5205128120103e-10,     -2.2425281908e-06,  -6.5171222895601e-07,  // 21..24
     -1.4341729937924e-13,  -4.0516996860117e-07,  -1.2734301741641e-09,  -1.7424871230634e-10,  // 25..28
     -6.8762131295531e-19,   1.4478307828521e-20,   2.6335781662795e-23,  -1.1947622640071e-23,  // 29..32
      1.8228094581404e-24,  -9.3537087292458e-26,  // 33..34
};
// clang-format on

constexpr std::size_t TERMS = 34;

// Reduced variables; the polynomial runs in a = 7.1 − π and c = τ − 1.222,
// whose powers the terms take from tables: a^(I−2) … a^I, c^(J−2) … c^J.
struct Reduced {
    double T, pi, tau, a, c;
    detail::PowerTable<-2, 32> A;
    detail::PowerTable<-43, 17> C;
};

Reduced reduce(double p, double t) {
    const double T = t + detail::KELVIN;
    const double pi = p / 16.53;
    const double a = 7.1 - pi;
    const double tau = 1386.0 / T;
    const double c = tau - 1.222;
    return {T, pi, tau, a, c, detail::PowerTable<-2, 32>(a), detail::PowerTable<-43, 17>(c)};
}

// γ = Σ n·a^I·c^J
double gamma(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return n[i] * r.A[I[i]] * r.C[J[i]]; });
}

// γ_τ = Σ n·a^I·J·c^(J−1)
double gamma_tau(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return n[i] * r.A[I[i]] * J[i] * r.C[J[i] - 1]; });
}

// γ_π = Σ −n·I·a^(I−1)·c^J; a term with I = 0 still forms 1/a and is then multiplied by 0.
double gamma_pi(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return -n[i] * I[i] * r.A[I[i] - 1] * r.C[J[i]]; });
}

// γ_ττ = Σ n·a^I·J·(J−1)·c^(J−2)
double gamma_tau_tau(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return n[i] * r.A[I[i]] * J[i] * (J[i] - 1) * r.C[J[i] - 2]; });
}

double enthalpy(const Reduced& r, double gt) {
    return r.T * detail::R_WATER * r.tau * gt;
}

double entropy(const Reduced& r, double gt) {
    const double g = gamma(r);
    return detail::R_WATER * (r.tau * gt - g);
}

double volume(const Reduced& r, double p, double gp) {
    // kJ/(kg·MPa) → m³/kg
    return r.T * detail::R_WATER * r.pi * gp / (1000.0 * p);
}

double heat_capacity(const Reduced& r, double gtt) {
    return -detail::R_WATER * r.tau * r.tau * gtt;
}

// The derivatives u, cv and w need, from γ_τ, γ_π and γ_ττ and the two
// second derivatives in π: γ_ππ = Σ n·I·(I−1)·a^(I−2)·c^J and
// γ_πτ = Σ −n·I·a^(I−1)·J·c^(J−1) (a falls as π rises).
detail::GibbsDerivatives derivatives(const Reduced& r, double gt, double gp, double gtt) {
    const auto [gpp, gpt] = detail::sum_terms_together<TERMS>(
        [&](std::size_t i) { return n[i] * I[i] * (I[i] - 1) * r.A[I[i] - 2] * r.C[J[i]]; },
        [&](std::size_t i) { return -n[i] * I[i] * r.A[I[i] - 1] * J[i] * r.C[J[i] - 1]; });
    const double pi = r.pi;
    const double tau = r.tau;
    return {r.T, tau * gt, pi * gp, pi * pi * gpp, tau * pi * gpt, tau * tau * gtt};
}

detail::GibbsDerivatives derivatives(const Reduced& r) {
    return derivatives(r, gamma_tau(r), gamma_pi(r), gamma_tau_tau(r));
}

}  // namespace

void detail::region1_guard(double ts, double t, const char* function) {
    // The difference of two close temperatures is exact, so the bound holds
    // as its decimal reads even for t = ts + 0.0001 rounded either way.
    if (!(t - ts <= 0.0001)) throw FatalStop(std::string("УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (") + function + ")");
}

void detail::region1_guard_at(double p, double t, const char* function) {
    region1_guard(TS_P(p), t, function);
}

double detail::water_h(double p, double t) {
    const Reduced r = reduce(p, t);
    return enthalpy(r, gamma_tau(r));
}

double detail::water_s(double p, double t) {
    const Reduced r = reduce(p, t);
    return entropy(r, gamma_tau(r));
}

double detail::water_cp(double p, double t) {
    const Reduced r = reduce(p, t);
    return heat_capacity(r, gamma_tau_tau(r));
}

double detail::water_u(double p, double t) {
    return gibbs_u(derivatives(reduce(p, t)));
}

double detail::water_cv(double p, double t) {
    return gibbs_cv(derivatives(reduce(p, t)));
}

double detail::water_w(double p, double t) {
    return gibbs_w(derivatives(reduce(p, t)));
}

detail::SinglePhase detail::water_phase(double p, double t) {
    const Reduced r = reduce(p, t);
    const double gt = gamma_tau(r);
    const double gp = gamma_pi(r);
    const double gtt = gamma_tau_tau(r);
    const GibbsDerivatives d = derivatives(r, gt, gp, gtt);
    const double v = volume(r, p, gp);
    const double w = gibbs_w(d);
    return {enthalpy(r, gt), entropy(r, gt), v, heat_capacity(r, gtt),
            gibbs_u(d),      gibbs_cv(d),    w, isentropic_exponent(p, v, w)};
}

double VW0_PT(double p, double t) {
    const Reduced r = reduce(p, t);
    return volume(r, p, gamma_pi(r));
}

// The public functions refuse a state more than 0.0001 °C above the saturation temperature.
double HW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "HW_PT");
    return detail::water_h(p, t);
}

double SW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "SW_PT");
    return detail::water_s(p, t);
}

double VW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "VW_PT");
    return VW0_PT(p, t);
}

double CpW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "CpW_PT");
    return detail::water_cp(p, t);
}

double UW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "UW_PT");
    return detail::water_u(p, t);
}

double CvW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "CvW_PT");
    return detail::water_cv(p, t);
}

double WW_PT(double p, double t) {
    detail::region1_guard_at(p, t, "WW_PT");
    return detail::water_w(p, t);
}

}  // namespace TFS
