// Temperature and properties of a (p, h) state. T_PH: the backward equations
// in regions 1 and 2, an iteration over the forward enthalpy in regions 3 and
// 5. The state (STATE_PH, S_PH, V_PH, Cp_PH): at the temperature exact to the
// forward enthalpy, or the mixture of the implied dryness in the two-phase
// region.
#include "backward_region3.h"
#include "forward_temperature.h"

#include <cmath>
#include <optional>
#include <tuple>

namespace TFS {
namespace {

constexpr double TOLERANCE = 1e-5;  // relative, on the enthalpy
constexpr int MAX_STEPS = 20000;
constexpr int MAX_SAME_SIDE = 20;  // secant steps above the critical pressure without enclosing the target
constexpr const char* MESSAGE_NO_CONVERGENCE = "Функция T_PH3 не сходится";
// Newton steps from the region 3 backward equations close quadratically: they
// meet the enthalpy to 1e-12 of itself (as T_PS its entropy) in two or three.
constexpr double TOLERANCE_REGION3 = 1e-12;  // relative, on the enthalpy
constexpr int MAX_STEPS_REGION3 = 10;
constexpr double TOLERANCE_REGION5 = 1e-9;  // relative, on the enthalpy
constexpr int MAX_STEPS_REGION5 = 50;
constexpr const char* MESSAGE_NO_CONVERGENCE_REGION5 = "Функция T_PH не сходится";

// Regula falsi on h_pt(p, t) = h between (tL, hL) and (tH, hH).
//
// Below the critical pressure (enclose = true) a trial point replaces the
// end on its own side of the target, so the two points always enclose it.
// Above it a trial point with an enthalpy above the target is stored as the
// lower end and one at or below it as the upper end, the reverse of the
// starting pair: the first steps then extrapolate along the secant through
// two points on one side until a trial falls on the other side. Both
// converge in a few to a few tens of steps over region 3.
struct Interval {
    double tL, hL, tH, hH;
};

double false_position(double p, double h, const Interval start, bool enclose) {
    auto [tL, hL, tH, hH] = start;
    int same_side = 0;
    for (int count = 1;; ++count) {
        const double t = tL + (tH - tL) * (h - hL) / (hH - hL);
        // Where region 3 meets region 2 (B23) or region 1 (350 °C) the
        // enthalpy steps by up to about 0.1 kJ/kg; a target inside such a step
        // is met by no temperature. The interval then closes on the boundary
        // temperature, and a trial that repeats an end of it is that answer.
        if (t == tL || t == tH) return t;
        const double hN = h_pt(p, t);
        const double r = (h - hN) / h;
        if (enclose ? hN < h : r < 0) {
            tL = t;
            hL = hN;
        } else {
            tH = t;
            hH = hN;
        }
        if (count > MAX_STEPS) throw FatalStop(MESSAGE_NO_CONVERGENCE);
        if (std::fabs(r) < TOLERANCE) return t;
        // Just below the B23 enthalpy region 3 can lie up to some 0.05 kJ/kg
        // above region 2, so that h_pt folds back there; the secant steps then
        // cycle with both points above the target for ever. Normally they
        // stay on one side for a single step: after many, enclose the target
        // again from the starting pair.
        if (!enclose && (hL - h) * (hH - h) > 0 && ++same_side > MAX_SAME_SIDE) {
            enclose = true;
            std::tie(tL, hL, tH, hH) = std::tie(start.tL, start.hL, start.tH, start.hH);
        }
    }
}

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
    if (known != nullptr && p < PKR) return {known->h1, known->h2};
    return detail::saturated_enthalpies(p);
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
        if (std::fabs(residual / h) < TOLERANCE_REGION3)
            return detail::in_region3(detail::region_pt(p, t, ts).region) ? t : NAN;
        t = t + residual / detail::near_critical(p, v, t, detail::heat_capacity);
    }
    return NAN;
}

// The region 3 iteration; below the critical pressure it needs the saturated enthalpies.
double t_ph3(double p, double h, const detail::RegionPH* known) {
    const double tB = detail::TB23(p) - detail::KELVIN;
    // Failing Newton steps, the interval starts at the boundaries of region 3: 350 °C and B23.
    const auto start = [&] { return Interval{detail::T13_C, h_pt(p, detail::T13_C), tB, h_pt(p, tB)}; };
    if (p > PKR) {
        const double t = newton_from_backward(p, h, detail::T13_C, tB, TS_P(p));
        return !std::isnan(t) ? t : false_position(p, h, start(), false);
    }

    const detail::SaturatedValues saturated = saturated_at(p, known);
    const double h1 = saturated.water;
    const double h2 = saturated.steam;
    const double ts = TS_P(p);
    // Two-phase or a saturated phase itself: no iteration. (Across the line
    // h_pt steps from h′ to h″; the iteration would close on that step
    // slowly and up to a few millikelvin off ts.)
    if (h1 <= h && h <= h2) return ts;
    // Newton steps stay on the state's side of the line.
    const double t_newton =
        h < h1 ? newton_from_backward(p, h, detail::T13_C, ts, ts) : newton_from_backward(p, h, ts, tB, ts);
    if (!std::isnan(t_newton)) return t_newton;
    // On one side of the line the saturated state closes the interval.
    Interval interval = start();
    if (h < h1) {
        interval.tH = ts;
        interval.hH = h1;
    }
    if (h > h2) {
        interval.tL = ts;
        interval.hL = h2;
    }
    const double t = false_position(p, h, interval, true);
    if (h < h1) return liquid_side(t, ts);
    if (h > h2) return vapour_side(t, ts);
    return t;
}

// T_PH of a state whose (p, h) region is known.
double t_ph(double p, double h, const detail::RegionPH& r) {
    using detail::CodePH;
    switch (r.code) {
        case CodePH::WET:
        case CodePH::SATURATION_LINE: return TS_P(p);
        case CodePH::NEAR_CRITICAL: return t_ph3(p, h, &r);
        default: break;
    }
    const double t = r.code == CodePH::WATER      ? T_PH1(p, h)
                     : r.code == CodePH::STEAM_2A ? T_PH2A(p, h)
                     : r.code == CodePH::STEAM_2B ? T_PH2B(p, h)
                                                  : T_PH2C(p, h);  // STEAM_2C, the one left
    // Steam above the region 2 enthalpy at 800 °C lies in region 5. (The
    // estimate cannot tell: subregion 2a's equation runs wild there.)
    if (p <= detail::P5_MAX_MPA && h > HP_PT(p, detail::T25_C)) return region5_temperature(p, h, t);
    if (!(p < PKR)) return t;
    const double ts = TS_P(p);
    return r.code == CodePH::WATER ? liquid_side(t, ts) : vapour_side(t, ts);
}

// The dryness of a two-phase (p, h) state (0 and 1 on the saturation line),
// or none for a single-phase state.
std::optional<double> dryness(double p, double h, const detail::RegionPH& r) {
    if (p > PKR) return std::nullopt;
    const detail::SaturatedValues saturated = saturated_at(p, &r);
    const double h1 = saturated.water;
    const double h2 = saturated.steam;
    if (h == h1) return 0.0;
    if (h == h2) return 1.0;
    if (h1 < h && h < h2) return (h - h1) / (h2 - h1);
    return std::nullopt;
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
// equations: h_pt (p, t) meets h to 1e-12 of it (of 1 kJ/kg near 0 kJ/kg).
// Below the critical pressure the search stays on the state's side of the
// saturation line.
double exact_temperature(double p, double h, const detail::RegionPH& r) {
    using detail::TemperatureRange;
    const double t_max = p <= detail::P5_MAX_MPA ? detail::T5_MAX_C : detail::T25_C;
    const double ts = TS_P(p);
    const double t0 = estimate(p, h, r);
    TemperatureRange range{detail::T_MIN_C, t_max, true, true};
    if (!(p > PKR)) {
        if (h < saturated_at(p, &r).water)
            range = {detail::T_MIN_C, std::nextafter(ts, -INFINITY), true, false};
        else
            range = {std::nextafter(ts, INFINITY), t_max, false, true};
    }
    return detail::forward_temperature(p, h, ts, t0, range, detail::MATCHED_ENTHALPY);
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
        // Both phases from one saturation state at TS_P (p), as S_PX, V_PX and Cp_PX take them.
        const double ts = TS_P(p);
        const SaturatedPhase m = detail::mixture_of(SATURATION_T(ts), *x);
        return detail::two_phase_state(static_cast<int>(r.code), *x, p, ts, h, m.s, m.v, m.cp);
    }
    const double t = exact_temperature(p, h, r);
    // A stop is the one V_PH would give.
    const detail::Region region = detail::checked_region_pt(p, t);
    return detail::single_phase_state(region, static_cast<int>(r.code), p, t, h,
                                      detail::single_phase(p, t, region, "V_PT"));
}

}  // namespace TFS
