// State from internal energy and volume, the pair of a closed vessel heated
// at constant mass. A single phase is searched on the region equations: in
// region 3, whose variables are T and v, for the temperature alone (u rises
// with T at constant v, by cv); in regions 1, 2 and 5 by Newton steps in
// (T, p) on u and v together. Wet steam lies where no single phase has the
// pair: at constant v the mixture's u rises with the saturation temperature,
// from the triple point to where the given v is that of a saturated phase.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "derivatives.h"

namespace TFS {
namespace {

using detail::KELVIN;
using detail::KJ_PER_MPA_M3;
using detail::Region;

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
constexpr const char* MESSAGE_OUTSIDE = "ЗАДАННЫЕ U И V ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";

// u and v are met to this part of themselves (u of 1 kJ/kg near 0); then
// steps go on while they move T and p by more than STEP_SETTLED of them.
constexpr double TOLERANCE = 1e-11;
constexpr double SCALE = 1.0;  // kJ/kg
constexpr double STEP_SETTLED = 1e-15;
constexpr int MAX_POLISH = 3;
constexpr int MAX_STEPS = 100;
// A step changes T by at most this, and ln p by at most LOG_STEP.
constexpr double T_STEP = 100;  // K
constexpr double LOG_STEP = 2;
// States found within the rounding of an edge of the domain belong to it.
constexpr double EDGE_P = 1e-11;  // of p
constexpr double EDGE_T = 1e-9;   // K

// u = h − p·v, kJ/kg
double energy(double h, double p, double v) {
    return h - KJ_PER_MPA_M3 * p * v;
}

// (∂v/∂p)T = R·T·π²γ_ππ / p², m³/(kg·MPa)
double volume_by_pressure(const detail::GibbsState& g) {
    return detail::R_WATER * g.T * g.pi_terms().pi2_g_pp / (KJ_PER_MPA_M3 * g.p * g.p);
}

enum class Equation { Water, Steam, HighTemperature };

detail::Slopes slopes(Equation e, double p, double t) {
    switch (e) {
        case Equation::Water: return detail::water(p, t, detail::slopes);
        case Equation::Steam: return detail::steam(p, t, detail::slopes);
        default: return detail::high_temperature(p, t, detail::slopes);
    }
}

double volume_slope(Equation e, double p, double t) {
    switch (e) {
        case Equation::Water: return detail::water(p, t, volume_by_pressure);
        case Equation::Steam: return detail::steam(p, t, volume_by_pressure);
        default: return detail::high_temperature(p, t, volume_by_pressure);
    }
}

Region region_of(Equation e) {
    switch (e) {
        case Equation::Water: return Region::WATER;
        case Equation::Steam: return Region::STEAM;
        default: return Region::HIGH_TEMPERATURE;
    }
}

// The (p, t) region of a state found, a state within rounding beyond an edge
// of the domain taken onto it.
Region region_at(double p, double t) {
    const double p_max = t > detail::T25_C ? detail::P5_MAX_MPA : 100.0;
    if (p > p_max && p <= p_max * (1 + EDGE_P)) p = p_max;
    if (t > detail::T5_MAX_C && t <= detail::T5_MAX_C + EDGE_T) t = detail::T5_MAX_C;
    if (t < 0 && t >= -EDGE_T) t = 0;
    return detail::region_pt(p, t).region;
}

struct Found {
    Region region;
    double p, t, v;
};

bool met(double du, double dv, double u, double v) {
    return std::fabs(du) <= TOLERANCE * std::fmax(std::fabs(u), SCALE) && std::fabs(dv) <= TOLERANCE * v;
}

// Newton steps in (T, p) on the equation e from (t, p).
std::optional<Found> search_gibbs(Equation e, double u, double v, double t, double p) {
    int polish = 0;
    std::optional<Found> found;
    for (int step = 0; step < MAX_STEPS; ++step) {
        if (!(p > 0 && t + KELVIN > 0 && std::isfinite(p) && std::isfinite(t))) return std::nullopt;
        const detail::Slopes y = slopes(e, p, t);
        const double v_p = volume_slope(e, p, t);
        const double v_t = -y.s_x / KJ_PER_MPA_M3;
        const double du = u - energy(y.h, p, y.v), dv = v - y.v;
        const bool within = met(du, dv, u, v);
        if (within) found = Found{region_of(e), p, t, y.v};
        // u_T = cp − p·v_T, u_p = (∂h/∂p)T − v − p·v_p (in kJ/kg per K and per MPa).
        const double u_t = y.h_t - KJ_PER_MPA_M3 * p * v_t;
        const double u_p = y.h_x - KJ_PER_MPA_M3 * (y.v + p * v_p);
        const double det = u_t * v_p - u_p * v_t;
        double dT = (du * v_p - u_p * dv) / det;
        double dp = (u_t * dv - v_t * du) / det;
        if (!(std::isfinite(dT) && std::isfinite(dp))) return found;
        if (within && ((std::fabs(dT) <= STEP_SETTLED * (t + KELVIN) && std::fabs(dp) <= STEP_SETTLED * p) ||
                       ++polish > MAX_POLISH))
            return found;
        t += std::clamp(dT, -T_STEP, T_STEP);
        p = e == Equation::Water && p + dp > 0 ? p + dp : p * std::exp(std::clamp(dp / p, -LOG_STEP, LOG_STEP));
    }
    return found;
}

// Region 3 at the volume v: Newton steps in T on u, whose slope is cv.
std::optional<Found> search_near_critical(double u, double v) {
    double t = 400;  // °C, inside the region's temperatures
    for (int step = 0; step < MAX_STEPS; ++step) {
        const detail::Slopes y = detail::near_critical(v, t, detail::slopes);
        const double du = u - energy(y.h, y.p, v);
        const double dt = std::clamp(du / (y.s_t * (t + KELVIN)), -T_STEP, T_STEP);
        if (!std::isfinite(dt)) return std::nullopt;
        if (met(du, 0, u, v) && std::fabs(dt) <= STEP_SETTLED * (t + KELVIN)) break;
        t += dt;
    }
    const detail::Slopes y = detail::near_critical(v, t, detail::slopes);
    if (!met(u - energy(y.h, y.p, v), 0, u, v)) return std::nullopt;
    return Found{Region::NEAR_CRITICAL, y.p, t, v};
}

// A first state: compressed water from u ≈ h at a moderate pressure and the
// pressure its volume then gives; steam and region 5 from an ideal gas, T by
// u at a low pressure and p = R·T/v.
std::pair<double, double> start(Equation e, double u, double v) {
    if (e == Equation::Water) {
        const double t = std::clamp(T_PH1(10.0, u + KJ_PER_MPA_M3 * 10.0 * v), 0.0, detail::T13_C);
        double p = 10.0;
        for (int i = 0; i < 3; ++i) {
            const double step = (v - detail::water(p, t, detail::volume)) / volume_slope(e, p, t);
            p = std::clamp(p + step, 1e-3, 200.0);
        }
        return {t, p};
    }
    double t = e == Equation::HighTemperature ? 1200.0 : 400.0;
    const double p_low = 1e-3;
    for (int i = 0; i < 8; ++i) {
        const detail::Slopes y = slopes(e, p_low, t);
        t += std::clamp((u - energy(y.h, p_low, y.v)) / (y.h_t + y.s_x * p_low), -T_STEP, T_STEP);
    }
    return {t, detail::R_WATER * (t + KELVIN) / (KJ_PER_MPA_M3 * v)};
}

// Below the critical pressure a region 3 root counts only where it is stable
// and outside the dome of its saturation pressure.
bool single_phase_root(const Found& f) {
    if (!detail::in_region3(f.region)) return f.region == region_at(f.p, f.t);
    const Region region = region_at(f.p, f.t);
    if (!detail::in_region3(region)) return false;
    if (!(f.p < PKR)) return true;
    if (!(detail::near_critical(f.p, f.v, f.t, detail::heat_capacity) > 0)) return false;
    const Saturation y = SATURATION_P(f.p);
    return !(f.v > y.water.v && f.v < y.steam.v);
}

// The single phase of (u, v): region 3 at its volumes, then the Gibbs
// regions in the order the volume suggests, each from the region 3 state
// where one was found (the equations nearly agree across their boundaries),
// from its own start, and for dense steam from the pressure of volume v on
// the isotherm of that start.
std::optional<Found> single_phase(double u, double v) {
    std::optional<Found> near;
    if (v > 0.0012 && v < 0.01) near = search_near_critical(u, v);
    if (near && single_phase_root(*near)) {
        near->region = region_at(near->p, near->t);
        return near;
    }
    const bool liquid = v < 0.0014;
    const Equation order[] = {liquid ? Equation::Water : Equation::Steam,
                              liquid ? Equation::Steam : Equation::HighTemperature,
                              liquid ? Equation::HighTemperature : Equation::Water};
    for (const Equation e : order) {
        const auto [t0, p0] = start(e, u, v);
        for (int k = 0; k < 3; ++k) {
            std::optional<Found> f;
            if (k == 0 && near && near->p > 0) f = search_gibbs(e, u, v, near->t, near->p);
            if (k == 1) f = search_gibbs(e, u, v, t0, p0);
            if (k == 2 && e != Equation::Water) {
                try {
                    f = search_gibbs(e, u, v, t0, STATE_TV(std::clamp(t0, 0.0, detail::T5_MAX_C), v).p);
                } catch (const FatalStop&) {
                }
            }
            if (f && single_phase_root(*f)) return f;
        }
    }
    return std::nullopt;
}

// Wet steam: the saturation temperature at which u of the mixture of volume v
// is the given one. The temperatures where v lies between the phases' volumes
// run from the triple point (v ≥ v′ there) up to the one where v is that of a
// saturated phase; at constant v the mixture's u rises with t.
struct Wet {
    Saturation phases;
    double x;
};

double dryness_by_volume(const Saturation& y, double v) {
    return (v - y.water.v) / (y.steam.v - y.water.v);
}

double mixture_energy(const Saturation& y, double v) {
    const double x = dryness_by_volume(y, v);
    return y.water.u + x * (y.steam.u - y.water.u);
}

// The root in t of f from low (f ≤ 0) to high (f ≥ 0): secants kept inside, halving when slow.
template <class F>
double root_in_t(F f, double low, double high) {
    double f_low = f(low), f_high = f(high);
    for (int i = 0; i < MAX_STEPS; ++i) {
        double t = low - f_low * (high - low) / (f_high - f_low);
        if (!(t > low && t < high) || i % 3 == 2) t = (low + high) / 2.0;
        if (t == low || t == high) break;
        const double value = f(t);
        if (value == 0) return t;
        (value < 0 ? low : high) = t, (value < 0 ? f_low : f_high) = value;
        if (high - low <= STEP_SETTLED * (t + KELVIN)) break;
    }
    return std::fabs(f_low) < std::fabs(f_high) ? low : high;
}

constexpr double T_LINE_TOP = TKR - 1e-4;  // °C: closer, the phases scatter in their last digits

std::optional<Wet> wet(double u, double v) {
    const Saturation bottom = SATURATION_T(detail::T_TRIPLE_C);
    if (!(v >= bottom.water.v && v <= bottom.steam.v && u >= mixture_energy(bottom, v))) return std::nullopt;
    const Saturation top = SATURATION_T(T_LINE_TOP);
    // The end: v″ = v on the vapour side of the critical volume, v′ = v on the liquid side.
    double end = T_LINE_TOP;
    if (v > top.steam.v)
        end = root_in_t([v](double t) { return v - SATURATION_T(t).steam.v; }, detail::T_TRIPLE_C, T_LINE_TOP);
    else if (v < top.water.v)
        end = root_in_t([v](double t) { return SATURATION_T(t).water.v - v; }, detail::T_TRIPLE_C, T_LINE_TOP);
    const Saturation last = SATURATION_T(end);
    if (u > mixture_energy(last, v)) return std::nullopt;
    const double t = root_in_t([u, v](double t) { return mixture_energy(SATURATION_T(t), v) - u; },
                               detail::T_TRIPLE_C, end);
    const Saturation y = SATURATION_T(t);
    return Wet{y, std::clamp(dryness_by_volume(y, v), 0.0, 1.0)};
}

}  // namespace

State STATE_UV(double u, double v) {
    if (!(std::isfinite(u) && std::isfinite(v) && v > 0)) throw FatalStop(MESSAGE_OUTSIDE);
    if (const std::optional<Found> f = single_phase(u, v)) {
        const detail::SinglePhase y = f->region == Region::WATER   ? detail::water(f->p, f->t, detail::phase)
                                      : f->region == Region::STEAM ? detail::steam(f->p, f->t, detail::phase)
                                      : f->region == Region::HIGH_TEMPERATURE
                                          ? detail::high_temperature(f->p, f->t, detail::phase)
                                          : detail::near_critical(f->p, f->v, f->t, detail::phase);
        return detail::single_phase_state(f->region, 0, f->p, f->t, y.h, y);
    }
    const std::optional<Wet> w = wet(u, v);
    if (!w) throw FatalStop(MESSAGE_OUTSIDE);
    const SaturatedPhase m = detail::mixture_of(w->phases, w->x);
    return detail::two_phase_state(0, w->x, w->phases.p, w->phases.t, m.h, m.s, v, NOT_A_NUMBER);
}

}  // namespace TFS
