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
// Newton steps in (T, p) from a fair start close within some eight; a pair of
// wet steam, which they cannot meet, is let go after this many.
constexpr int MAX_GIBBS_STEPS = 15;
constexpr double FAR_P = 1000;                           // MPa
constexpr double FAR_T_LOW = -100, FAR_T_HIGH = 3000;   // °C
// A step changes T by at most this, and ln p by at most LOG_STEP.
constexpr double T_STEP = 100;  // K
constexpr double LOG_STEP = 2;
// Region 3 volumes lie between those of 100 MPa at 350 °C and of saturated
// steam at 350 °C.
constexpr double V3_LOWEST = 0.0013;  // m³/kg
constexpr double V3_HIGHEST = 0.009;  // m³/kg
// A single phase this close to the saturation temperature of its pressure
// (of T) is a saturated phase.
constexpr double ON_LINE = 1e-9;
// Steam at 0 °C and a low pressure has u = 2375 kJ/kg, and cv of some 1.5 kJ/(kg·K) on.
constexpr double U_STEAM_0C = 2375.0;  // kJ/kg
constexpr double CV_STEAM = 1.5;       // kJ/(kg·K)
// Below this volume water is searched before steam.
constexpr double V_LIQUID = 0.0014;  // m³/kg
// The overlaps of the equations at their boundaries, and the slivers between
// them that neither reaches, lie within this.
constexpr double OVERLAP = 0.05;  // K
constexpr double SLIVER = OVERLAP;
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
    for (int step = 0; step < MAX_GIBBS_STEPS; ++step) {
        // Far beyond the domain the equation has nothing to give (the pair of
        // wet steam sends the steps there).
        if (!(p > 0 && p < FAR_P && t > FAR_T_LOW && t < FAR_T_HIGH)) return std::nullopt;
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

// A search for the (u, v) of a state on an edge of the domain or on the
// boundary a region holds (0, 350, 800 and 2000 °C; 100 MPa, and 50 MPa
// above 800 °C; the B23 line) ends within its rounding of the edge, just across it as often
// as not: such a state is closed again along the edge, at the temperature by
// Newton steps in p on v, at the pressure in T on v.
constexpr double EDGE_TEMPERATURES[] = {0.0, detail::T13_C, detail::T25_C, detail::T5_MAX_C};  // °C
constexpr double EDGE_PRESSURES[] = {100.0, detail::P5_MAX_MPA};                              // MPa
constexpr double NEAR_EDGE_T = 1e-6;  // K
constexpr double NEAR_EDGE_P = 1e-8;  // of p

std::optional<Found> along_edge(Equation e, double u, double v, double p, double t, bool fixed_t) {
    for (int step = 0; step < MAX_STEPS; ++step) {
        const detail::Slopes y = slopes(e, p, t);
        const double d = fixed_t ? (v - y.v) / volume_slope(e, p, t) : (v - y.v) * KJ_PER_MPA_M3 / -y.s_x;
        if (!std::isfinite(d)) return std::nullopt;
        (fixed_t ? p : t) += d;
        if (std::fabs(d) <= STEP_SETTLED * (fixed_t ? p : t + KELVIN)) break;
    }
    const detail::Slopes y = slopes(e, p, t);
    if (!met(u - energy(y.h, p, y.v), v - y.v, u, v)) return std::nullopt;
    return Found{region_of(e), p, t, y.v};
}

std::optional<Found> onto_edge(Equation e, double u, double v, const Found& f) {
    for (const double t : EDGE_TEMPERATURES)
        if (std::fabs(f.t - t) <= NEAR_EDGE_T)
            if (const std::optional<Found> g = along_edge(e, u, v, f.p, t, true); g && single_phase_root(*g)) return g;
    for (const double p : EDGE_PRESSURES)
        if (std::fabs(f.p - p) <= NEAR_EDGE_P * p)
            if (const std::optional<Found> g = along_edge(e, u, v, p, f.t, false); g && single_phase_root(*g)) return g;
    if (e == Equation::Steam)
        if (const std::optional<double> t = detail::onto_b23(f.p, f.t)) {
            const detail::Slopes y = slopes(e, f.p, *t);
            if (met(u - energy(y.h, f.p, y.v), v - y.v, u, v)) return Found{Region::STEAM, f.p, *t, y.v};
        }
    return std::nullopt;
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
    // Steam of u at a low pressure: about u0 + cv·t, then Newton steps.
    double t = std::clamp((u - U_STEAM_0C) / CV_STEAM, 0.0, detail::T5_MAX_C);
    const double p_low = 1e-3;
    for (int i = 0; i < 4; ++i) {
        const detail::Slopes y = slopes(e, p_low, t);
        t += std::clamp((u - energy(y.h, p_low, y.v)) / (y.h_t + y.s_x * p_low), -T_STEP, T_STEP);
    }
    // p·v nearly constant along the isotherm: a few steps p ← p·v(p)/v take
    // the real gas's compressibility in.
    double p = detail::R_WATER * (t + KELVIN) / (KJ_PER_MPA_M3 * v);
    for (int i = 0; i < 3; ++i) p *= slopes(e, p, t).v / v;
    return {t, p};
}

// The single phase of (u, v): region 3 at its volumes, then the Gibbs
// regions in the order the volume suggests, each from the region 3 state
// where one was found (the equations nearly agree across their boundaries)
// and from its own start; or, for dense steam far from the ideal gas, from
// the pressure of volume v on the isotherm of that start.
// How far a state found outside its equation's region lies from it, in
// steps of a thousand from the rounding of a boundary state up to SLIVER (a
// sliver at a boundary that neither region's equation reaches); infinite
// farther.
double distance_across(const Found& f) {
    if (region_at(f.p, f.t) == Region::OUTSIDE) return INFINITY;
    for (const double d : {SLIVER * 1e-9, SLIVER * 1e-6, SLIVER * 1e-3, SLIVER}) {
        Found colder = f, hotter = f;
        colder.t -= d, hotter.t += d;
        if (single_phase_root(colder) || single_phase_root(hotter)) return d;
    }
    return INFINITY;
}

// Keeps the state nearest its own region.
void keep_nearest(std::optional<Found>* across, const Found& f) {
    if (!*across || distance_across(f) < distance_across(**across)) {
        if (std::isfinite(distance_across(f))) *across = f;
    }
}

std::optional<Found> single_phase(double u, double v, bool dense_steam, std::optional<Found>* across) {
    std::optional<Found> near;
    if (v > V3_LOWEST && v < V3_HIGHEST) near = search_near_critical(u, v);
    if (near && single_phase_root(*near)) {
        near->region = region_at(near->p, near->t);
        // Within some millikelvin of 350 °C and of the B23 line the equations
        // of regions 1 and 2 overlap region 3's: the region that holds the
        // boundary gives the state there. Its search for a state on 350 °C
        // itself settles within the rounding of the isotherm, on region 3's
        // side as often as not: such a state is closed onto the isotherm.
        const double T = near->t + KELVIN;
        const Equation holder = T - detail::T13_K < OVERLAP ? Equation::Water : Equation::Steam;
        if (T - detail::T13_K < OVERLAP || detail::TB23(near->p) - T < OVERLAP) {
            const std::optional<Found> f = search_gibbs(holder, u, v, near->t, near->p);
            if (f && single_phase_root(*f)) return f;
            if (f)
                if (const std::optional<Found> g = onto_edge(holder, u, v, *f)) return g;
        }
        return near;
    }
    if (near) keep_nearest(across, *near);
    // Steam whose ideal-gas temperature lies above 800 °C is tried in region 5 first.
    const bool liquid = v < V_LIQUID;
    const std::pair<double, double> steam_start = liquid ? std::pair{0.0, 0.0} : start(Equation::Steam, u, v);
    const bool hot = !liquid && steam_start.first > detail::T25_C;
    const Equation gas = hot ? Equation::HighTemperature : Equation::Steam;
    const Equation other_gas = hot ? Equation::Steam : Equation::HighTemperature;
    const Equation order[] = {liquid ? Equation::Water : gas, liquid ? Equation::Steam : other_gas,
                              liquid ? Equation::HighTemperature : Equation::Water};
    for (const Equation e : order) {
        const auto [t0, p0] = e == Equation::Steam && !liquid ? steam_start : start(e, u, v);
        for (int k = dense_steam ? 2 : 0; k < (dense_steam ? 3 : 2); ++k) {
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
            if (f)
                if (const std::optional<Found> g = onto_edge(e, u, v, *f)) return g;
            if (f) keep_nearest(across, *f);
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

// The root in t of f from low (f ≤ 0) to high (f ≥ 0): regula falsi, the
// end kept twice in a row weighted by half (Illinois), so that it closes
// faster than linearly and never leaves the interval.
template <class F>
double root_in_t(F f, double low, double high) {
    double f_low = f(low), f_high = f(high);
    int kept = 0;  // which end stayed: −1 low, +1 high
    for (int i = 0; i < MAX_STEPS; ++i) {
        double t = low - f_low * (high - low) / (f_high - f_low);
        if (!(t > low && t < high)) t = (low + high) / 2.0;
        if (t == low || t == high) break;
        const double value = f(t);
        if (value == 0) return t;
        if (value < 0) {
            low = t, f_low = value;
            if (kept == 1) f_high /= 2;
            kept = 1;
        } else {
            high = t, f_high = value;
            if (kept == -1) f_low /= 2;
            kept = -1;
        }
        if (high - low <= STEP_SETTLED * (t + KELVIN)) break;
    }
    return std::fabs(f_low) < std::fabs(f_high) ? low : high;
}

constexpr double T_LINE_TOP = TKR - 1e-4;  // °C: closer, the phases scatter in their last digits

// Saturated water is densest near 4 °C: from the triple point to there its
// volume falls.
constexpr double T_DENSEST = 3.98;  // °C
constexpr double WET_EDGE = 1e-8;
// The critical volume, 1/322 m³/kg, divides the saturated lines' sides.
constexpr double V_CRITICAL = 1.0 / 322.0;

std::optional<Wet> wet(double u, double v) {
    // The saturated phases themselves lie on the ends within the rounding of
    // their u and of the ends' temperatures (where v′ hardly changes, near
    // 4 °C, some 1e-10 K). A single phase is looked for first: only a pair no
    // single phase has, or a saturated phase, is tested here.
    const double rounding = WET_EDGE * std::fmax(std::fabs(u), SCALE);
    const Saturation bottom = SATURATION_T(detail::T_TRIPLE_C);
    if (!(v <= bottom.steam.v && v >= SATURATION_T(T_DENSEST).water.v)) return std::nullopt;
    const auto liquid_volume = [v](double t) { return SATURATION_T(t).water.v - v; };
    // The lowest temperature: the triple point, or where v′ falls to v below 4 °C.
    const double begin =
        v >= bottom.water.v ? detail::T_TRIPLE_C
                            : root_in_t([&](double t) { return -liquid_volume(t); }, detail::T_TRIPLE_C, T_DENSEST);
    const Saturation first = SATURATION_T(begin);
    if (u < mixture_energy(first, v) - rounding) return std::nullopt;
    // The highest: v″ = v on the vapour side of the critical volume, v′ = v on
    // the liquid side; below 350 °C where the phase at 350 °C shows it (the
    // saturated states near the critical point cost a region 3 search each).
    // v″ falls with t about exponentially: its logarithm is met.
    const Saturation middle = SATURATION_T(detail::T13_C);
    const bool vapour = v > V_CRITICAL;
    const double high = vapour ? (v > middle.steam.v ? detail::T13_C : T_LINE_TOP)
                               : (v < middle.water.v ? detail::T13_C : T_LINE_TOP);
    double end = high;
    if (vapour && !(high == T_LINE_TOP && v <= SATURATION_T(T_LINE_TOP).steam.v))
        end = root_in_t([v](double t) { return std::log(v / SATURATION_T(t).steam.v); }, begin, high);
    else if (!vapour && !(high == T_LINE_TOP && v >= SATURATION_T(T_LINE_TOP).water.v))
        end = root_in_t(liquid_volume, std::fmax(begin, T_DENSEST), high);
    const Saturation last = SATURATION_T(end);
    if (u > mixture_energy(last, v) + rounding) return std::nullopt;
    const double t =
        root_in_t([u, v](double t) { return mixture_energy(SATURATION_T(t), v) - u; }, begin, end);
    const Saturation y = SATURATION_T(t);
    return Wet{y, std::clamp(dryness_by_volume(y, v), 0.0, 1.0)};
}

State single_phase_state(const Found& f) {
    const detail::SinglePhase y = f.region == Region::WATER   ? detail::water(f.p, f.t, detail::phase)
                                  : f.region == Region::STEAM ? detail::steam(f.p, f.t, detail::phase)
                                  : f.region == Region::HIGH_TEMPERATURE
                                      ? detail::high_temperature(f.p, f.t, detail::phase)
                                      : detail::near_critical(f.p, f.v, f.t, detail::phase);
    return detail::single_phase_state(f.region, 0, f.p, f.t, y.h, y);
}

}  // namespace

State STATE_UV(double u, double v) {
    if (!(std::isfinite(u) && std::isfinite(v) && v > 0)) throw FatalStop(MESSAGE_OUTSIDE);
    // A state in a sliver between two regions' equations, just across its
    // own region's boundary: the answer where no state lies in its own region.
    std::optional<Found> across;
    std::optional<Found> f = single_phase(u, v, false, &across);
    // A single phase within rounding of the saturation line is the saturated phase, wet steam of x = 0 or 1.
    if (f && f->p < PKR && std::fabs(f->t - TS_P(f->p)) <= ON_LINE * (f->t + KELVIN))
        if (wet(u, v)) f.reset();
    if (f) return single_phase_state(*f);
    const std::optional<Wet> w = wet(u, v);
    if (!w) {
        f = single_phase(u, v, true, &across);
        if (!f) f = across;
        if (!f) throw FatalStop(MESSAGE_OUTSIDE);
        return single_phase_state(*f);
    }
    const SaturatedPhase m = detail::mixture_of(w->phases, w->x);
    return detail::two_phase_state(0, w->x, w->phases.p, w->phases.t, m.h, m.s, v, NOT_A_NUMBER);
}

}  // namespace TFS
