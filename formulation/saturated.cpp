// Saturated water and steam by pressure or by temperature. Up to 350 °C the
// saturation point lies on the edge of region 1 (water) or region 2 (steam);
// above it, in region 3, whose liquid-like and vapour-like roots give the two
// phases.
#include "derivatives.h"

#include <cmath>

namespace TFS {
namespace {

using ByState = double (*)(double p, double t);
using ByBranch = double (*)(double p, double t, int branch);

// Region 1 without its test against steam, as a function of (p, t): the
// callers test the saturation temperature themselves.
template <detail::GibbsProperty of>
double unguarded_water(double p, double t) {
    return detail::water(p, t, of);
}

// Region 2 likewise, without the refusal of arguments that are not finite:
// the callers refuse such a result with their own stop.
template <detail::GibbsProperty of>
double unguarded_steam(double p, double t) {
    return detail::steam(p, t, of);
}

using detail::refuse_pressure;
using detail::refuse_temperature;

// Phase of the saturation state at p: `below` at or under 350 °C, region 3
// branch `branch` above. The bound is written so that a pressure that is not
// a number is refused too, rather than carried into a result. A region 1
// function (`guarded`) refuses a saturation temperature that is not a number,
// as its public form would, testing the temperature it is given.
double by_pressure(double p, const char* name, ByState below, ByBranch near_critical, int branch,
                   const char* guarded = nullptr) {
    if (!(p <= PKR)) refuse_pressure(name);
    const double ts = detail::saturation_temperature(p);
    double result = 0;
    if (ts > detail::T13_C) {
        result = near_critical(p, ts, branch);
    } else {
        if (guarded != nullptr) detail::region1_guard(ts, ts, guarded);
        result = below(p, ts);
    }
    // Below about 5e-9 MPa (and at p ≤ 0) the saturation line has no
    // temperature: a result that is not a finite number is refused.
    if (!std::isfinite(result)) refuse_pressure(name);
    return result;
}

// The same at temperature t; the switch tests t itself, not the pressure.
double by_temperature(double t, const char* name, ByState below, ByBranch near_critical, int branch) {
    if (!(t <= TKR)) refuse_temperature(name);
    const double ps = detail::saturation_pressure(t);
    const double result = t > detail::T13_C ? near_critical(ps, t, branch) : below(ps, t);
    // Far below the triple point (at absolute zero, or below it) the
    // extrapolated equations overflow or fail: such a result is refused.
    if (!std::isfinite(result)) refuse_temperature(name);
    return result;
}

constexpr int WATER = 1;
constexpr int STEAM = 2;

// Both phases at (p, t) on the saturation line above 350 °C: the two roots of one region 3 search.
Saturation phases_near_critical(double p, double t) {
    double v1 = 0;
    double v2 = 0;
    VKR_PT(p, t, v1, v2);
    return {p, t, detail::near_critical(p, v1, t, detail::phase), detail::near_critical(p, v2, t, detail::phase)};
}

// The values the saturated functions below refuse when not finite.
bool finite(const SaturatedPhase& x) {
    return std::isfinite(x.h) && std::isfinite(x.s) && std::isfinite(x.v) && std::isfinite(x.cp);
}

// The saturated functions one by one, for the stop of the first of them to
// meet a value that is not a finite number (far below the triple point).
void stop_one_by_one_p(double p) {
    for (const auto f : {HSP_P, SSP_P, VSP_P, CSP_P, HSW_P, SSW_P, VSW_P, CSW_P}) f(p);
}

void stop_one_by_one_t(double t) {
    for (const auto f : {HSP_T, SSP_T, VSP_T, CSP_T, HSW_T, SSW_T, VSW_T, CSW_T}) f(t);
}

// Both phases at (p, t) up to 350 °C: regions 1 and 2. The water side first
// tests t against the saturation temperature of p, as HSW_P and HSW_T do; a
// steam value that is not finite is refused before that, as HSP_P does.
Saturation phases_below_switch(double p, double t, void (*stop_one_by_one)(double), double x) {
    const SaturatedPhase steam = detail::steam(p, t, detail::phase);
    if (!finite(steam)) stop_one_by_one(x);
    detail::region1_guard_at(p, t, "HW_PT");
    return {p, t, detail::water(p, t, detail::phase), steam};
}

Saturation checked(const Saturation& s, void (*stop_one_by_one)(double), double x) {
    if (!(finite(s.steam) && finite(s.water))) stop_one_by_one(x);
    return s;
}

// One property of both saturated phases at the point (p, ts) of the line, as
// the _P or _T functions give it: `steam` first (its stop comes first), then
// the region 1 guard of `guarded`.
detail::SaturatedValues saturated_values(double p, double ts, const char* guarded, ByState water, ByState steam,
                                         detail::HelmholtzProperty near_critical) {
    if (ts > detail::T13_C) {
        double v1 = 0;
        double v2 = 0;
        VKR_PT(p, ts, v1, v2);
        return {detail::near_critical(p, v1, ts, near_critical), detail::near_critical(p, v2, ts, near_critical)};
    }
    const double y_steam = steam(p, ts);
    detail::region1_guard(ts, ts, guarded);
    return {water(p, ts), y_steam};
}

}  // namespace

void detail::refuse_pressure(const char* name) {
    throw FatalStop(std::string("При данном давлении нет состояния насыщения (") + name + ")");
}

void detail::refuse_temperature(const char* name) {
    throw FatalStop(std::string("При данной температуре нет состояния насыщения (") + name + ")");
}

Saturation SATURATION_P(double p) {
    if (!(p <= PKR)) refuse_pressure("HSP_P");
    const double ts = detail::saturation_temperature(p);
    const Saturation s =
        ts > detail::T13_C ? phases_near_critical(p, ts) : phases_below_switch(p, ts, stop_one_by_one_p, p);
    return checked(s, stop_one_by_one_p, p);
}

Saturation SATURATION_T(double t) {
    if (!(t <= TKR)) refuse_temperature("HSP_T");
    const double ps = detail::saturation_pressure(t);
    const Saturation s =
        t > detail::T13_C ? phases_near_critical(ps, t) : phases_below_switch(ps, t, stop_one_by_one_t, t);
    return checked(s, stop_one_by_one_t, t);
}

detail::SaturatedValues detail::saturated_enthalpies(double p) {
    if (!(p <= PKR)) refuse_pressure("HSP_P");
    return saturated_values(p, detail::saturation_temperature(p), "HW_PT", unguarded_water<enthalpy>,
                            unguarded_steam<enthalpy>, enthalpy);
}

detail::SaturatedValues detail::saturated_entropies(double p) {
    if (!(p <= PKR)) refuse_pressure("SSP_P");
    return saturated_values(p, detail::saturation_temperature(p), "SW_PT", unguarded_water<entropy>,
                            unguarded_steam<entropy>, entropy);
}

// Saturated water. VSW_P takes the unguarded region 1 volume, VSW_T the guarded one.
double HSW_P(double p) {
    return by_pressure(p, "HSW_P", unguarded_water<detail::enthalpy>, HKR_PT, WATER, "HW_PT");
}
double SSW_P(double p) {
    return by_pressure(p, "SSW_P", unguarded_water<detail::entropy>, SKR_PT, WATER, "SW_PT");
}
double VSW_P(double p) {
    return by_pressure(p, "VSW_P", unguarded_water<detail::volume>, detail::volume_kr, WATER);
}
double CSW_P(double p) {
    return by_pressure(p, "CSW_P", unguarded_water<detail::heat_capacity>, CpKR_PT, WATER, "CpW_PT");
}
double HSW_T(double t) {
    return by_temperature(t, "HSW_T", HW_PT, HKR_PT, WATER);
}
double SSW_T(double t) {
    return by_temperature(t, "SSW_T", SW_PT, SKR_PT, WATER);
}
double VSW_T(double t) {
    return by_temperature(t, "VSW_T", VW_PT, detail::volume_kr, WATER);
}
double CSW_T(double t) {
    return by_temperature(t, "CSW_T", CpW_PT, CpKR_PT, WATER);
}

// Saturated steam.
double HSP_P(double p) {
    return by_pressure(p, "HSP_P", unguarded_steam<detail::enthalpy>, HKR_PT, STEAM);
}
double SSP_P(double p) {
    return by_pressure(p, "SSP_P", unguarded_steam<detail::entropy>, SKR_PT, STEAM);
}
double VSP_P(double p) {
    return by_pressure(p, "VSP_P", unguarded_steam<detail::volume>, detail::volume_kr, STEAM);
}
double CSP_P(double p) {
    return by_pressure(p, "CSP_P", unguarded_steam<detail::heat_capacity>, CpKR_PT, STEAM);
}
double HSP_T(double t) {
    return by_temperature(t, "HSP_T", unguarded_steam<detail::enthalpy>, HKR_PT, STEAM);
}
double SSP_T(double t) {
    return by_temperature(t, "SSP_T", unguarded_steam<detail::entropy>, SKR_PT, STEAM);
}
double VSP_T(double t) {
    return by_temperature(t, "VSP_T", unguarded_steam<detail::volume>, detail::volume_kr, STEAM);
}
double CSP_T(double t) {
    return by_temperature(t, "CSP_T", unguarded_steam<detail::heat_capacity>, CpKR_PT, STEAM);
}

}  // namespace TFS
