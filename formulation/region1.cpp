// Region 1 of IAPWS-IF97: compressed water, from the dimensionless Gibbs free
// energy γ(π, τ) with π = p / 16.53 MPa and τ = 1386 K / T.
#include "derivatives.h"

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

// The coefficients of the derivatives' sums: n·J, n·J·(J−1), −n·I,
// n·I·(I−1) and −n·I·J (a falls as π rises).
constexpr auto nJ = detail::scaled(n, [](std::size_t i) { return J[i]; });
constexpr auto nJJ = detail::scaled(n, [](std::size_t i) { return J[i] * (J[i] - 1); });
constexpr auto nI = detail::scaled(n, [](std::size_t i) { return -I[i]; });
constexpr auto nII = detail::scaled(n, [](std::size_t i) { return I[i] * (I[i] - 1); });
constexpr auto nIJ = detail::scaled(n, [](std::size_t i) { return -I[i] * J[i]; });

// The polynomial runs in a = 7.1 − π and c = τ − 1.222; the terms take
// a^(I−2) … a^I and c^(J−2) … c^J, each where the derivative keeps the term
// (no negative power of a is taken).
constexpr auto A_POWERS = [] {
    detail::Exponents<0, 32> set;
    for (std::size_t i = 0; i < TERMS; ++i) {
        set.add(I[i]);
        if (nI[i] != 0.0) set.add(I[i] - 1);
        if (nII[i] != 0.0) set.add(I[i] - 2);
    }
    return set;
}();
constexpr auto C_POWERS = [] {
    detail::Exponents<-43, 17> set;
    for (std::size_t i = 0; i < TERMS; ++i) {
        set.add(J[i]);
        if (nJ[i] != 0.0) set.add(J[i] - 1);
        if (nJJ[i] != 0.0) set.add(J[i] - 2);
    }
    return set;
}();

// Reduced variables with the powers of a and c.
struct Reduced {
    double T, pi, tau, a, c;
    detail::PowerSet<A_POWERS> A;
    detail::PowerSet<C_POWERS> C;
};

Reduced reduce(double p, double t) {
    const double T = t + detail::KELVIN;
    const double pi = p / 16.53;
    const double a = 7.1 - pi;
    const double tau = 1386.0 / T;
    const double c = tau - 1.222;
    return {T, pi, tau, a, c, detail::PowerSet<A_POWERS>(a), detail::PowerSet<C_POWERS>(c)};
}

// γ = Σ n·a^I·c^J
double term_gamma(const Reduced& r, std::size_t i) {
    return n[i] * r.A[I[i]] * r.C[J[i]];
}
double gamma(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return term_gamma(r, i); });
}

// γ_τ = Σ n·a^I·J·c^(J−1)
double term_gamma_tau(const Reduced& r, std::size_t i) {
    return nJ[i] == 0.0 ? -0.0 : nJ[i] * r.A[I[i]] * r.C[J[i] - 1];
}
double gamma_tau(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return term_gamma_tau(r, i); });
}

// γ_π = Σ −n·I·a^(I−1)·c^J
double term_gamma_pi(const Reduced& r, std::size_t i) {
    return nI[i] == 0.0 ? -0.0 : nI[i] * r.A[I[i] - 1] * r.C[J[i]];
}
double gamma_pi(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return term_gamma_pi(r, i); });
}

// γ_ττ = Σ n·a^I·J·(J−1)·c^(J−2)
double term_gamma_tau_tau(const Reduced& r, std::size_t i) {
    return nJJ[i] == 0.0 ? -0.0 : nJJ[i] * r.A[I[i]] * r.C[J[i] - 2];
}
double gamma_tau_tau(const Reduced& r) {
    return sum_terms<TERMS>([&](std::size_t i) { return term_gamma_tau_tau(r, i); });
}

// γ_ππ = Σ n·I·(I−1)·a^(I−2)·c^J and γ_πτ = Σ −n·I·a^(I−1)·J·c^(J−1) (a falls
// as π rises), with γ_π of the state.
double term_gamma_pi_pi(const Reduced& r, std::size_t i) {
    return nII[i] == 0.0 ? -0.0 : nII[i] * r.A[I[i] - 2] * r.C[J[i]];
}
double term_gamma_pi_tau(const Reduced& r, std::size_t i) {
    return nIJ[i] == 0.0 ? -0.0 : nIJ[i] * r.A[I[i] - 1] * r.C[J[i] - 1];
}
detail::GibbsState::PiTerms pi_terms_of(const Reduced& r, double gamma_pi, double gpp, double gpt) {
    const double pi = r.pi;
    const double tau = r.tau;
    return {pi * gamma_pi, pi * pi * gpp, tau * pi * gpt};
}
detail::GibbsState::PiTerms pi_terms(const Reduced& r, const detail::GibbsState& state) {
    const auto [gpp, gpt] =
        detail::sum_terms_together<TERMS>([&](std::size_t i) { return term_gamma_pi_pi(r, i); },
                                          [&](std::size_t i) { return term_gamma_pi_tau(r, i); });
    return pi_terms_of(r, state.gamma_pi(), gpp, gpt);
}

// Every sum of a whole state in one pass through the table.
detail::GibbsState::All all(const Reduced& r) {
    const auto [g, gt, gp, gtt, gpp, gpt] =
        detail::sum_terms_together<TERMS>([&](std::size_t i) { return term_gamma(r, i); },
                                          [&](std::size_t i) { return term_gamma_tau(r, i); },
                                          [&](std::size_t i) { return term_gamma_pi(r, i); },
                                          [&](std::size_t i) { return term_gamma_tau_tau(r, i); },
                                          [&](std::size_t i) { return term_gamma_pi_pi(r, i); },
                                          [&](std::size_t i) { return term_gamma_pi_tau(r, i); });
    return {g, gt, gp, gtt, pi_terms_of(r, gp, gpp, gpt)};
}

using Water = detail::GibbsOf<Reduced, reduce, gamma, gamma_tau, gamma_pi, gamma_tau_tau, pi_terms, all>;

}  // namespace

void detail::region1_guard(double ts, double t, const char* function) {
    // The difference of two close temperatures is exact, so the bound holds
    // as its decimal reads even for t = ts + 0.0001 rounded either way.
    if (!(t - ts <= 0.0001)) refuse_arguments(function);
}

void detail::refuse_arguments(const char* function) {
    throw FatalStop(std::string("УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (") + function + ")");
}

void detail::region1_guard_at(double p, double t, const char* function) {
    // Up to 350 °C a state at or above the saturation pressure of t is liquid
    // and passes; that pressure costs less to form than the saturation
    // temperature of p. (The two equations are one quadratic solved both
    // ways: up to the critical point they agree far within the 0.0001 °C the
    // guard allows; beyond it they are no longer inverses.)
    if (t <= T13_C && p >= saturation_pressure(t)) return;
    region1_guard(saturation_temperature(p), t, function);
}

double detail::water(double p, double t, GibbsProperty of) {
    return of(Water(p, t));
}

detail::SinglePhase detail::water(double p, double t, SinglePhase (*of)(const GibbsState&)) {
    return of(Water(p, t));
}

detail::Slopes detail::water(double p, double t, Slopes (*of)(const GibbsState&)) {
    return of(Water(p, t));
}

}  // namespace TFS
