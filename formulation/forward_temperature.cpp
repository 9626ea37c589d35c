// The temperature of a single-phase state from p and its enthalpy or entropy,
// exact to the forward equations (see forward_temperature.h).
#include "forward_temperature.h"

#include "backward_region3.h"

#include <cmath>
#include <limits>
#include <optional>

namespace TFS::detail {
namespace {

// The backward estimate lies some hundredths of a kelvin off, and two or
// three Newton steps meet the property to 1e-12 of itself.
constexpr double TOLERANCE = 1e-12;
constexpr int MAX_STEPS = 200;
// Outside region 3 the cp of one trial serves the next ones within this of
// it: over the estimate's error cp changes by some 1e-4 of itself, and each
// step still gains three orders; the result is checked on the property alike.
// (In region 3 cp comes with the volume at no cost, and changes fast.)
constexpr double CHORD_SPAN = 1;  // K
// A region 3 volume is taken by Newton steps from the previous trial's root
// when the temperature moved by no more than this; else the root search.
constexpr double NEAR_STEP = 0.1;  // K
// Within this of the B23 line region 2's equation overlaps region 3's (some
// 19 mK at most): a region 3 answer there may share the property with a
// region 2 state, closed in a few Newton steps from the line.
constexpr double OVERLAP_B23 = 0.05;  // K
constexpr int MAX_POLISH_B23 = 8;
constexpr double SETTLED_B23 = 1e-15;  // of T

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

// A trial temperature with its (p, t) region, the property there and, in
// region 3, the volume; `nearby` when that volume was closed from a nearby
// start rather than found as the (p, t) functions find it.
struct Trial {
    double t;
    Region region;
    double x, v;
    bool nearby = false;
    double cp = NOT_A_NUMBER;  // from the same state as x
};

Trial measured(double t, Region region, const SinglePhase& y, double v, const MatchedProperty& m, bool nearby = false) {
    return {t, region, y.*m.member, v, nearby, y.cp};
}

// Whether the step from a trial of `region` at t takes that trial's cp: in
// region 3 always, elsewhere unless a cp of the same region was taken within
// CHORD_SPAN of t (slope_at: where it was). A trial whose cp is not taken
// does not form it.
bool takes_cp(const std::optional<Trial>& slope_at, Region region, double t) {
    return in_region3(region) || !slope_at || slope_at->region != region || std::fabs(t - slope_at->t) > CHORD_SPAN;
}

// The backward region 3 volume of the target, from which the first region 3
// trial closes its volume: formed when such a trial asks for it (most
// searches have none), and NaN outside region 3's pressures or when no
// target is given.
class VolumeStart {
public:
    VolumeStart() = default;
    VolumeStart(double p, double target, const MatchedProperty& m) : p_(p), target_(target), m_(&m) {}
    double operator()() const {
        if (!v_) v_ = m_ && p_ > P_CORNER_MPA ? m_->backward_v3(p_, target_) : NOT_A_NUMBER;
        return *v_;
    }

private:
    double p_ = NOT_A_NUMBER, target_ = NOT_A_NUMBER;
    const MatchedProperty* m_ = nullptr;
    mutable std::optional<double> v_;
};

// ts: TS_P (p), for the classification of every trial at this pressure;
// v_start: the backward region 3 volume, from which the first region 3
// trial closes its volume (NaN outside region 3's pressures); slope_at: where
// the search last took cp (none: this trial's cp is formed).
Trial trial(double p, double t, double ts, const std::optional<Trial>& previous, const VolumeStart& v_start,
            const MatchedProperty& m, const std::optional<Trial>& slope_at = std::nullopt) {
    Region region = region_pt(p, t, ts).region;
    // Above the critical pressure TS_P (p) continues the line's equation, and
    // region_pt takes a state exactly at it as on the line, where the (p, t)
    // functions stop; no phases meet there, and a trial that lands on it is a
    // region 3 state.
    if (region == Region::SATURATION_LINE && p > PKR) region = Region::NEAR_CRITICAL;
    const auto of = takes_cp(slope_at, region, t) ? m.gibbs_with_cp : m.gibbs_alone;
    switch (region) {
        case Region::WATER: return measured(t, region, water(p, t, of), NOT_A_NUMBER, m);
        case Region::STEAM: return measured(t, region, steam(p, t, of), NOT_A_NUMBER, m);
        case Region::HIGH_TEMPERATURE: return measured(t, region, high_temperature(p, t, of), NOT_A_NUMBER, m);
        default: break;
    }
    if (!in_region3(region)) {
        // Outside the domain or on the line: the stop the dispatcher would give.
        return {t, region, single_phase(p, t, region, m.dispatcher).*m.member, NOT_A_NUMBER};
    }
    double v = NOT_A_NUMBER;
    if (previous && previous->region == region && std::fabs(t - previous->t) <= NEAR_STEP)
        v = volume_kr_near(p, t, previous->v);
    else if (!previous && !std::isnan(v_start()))
        v = volume_kr_near(p, t, v_start());
    if (!std::isnan(v)) return measured(t, region, near_critical(p, v, t, m.helmholtz_with_cp), v, m, true);
    v = volume_kr(p, t, branch_of(region));
    return measured(t, region, near_critical(p, v, t, m.helmholtz_with_cp), v, m);
}

double midpoint(double a, double b) {
    return (a + b) / 2.0;
}

// Next to the critical point the isotherms flatten, and the rounding of the
// pressure equation moves its region 3 root by so much that the property
// jitters between neighbouring temperatures by more than the tolerance: the
// interval can close on a double that misses the target while one a few
// doubles away meets it. Those are tried outwards from the best trial, on
// their own (p, t) volumes, within the range; failing one, the best stays.
constexpr int NEARBY_DOUBLES = 64;

double nearby_match(double p, double target, double ts, double best_t, double tolerance,
                    const TemperatureRange& range, const MatchedProperty& m) {
    double best = best_t;
    double best_residual = std::fabs(target - trial(p, best_t, ts, std::nullopt, VolumeStart(), m).x);
    double below = best_t;
    double above = best_t;
    for (int k = 0; k < NEARBY_DOUBLES; ++k) {
        below = std::nextafter(below, -INFINITY);
        above = std::nextafter(above, INFINITY);
        for (const double t : {below, above}) {
            if (!(range.low <= t && t <= range.high)) continue;
            const double residual = std::fabs(target - trial(p, t, ts, std::nullopt, VolumeStart(), m).x);
            if (residual <= tolerance) return t;
            if (residual < best_residual) {
                best_residual = residual;
                best = t;
            }
        }
    }
    return best;
}

}  // namespace

// Newton steps on region 2's equation from the line up, onto the line where
// they close within its rounding.
double region2_in_overlap(double p, double target, double t, const MatchedProperty& m) {
    const double tolerance = TOLERANCE * std::fmax(std::fabs(target), m.scale);
    if (!(p >= P_CORNER_MPA && in_region3(region_pt(p, t).region))) return t;
    const double t23 = TB23(p) - KELVIN;
    if (!(t23 - t <= OVERLAP_B23)) return t;
    double t2 = t23;
    for (int step = 0; step < MAX_POLISH_B23; ++step) {
        const SinglePhase y = steam(p, t2, m.gibbs_with_cp);
        const double residual = target - y.*m.member;
        const double dt = m.per_kelvin ? residual * (t2 + KELVIN) / y.cp : residual / y.cp;
        if (!std::isfinite(dt)) return t;
        t2 += dt;
        if (std::fabs(dt) <= SETTLED_B23 * (t2 + KELVIN)) break;
    }
    const std::optional<double> on = region_pt(p, t2).region == Region::STEAM ? t2 : onto_b23(p, t2);
    if (!on || !(std::fabs(target - steam(p, *on, m.gibbs_alone).*m.member) <= tolerance)) return t;
    return *on;
}

const MatchedProperty MATCHED_ENTHALPY{enthalpy_and_cp,
                                       enthalpy_alone,
                                       enthalpy_and_cp,
                                       &SinglePhase::h,
                                       false,
                                       1.0,  // kJ/kg
                                       backward_v_ph3,
                                       MESSAGE_OUTSIDE_PH,
                                       "Функция T_PH не сходится",
                                       "h_pt"};

const MatchedProperty MATCHED_ENTROPY{entropy_and_cp,
                                      entropy_alone,
                                      entropy_and_cp,
                                      &SinglePhase::s,
                                      true,
                                      1.0,  // kJ/(kg·K)
                                      backward_v_ps3,
                                      MESSAGE_OUTSIDE_PS,
                                      "Функция T_PS не сходится",
                                      "S_PT"};

// Safeguarded Newton: a step that leaves the interval known to enclose the
// answer goes to an end not yet tried, else halves the interval. Where the
// regions meet (350 °C, B23, 800 °C) the property steps by a little; a
// target inside such a step is met by no temperature, and the interval
// closes on the boundary: the trial nearest the target is the answer.
double forward_temperature(double p, double target, double ts, double t0, const TemperatureRange& range,
                           const MatchedProperty& m) {
    const double tolerance = TOLERANCE * std::fmax(std::fabs(target), m.scale);
    const VolumeStart v_start(p, target, m);
    double low = range.low;
    double high = range.high;
    bool low_tried = false;
    bool high_tried = false;
    double t = !(t0 > low) ? low : !(t0 < high) ? high : t0;  // an estimate that is no number starts at the low end
    double best_t = t;
    double best_residual = INFINITY;
    bool best_in_region3 = false;
    std::optional<Trial> previous;
    std::optional<Trial> slope_at;  // where cp was last taken
    double cp = 0;
    for (int step = 0; step < MAX_STEPS; ++step) {
        Trial x = trial(p, t, ts, previous, v_start, m, slope_at);
        double residual = target - x.x;
        // A volume closed from a nearby start can differ from the (p, t)
        // functions' in its last digits, which next to the critical point move
        // the property by more than the tolerance: an answer is taken on their
        // own volume, so that the (p, t) function at the answer meets the target.
        if (std::fabs(residual) <= tolerance && x.nearby) {
            x = trial(p, t, ts, std::nullopt, VolumeStart(), m);
            residual = target - x.x;
        }
        if (std::fabs(residual) <= tolerance) return t;
        if (std::fabs(residual) < best_residual) {
            best_residual = std::fabs(residual);
            best_t = t;
            best_in_region3 = in_region3(x.region);
        }
        if (residual > 0) {
            if (t == range.high) {
                if (range.high_ends_domain) throw FatalStop(m.outside);
                return t;
            }
            low = t;
            low_tried = true;
        } else {
            if (t == range.low) {
                if (range.low_ends_domain) throw FatalStop(m.outside);
                return t;
            }
            high = t;
            high_tried = true;
        }
        if (takes_cp(slope_at, x.region, t)) {
            cp = x.cp;
            slope_at = x;
        }
        double next = m.per_kelvin ? t + residual * (t + KELVIN) / cp : t + residual / cp;
        if (!(low < next && next < high)) {
            if (next >= high && !high_tried)
                next = high;
            else if (next <= low && !low_tried)
                next = low;
            else
                next = midpoint(low, high);
        }
        // No double left between the ends tried.
        if ((next == low && low_tried) || (next == high && high_tried))
            return best_in_region3 ? nearby_match(p, target, ts, best_t, tolerance, range, m) : best_t;
        previous = x;
        t = next;
    }
    throw FatalStop(m.no_convergence);
}

}  // namespace TFS::detail
