// Temperature and state from pressure and entropy. The backward equations
// T(p, s) give a first temperature; Newton steps on the forward entropy of the
// (p, t) region each trial temperature lies in (∂s/∂T = cp/T) close it until
// S_PT (p, T) meets s. Below the critical pressure a state between the
// saturated entropies is wet steam.
#include "forward_temperature.h"

#include <cmath>
#include <limits>
#include <optional>

namespace TFS {
namespace {

// The critical entropy: it splits the region 3 equations (3a, 3b) and lies
// between s′ and s″ at every pressure below the critical one, so that a
// single-phase state with s ≤ S_C is liquid there and one above it vapour.
constexpr double S_C = 4.41202148223476;  // kJ/(kg·K)
// Subregions 2b and 2c above 4 MPa.
constexpr double S_2BC = 5.85;  // kJ/(kg·K)

// How many doubles beside a saturated entropy are taken as that phase.
constexpr int SATURATED_ULPS = 4;
// Within this of the saturation temperature the saturated entropies decide
// the phase: far beyond the temperature error the tolerance allows.
constexpr double NEAR_LINE = 1e-3;  // K

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

// The temperature met on the forward entropy, to 1e-12 of it (of 1 kJ/(kg·K)
// for the cold water whose entropy nears 0); at B23 region 2's.
double solve(double p, double s, double ts, double t0, const detail::TemperatureRange& range) {
    const double t = detail::forward_temperature(p, s, ts, t0, range, detail::MATCHED_ENTROPY);
    return detail::region2_in_overlap(p, s, t, detail::MATCHED_ENTROPY);
}

// The backward equation of the state's subregion: on the liquid side
// (s ≤ S_C) region 1 or 3a, on the vapour side 2a, 2b, 2c or 3b; region 5
// starts from region 2's, which reach past 800 °C smoothly.
double estimate(double p, double s, bool liquid) {
    if (liquid) {
        const double t = T_PS1(p, s);
        return p > detail::P_CORNER_MPA && t > detail::T13_C ? T_PS3A(p, s) : t;
    }
    if (p <= detail::P_2AB_MPA) return T_PS2A(p, s);
    if (s >= S_2BC) return T_PS2B(p, s);
    const double t = T_PS2C(p, s);
    return p > detail::P_CORNER_MPA && t + detail::KELVIN < detail::TB23(p) ? T_PS3B(p, s) : t;
}

// The saturated phases at p, for the wet-steam test: T_PS needs their
// entropies only, STATE_PS the whole saturation, whose entropies are the same.
using Saturated = Saturation (*)(double p);

Saturation entropies_only(double p) {
    const detail::SaturatedValues s = detail::saturated_entropies(p);
    Saturation saturation{};
    saturation.p = p;
    saturation.water.s = s.water;
    saturation.steam.s = s.steam;
    return saturation;
}

// Whether s lies within SATURATED_ULPS doubles of a.
bool near(double s, double a) {
    double low = a;
    double high = a;
    for (int i = 0; i < SATURATED_ULPS; ++i) {
        low = std::nextafter(low, -INFINITY);
        high = std::nextafter(high, INFINITY);
    }
    return low <= s && s <= high;
}

// The dryness of entropy s against the saturated phases (SSW_P, SSP_P); NaN
// for a state outside them. s at a saturated entropy, or within a few
// doubles of it (a value rounded another way), is that saturated phase, not
// a neighbour of it. At the critical point itself, where s′ = s″, the state
// is taken as water.
double dryness(double s, const Saturation& saturated) {
    const double s1 = saturated.water.s;
    const double s2 = saturated.steam.s;
    if (near(s, s1)) return 0;
    if (near(s, s2)) return 1;
    if (s1 < s && s < s2) return (s - s1) / (s2 - s1);
    return NOT_A_NUMBER;
}

// The temperature of a (p, s) state and, for a wet state (or one on the
// line), the saturated phases it lies between.
struct Solution {
    double t;
    std::optional<Saturation> wet;
    double x = NOT_A_NUMBER;
};

Solution t_ps(double p, double s, Saturated saturated) {
    if (!(p > 0 && p <= detail::P_MAX_MPA && std::isfinite(s))) throw FatalStop(detail::MESSAGE_OUTSIDE_PS);
    const double t_max = p <= detail::P5_MAX_MPA ? detail::T5_MAX_C : detail::T25_C;
    const bool liquid = s <= S_C;
    const double t0 = estimate(p, s, liquid);
    const double ts_any = detail::saturation_temperature(p);  // what region_pt compares with, at any pressure
    // Below the triple point the saturation temperature lies under 0 °C:
    // every state of the domain is steam there, as above the critical pressure.
    const double ts = p <= PKR ? ts_any : NOT_A_NUMBER;
    if (!(ts > detail::T_MIN_C)) return {solve(p, s, ts_any, t0, {detail::T_MIN_C, t_max, true, true}), {}};

    // The state is wet steam, or on the line, where s′ ≤ s ≤ s″.
    std::optional<Saturation> phases;
    double x = NOT_A_NUMBER;
    const auto wet = [&] {
        if (!phases) {
            phases = saturated(p);
            x = dryness(s, *phases);
        }
        return !std::isnan(x);
    };
    // An estimate on the far side of the line (or on it) is that of a state
    // most likely wet: the saturated entropies tell at once.
    if ((liquid ? t0 >= ts : t0 <= ts) && wet()) return {ts, phases, x};
    const detail::TemperatureRange range =
        liquid ? detail::TemperatureRange{detail::T_MIN_C, std::nextafter(ts, -INFINITY), true, false}
               : detail::TemperatureRange{std::nextafter(ts, INFINITY), t_max, false, true};
    const double t = solve(p, s, ts, t0, range);
    if (std::fabs(t - ts) <= NEAR_LINE && wet()) return {ts, phases, x};
    return {t, {}};
}

}  // namespace

double T_PS(double p, double s) {
    return t_ps(p, s, entropies_only).t;
}

State STATE_PS(double p, double s) {
    const Solution solution = t_ps(p, s, SATURATION_P);
    if (!solution.wet) return STATE_PT(p, solution.t);
    const SaturatedPhase m = detail::mixture_of(*solution.wet, solution.x);
    return detail::two_phase_state(0, solution.x, p, solution.t, m.h, s, m.v, NOT_A_NUMBER);
}

}  // namespace TFS
