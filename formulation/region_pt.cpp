// Region of IAPWS-IF97 in which a (p, t) state lies.
//
// The bounds here are compared as doubles: the boundary
// states themselves (800 °C at 5 MPa is T = 1073.15 K, region 2; 16.5292 MPa
// enters the B23 test; −1e-9 °C is accepted) only land on the right side when
// the typed double meets the double bound. Above 50 MPa the domain ends at
// the decimal 800.000000000001 °C, whose nearest double lies above it: a
// temperature at or above that double is beyond the decimal.
#include "tfs_internal.h"

#include <cmath>

namespace TFS {
namespace detail {
namespace {

constexpr const char* CAPTION_2 = " ПЕРЕГРЕТЫЙ ПАР (область 2)";
constexpr const char* CAPTION_5 = "  ВЫСОКИЕ ТЕМПЕРАТУРЫ (область 5)";

constexpr auto UNSET = static_cast<Region>(-1);

}  // namespace

double pB23(double T) {
    return B23_N[0] + B23_N[1] * T + B23_N[2] * T * T;
}

double TB23(double p) {
    return B23_N[3] + std::sqrt((p - B23_N[4]) / B23_N[2]);
}

std::optional<double> onto_b23(double p, double t) {
    constexpr double NEAR_B23 = 1e-6;  // K
    constexpr int MAX_DOUBLES = 64;
    if (!(p >= P_CORNER_MPA && p <= P_MAX_MPA)) return std::nullopt;
    const double t23 = TB23(p) - KELVIN;
    if (!(std::fabs(t - t23) <= NEAR_B23)) return std::nullopt;
    double on = std::fmax(t, t23);
    for (int k = 0; k < MAX_DOUBLES; ++k, on = std::nextafter(on, INFINITY))
        if (region_pt(p, on).region == Region::STEAM) return on;
    return std::nullopt;
}

namespace {

// The saturation temperature is asked for only where the state is not in region 5.
template <class SaturationTemperature>
RegionPT classify(double p, double t, SaturationTemperature saturation_temperature) {
    const double T = t + KELVIN;

    // Written as "not inside" so that a pressure or temperature that is not a
    // number is refused too, rather than classified as steam.
    const bool inside = p <= P_MAX_MPA && p > 0 && t <= T5_MAX_C && t >= T_MIN_C;
    if (!inside || (p > P5_MAX_MPA && t >= 800.000000000001)) return {Region::OUTSIDE, CAPTION_OUTSIDE};
    // Region 5 overrides every other test, and needs no saturation temperature.
    if (T25_K < T && T <= T5_MAX_K && p <= P5_MAX_MPA) return {Region::HIGH_TEMPERATURE, CAPTION_5};

    const double ts = saturation_temperature();

    RegionPT r{UNSET, nullptr};
    if (t < ts && T <= T13_K) r = {Region::WATER, CAPTION_1};
    if (t > ts && T <= T25_K && p < P_CORNER_MPA) r = {Region::STEAM, CAPTION_2};
    if (P_CORNER_MPA <= p && p <= P_MAX_MPA && T13_K < T && T <= T25_K) {
        const double p23 = pB23(T);
        const double T23 = TB23(p);
        if (p <= p23 && T >= T23) r = {Region::STEAM, CAPTION_2};
        if (p > p23 && T < T23) {
            if (p > PKR)
                r = {Region::NEAR_CRITICAL, CAPTION_3};
            else if (t < ts)
                r.region = Region::NEAR_CRITICAL_WATER;
            else if (t > ts)
                r.region = Region::NEAR_CRITICAL_STEAM;
        }
    }
    if (t == ts) r = {Region::SATURATION_LINE, CAPTION_4};

    // Within rounding distance of B23 (or just above 800 °C at p > 50 MPa) no
    // test holds; the equations on either side agree there, so take the phase
    // the saturation line gives.
    if (r.region == UNSET) r = t < ts ? RegionPT{Region::WATER, CAPTION_1} : RegionPT{Region::STEAM, CAPTION_2};
    return r;
}

}  // namespace

// The classification compares t with the saturation temperature only. Up
// to 350 °C a state whose pressure lies clearly above or below the
// saturation pressure of t (by 1e-9 of it, which moves the line by far more than the rounding
// of its two equations, one quadratic solved both ways) lies clearly on one
// side: a stand-in temperature on that side serves, and the saturation
// temperature, which costs more to form, is needed only near the line.
namespace {

constexpr double CLEARLY_OFF_THE_LINE = 1e-9;  // relative, on the pressure

// Above 350 °C the line's equation continues past the critical point,
// where its two forms are no longer inverses (TS_P rises to 377.021 °C at
// 55 MPa and falls again); above every temperature it reaches in the
// domain a state is on the vapour side.
constexpr double T_ABOVE_EVERY_TS = 377.03;  // °C

double saturation_temperature_or_side(double p, double t) {
    if (t > T_ABOVE_EVERY_TS) return t - 1.0;  // vapour side
    if (t <= T13_C) {
        const double ps = saturation_pressure(t);
        if (p > ps * (1.0 + CLEARLY_OFF_THE_LINE)) return t + 1.0;  // liquid side
        if (p < ps * (1.0 - CLEARLY_OFF_THE_LINE)) return t - 1.0;  // vapour side
    }
    return saturation_temperature(p);
}

}  // namespace

RegionPT region_pt(double p, double t) {
    return classify(p, t, [p, t] { return saturation_temperature_or_side(p, t); });
}

RegionPT region_pt(double p, double t, double ts) {
    return classify(p, t, [ts] { return ts; });
}

Region checked_region_pt(double p, double t) {
    const Region region = region_pt(p, t).region;
    if (region == Region::OUTSIDE) throw FatalStop(MESSAGE_OUTSIDE_PT);
    return region;
}

}  // namespace detail

void REG_PT(double p, double t, int& region, std::string& caption) {
    const detail::RegionPT r = detail::region_pt(p, t);
    region = static_cast<int>(r.region);
    if (r.caption != nullptr) caption = r.caption;
    if (r.region == detail::Region::OUTSIDE) throw FatalStop(detail::MESSAGE_OUTSIDE_PT);
}

}  // namespace TFS
