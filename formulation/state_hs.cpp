// State from enthalpy and entropy, the pair of the Mollier chart. The
// boundary equations of the (h, s) releases tell wet steam from the single
// phase and the regions apart; the backward p(h, s) with T(p, h), T(p, s) or
// the saturation temperature Tsat(h, s) give a first state; Newton steps on
// the forward equations close it until both h and s are met. Where no
// backward equation applies (region 5, the lowest pressures, wet steam below
// s″ at 350 °C) a rougher start serves: the steps close it all the same.
#include "backward_hs.h"
#include "backward_region3.h"
#include "boundary_holder.h"
#include "derivatives.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace TFS {
namespace {

using detail::KELVIN;
using detail::Region;

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

constexpr const char* MESSAGE_NO_CONVERGENCE = "Функция STATE_HS не сходится";

// h and s are met to this part of themselves (of 1 kJ/kg and 1 kJ/(kg·K)
// where they near 0, in the coldest water).
constexpr double TOLERANCE = 1e-11;
constexpr double ENTHALPY_SCALE = 1.0;  // kJ/kg
constexpr double ENTROPY_SCALE = 1.0;   // kJ/(kg·K)
// Once met, Newton steps go on while they still move the state by more than
// this part of T and of p or v: a met (h, s) still leaves the pressure of cold
// water some 1e-9 of itself off, since its enthalpy hardly depends on it.
constexpr double STEP_SETTLED = 1e-14;
constexpr int MAX_POLISH = 2;
constexpr int MAX_STEPS = 60;
// A step changes T by at most this, and ln p or ln v by at most LOG_STEP:
// far starts (an ideal-gas estimate, a backward equation out of its range)
// approach without overshooting into the regions' nonsense.
constexpr double T_STEP = 150;  // K
constexpr double LOG_STEP = 2;

// The critical entropy: the 3a/3b boundary, s″ > S_C > s′ below the critical point.
constexpr double S_C = 4.41202148223476;  // kJ/(kg·K)
// The boundary equations' ranges (the releases' values).
constexpr double S_LIQUID_350 = 3.778281340;  // s′(350 °C)
constexpr double S_B13_LOW = 3.397782955;     // s(100 MPa, 350 °C)
constexpr double S_VAPOUR_350 = 5.210887825;  // s″(350 °C)
constexpr double S_2BC = 5.85;                // 2b/2c, and h″2c3b / h″2ab
constexpr double S_VAPOUR_0C = 9.155759395;   // s″(0 °C)
constexpr double S_B23_LOW = 5.048096828;     // the range of TB23(h, s)
constexpr double S_B23_HIGH = 5.260578707;
constexpr double H_B23_LOW = 2563.592004;   // h″(350 °C)
constexpr double H_B23_HIGH = 2812.942061;  // h(100 MPa, 590 °C)
// s′(0 °C), a little below the zero of s, the saturated liquid at the triple point.
constexpr double S_LIQUID_0C = -1.545495919e-4;
constexpr double H_LIQUID_350 = 1670.858218;  // h′(350 °C)
// Near the saturated lines drawn by the boundary equations (they meet the
// saturated phases to 0.0072 kJ/kg at worst) the saturated phases decide.
constexpr double NEAR_SATURATION = 0.05;  // kJ/kg
// A dryness within this of 0 or 1 is that saturated phase: the rounding of h
// and s of a saturated state lies far below it, a state off the line far above.
constexpr double DRYNESS_ROUNDING = 1e-12;
// Near the critical point the saturated phases of neighbouring temperatures
// scatter by more than their difference: s″ is not monotonic in the last
// 1e-11 K, and a saturated state's dryness comes out within some 1e-11 of 0 or 1.
constexpr double DRYNESS_ROUNDING_REGION3 = 1e-9;
// A state whose h lies above the saturated phase of its entropy by no more
// than this part of h″ − h′ is that phase: the rounding of a saturated
// state's h and s; above 350 °C, by this part of h, that of the region 3
// roots of the phases, which near the critical point differ from those at a
// nearby saturation temperature in their last 1e-10. Compressed water is
// taken as saturated only within some 1e-8 MPa of the line.
constexpr double LINE_ROUNDING = 1e-13;
constexpr double LINE_ROUNDING_REGION3 = 1e-11;
constexpr double P_LIQUID_START = 1.0;  // MPa
// A first temperature in the region 3 dome.
constexpr double T_DOME = 360.0;  // °C
// The lowest pressure of the backward equations of region 2; below it a
// state starts as an ideal gas.
constexpr double P_LOWEST_BACKWARD = detail::P_TRIPLE_MPA;
constexpr double P_GAS_START = 1e-3;  // MPa
// A backward pressure is a start up to twice the highest of the domain: the
// states found are checked against the domain.
constexpr double START_P_MAX = 2 * detail::P_MAX_MPA;

// The regions' equations differ at their boundaries by up to some 20 mK in
// the temperature of one (h, s): a state within this of its equation's
// region, and across in another, lies in a sliver that neither reaches.
constexpr double SLIVER = 0.05;  // K

// The equations a search moves on: regions 1, 2 and 5 in (T, p), region 3 in (T, v).
enum class Equation { Water, Steam, HighTemperature, NearCritical };

Region region_of(Equation e) {
    switch (e) {
        case Equation::Water: return Region::WATER;
        case Equation::Steam: return Region::STEAM;
        case Equation::HighTemperature: return Region::HIGH_TEMPERATURE;
        default: return Region::NEAR_CRITICAL;
    }
}

// A point of a search: T in K, x = p (MPa) or v (m³/kg).
struct Point {
    double T, x;
};

detail::Slopes evaluate_at(Equation e, double x, double t) {
    switch (e) {
        case Equation::Water: return detail::water(x, t, detail::slopes);
        case Equation::Steam: return detail::steam(x, t, detail::slopes);
        case Equation::HighTemperature: return detail::high_temperature(x, t, detail::slopes);
        default: return detail::near_critical(x, t, detail::slopes);
    }
}

detail::Slopes evaluate(Equation e, const Point& at) {
    return evaluate_at(e, at.x, at.T - KELVIN);
}

// Compressed water's enthalpy hardly moves with p: there p itself is stepped;
// the volumes and the pressures of gases by their logarithms.
bool logarithmic(Equation e) {
    return e != Equation::Water;
}

struct Found {
    Equation equation;
    double p, t, v;
};

// Newton steps on h(T, x) = h and s(T, x) = s from `at`, on the one equation `e`.
std::optional<Found> search(Equation e, double h, double s, Point at) {
    const double h_tolerance = TOLERANCE * std::fmax(std::fabs(h), ENTHALPY_SCALE);
    const double s_tolerance = TOLERANCE * std::fmax(std::fabs(s), ENTROPY_SCALE);
    std::optional<Found> met;
    int polish = 0;
    for (int step = 0; step < MAX_STEPS; ++step) {
        if (!(at.T > 0 && at.x > 0 && std::isfinite(at.T) && std::isfinite(at.x))) return std::nullopt;
        const detail::Slopes y = evaluate(e, at);
        const double dh = h - y.h;
        const double ds = s - y.s;
        if (!(std::isfinite(dh) && std::isfinite(ds))) return std::nullopt;
        const bool within = std::fabs(dh) <= h_tolerance && std::fabs(ds) <= s_tolerance;
        if (within) met = Found{e, y.p, at.T - KELVIN, y.v};
        const double det = y.h_t * y.s_x - y.h_x * y.s_t;
        double dT = (dh * y.s_x - y.h_x * ds) / det;
        double dx = (y.h_t * ds - y.s_t * dh) / det;
        if (within &&
            ((std::fabs(dT) <= STEP_SETTLED * at.T && std::fabs(dx) <= STEP_SETTLED * at.x) || ++polish > MAX_POLISH))
            return met;
        dT = std::clamp(dT, -T_STEP, T_STEP);
        if (logarithmic(e) || at.x + dx <= 0) {
            at.x *= std::exp(std::clamp(dx / at.x, -LOG_STEP, LOG_STEP));
        } else {
            at.x += dx;
        }
        at.T += dT;
    }
    return met;
}

// Whether the (p, t) classification puts the state at t found where its equation holds.
bool in_own_region(const Found& f, double t) {
    const Region region = detail::region_pt(f.p, t).region;
    if (f.equation == Equation::NearCritical) return detail::in_region3(region);
    return region == region_of(f.equation);
}

// Whether the state found lies inside the domain and so near its equation's
// region that it is one of a sliver between two regions' equations.
bool just_across(const Found& f) {
    return detail::region_pt(f.p, f.t).region != Region::OUTSIDE &&
           (in_own_region(f, f.t - SLIVER) || in_own_region(f, f.t + SLIVER));
}

// The edges of the domain and of the regions at which a state of the (p, t)
// domain can lie exactly: the isotherms 0, 350, 800 and 2000 °C and the
// isobars 100 and 50 MPa. A search for the (h, s) of such a state ends
// within its rounding of the edge, just across it as often as not: some
// 1e-10 K, and some 1e-10 of p in cold water, whose enthalpy hardly depends
// on p. A state found that close to an edge is closed again along the edge.
constexpr double EDGE_TEMPERATURES[] = {0.0, detail::T13_C, detail::T25_C, detail::T5_MAX_C};  // °C
constexpr double EDGE_PRESSURES[] = {100.0, detail::P5_MAX_MPA};                              // MPa
constexpr double NEAR_EDGE_T = 1e-6;  // K
constexpr double NEAR_EDGE_P = 1e-8;  // of p
constexpr int MAX_EDGE_STEPS = 20;

// A line of the edges: the temperature fixed (NaN where free), the pressure fixed (NaN where free).
struct EdgeLine {
    double t, p;
};

bool meets(const detail::Slopes& y, double h, double s) {
    return std::fabs(h - y.h) <= TOLERANCE * std::fmax(std::fabs(h), ENTHALPY_SCALE) &&
           std::fabs(s - y.s) <= TOLERANCE * std::fmax(std::fabs(s), ENTROPY_SCALE);
}

// The state on the line that meets (h, s), of the equation e: Newton steps
// on the one condition left. Along an isobar on h by T, a region 3 state at
// the volume the (p, t) functions find (its pressure itself carries the
// rounding of its equation, some 1e-13 of p); along an isotherm on h or s by
// p, whichever p moves more for its tolerance.
std::optional<Found> along_edge(Equation e, double h, double s, const Found& f, EdgeLine line) {
    const bool isobar = std::isnan(line.t), isotherm = std::isnan(line.p);
    if (!isobar && e == Equation::NearCritical) return std::nullopt;  // no edge isotherm borders region 3
    const double h_tolerance = TOLERANCE * std::fmax(std::fabs(h), ENTHALPY_SCALE);
    const double s_tolerance = TOLERANCE * std::fmax(std::fabs(s), ENTROPY_SCALE);
    double p = isotherm ? f.p : line.p, t = isobar ? f.t : line.t;
    const auto state_at = [&] {
        return e == Equation::NearCritical ? evaluate_at(e, detail::volume_kr(p, t, 1), t) : evaluate_at(e, p, t);
    };
    for (int step = 0; step < MAX_EDGE_STEPS && (isobar || isotherm); ++step) {
        const detail::Slopes y = state_at();
        if (isobar) {
            // cp: in region 3 ∂h/∂T at constant v, and ∂h/∂v times (∂v/∂T)p = −(∂p/∂T)v / (∂p/∂v)T.
            const double p_t = y.s_x, p_v = (y.h_x - (t + KELVIN) * y.s_x) / y.v;
            const double cp = e == Equation::NearCritical ? y.h_t - y.h_x * p_t / p_v : y.h_t;
            const double dt = (h - y.h) / cp;
            if (!std::isfinite(dt)) return std::nullopt;
            t += dt;
            if (std::fabs(dt) <= STEP_SETTLED * (t + KELVIN)) break;
        } else {
            const double dp = std::fabs(y.h_x) * s_tolerance >= std::fabs(y.s_x) * h_tolerance ? (h - y.h) / y.h_x
                                                                                               : (s - y.s) / y.s_x;
            if (!std::isfinite(dp)) return std::nullopt;
            p += dp;
            if (std::fabs(dp) <= STEP_SETTLED * p) break;
        }
    }
    const detail::Slopes y = state_at();
    const Found closed{e, p, t, y.v};
    if (!(meets(y, h, s) && in_own_region(closed, t))) return std::nullopt;
    return closed;
}

// The state closed along the edges near a state found outside its region or
// the domain; a state of steam just across B23, on the line.
std::optional<Found> onto_edge(double h, double s, const Found& f) {
    std::optional<Found> closed;
    const auto near_t = [&](double edge) { return std::fabs(f.t - edge) <= NEAR_EDGE_T; };
    const auto near_p = [&](double edge) { return std::fabs(f.p - edge) <= NEAR_EDGE_P * edge; };
    for (const double t : EDGE_TEMPERATURES)
        for (const double p : EDGE_PRESSURES)
            if (!closed && near_t(t) && near_p(p)) closed = along_edge(f.equation, h, s, f, {t, p});
    for (const double t : EDGE_TEMPERATURES)
        if (!closed && near_t(t)) closed = along_edge(f.equation, h, s, f, {t, NOT_A_NUMBER});
    for (const double p : EDGE_PRESSURES)
        if (!closed && near_p(p)) closed = along_edge(f.equation, h, s, f, {NOT_A_NUMBER, p});
    if (!closed && f.equation == Equation::Steam)
        if (const std::optional<double> t = detail::onto_b23(f.p, f.t)) {
            const detail::Slopes y = evaluate_at(f.equation, f.p, *t);
            if (meets(y, h, s)) closed = Found{f.equation, f.p, *t, y.v};
        }
    return closed;
}

// A start in region 2 or 5 from an ideal gas: T from h alone at a low
// pressure, then the pressure whose entropy drop R·ln(p/p0) meets s.
std::optional<Point> gas_start(Equation e, double h, double s) {
    Point at{e == Equation::HighTemperature ? 1500.0 : 600.0, P_GAS_START};
    for (int i = 0; i < 8; ++i) {
        const detail::Slopes y = evaluate(e, at);
        at.T += std::clamp((h - y.h) / y.h_t, -T_STEP, T_STEP);
        if (!(at.T > 0)) return std::nullopt;
    }
    const detail::Slopes y = evaluate(e, at);
    at.x *= std::exp(std::clamp((y.s - s) / detail::R_WATER, -30.0, 30.0));
    return at;
}

// Region 2 from the backward equations: p(h, s) of the subregion that
// h2ab(s) and s = 5.85 give, T(p, s) of the subregion p and s give.
std::optional<Point> steam_start(double h, double s) {
    const double p = s < S_2BC              ? detail::p_hs2c(h, s)
                     : h <= detail::h2ab(s) ? detail::p_hs2a(h, s)
                                            : detail::p_hs2b(h, s);
    if (!(p >= P_LOWEST_BACKWARD && p <= START_P_MAX)) return std::nullopt;
    const double t = p <= detail::P_2AB_MPA ? T_PS2A(p, s) : s >= S_2BC ? T_PS2B(p, s) : T_PS2C(p, s);
    return Point{t + KELVIN, p};
}

std::optional<Point> start(Equation e, double h, double s) {
    switch (e) {
        case Equation::Water: {
            const double p_hs = detail::p_hs1(h, s);
            const double p = p_hs > 0 && p_hs <= START_P_MAX ? p_hs : 1.0;
            return Point{T_PH1(p, h) + KELVIN, p};
        }
        case Equation::Steam: return steam_start(h, s);
        case Equation::HighTemperature: return gas_start(e, h, s);
        default: {
            const double p = s <= S_C ? detail::p_hs3a(h, s) : detail::p_hs3b(h, s);
            if (!(p > PKR / 2 && p <= START_P_MAX)) return std::nullopt;
            return Point{detail::backward_t_ph3(p, h), detail::backward_v_ps3(p, s)};
        }
    }
}

// The single-phase region the boundary equations give: region 1 below the
// isotherm 350 °C (hB13), region 3 above it and up to the B23 line (TB23 with
// p2c), region 2 beyond; region 5 is told from region 2 by the start's T.
Equation equation_of(double h, double s) {
    if (s <= S_C)
        return s <= S_LIQUID_350 && (s < S_B13_LOW || h <= detail::hB13(s)) ? Equation::Water : Equation::NearCritical;
    if (s < S_B23_LOW || (s <= S_B23_HIGH && h < H_B23_LOW)) return Equation::NearCritical;
    if (s <= S_B23_HIGH && h <= H_B23_HIGH) {
        const double p = detail::p_hs2c(h, s);
        return p > detail::pB23(detail::TB23_hs(h, s)) ? Equation::NearCritical : Equation::Steam;
    }
    return Equation::Steam;
}

// The equations to try after the first, where the first one's state leaves its region.
Equation neighbours_of(Equation e, int k) {
    static constexpr Equation AFTER_WATER[] = {Equation::NearCritical, Equation::Steam, Equation::HighTemperature};
    static constexpr Equation AFTER_STEAM[] = {Equation::HighTemperature, Equation::NearCritical, Equation::Water};
    static constexpr Equation AFTER_HIGH[] = {Equation::Steam, Equation::NearCritical, Equation::Water};
    static constexpr Equation AFTER_NEAR[] = {Equation::Water, Equation::Steam, Equation::HighTemperature};
    switch (e) {
        case Equation::Water: return AFTER_WATER[k];
        case Equation::Steam: return AFTER_STEAM[k];
        case Equation::HighTemperature: return AFTER_HIGH[k];
        default: return AFTER_NEAR[k];
    }
}

// Below the critical pressure the region 3 equation has roots inside the
// two-phase dome, between the entropies of the saturated phases at their
// pressure, and between its spinodals unstable ones (cp < 0): no single
// phase lies there. Within the scatter of the phases near the critical point
// (a dryness some 1e-6 from 0 or 1) a root is the saturated phase itself.
constexpr double DOME_MARGIN = 1e-6;

bool stable_outside_dome(const Found& f, double s) {
    if (f.equation != Equation::NearCritical || !(f.p >= detail::P_TRIPLE_MPA && f.p < PKR)) return true;
    if (!(detail::near_critical(f.p, f.v, f.t, detail::phase).cp > 0)) return false;
    const Saturation y = SATURATION_P(f.p);
    const double x = (s - y.water.s) / (y.steam.s - y.water.s);
    return !(x > DOME_MARGIN && x < 1.0 - DOME_MARGIN);
}

// Where two regions' equations overlap at their boundary, an (h, s) has a
// state in each region: the one of the region that holds the boundary is
// given (boundary_holder.h).
int holds_boundary(Equation e) {
    return detail::holds_boundary(region_of(e));
}

// Whether a state in its own region lies so near another region that an
// overlap of their equations can reach it.
bool near_boundary(const Found& f) {
    return !(in_own_region(f, f.t - SLIVER) && in_own_region(f, f.t + SLIVER));
}

// The single-phase state of (h, s): a state of an equation that lies in its
// own region (a region 3 root only if stable and outside the dome), or on an
// edge within its rounding; near a boundary, of the region that holds it.
// Where none does (a sliver at a boundary between regions that neither
// equation reaches), the first state found just across its equation's
// boundary. Nothing where no equation gives such a state.
std::optional<Found> single_phase(double h, double s) {
    Equation first = equation_of(h, s);
    std::optional<Point> at = start(first, h, s);
    if (first == Equation::Steam) {
        if (at && at->T > detail::T25_K) first = Equation::HighTemperature, at = start(first, h, s);
        if (!at) at = gas_start(first, h, s);
    }
    std::optional<Found> own, fallback;
    for (int k = -1; k < 3; ++k) {
        const Equation e = k < 0 ? first : neighbours_of(first, k);
        if (k >= 0) at = start(e, h, s);
        if (!at && e != Equation::Water && e != Equation::NearCritical) at = gas_start(e, h, s);
        if (!at) continue;
        const std::optional<Found> found = search(e, h, s, *at);
        if (!found || !stable_outside_dome(*found, s)) continue;
        const std::optional<Found> state = in_own_region(*found, found->t) ? found : onto_edge(h, s, *found);
        if (state) {
            if (!own || holds_boundary(state->equation) < holds_boundary(own->equation)) own = state;
            if (!near_boundary(*own)) return own;
        } else if (!fallback && just_across(*found)) {
            fallback = found;
        }
    }
    return own ? own : fallback;
}

// The saturated states this search moves on: from the triple point to just
// below the critical point, where s″ − s′ shrinks to the rounding of the
// region 3 roots (some 1e-9 at 1e-6 K below it) and no dryness can be told.
constexpr double T_LINE_BOTTOM = detail::T_TRIPLE_C;
constexpr double T_LINE_TOP = TKR - 1e-4;
constexpr int MAX_LINE_STEPS = 100;
// The first step of a secant from a backward estimate, which lies some millikelvin off.
constexpr double FIRST_STEP = 0.01;  // K
// A root in t is taken when the next step moves it by less than this part of
// T: on the tie line the dryness then lies some 1e-14 off, the pressure
// 1e-12 of itself. Closer for the saturated phase of a given entropy, whose
// enthalpy tells a saturated state from compressed water, and above 350 °C,
// where near the critical point the dryness changes fast with t.
constexpr double T_SETTLED = 1e-13;
constexpr double T_SETTLED_PHASE = 1e-14;

// The root of f, rising or falling in t from T_LINE_BOTTOM to T_LINE_TOP,
// from `guess`: Newton steps where `slope` gives df/dt, else secants from
// the point before (the first by FIRST_STEP), until a step would move t by
// less than `settled` of T. A step that leaves the
// interval known to enclose the root, or three steps that have not halved
// it, halve it instead. Returns the last saturation computed.
template <class F>
Saturation root_on_line(F f, double guess, bool rising, double (*slope)(const Saturation&, double), double arg,
                        double settled) {
    double low = T_LINE_BOTTOM, high = T_LINE_TOP;
    double t = std::clamp(guess, low, high);
    double t_before = NOT_A_NUMBER, f_before = NOT_A_NUMBER;
    double width_checked = high - low;
    for (int step = 1; step <= MAX_LINE_STEPS; ++step) {
        const Saturation y = SATURATION_T(t);
        const double value = f(y);
        if (value == 0) return y;
        ((value > 0) == rising ? high : low) = t;
        double next = slope != nullptr ? t - value / slope(y, arg) : NOT_A_NUMBER;
        if (std::isnan(next))
            next = std::isfinite(t_before) ? t - value * (t - t_before) / (value - f_before)
                                           : t + ((value > 0) == rising ? -FIRST_STEP : FIRST_STEP);
        const double close = t > detail::T13_C ? T_SETTLED_PHASE : settled;
        if (std::fabs(next - t) <= close * (t + KELVIN) || !(std::nextafter(low, high) < high)) return y;
        const bool slow = step % 3 == 0 && high - low > width_checked / 2;
        if (step % 3 == 0) width_checked = high - low;
        if (slow || !(low < next && next < high)) next = (low + high) / 2.0;
        t_before = t, f_before = value;
        t = next;
    }
    throw FatalStop(MESSAGE_NO_CONVERGENCE);
}

// Wet steam lies below the saturated lines, the liquid's up to the critical
// entropy and the vapour's beyond it: whether (h, s) does, where the boundary
// equations leave it in doubt, from the saturated phase of entropy s.
// On the liquid side up to 350 °C ds′/dt = cp′/T nearly (the expansion
// term is small); nearer the critical point, and on the vapour side, secants.
double liquid_entropy_slope(const Saturation& y, double) {
    return y.t <= detail::T13_C ? y.water.cp / (y.t + KELVIN) : NOT_A_NUMBER;
}

double tie_line_gap(const Saturation& y, double h, double s);

bool below_saturated_line(double h, double s, double guess) {
    const bool liquid = s <= S_C;
    const auto of_phase = [liquid](const Saturation& y) { return liquid ? y.water : y.steam; };
    const Saturation y = root_on_line([&](const Saturation& z) { return of_phase(z).s - s; }, guess, liquid,
                                      liquid ? liquid_entropy_slope : nullptr, 0, T_SETTLED_PHASE);
    const double rounding = y.t > detail::T13_C ? LINE_ROUNDING_REGION3 * h : LINE_ROUNDING * (y.steam.h - y.water.h);
    // An entropy between the phases of the top tie line has its saturated
    // phase above the line's top: there the top tie line bounds the dome.
    if (s > y.water.s && s < y.steam.s) return tie_line_gap(y, h, s) <= rounding;
    return h <= of_phase(y).h + rounding;
}

// Wet steam: the saturation temperature at which h and s give the same
// dryness. g(t) = h − h′ − (s − s′)·(h″ − h′)/(s″ − s′), the enthalpy above the
// tie line of t at s, falls as t rises: ∂g/∂t = −v·dp/dt at constant s, with
// v the mixture's and dp/dt = (h″ − h′)/(T·(v″ − v′)) by Clapeyron.
struct Wet {
    Saturation phases;
    double x;
};

// Above the saturation temperature whose phase has entropy s, s lies beyond
// the tie line and g no longer falls: there the root lies lower (−∞).
double tie_line_gap(const Saturation& y, double h, double s) {
    if (!(s >= y.water.s && s <= y.steam.s)) return -INFINITY;
    return h - y.water.h - (s - y.water.s) * (y.steam.h - y.water.h) / (y.steam.s - y.water.s);
}

double tie_line_slope(const Saturation& y, double s) {
    const double x = (s - y.water.s) / (y.steam.s - y.water.s);
    const double v = y.water.v + x * (y.steam.v - y.water.v);
    const double dp_dt = (y.steam.h - y.water.h) / ((y.t + KELVIN) * (y.steam.v - y.water.v));  // kJ/(m³·K)
    return -v * dp_dt;
}

// The dryness of the wet state (h, s) whose tie line the search found: the
// mean of those by h and by s, which agree to the rounding there; nothing
// where it is no dryness (a state beside the line).
std::optional<Wet> dryness(const Saturation& y, double h, double s) {
    const double x_s = (s - y.water.s) / (y.steam.s - y.water.s);
    const double x_h = (h - y.water.h) / (y.steam.h - y.water.h);
    const double x = (x_s + x_h) / 2.0;
    const double rounding = y.t > detail::T13_C ? DRYNESS_ROUNDING_REGION3 : DRYNESS_ROUNDING;
    // They disagree where the search ended at the triple point: below its tie line lies ice.
    if (!(std::fabs(x_s - x_h) <= rounding && x >= -rounding && x <= 1.0 + rounding)) return std::nullopt;
    return Wet{y, std::clamp(x, 0.0, 1.0)};
}

// The temperature of saturated water of entropy s ≤ s′(350 °C): that of
// compressed water of entropy s, T(p, s) of region 1 at any pressure up to
// psat(350 °C), which moves it by some hundredths of a kelvin at most.
double liquid_t(double s) {
    return std::clamp(T_PS1(P_LIQUID_START, s), T_LINE_BOTTOM, detail::T13_C);
}

// Cold saturated water in a rough form, h′ ≈ c·t and s′ ≈ c·ln(T/T0), gives
// the temperature whose tie line h′ + T·(s − s′) passes through (h, s): it
// rises in t up to the liquid's temperature of entropy s.
constexpr double C_WATER = 4.19;  // kJ/(kg·K)

double cold_tie_line_t(double h, double s) {
    double low = T_LINE_BOTTOM, high = liquid_t(std::max(s, 0.0));
    for (int i = 0; i < 40; ++i) {
        const double t = (low + high) / 2.0;
        const double T = t + KELVIN;
        (C_WATER * t + T * (s - C_WATER * std::log(T / KELVIN)) < h ? low : high) = t;
    }
    return low;
}

// The first temperature of the tie line through (h, s): Tsat(h, s) where it
// holds; above the enthalpy of saturated water at 350 °C the region 3 dome;
// else the rough cold water's.
double tie_line_start(double h, double s) {
    // Tsat(h, s) holds from s″(350 °C) up; down to the critical entropy it
    // still comes within some 10 K.
    if (s >= S_C) return detail::Tsat_hs(h, s) - KELVIN;
    if (h > H_LIQUID_350) return T_DOME;
    return cold_tie_line_t(h, s);
}

// The first temperature of the saturated phase of entropy s: on the vapour
// side Tsat(h, s) of the line itself, on the liquid side that of region 1.
double line_start(double h, double s) {
    if (s >= S_VAPOUR_350) return detail::Tsat_hs(h, s) - KELVIN;
    if (s > S_LIQUID_350) return T_DOME;
    return liquid_t(s);
}

// The saturated line of entropy s as the boundary equations draw it.
double saturated_line(double s) {
    return s <= S_LIQUID_350 ? detail::h_liquid1(s)
           : s <= S_C        ? detail::h_liquid3a(s)
           : s < S_2BC       ? detail::h_vapour2c3b(s)
                             : detail::h_vapour2ab(s);
}

std::optional<Wet> wet(double h, double s) {
    if (!(s >= S_LIQUID_0C && s <= S_VAPOUR_0C)) return std::nullopt;
    const double line = saturated_line(s);
    if (h > line + NEAR_SATURATION) return std::nullopt;
    if (h >= line - NEAR_SATURATION && !below_saturated_line(h, s, line_start(h, s))) return std::nullopt;
    const Saturation y = root_on_line([&](const Saturation& z) { return tie_line_gap(z, h, s); }, tie_line_start(h, s),
                                      false, tie_line_slope, s, T_SETTLED);
    return dryness(y, h, s);
}

struct SolutionHS {
    std::optional<Wet> wet;
    std::optional<Found> single;
};

SolutionHS solve(double h, double s) {
    if (!(std::isfinite(h) && std::isfinite(s))) throw FatalStop(detail::MESSAGE_OUTSIDE_HS);
    if (std::optional<Wet> w = wet(h, s)) return {w, {}};
    std::optional<Found> found = single_phase(h, s);
    if (!found) throw FatalStop(detail::MESSAGE_OUTSIDE_HS);
    return {{}, found};
}

}  // namespace

double P_HS(double h, double s) {
    const SolutionHS x = solve(h, s);
    return x.wet ? x.wet->phases.p : x.single->p;
}

double T_HS(double h, double s) {
    const SolutionHS x = solve(h, s);
    return x.wet ? x.wet->phases.t : x.single->t;
}

State STATE_HS(double h, double s) {
    const SolutionHS x = solve(h, s);
    if (x.wet) {
        const Saturation& y = x.wet->phases;
        const SaturatedPhase m = detail::mixture_of(y, x.wet->x);
        return detail::two_phase_state(0, x.wet->x, y.p, y.t, h, s, m.v, NOT_A_NUMBER);
    }
    const Found& f = *x.single;
    Region region = detail::region_pt(f.p, f.t).region;
    detail::SinglePhase y{};
    switch (f.equation) {
        case Equation::Water: y = detail::water(f.p, f.t, detail::phase); break;
        case Equation::Steam: y = detail::steam(f.p, f.t, detail::phase); break;
        case Equation::HighTemperature: y = detail::high_temperature(f.p, f.t, detail::phase); break;
        default: y = detail::near_critical(f.p, f.v, f.t, detail::phase); break;
    }
    if (!detail::in_region3(region) || f.equation != Equation::NearCritical) region = region_of(f.equation);
    return detail::single_phase_state(region, 0, f.p, f.t, y.h, y);
}

}  // namespace TFS
