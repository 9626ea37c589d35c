// Region 2 of IAPWS-IF97: superheated steam, from the dimensionless Gibbs free
// energy γ = γ0 + γr with π = p / 1 MPa and τ = 540 K / T. The ideal-gas part
// is in τ itself, the residual part in c = τ − 0.5.
#include "derivatives.h"

#include <cmath>

namespace TFS {
namespace {

using detail::sum_terms;

// IAPWS-IF97 Table 10, ideal-gas part: 9 terms, in the order of the published table.
// clang-format off
constexpr int J0[9] = {
      0,   1,  -5,  -4,  -3,  -2,  -1,   2,   3,  // 1..9
};
constexpr double n0[9] = {
       -9.6927686500217,     10.086655968018,  -0.005608791128302,   0.071452738081455,  // 1..4
      -0.40710498223928,     1.4240819171444,     -4.383951131945,   -0.28408632460772,  // 5..8
      0.021268463753307,  // 9..9
};
// clang-format on

// IAPWS-IF97 Table 11, residual part: 43 terms, in the order of the published table.
// clang-format off
constexpr int I[43] = {
      1,   1,   1,   1,   1,   2,   2,   2,   2,   2,  // 1..10
      3,   3,   3,   3,   3,   4,   4,   4,   5,   6,  // 11..20
      6,   6,   7,   7,   7,   8,   8,   9,  10,  10,  // 21..30
     10,  16,  16,  18,  20,  20,  20,  21,  22,  23,  // 31..40
     24,  24,  24,  // 41..43
};
constexpr int J[43] = {
      0,   1,   2,   3,   6,   1,   2,   4,   7,  36,  // 1..10
      0,   1,   3,   6,  35,   1,   2,   3,   7,   3,  // 11..20
     16,  35,   0,  11,  25,   8,  36,  13,   4,  10,  // 21..30
     14,  29,  50,  57,  20,  35,  48,  21,  53,  39,  // 31..40
     26,  40,  58,  // 41..43
};
constexpr double n[43] = {
      -0.0017731742473213,    -0.017834862292358,    -0.045996013696365,    -0.057581259083432,  // 1..4
        -0.05032527872793,  -3.3032641670203e-05,  -0.00018948987516315,   -0.0039392777243355,  // 5..8
       -0.043797295650573,  -2.6674547914087e-05,   2.0481737692309e-08,   4.3870667284435e-07,  // 9..12
      -3.227767723857e-05,   -0.0015033924542148,    -0.040668253562649,  -7.8847309559367e-10,  // 13..16
      1.2790717852285e-08,   4.8225372718507e-07,   2.2922076337661e-06,  -1.6714766451061e-11,  // 17..20
      -0.0021171472321355,      -23.895741934104,   -5.905956432427e-18,  -1.2621808899101e-06,  // 21..24
       -0.038946842435739,   1.1256211360459e-11,      -8.2311340897998,   1.9809712802088e-08,  // 25..28
      1.0406965210174e-19,  -1.0234747095929e-13,  -1.0018179379511e-09,  -8.0882908646985e-11,  // 29..32
         0.10693031879409,     -0.33662250574171,   8.9185845355421e-25,   3.0629316876232e-13,  // 33..36
     -4.2002467698208e-06,  -5.9056029685639e-26,   3.7826947613457e-06,  -1.2768608934681e-15,  // 37..40
      7.3087610595061e-29,   5.5414715350778e-17,   -9.436970724121e-07,  // 41..43
};
// clang-format on

constexpr std::size_t IDEAL_TERMS = 9;
constexpr std::size_t RESIDUAL_TERMS = 43;

// The coefficients of the derivatives' sums: n0·J0 and n0·J0·(J0−1) of the
// ideal-gas part, n·J, n·J·(J−1) and n·I of the residual part.
constexpr auto n0J = detail::scaled(n0, [](std::size_t i) { return J0[i]; });
constexpr auto n0JJ = detail::scaled(n0, [](std::size_t i) { return J0[i] * (J0[i] - 1); });
constexpr auto nJ = detail::scaled(n, [](std::size_t i) { return J[i]; });
constexpr auto nJJ = detail::scaled(n, [](std::size_t i) { return J[i] * (J[i] - 1); });
constexpr auto nI = detail::scaled(n, [](std::size_t i) { return I[i]; });

// The terms take τ^(J0−2) … τ^J0, π^(I−1) … π^I and c^(J−2) … c^J, each
// where the derivative keeps the term (no negative power of c is taken).
constexpr auto TAU_POWERS = [] {
    detail::Exponents<-7, 3> set;
    for (std::size_t i = 0; i < IDEAL_TERMS; ++i) {
        set.add(J0[i]);
        if (n0J[i] != 0.0) set.add(J0[i] - 1);
        if (n0JJ[i] != 0.0) set.add(J0[i] - 2);
    }
    return set;
}();
constexpr auto PI_POWERS = [] {
    detail::Exponents<0, 24> set;
    for (std::size_t i = 0; i < RESIDUAL_TERMS; ++i) set.add(I[i]), set.add(I[i] - 1);
    return set;
}();
constexpr auto C_POWERS = [] {
    detail::Exponents<0, 58> set;
    for (std::size_t i = 0; i < RESIDUAL_TERMS; ++i) {
        set.add(J[i]);
        if (nJ[i] != 0.0) set.add(J[i] - 1);
        if (nJJ[i] != 0.0) set.add(J[i] - 2);
    }
    return set;
}();

// Reduced variables with the powers of τ, π and c.
struct Reduced {
    double T, pi, tau, c;
    detail::PowerSet<TAU_POWERS> Tau;
    detail::PowerSet<PI_POWERS> Pi;
    detail::PowerSet<C_POWERS> C;
};

Reduced reduce(double p, double t) {
    const double T = t + detail::KELVIN;
    const double pi = p / 1.0;
    const double tau = 540.0 / T;
    const double c = tau - 0.5;
    return {T,
            pi,
            tau,
            c,
            detail::PowerSet<TAU_POWERS>(tau, T / 540.0),  // 1/τ from T: no division waits on another
            detail::PowerSet<PI_POWERS>(pi),
            detail::PowerSet<C_POWERS>(c)};
}

// The terms of the ideal-gas part γ0 and its τ derivatives, and of the
// residual part γr and its derivatives; each sum takes its own, alone or
// beside the others in one pass.
double ideal(const Reduced& r, std::size_t i) {
    return n0[i] * r.Tau[J0[i]];
}
double ideal_tau(const Reduced& r, std::size_t i) {
    return n0J[i] == 0.0 ? -0.0 : n0J[i] * r.Tau[J0[i] - 1];
}
double ideal_tau_tau(const Reduced& r, std::size_t i) {
    return n0JJ[i] == 0.0 ? -0.0 : n0JJ[i] * r.Tau[J0[i] - 2];
}
// The residual sums by the powers of π, the table running by rising I.
double residual(const Reduced& r) {
    return detail::sum_by_exponent<I, n, 0>(r.Pi, [&](std::size_t i) { return r.C[J[i]]; });
}
double residual_tau(const Reduced& r) {
    return detail::sum_by_exponent<I, nJ, 0>(r.Pi, [&](std::size_t i) { return r.C[J[i] - 1]; });
}
double residual_pi(const Reduced& r) {
    return detail::sum_by_exponent<I, nI, -1>(r.Pi, [&](std::size_t i) { return r.C[J[i]]; });
}
double residual_tau_tau(const Reduced& r) {
    return detail::sum_by_exponent<I, nJJ, 0>(r.Pi, [&](std::size_t i) { return r.C[J[i] - 2]; });
}

template <std::size_t N>
double sum_of(double (*term)(const Reduced&, std::size_t), const Reduced& r) {
    return sum_terms<N>([&](std::size_t i) { return term(r, i); });
}

// γ = ln π + γ0 + γr
double gamma_of(const Reduced& r, double ideal_sum, double residual_sum) {
    return std::log(r.pi) + ideal_sum + residual_sum;
}
double gamma(const Reduced& r) {
    return gamma_of(r, sum_of<IDEAL_TERMS>(ideal, r), residual(r));
}

// γ0_τ + γr_τ
double gamma_tau(const Reduced& r) {
    const double ideal_sum = sum_of<IDEAL_TERMS>(ideal_tau, r);
    return ideal_sum + residual_tau(r);
}

// γ0_π + γr_π = 1/π + Σ n·I·π^(I−1)·c^J
double gamma_pi(const Reduced& r) {
    return 1.0 / r.pi + residual_pi(r);
}

// γ0_ττ + γr_ττ
double gamma_tau_tau(const Reduced& r) {
    const double ideal_sum = sum_of<IDEAL_TERMS>(ideal_tau_tau, r);
    return ideal_sum + residual_tau_tau(r);
}

detail::GibbsState::PiTerms pi_terms(const Reduced& r, const detail::GibbsState&) {
    return detail::ideal_gas_pi_terms<n, I, J>(r.Pi, r.C, r.tau);
}

// Every sum of a whole state: the ideal-gas sums in one pass, the residual
// ones and the π terms each by the powers of π.
detail::GibbsState::All all(const Reduced& r) {
    const auto [i0, i_t, i_tt] = detail::sum_terms_together<IDEAL_TERMS>(
        [&](std::size_t i) { return ideal(r, i); }, [&](std::size_t i) { return ideal_tau(r, i); },
        [&](std::size_t i) { return ideal_tau_tau(r, i); });
    const double r0 = residual(r), r_t = residual_tau(r), r_p = residual_pi(r), r_tt = residual_tau_tau(r);
    return {gamma_of(r, i0, r0), i_t + r_t, 1.0 / r.pi + r_p, i_tt + r_tt,
            detail::ideal_gas_pi_terms<n, I, J>(r.Pi, r.C, r.tau)};
}

using Steam = detail::GibbsOf<Reduced, reduce, gamma, gamma_tau, gamma_pi, gamma_tau_tau, pi_terms, all>;

}  // namespace

double detail::steam(double p, double t, GibbsProperty of) {
    return of(Steam(p, t));
}

detail::SinglePhase detail::steam(double p, double t, SinglePhase (*of)(const GibbsState&)) {
    return of(Steam(p, t));
}

detail::Slopes detail::steam(double p, double t, Slopes (*of)(const GibbsState&)) {
    return of(Steam(p, t));
}

}  // namespace TFS
