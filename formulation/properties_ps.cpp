// Temperature and state from pressure and entropy. The backward equations
// T(p, s) give a first temperature; Newton steps on the forward entropy of the
// (p, t) region each trial temperature lies in (∂s/∂T = cp/T), kept inside an
// interval that encloses the answer, close it until S_PT (p, T) meets s. Below
// the critical pressure a state between the saturated entropies is wet steam.
#include "backward_region3.h"
#include "derivatives.h"

#include <cmath>
#include <limits>
#include <optional>

namespace TFS {
namespace {

using detail::Region;

// The critical entropy: it splits the region 3 equations (3a, 3b) and lies
// between s′ and s″ at every pressure below the critical one, so that a
// single-phase state with s ≤ S_C is liquid there and one above it vapour.
constexpr double S_C = 4.41202148223476;  // kJ/(kg·K)
// Subregions 2b and 2c above 4 MPa.
constexpr double S_2BC = 5.85;  // kJ/(kg·K)

// The entropy is met to 1e-12 of itself, or of 1 kJ/(kg·K) for the cold
// water whose entropy nears 0; the backward estimate lies some hundredths
// of a kelvin off, and two or three Newton steps reach that.
constexpr double TOLERANCE = 1e-12;
constexpr double ENTROPY_SCALE = 1.0;  // kJ/(kg·K)
constexpr int MAX_STEPS = 200;
constexpr const char* MESSAGE_NO_CONVERGENCE = "Функция T_PS не сходится";
// How many doubles beside a saturated entropy are taken as that phase.
constexpr int SATURATED_ULPS = 4;
// Within this of the saturation temperature the saturated entropies decide
// the phase: far beyond the temperature error the tolerance allows.
constexpr double NEAR_LINE = 1e-3;  // K
// Outside region 3 the cp of one trial serves the next ones within this of
// it: over the estimate's error cp changes by some 1e-4 of itself, and each
// step still gains three orders; the result is checked on the entropy alike.
// (In region 3 cp comes with the volume at no cost, and changes fast.)
constexpr double CHORD_SPAN = 1;  // K
// A region 3 volume is taken by Newton steps from the previous trial's root
// when the temperature moved by no more than this; else the root search.
constexpr double NEAR_STEP = 0.1;  // K

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

// A trial temperature with its (p, t) region, S_PT there and, in region 3, the
// volume; `nearby` when that volume was closed from a nearby start rather than
// found as S_PT finds it.
struct Trial {
    double t;
    Region region;
    double s, v;
    bool nearby = false;
};

// ts: TS_P (p), for the classification of every trial at this pressure;
// v_start: the backward v(p, s) of region 3, from which the first region 3
// trial closes its volume (NaN outside region 3's pressures).
Trial trial(double p, double t, double ts, const std::optional<Trial>& previous, double v_start) {
    Region region = detail::region_pt(p, t, ts).region;
    // Above the critical pressure TS_P (p) continues the line's equation, and
    // region_pt takes a state exactly at it as on the line, where S_PT stops;
    // no phases meet there, and a trial that lands on it is a region 3 state.
    if (region == Region::SATURATION_LINE && p > PKR) region = Region::NEAR_CRITICAL;
    switch (region) {
        case Region::WATER: return {t, region, detail::water(p, t, detail::entropy), NOT_A_NUMBER};
        case Region::STEAM: return {t, region, SP_PT(p, t), NOT_A_NUMBER};
        case Region::HIGH_TEMPERATURE: return {t, region, S5_PT(p, t), NOT_A_NUMBER};
        default: break;
    }
    if (!detail::in_region3(region)) {
        // Outside the domain or on the line: the stop S_PT would give.
        return {t, region, detail::single_phase(p, t, region, "S_PT").s, NOT_A_NUMBER};
    }
    double v = NOT_A_NUMBER;
    if (previous && previous->region == region && std::fabs(t - previous->t) <= NEAR_STEP)
        v = detail::volume_kr_near(p, t, previous->v);
    else if (!previous && !std::isnan(v_start))
        v = detail::volume_kr_near(p, t, v_start);
    if (!std::isnan(v)) return {t, region, detail::near_critical(p, v, t, detail::entropy), v, true};
    v = detail::volume_kr(p, t, detail::branch_of(region));
    return {t, region, detail::near_critical(p, v, t, detail::entropy), v};
}

double heat_capacity(double p, const Trial& x) {
    switch (x.region) {
        case Region::WATER: return detail::water(p, x.t, detail::heat_capacity);
        case Region::STEAM: return CpP_PT(p, x.t);
        case Region::HIGH_TEMPERATURE: return Cp5_PT(p, x.t);
        default: return detail::near_critical(p, x.v, x.t, detail::heat_capacity);
    }
}

// The temperatures searched. A target beyond an end of the domain (0 °C,
// 800 or 2000 °C) is refused; beyond the saturation end the state is wet or
// within rounding of the line, and the end is the answer the phase test takes.
struct Interval {
    double low, high;
    bool low_ends_domain, high_ends_domain;
};

double midpoint(double a, double b) {
    return (a + b) / 2.0;
}

// Safeguarded Newton: a step that leaves the interval known to enclose the
// answer goes to an end not yet tried, else halves the interval. Where the
// regions meet (350 °C, B23, 800 °C) the entropy steps by a few 1e-5; a
// target inside such a step is met by no temperature, and the interval
// closes on the boundary: the trial nearest the target is the answer.
double solve(double p, double s, double ts, double t0, const Interval& range) {
    const double tolerance = TOLERANCE * std::fmax(std::fabs(s), ENTROPY_SCALE);
    const double v_start = p > detail::P_CORNER_MPA ? detail::backward_v_ps3(p, s) : NOT_A_NUMBER;
    double low = range.low;
    double high = range.high;
    bool low_tried = false;
    bool high_tried = false;
    double t = !(t0 > low) ? low : !(t0 < high) ? high : t0;  // an estimate that is no number starts at the low end
    double best_t = t;
    double best_residual = INFINITY;
    std::optional<Trial> previous;
    std::optional<Trial> slope_at;  // where cp was last taken
    double cp = 0;
    for (int step = 0; step < MAX_STEPS; ++step) {
        Trial x = trial(p, t, ts, previous, v_start);
        double residual = s - x.s;
        // A volume closed from a nearby start can differ from S_PT's in its last
        // digits, which next to the critical point move s by more than the
        // tolerance: an answer is taken on S_PT's own volume, so that S_PT
        // (p, T_PS (p, s)) meets s.
        if (std::fabs(residual) <= tolerance && x.nearby) {
            x = trial(p, t, ts, std::nullopt, NOT_A_NUMBER);
            residual = s - x.s;
        }
        if (std::fabs(residual) <= tolerance) return t;
        if (std::fabs(residual) < best_residual) {
            best_residual = std::fabs(residual);
            best_t = t;
        }
        if (residual > 0) {
            if (t == range.high) {
                if (range.high_ends_domain) throw FatalStop(detail::MESSAGE_OUTSIDE_PS);
                return t;
            }
            low = t;
            low_tried = true;
        } else {
            if (t == range.low) {
                if (range.low_ends_domain) throw FatalStop(detail::MESSAGE_OUTSIDE_PS);
                return t;
            }
            high = t;
            high_tried = true;
        }
        if (detail::in_region3(x.region) || !slope_at || slope_at->region != x.region ||
            std::fabs(t - slope_at->t) > CHORD_SPAN) {
            cp = heat_capacity(p, x);
            slope_at = x;
        }
        double next = t + residual * (t + detail::KELVIN) / cp;
        if (!(low < next && next < high)) {
            if (next >= high && !high_tried)
                next = high;
            else if (next <= low && !low_tried)
                next = low;
            else
                next = midpoint(low, high);
        }
        // No double left between the ends tried.
        if ((next == low && low_tried) || (next == high && high_tried)) return best_t;
        previous = x;
        t = next;
    }
    throw FatalStop(MESSAGE_NO_CONVERGENCE);
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

// The saturated phases at ts, for the wet-steam test: T_PS needs their
// entropies only, STATE_PS the whole saturation, whose entropies are the same.
using Saturated = Saturation (*)(double ts);

Saturation entropies_only(double ts) {
    const detail::SaturatedValues s = detail::saturated_entropies(ts);
    Saturation saturation{};
    saturation.t = ts;
    saturation.water.s = s.water;
    saturation.steam.s = s.steam;
    return saturation;
}

// Whether s lies within SATURATED_ULPS doubles of the span from a to b (either order).
bool near_span(double s, double a, double b) {
    double low = std::fmin(a, b);
    double high = std::fmax(a, b);
    for (int i = 0; i < SATURATED_ULPS; ++i) {
        low = std::nextafter(low, -INFINITY);
        high = std::nextafter(high, INFINITY);
    }
    return low <= s && s <= high;
}

// The dryness of entropy s at p against the saturated phases at ts (by
// temperature: those the mixture is formed of) and by pressure (SATURATION_P,
// SSW_P, SSP_P); NaN for a state outside them. Near the critical point, where
// s′ and s″ change fast with p, the two ways lie up to some 1e5 doubles apart:
// s at either of them, or within a few doubles (a value rounded on another
// way), is that saturated phase, not a neighbour of it. At the critical point
// itself, where s′ = s″, the state is taken as water.
double dryness(double p, double s, const Saturation& by_temperature) {
    const double s1 = by_temperature.water.s;
    const double s2 = by_temperature.steam.s;
    const Saturation by_pressure = SATURATION_P(p);
    if (near_span(s, s1, by_pressure.water.s)) return 0;
    if (near_span(s, s2, by_pressure.steam.s)) return 1;
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
    if (!(p > 0 && p <= detail::P_MAX_MPA && !std::isnan(s))) throw FatalStop(detail::MESSAGE_OUTSIDE_PS);
    const double t_max = p <= detail::P5_MAX_MPA ? detail::T5_MAX_C : detail::T25_C;
    const bool liquid = s <= S_C;
    const double t0 = estimate(p, s, liquid);
    const double ts_any = TS_P(p);  // what region_pt compares with, at any pressure
    // Below the triple point the saturation temperature lies under 0 °C:
    // every state of the domain is steam there, as above the critical pressure.
    const double ts = p <= PKR ? ts_any : NOT_A_NUMBER;
    if (!(ts > detail::T_MIN_C)) return {solve(p, s, ts_any, t0, {detail::T_MIN_C, t_max, true, true}), {}};

    // The state is wet steam, or on the line, where s′ ≤ s ≤ s″.
    std::optional<Saturation> phases;
    double x = NOT_A_NUMBER;
    const auto wet = [&] {
        if (!phases) {
            phases = saturated(ts);
            x = dryness(p, s, *phases);
        }
        return !std::isnan(x);
    };
    // An estimate on the far side of the line (or on it) is that of a state
    // most likely wet: the saturated entropies tell at once.
    if ((liquid ? t0 >= ts : t0 <= ts) && wet()) return {ts, phases, x};
    const Interval range = liquid ? Interval{detail::T_MIN_C, std::nextafter(ts, -INFINITY), true, false}
                                  : Interval{std::nextafter(ts, INFINITY), t_max, false, true};
    const double t = solve(p, s, ts, t0, range);
    if (std::fabs(t - ts) <= NEAR_LINE && wet()) return {ts, phases, x};
    return {t, {}};
}

}  // namespace

double T_PS(double p, double s) {
    return t_ps(p, s, entropies_only).t;
}

State STATE_PS(double p, double s) {
    const Solution solution = t_ps(p, s, SATURATION_T);
    if (!solution.wet) return STATE_PT(p, solution.t);
    const SaturatedPhase m = detail::mixture_of(*solution.wet, solution.x);
    return detail::two_phase_state(0, solution.x, p, solution.t, m.h, s, m.v, NOT_A_NUMBER);
}

}  // namespace TFS
