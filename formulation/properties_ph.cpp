// Temperature and properties of a (p, h) state. T_PH: the backward equations
// in regions 1 and 2, an iteration over the forward enthalpy in regions 3 and
// 5. The state (STATE_PH, S_PH, V_PH, Cp_PH): at the temperature exact to the
// forward enthalpy, or the mixture of the implied dryness in the two-phase
// region.
#include "backward_region3.h"
#include "forward_temperature.h"

#include <cmath>
#include <optional>

namespace TFS {
namespace {

// Newton steps from the region 3 backward equations close quadratically: they
// meet the enthalpy to 1e-12 of itself (as T_PS its entropy) in two or three.
constexpr double TOLERANCE_REGION3 = 1e-12;  // relative, on the enthalpy
constexpr int MAX_STEPS_REGION3 = 10;
constexpr double TOLERANCE_REGION5 = 1e-9;  // relative, on the enthalpy
constexpr int MAX_STEPS_REGION5 = 50;
constexpr const char* MESSAGE_NO_CONVERGENCE_REGION5 = "Функция T_PH не сходится";

// The backward equations and the region 3 iteration meet the saturation line
// only to about 0.025 K: a liquid enthalpy just below h′ can give a temperature
// at or above ts, a vapour one just above h″ one at or below it, and every
// (p, t) function would then take the other phase or stop on the line. Such a
// temperature is moved to the nearest double on its own phase's side.
double liquid_side(double t, double ts) {
    return t < ts ? t : std::nextafter(ts, -INFINITY);
}

double vapour_side(double t, double ts) {
    return t > ts ? t : std::nextafter(ts, INFINITY);
}

// Above 800 °C (up to 50 MPa) the state lies in region 5, where the region 2
// backward equations only extrapolate (those of subregion 2a without bound
// above some 1200 °C). Newton steps on region 5's own enthalpy, from the
// estimate held within 800 … 2000 °C, meet h to about 1e-9. At 800 °C
// region 5 lies up to 0.09 kJ/kg above region 2 (at 40 to 50 MPa); a target
// inside that step is met by no region 5 temperature and gets 800 °C. The
// largest enthalpy of the domain, met to 1e-9, may come out a hair above
// 2000 °C: it is held there.
double region5_temperature(double p, double h, double t) {
    const auto within_region5 = [](double x) { return std::fmax(detail::T25_C, std::fmin(x, detail::T5_MAX_C)); };
    t = within_region5(t);
    for (int step = 0; step < MAX_STEPS_REGION5; ++step) {
        const double residual = h - H5_PT(p, t);
        if (std::fabs(residual / h) < TOLERANCE_REGION5) return within_region5(t);
        t = t + residual / Cp5_PT(p, t);
    }
    throw FatalStop(MESSAGE_NO_CONVERGENCE_REGION5);
}

// HSW_P (p) and HSP_P (p): those the (p, h) region was found with, when it
// is known and has them (below the critical pressure, not at it).
detail::SaturatedValues saturated_at(double p, const detail::RegionPH* known) {
    if (known != nullptr && p < PKR && !std::isnan(known->h1)) return {known->h1, known->h2};
    return detail::saturated_enthalpies(p);
}

// The temperature of a single-phase (p, h) state exact to the forward
// equations, from the estimate t0: h_pt (p, t) meets h to 1e-12 of it (of
// 1 kJ/kg near 0 kJ/kg). Below the critical pressure the search stays on
// the state's side of the saturation line, which the saturated water
// enthalpy h1 decides. A target beyond the domain's ends is refused where
// `ends_refused`, else met by the end.
double exact_from(double p, double h, double t0, double ts, double h1, bool ends_refused) {
    using detail::TemperatureRange;
    const double t_max = p <= detail::P5_MAX_MPA ? detail::T5_MAX_C : detail::T25_C;
    TemperatureRange range{detail::T_MIN_C, t_max, ends_refused, ends_refused};
    if (!(p > PKR)) {
        if (h < h1)
            range = {detail::T_MIN_C, std::nextafter(ts, -INFINITY), ends_refused, false};
        else
            range = {std::nextafter(ts, INFINITY), t_max, false, ends_refused};
    }
    return detail::forward_temperature(p, h, ts, t0, range, detail::MATCHED_ENTHALPY);
}

// Whether t is a region 3 temperature at which h_pt (p, t), on the (p, t)
// functions' own volume, meets h to 1e-12. A volume closed from a nearby
// start can differ from theirs in its last digits, which next to the
// critical point move h by more than that.
bool met_by_pt(double p, double h, double t, double ts) {
    const detail::Region region = detail::region_pt(p, t, ts).region;
    if (!detail::in_region3(region)) return false;
    const double v = detail::volume_kr(p, t, detail::branch_of(region));
    return std::fabs((h - detail::near_critical(p, v, t, detail::enthalpy)) / h) < TOLERANCE_REGION3;
}

// Newton steps on the region 3 enthalpy (∂h/∂T = cp at constant p) from the
// backward equations T(p, h) and v(p, h), each volume closed from the one
// before: a state away from the critical point settles in one or two. NaN
// where a trial leaves the open interval (low, high) of its side of region 3,
// a volume does not settle, no step meets the tolerance or the answer is not
// a region 3 state: the false-position iteration is then needed.
double newton_from_backward(double p, double h, double low, double high, double ts) {
    double t = detail::backward_t_ph3(p, h) - detail::KELVIN;
    double v = detail::backward_v_ph3(p, h);
    for (int step = 0; step < MAX_STEPS_REGION3; ++step) {
        if (!(low < t && t < high)) break;
        v = detail::volume_kr_near(p, t, v);
        if (std::isnan(v)) break;
        const double residual = h - detail::near_critical(p, v, t, detail::enthalpy);
        if (std::fabs(residual / h) < TOLERANCE_REGION3) return met_by_pt(p, h, t, ts) ? t : NAN;
        t = t + residual / detail::near_critical(p, v, t, detail::heat_capacity);
    }
    return NAN;
}

// The region 3 iteration; below the critical pressure it needs the saturated
// enthalpies. Where the Newton steps from the backward equations do not
// settle (next to the critical point, at the boundaries of region 3) the
// safeguarded search of STATE_PH meets h to 1e-12 all the same, on the state
// of whichever region's equation meets it.
double t_ph3(double p, double h, const detail::RegionPH* known) {
    const double tB = detail::TB23(p) - detail::KELVIN;
    const double ts = detail::saturation_temperature(p);
    const double t0 = detail::backward_t_ph3(p, h) - detail::KELVIN;
    if (p > PKR) {
        const double t = newton_from_backward(p, h, detail::T13_C, tB, ts);
        return !std::isnan(t) ? t : exact_from(p, h, t0, ts, NAN, false);
    }

    const detail::SaturatedValues saturated = saturated_at(p, known);
    const double h1 = saturated.water;
    const double h2 = saturated.steam;
    // Two-phase or a saturated phase itself: no iteration.
    if (h1 <= h && h <= h2) return ts;
    // Newton steps stay on the state's side of the line.
    const double t_newton =
        h < h1 ? newton_from_backward(p, h, detail::T13_C, ts, ts) : newton_from_backward(p, h, ts, tB, ts);
    return !std::isnan(t_newton) ? t_newton : exact_from(p, h, t0, ts, h1, false);
}

// The first temperature of a single-phase state: the backward equation of its
// (p, h) region. Region 5 has none; there the region 2 equations run on (those
// of subregion 2a without bound above some 1200 °C), and the search holds the
// estimate within the domain.
double estimate(double p, double h, const detail::RegionPH& r) {
    using detail::CodePH;
    switch (r.code) {
        case CodePH::WATER: return T_PH1(p, h);
        case CodePH::STEAM_2A: return T_PH2A(p, h);
        case CodePH::STEAM_2B: return T_PH2B(p, h);
        case CodePH::STEAM_2C: return T_PH2C(p, h);
        default: return detail::backward_t_ph3(p, h) - detail::KELVIN;
    }
}

// The temperature of a single-phase (p, h) state exact to the forward
// equations; at B23 region 2's.
double exact_temperature(double p, double h, const detail::RegionPH& r) {
    // A state far from saturation lies on its code's side (h1 not known).
    const bool far = p < PKR && std::isnan(r.h1);
    const double h1 = p > PKR ? NAN
                      : far   ? (r.code == detail::CodePH::WATER ? INFINITY : -INFINITY)
                              : saturated_at(p, &r).water;
    const double t = exact_from(p, h, estimate(p, h, r), detail::saturation_temperature(p), h1, true);
    return detail::region2_in_overlap(p, h, t, detail::MATCHED_ENTHALPY);
}

// T_PH of a state whose (p, h) region is known.
double t_ph(double p, double h, const detail::RegionPH& r) {
    using detail::CodePH;
    switch (r.code) {
        case CodePH::WET:
        case CodePH::SATURATION_LINE: return detail::saturation_temperature(p);
        case CodePH::NEAR_CRITICAL: return detail::region2_in_overlap(p, h, t_ph3(p, h, &r), detail::MATCHED_ENTHALPY);
        default: break;
    }
    const double t = r.code == CodePH::WATER      ? T_PH1(p, h)
                     : r.code == CodePH::STEAM_2A ? T_PH2A(p, h)
                     : r.code == CodePH::STEAM_2B ? T_PH2B(p, h)
                                                  : T_PH2C(p, h);  // STEAM_2C, the one left
    // Steam above the region 2 enthalpy at 800 °C lies in region 5. (The
    // estimate cannot tell: subregion 2a's equation runs wild there.)
    if (p <= detail::P5_MAX_MPA && h > HP_PT(p, detail::T25_C)) return region5_temperature(p, h, t);
    // Next to B23 and 350 °C the backward temperature of region 1 or 2 can
    // land in region 3, where the (p, t) functions take region 3's equation:
    // there T_PH meets h to 1e-12 as in region 3 itself.
    if (p > detail::P_CORNER_MPA && detail::in_region3(detail::region_pt(p, t).region))
        return exact_temperature(p, h, r);
    if (!(p < PKR)) return t;
    const double ts = detail::saturation_temperature(p);
    return r.code == CodePH::WATER ? liquid_side(t, ts) : vapour_side(t, ts);
}

// The dryness of a two-phase (p, h) state (0 and 1 on the saturation line),
// or none for a single-phase state.
std::optional<double> dryness(double p, double h, const detail::RegionPH& r) {
    // Far from saturation (its enthalpies not known) the state is single-phase.
    if (p > PKR || (p < PKR && std::isnan(r.h1))) return std::nullopt;
    const detail::SaturatedValues saturated = saturated_at(p, &r);
    const double h1 = saturated.water;
    const double h2 = saturated.steam;
    if (h == h1) return 0.0;
    if (h == h2) return 1.0;
    if (h1 < h && h < h2) return (h - h1) / (h2 - h1);
    return std::nullopt;
}


// A property of a (p, h) state: of the single-phase state at its exact
// temperature, or of the mixture whose dryness the enthalpy implies.
double property_ph(double p, double h, double (*at_pt)(double, double), double (*of_mixture)(double, double)) {
    const detail::RegionPH r = detail::checked_region_ph(p, h);
    if (const std::optional<double> x = dryness(p, h, r)) return of_mixture(p, *x);
    return at_pt(p, exact_temperature(p, h, r));
}

}  // namespace

double T_PH3(double p, double h) {
    detail::require_finite(p, h, "T_PH3");
    return t_ph3(p, h, nullptr);
}

double T_PH(double p, double h) {
    return t_ph(p, h, detail::checked_region_ph(p, h));
}

double S_PH(double p, double h) {
    return property_ph(p, h, S_PT, S_PX);
}

double V_PH(double p, double h) {
    return property_ph(p, h, V_PT, V_PX);
}

double Cp_PH(double p, double h) {
    return property_ph(p, h, Cp_PT, Cp_PX);
}

State STATE_PH(double p, double h) {
    const detail::RegionPH r = detail::checked_region_ph(p, h);
    if (const std::optional<double> x = dryness(p, h, r)) {
        // Both phases from one saturation state at p, as S_PX, V_PX and Cp_PX take them.
        const Saturation saturated = SATURATION_P(p);
        const SaturatedPhase m = detail::mixture_of(saturated, *x);
        return detail::two_phase_state(static_cast<int>(r.code), *x, p, saturated.t, h, m.s, m.v, m.cp);
    }
    const double t = exact_temperature(p, h, r);
    // A stop is the one V_PH would give.
    const detail::Region region = detail::checked_region_pt(p, t);
    return detail::single_phase_state(region, static_cast<int>(r.code), p, t, h,
                                      detail::single_phase(p, t, region, "V_PT"));
}

}  // namespace TFS
