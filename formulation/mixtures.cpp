// Two-phase mixtures of dryness x (mass fraction of vapour) at pressure p: the
// mass-weighted mean of saturated water and saturated steam at p.
#include "tfs_internal.h"

#include <cmath>
#include <limits>

namespace TFS {
namespace {

using BySaturation = double (*)(double);

// The mean of the water and steam values; the phase's own value at x = 0 and 1.
double mix(double x, double water, double steam) {
    if (x == 0) return water;
    if (x == 1) return steam;
    return (1.0 - x) * water + x * steam;
}

// A pressure of the liquid-vapour line: from the triple point up, finite
// (the bound is written so that NaN fails it too).
bool on_liquid_vapour_line(double p) {
    return p >= detail::P_TRIPLE_MPA && std::isfinite(p);
}

// The phases of one property by pressure (HSW_P, HSP_P), so that x = 0 and
// 1 give the saturated phases bit for bit; above the critical pressure,
// where they refuse, the functions by temperature at TS_P (p) (HSW_T,
// HSP_T), whose stop, or value just above it, the mixture has always given.
struct Phases {
    BySaturation water_p, steam_p, water_t, steam_t;
};

double mixture(double p, double x, const char* refusal, const Phases& f) {
    // Written so that a dryness that is not a number is refused as well.
    if (!(x >= 0 && x <= 1)) throw FatalStop(refusal);
    if (!on_liquid_vapour_line(p)) throw FatalStop(detail::MESSAGE_OUTSIDE_PX);
    if (p <= PKR) {
        const double y_water = f.water_p(p);
        return mix(x, y_water, f.steam_p(p));
    }
    const double ts = detail::saturation_temperature(p);
    const double y_water = f.water_t(ts);
    return mix(x, y_water, f.steam_t(ts));
}

bool is_dryness(double x) {
    return x >= 0 && x <= 1;
}

// The wet-steam State of dryness x of the saturation state.
State mixture_state(const Saturation& saturated, double x) {
    const SaturatedPhase m = detail::mixture_of(saturated, x);
    return detail::two_phase_state(0, x, saturated.p, saturated.t, m.h, m.s, m.v,
                                   std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

SaturatedPhase detail::mixture_of(const Saturation& saturation, double x) {
    const SaturatedPhase& w = saturation.water;
    const SaturatedPhase& s = saturation.steam;
    SaturatedPhase m{};
    m.h = mix(x, w.h, s.h);
    m.s = mix(x, w.s, s.s);
    m.v = mix(x, w.v, s.v);
    m.cp = mix(x, w.cp, s.cp);
    m.u = mix(x, w.u, s.u);
    return m;
}

// Member by member, so that a property added to State cannot take another's
// place; what a mixture does not have stays NaN.
State detail::two_phase_state(int code, double x, double p, double t, double h, double s, double v, double cp) {
    State state{};
    state.region = static_cast<int>(Region::SATURATION_LINE);
    state.code = code;
    state.x = x;
    state.p = p;
    state.t = t;
    state.h = h;
    state.s = s;
    state.v = v;
    state.cp = cp;
    state.u = h - p * v * KJ_PER_MPA_M3;
    return state;
}

double H_PX(double p, double x) {
    return mixture(p, x, "  X < 0 или X > 1  в  H_PX", {HSW_P, HSP_P, HSW_T, HSP_T});
}
double S_PX(double p, double x) {
    return mixture(p, x, "  X < 0 или X > 1  в  S_PX", {SSW_P, SSP_P, SSW_T, SSP_T});
}
double V_PX(double p, double x) {
    return mixture(p, x, "  X < 0 или X > 1 в V_PX", {VSW_P, VSP_P, VSW_T, VSP_T});
}
double Cp_PX(double p, double x) {
    return mixture(p, x, "  X < 0 или X > 1  в  Cp_PX", {CSW_P, CSP_P, CSW_T, CSP_T});
}

State STATE_PX(double p, double x) {
    if (!(on_liquid_vapour_line(p) && p < PKR && is_dryness(x))) throw FatalStop(detail::MESSAGE_OUTSIDE_PX);
    return mixture_state(SATURATION_P(p), x);
}

State STATE_TX(double t, double x) {
    if (!(t >= detail::T_TRIPLE_C && t < TKR && is_dryness(x))) throw FatalStop(detail::MESSAGE_OUTSIDE_TX);
    return mixture_state(SATURATION_T(t), x);
}

}  // namespace TFS
