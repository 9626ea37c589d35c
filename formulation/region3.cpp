// Region 3 of IAPWS-IF97, the near-critical region: the dimensionless Helmholtz
// free energy φ(δ, τ) = n1·ln δ + Σ n·δ^I·τ^J with δ = ρ / 322 kg/m³ and
// τ = 647.096 K / T. A state given by (p, t) first needs its volume, the root
// of the pressure equation p(v, T) = p: Newton steps on it from the backward
// equation v(p, T) of the state's subregion, or, where they do not settle (a
// few states next to the critical point, and outside the backward equations'
// range), a walk in fixed volume steps until the pressure residual changes
// sign, then halving of that bracket. Below the critical pressure the
// equation has a liquid-like and a vapour-like root near the saturation line;
// the subregion, like the walk's start, picks the side.
#include "backward_region3.h"
#include "derivatives.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace TFS {
namespace {

using detail::sum_terms;

// The reducing quantities: δ = ρ / ρ*, τ = T* / T.
constexpr double RHO_STAR = 322.0;  // kg/m³
constexpr double T_STAR = 647.096;  // K

// IAPWS-IF97 Table 30: n1 of the logarithmic term, then the 39 polynomial
// terms 2 … 40 in the order of the published table.
constexpr double N1 = 1.0658070028513;
// clang-format off
constexpr int I[39] = {
      0,   0,   0,   0,   0,   0,   0,   1,   1,   1,  // 2..11
      1,   2,   2,   2,   2,   2,   2,   3,   3,   3,  // 12..21
      3,   3,   4,   4,   4,   4,   5,   5,   5,   6,  // 22..31
      6,   6,   7,   8,   9,   9,  10,  10,  11,  // 32..40
};
constexpr int J[39] = {
      0,   1,   2,   7,  10,  12,  23,   2,   6,  15,  // 2..11
     17,   0,   2,   6,   7,  22,  26,   0,   2,   4,  // 12..21
     16,  26,   0,   2,   4,  26,   1,   3,  26,   0,  // 22..31
      2,  26,   2,  26,   2,  26,   0,   1,  26,  // 32..40
};
constexpr double n[39] = {
         -15.732845290239,       20.944396974307,      -7.6867707878716,       2.6185947787954,  // 2..5
          -2.808078114862,       1.2053369696517,   -0.0084566812812502,      -1.2654315477714,  // 6..9
         -1.1524407806681,      0.88521043984318,     -0.64207765181607,      0.38493460186671,  // 10..13
        -0.85214708824206,       4.8972281541877,      -3.0502617256965,     0.039420536879154,  // 14..17
         0.12558408424308,      -0.2799932969871,        1.389979956946,       -2.018991502357,  // 18..21
      -0.0082147637173963,     -0.47596035734923,       0.0439840744735,     -0.44476435428739,  // 22..25
         0.90572070719733,      0.70522450087967,      0.10770512626332,     -0.32913623258954,  // 26..29
        -0.50871062041158,    -0.022175400873096,     0.094260751665092,      0.16436278447961,  // 30..33
       -0.013503372241348,    -0.014834345352472,   0.00057922953628084,    0.0032308904703711,  // 34..37
      8.0964802996215e-05,  -0.00016557679795037,  -4.4923899061815e-05,  // 38..40
};
// clang-format on

constexpr std::size_t TERMS = 39;
constexpr int I_MAX = 11;
constexpr int J_MAX = 26;

constexpr double WALK_STEP = 0.00001;          // m³/kg
constexpr double FINE_STEP = WALK_STEP / 100;  // m³/kg, for the vapour root next to the critical point
constexpr int FINE_START_STEPS = 500;          // how far above the found root the fine walk starts
constexpr int MAX_WALK_STEPS = 10000;
constexpr std::size_t WALK_AHEAD = 8;
constexpr int MAX_HALVINGS = 100000;
constexpr std::size_t AHEAD_LEVELS = 2;
constexpr std::size_t AHEAD_NODES = (1u << AHEAD_LEVELS) - 1;

// Powers of δ and τ: δ^(I−2) … δ^I and τ^(J−2) … τ^J for the properties; the
// pressure residual of the root search needs δ^(I−1) only.
using DeltaPowers = detail::PowerTable<-2, I_MAX>;
using TauPowers = detail::PowerTable<-2, J_MAX>;
using ResidualDeltaPowers = detail::PowerTable<-1, I_MAX - 1>;

// A point of the equation: δ and τ with their powers.
struct Point {
    double delta, tau;
    DeltaPowers d;
    TauPowers t;
};

double reduced_tau(double t) {
    return T_STAR / (t + detail::KELVIN);
}

double reduced_delta(double v) {
    return 1.0 / v / RHO_STAR;
}

Point point(double v, double t) {
    const double delta = reduced_delta(v);
    const double tau = reduced_tau(t);
    return {delta, tau, DeltaPowers(delta), TauPowers(tau)};
}

// I·n of each term, formed once.
constexpr auto IN = [] {
    std::array<double, TERMS> in{};
    for (std::size_t i = 0; i < TERMS; ++i) in[i] = I[i] * n[i];
    return in;
}();

// The first terms have I = 0: each is 0·n·δ^−1·τ^J, a zero that leaves the
// running sum (+0 until then) as it is, unless δ^−1 or τ^J is infinite or not
// a number and the zero becomes NaN. Only then do they need adding.
constexpr std::size_t FIRST_TERM_WITH_DELTA = 7;
static_assert(I[FIRST_TERM_WITH_DELTA - 1] == 0 && I[FIRST_TERM_WITH_DELTA] == 1);

// S = Σ I·n·δ^(I−1)·τ^J at K densities of one isotherm. Each of the K running
// sums goes through the terms in table order with every partial sum rounded
// to a double; they advance side by side so that the processor overlaps them.
template <class Powers, std::size_t K>
void phi_delta_sums(const Powers (&d)[K], const TauPowers& t, double (&S)[K]) {
    bool zeros = true;
    for (std::size_t i = 0; i < FIRST_TERM_WITH_DELTA; ++i) zeros = zeros && std::isfinite(t[J[i]]);
    for (std::size_t k = 0; k < K; ++k) zeros = zeros && std::isfinite(d[k][-1]);
    for (double& sum : S) sum = 0.0;
    for (std::size_t i = zeros ? FIRST_TERM_WITH_DELTA : 0; i < TERMS; ++i)
        for (std::size_t k = 0; k < K; ++k) S[k] += IN[i] * d[k][I[i] - 1] * t[J[i]];
}

// φ_δ = n1/δ + S
double phi_delta(double delta, double S) {
    return N1 / delta + S;
}

// δ·φ_δ, the compressibility factor p / (ρ·R·T)
double compressibility(double delta, double S) {
    const double phi_d = phi_delta(delta, S);
    return delta * phi_d;
}

double phi_delta_sum(const Point& x) {
    const DeltaPowers d[1] = {x.d};
    double S[1];
    phi_delta_sums(d, x.t, S);
    return S[0];
}

// τ·φ_τ = τ · Σ n·J·δ^I·τ^(J−1)
double tau_phi_tau(const Point& x) {
    const double S = sum_terms<TERMS>([&](std::size_t i) { return n[i] * J[i] * x.d[I[i]] * x.t[J[i] - 1]; });
    return x.tau * S;
}

// One root search at a fixed (p, t); τ and its powers serve every step, and
// so do p·1000 and R·T, the factors of the residual.
struct Search {
    double p, t;
    TauPowers tau_powers;
    double p_kPa, RT;
};

Search search(double p, double t) {
    return {p, t, TauPowers(reduced_tau(t)), p * 1000.0, detail::R_WATER * (t + detail::KELVIN)};
}

// Residuals of the pressure equation, Z(v, T) − p·v/(R·T) (p·1000 in kPa),
// at K volumes: zero at a root, changing sign there.
template <std::size_t K>
void fkr(const Search& s, const double (&v)[K], double (&f)[K]) {
    double delta[K];
    ResidualDeltaPowers d[K];
    for (std::size_t k = 0; k < K; ++k) {
        delta[k] = reduced_delta(v[k]);
        d[k] = ResidualDeltaPowers(delta[k]);
    }
    double S[K];
    phi_delta_sums(d, s.tau_powers, S);
    for (std::size_t k = 0; k < K; ++k) {
        const double z = compressibility(delta[k], S[k]);
        f[k] = z - s.p_kPa * v[k] / s.RT;
    }
}

double fkr(const Search& s, double v) {
    const double volume[1] = {v};
    double f[1];
    fkr(s, volume, f);
    return f[0];
}

// n·I·(I − 1) of each term, for φ_δδ.
constexpr auto IIN = [] {
    std::array<double, TERMS> iin{};
    for (std::size_t i = 0; i < TERMS; ++i) iin[i] = (I[i] * (I[i] - 1)) * n[i];
    return iin;
}();

struct Bracket {
    double a, b;
};

// Walks from x0 in steps of `step` until the residual changes sign between two
// neighbouring volumes, at most `max_steps` steps; a product exactly zero
// counts as no change. The residual at the end of one step is the start of
// the next. The residuals of the next WALK_AHEAD grid volumes are computed
// together, and the steps then taken one by one: the residuals are pure, so
// looking ahead changes nothing but the time (at most WALK_AHEAD − 1 of them
// go unused at the end).
std::optional<Bracket> walk(const Search& s, double x0, double step, int max_steps) {
    double x_next = x0;
    double f2 = fkr(s, x_next);
    int count = 0;
    for (;;) {
        double ahead[WALK_AHEAD];
        double f_ahead[WALK_AHEAD];
        double x = x_next;
        for (double& volume : ahead) volume = x = x + step;
        fkr(s, ahead, f_ahead);
        for (std::size_t k = 0; k < WALK_AHEAD; ++k) {
            if (++count > max_steps) return std::nullopt;
            const double x_start = x_next;
            const double f1 = f2;
            x_next = ahead[k];
            f2 = f_ahead[k];
            if (!(f1 * f2 >= 0)) return Bracket{x_start, x_next};
        }
    }
}

// A walk that must find a sign change.
Bracket vkr2(const Search& s, double x0, double step) {
    const std::optional<Bracket> bracket = walk(s, x0, step, MAX_WALK_STEPS);
    if (!bracket) throw FatalStop("halt  в vkr2");
    return *bracket;
}

double midpoint(double a, double b) {
    return (a + b) / 2.0;
}

// Halves [a, b] until its relative width is below 1e-13, keeping the half
// whose ends differ in sign. The interval is not checked for a sign change:
// without one, a moves onto b. The residual at a changes only when a does.
// The halvings run one by one, but the residuals at the midpoints the next
// AHEAD_LEVELS halvings can take (a binary tree of them) are computed
// together beforehand: the residuals are pure, so this changes only the time.
double vkr1(const Search& s, Bracket bracket) {
    double a = bracket.a;
    double b = bracket.b;
    double fa = fkr(s, a);
    int count = 0;
    for (;;) {
        // Node j halves [low[j], high[j]]; its halves are nodes 2j + 1 and 2j + 2.
        double low[AHEAD_NODES], high[AHEAD_NODES], m[AHEAD_NODES], fm[AHEAD_NODES];
        low[0] = a;
        high[0] = b;
        for (std::size_t j = 0; j < AHEAD_NODES; ++j) {
            m[j] = midpoint(low[j], high[j]);
            if (2 * j + 2 < AHEAD_NODES) {
                low[2 * j + 1] = low[j], high[2 * j + 1] = m[j];
                low[2 * j + 2] = m[j], high[2 * j + 2] = high[j];
            }
        }
        fkr(s, m, fm);
        for (std::size_t j = 0; j < AHEAD_NODES;) {
            if (fa * fm[j] >= 0) {
                a = m[j];
                fa = fm[j];
                j = 2 * j + 2;
            } else {
                b = m[j];
                j = 2 * j + 1;
            }
            if (++count > MAX_HALVINGS) throw FatalStop("НЕСХОДЯЩИЙСЯ ПРОЦЕСС В (VKR_PT)");
            if (!(std::fabs((b - a) * 2.0 / (a + b)) >= 1e-13)) return midpoint(a, b);
        }
    }
}

// The liquid side starts from the region 1 volume at 350 °C. Regions 1 and 3
// do not meet exactly there: just above 350 °C, at some pressures, the region 3
// liquid root lies below that volume (the residual there is already negative),
// and a walk upwards from it would miss the root. Such a start is moved back
// by half a percent, which the mismatch never reaches; every other start
// stays as it is.
double liquid_start(const Search& s, double v) {
    return fkr(s, v) < 0 ? 0.995 * v : v;
}

// The liquid side walks up from its start.
double liquid_root(const Search& s) {
    return vkr1(s, vkr2(s, liquid_start(s, VW_PT(s.p, detail::T13_C)), +WALK_STEP));
}

// The vapour side walks down from the region 2 volume at θ, the B23
// temperature in kelvin taken as degrees Celsius: far on the vapour side.
double vapour_root(const Search& s, double theta) {
    return vkr1(s, vkr2(s, VP_PT(s.p, theta), -WALK_STEP));
}

// Within a few hundredths of a millikelvin of the critical point the vapour
// root lies closer to the unstable middle root than one walk step, and the
// vapour walk can step over both onto the liquid root. When the two walks
// found the same root (within a fine step), the vapour side is walked again
// in fine steps, down from a little above it; a root it finds above the
// liquid one is the vapour root. Where the isotherm has only one root left
// (from about 373.94597 °C) the walk ends on that root, and both phases keep it.
// The fine walk ends at the root found: only a root above it counts. (Within
// about 1e-7 MPa of the critical pressure the residual can stay on one side
// of zero on every fine step down to the root found and far beyond; both
// phases then keep the root found.)
double vapour_root_near_critical(const Search& s, double v1, double v2) {
    const double found = std::fmax(v1, v2);
    const std::optional<Bracket> bracket = walk(s, found + FINE_START_STEPS * FINE_STEP, -FINE_STEP, FINE_START_STEPS);
    if (!bracket) return v2;
    const double v = vkr1(s, *bracket);
    return v - found >= FINE_STEP ? v : v2;
}

// φ = n1·ln δ + Σ n·δ^I·τ^J
double phi(const Point& x) {
    const double S = sum_terms<TERMS>([&](std::size_t i) { return n[i] * x.d[I[i]] * x.t[J[i]]; });
    return N1 * std::log(x.delta) + S;
}

// φ_δδ = −n1/δ² + Σ n·I·(I−1)·δ^(I−2)·τ^J, φ_δτ and φ_ττ in one pass.
detail::HelmholtzState::Second second_derivatives(const Point& x) {
    const auto [S_dd, phi_dt, phi_tt] = detail::sum_terms_together<TERMS>(
        [&](std::size_t i) { return n[i] * I[i] * (I[i] - 1) * x.d[I[i] - 2] * x.t[J[i]]; },
        [&](std::size_t i) { return n[i] * I[i] * J[i] * x.d[I[i] - 1] * x.t[J[i] - 1]; },
        [&](std::size_t i) { return n[i] * J[i] * (J[i] - 1) * x.d[I[i]] * x.t[J[i] - 2]; });
    const double phi_dd = -N1 / (x.delta * x.delta) + S_dd;
    return {phi_dd, phi_dt, phi_tt};
}

// φ, φ_δ, τ·φ_τ and the second derivatives in one pass, each the same double
// as its own function gives (the terms with I = 0 add exact zeros to φ_δ's
// sum, which that function leaves out).
detail::HelmholtzState::All all_sums(const Point& x) {
    const auto [S, S_d, S_t, S_dd, phi_dt, phi_tt] = detail::sum_terms_together<TERMS>(
        [&](std::size_t i) { return n[i] * x.d[I[i]] * x.t[J[i]]; },
        [&](std::size_t i) { return IN[i] * x.d[I[i] - 1] * x.t[J[i]]; },
        [&](std::size_t i) { return n[i] * J[i] * x.d[I[i]] * x.t[J[i] - 1]; },
        [&](std::size_t i) { return n[i] * I[i] * (I[i] - 1) * x.d[I[i] - 2] * x.t[J[i]]; },
        [&](std::size_t i) { return n[i] * I[i] * J[i] * x.d[I[i] - 1] * x.t[J[i] - 1]; },
        [&](std::size_t i) { return n[i] * J[i] * (J[i] - 1) * x.d[I[i]] * x.t[J[i] - 2]; });
    const double phi_dd = -N1 / (x.delta * x.delta) + S_dd;
    return {N1 * std::log(x.delta) + S, TFS::phi_delta(x.delta, S_d), x.tau * S_t, {phi_dd, phi_dt, phi_tt}};
}

// The point of a region 3 state, formed in place before the HelmholtzState
// that takes δ and τ from it (a base is built before the next).
struct PointOf {
    const Point x_;
};

// Region 3 at the volume v and t.
class NearCritical final : private PointOf, public detail::HelmholtzState {
public:
    NearCritical(double p, double v, double t)
        : PointOf{point(v, t)}, HelmholtzState(p, v, t + detail::KELVIN, x_.delta, x_.tau) {}

private:
    double sum_phi() const override { return TFS::phi(x_); }
    double sum_phi_delta() const override { return TFS::phi_delta(x_.delta, phi_delta_sum(x_)); }
    double sum_tau_phi_tau() const override { return TFS::tau_phi_tau(x_); }
    Second sum_second() const override { return second_derivatives(x_); }
    All sum_all() const override { return all_sums(x_); }
};

// Newton steps on the pressure, in double arithmetic, from a root of a
// nearby temperature or from the backward equation v(p, T): they settle in
// a few steps where the start lies close, and stay on its branch as long as
// the isotherm keeps rising in density (no step enters its unstable stretch)
// and the volume moves by a percent at most. They stop at a step of the
// search's own relative width: the rounding of the residual moves the steps
// by a few 1e-14 of the volume at the root.
// Near the critical point, where the isotherm flattens, that rounding moves
// them by more: a small step back against the one before shows they only
// jitter about the root, and they stop there too.
constexpr double NEAR_TOLERANCE = 1e-13;  // relative, on the volume
constexpr double NEAR_JITTER = 1e-11;     // relative, on the volume
constexpr double NEAR_MAX_MOVE = 0.01;    // relative
constexpr int NEAR_MAX_STEPS = 20;

// The same steps with the volume allowed to move by max_move (relative) from v0.
double newton_volume(double p, double t, double v0, double max_move);

bool on_line(double p, double t);
double saturated_root(double p, double t, int branch);

}  // namespace

double detail::branch_volume(double p, double t, int branch, const char* caller) {
    if (branch != 1 && branch != 2)
        throw FatalStop(std::string("НЕДОПУСТИМЫЙ НОМЕР ВЕТВИ (") + caller + "): ожидается 1 или 2");
    // On the saturation line only the phase asked for is solved.
    if (on_line(p, t)) return saturated_root(p, t, branch);
    double v1 = 0;
    double v2 = 0;
    VKR_PT(p, t, v1, v2);
    return branch == 1 ? v1 : v2;
}

double detail::volume_kr(double p, double t, int branch) {
    return branch_volume(p, t, branch, "VKR_PT");
}

double detail::volume_kr_near(double p, double t, double v0) {
    return newton_volume(p, t, v0, NEAR_MAX_MOVE);
}

namespace {

double newton_volume(double p, double t, double v0, double max_move) {
    const double T = t + detail::KELVIN;
    const double tau = T_STAR / T;
    const detail::PowerTable<0, J_MAX> tau_power(tau);
    // At this temperature the terms of φ_δ and φ_δδ are multiples of powers
    // of δ: n·I·τ^J·δ^(I−1) and n·I·(I − 1)·τ^J·δ^(I−2); those with I = 0 vanish.
    double first[TERMS], second[TERMS];
#pragma GCC unroll 64
    for (std::size_t i = FIRST_TERM_WITH_DELTA; i < TERMS; ++i) {
        first[i] = IN[i] * tau_power[J[i]];
        second[i] = IIN[i] * tau_power[J[i]];
    }
    const double p_RT = p * detail::KJ_PER_MPA_M3 / (detail::R_WATER * T);  // p/(R·T), kg/m³
    double v = v0;
    double last_step = 0.0;
    for (int step = 0; step < NEAR_MAX_STEPS; ++step) {
        const double delta = 1.0 / v / RHO_STAR;
        const detail::PowerTable<0, I_MAX> delta_power(delta);
        double S1 = 0.0, S2 = 0.0;
#pragma GCC unroll 64
        for (std::size_t i = FIRST_TERM_WITH_DELTA; i < TERMS; ++i) {
            S1 += first[i] * delta_power[I[i] - 1];
            S2 += second[i] * delta_power[I[i] >= 2 ? I[i] - 2 : 0];
        }
        const double phi_d = N1 / delta + S1;
        const double phi_dd = -N1 / (delta * delta) + S2;
        // p·v/(R·T) = δ·φ_δ and, at constant T, d(p/(R·T))/dρ = 2·δ·φ_δ + δ²·φ_δδ.
        const double rise = 2.0 * delta * phi_d + delta * delta * phi_dd;
        if (!(rise > 0)) break;
        const double residual = delta * phi_d / v - p_RT;  // (p(v) − p)/(R·T)
        // dv = −v²·dρ, dρ = −residual / rise
        const double next = v + v * v * residual / rise;
        if (!(std::fabs(next - v0) <= max_move * v0)) break;
        const double this_step = next - v;
        if (std::fabs(this_step) <= NEAR_TOLERANCE * v) return next;
        if (std::fabs(this_step) <= NEAR_JITTER * v && this_step * last_step < 0) return next;
        last_step = this_step;
        v = next;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double ZKR_VT(double v, double t) {
    detail::require_finite(v, t, "ZKR_VT");
    const Point x = point(v, t);
    return compressibility(x.delta, phi_delta_sum(x));
}

namespace {

// The root of one side from the backward equation v(p, T) of the state's
// subregion, closed by Newton steps on the forward equation; NaN outside
// the backward equations' range or where the steps do not settle.
double backward_root(double p, double t, bool liquid) {
    const double v0 = detail::backward_v_pt3(p, t + detail::KELVIN, liquid);
    return std::isnan(v0) ? v0 : detail::volume_kr_near(p, t, v0);
}

// The root of a state off the saturation line from the backward equations,
// as the search below would find it: true where it settled.
bool backward_roots(double p, double t, double ts, double& v1, double& v2) {
    v1 = v2 = backward_root(p, t, p > PKR || t < ts);
    return !std::isnan(v1);
}

// Above the critical pressure the saturation temperature plays no part.
double side_temperature(double p, double t) {
    if (p > PKR) return std::numeric_limits<double>::quiet_NaN();
    const double ts = detail::saturation_temperature(p);
    return std::fabs((ts - t) / t) < 1e-14 ? t : ts;
}

// Whether (p, t) lies on the saturation line below the critical pressure
// (t within 1e-14 of TS_P (p) counts as on it).
bool on_line(double p, double t) {
    return p <= PKR && t == side_temperature(p, t);
}

void roots(double p, double t, bool from_backward, double& v1, double& v2);

// Above this pressure the region 3 isotherm at TS_P (p) crosses p only once:
// the equation's own two-phase loop lies just below the saturation pressure
// of the line's equation there, and its liquid-like root has gone. (The
// largest pressure at which the root search still finds two roots, some
// 0.3 % apart.) Both phases are then that one root.
constexpr double P_ONE_ROOT = 22.063990706312563;  // MPa

// How far from its backward estimate a saturated root may lie, as a part of
// the distance between the two phases' estimates: beyond it the Newton
// steps may have crossed to the other phase's root.
constexpr double OWN_SIDE = 0.25;

// The saturated volume of one phase (branch 1 liquid-like, 2 vapour-like) at
// (p, t) on the line, the root VKR_PT gives for it: Newton steps from the
// backward equation of the phase's side, as far as they need to go, while
// they stay on the rising stretches of the isotherm and near their start;
// else the root search for both. Where one root is left both phases take it,
// from the same steps.
double saturated_root(double p, double t, int branch) {
    const double T = t + detail::KELVIN;
    const bool liquid = branch == 1 || p > P_ONE_ROOT;
    const double v_own = detail::backward_v_pt3(p, T, liquid);
    const double v_other = detail::backward_v_pt3(p, T, !liquid);
    const double v = newton_volume(p, t, v_own, INFINITY);
    if (p > P_ONE_ROOT ? !std::isnan(v) : std::fabs(v - v_own) <= OWN_SIDE * std::fabs(v_other - v_own)) return v;
    double v1 = 0;
    double v2 = 0;
    roots(p, t, false, v1, v2);
    return p > P_ONE_ROOT ? v1 : branch == 1 ? v1 : v2;
}

void roots(double p, double t, bool from_backward, double& v1, double& v2) {
    if (from_backward && on_line(p, t)) {
        v1 = saturated_root(p, t, 1);
        v2 = saturated_root(p, t, 2);
        return;
    }
    const double ts = side_temperature(p, t);
    if (from_backward && backward_roots(p, t, ts, v1, v2)) return;

    const double theta = detail::TB23(p);
    const Search s = search(p, t);

    // Above the critical pressure there is one root between the liquid and
    // the vapour volumes.
    if (p > PKR) {
        v1 = v2 = vkr1(s, {liquid_start(s, VW0_PT(p, detail::T13_C)), VP_PT(p, theta)});
        return;
    }

    if (t < ts) {
        v1 = v2 = liquid_root(s);
    } else if (t > ts) {
        v1 = v2 = vapour_root(s, theta);
    } else {
        // On the saturation line both roots exist; the vapour one first.
        v2 = vapour_root(s, theta);
        v1 = liquid_root(s);
        if (!(v2 - v1 >= FINE_STEP)) v2 = vapour_root_near_critical(s, v1, v2);
    }
}

}  // namespace

void VKR_PT(double p, double t, double& v1, double& v2) {
    detail::require_finite(p, t, "VKR_PT");
    roots(p, t, true, v1, v2);
}

void detail::searched_volumes(double p, double t, double& v1, double& v2) {
    roots(p, t, false, v1, v2);
}

double detail::near_critical(double p, double v, double t, HelmholtzProperty of) {
    return of(NearCritical(p, v, t));
}

detail::SinglePhase detail::near_critical(double p, double v, double t, SinglePhase (*of)(const HelmholtzState&)) {
    return of(NearCritical(p, v, t));
}

detail::Slopes detail::near_critical(double v, double t, Slopes (*of)(const HelmholtzState&)) {
    return of(NearCritical(std::numeric_limits<double>::quiet_NaN(), v, t));
}

}  // namespace TFS
