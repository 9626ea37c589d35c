// Region of a (p, h) state: which backward equation gives its temperature.
//
// The domain is that of the (p, t) states at pressures from 1 kPa: at each
// pressure the enthalpies from that of the coldest state (0 °C) to that of the
// hottest (2000 °C up to 50 MPa, 800 °C above). The bounds are compared as
// plain doubles, as in the (p, t) classifier, so that the typed boundary
// values themselves (p = 0.000999999999 MPa, the enthalpies of the bound
// temperatures) meet the double bound and are accepted.
#include "derivatives.h"

#include <cmath>

namespace TFS {
namespace detail {
namespace {

constexpr const char* CAPTION_WET = "  ОБЛАСТЬ ВЛАЖНОГО ПАРА";
constexpr const char* CAPTION_2A = " ПЕРЕГРЕТЫЙ ПАР (подобласть 2a)";
constexpr const char* CAPTION_2B = " ПЕРЕГРЕТЫЙ ПАР (подобласть 2b)";
constexpr const char* CAPTION_2C = " ПЕРЕГРЕТЫЙ ПАР (подобласть 2с)";  // Cyrillic с

constexpr double P_MIN = 0.000999999999;
// The enthalpy of the coldest state grows with pressure and that of the
// hottest falls: at 100 MPa they are 95.39 and 3715.19 kJ/kg. Between these
// bounds an enthalpy lies inside the domain at every pressure, and the
// bounds at p need not be computed.
constexpr double H_ABOVE_EVERY_COLDEST = 96;    // kJ/kg
constexpr double H_BELOW_EVERY_HOTTEST = 3715;  // kJ/kg
constexpr double P_2BC_LOW = 6.5467;            // where the B2bc line leaves the saturation line

constexpr auto UNSET = static_cast<CodePH>(-100);

// Above 16.5292 MPa the saturated phases lie in region 3, between 350 °C and
// B23, and region 3 meets regions 1 and 2 there to within 0.1 kJ/kg: an
// enthalpy more than this below that of 350 °C or above that of B23 lies on
// neither saturated enthalpy nor between them, and is told without them.
constexpr double FAR_FROM_SATURATION = 1.0;  // kJ/kg

// B2bc line between subregions 2b and 2c (IAPWS-IF97 Table 19, equations 20 and 21).
constexpr double B2BC_N[5] = {905.84278514723, -0.67955786399241, 0.00012809002730136, 2652.6571908428,
                              4.5257578905948};

double pB2bc(double h) {
    return B2BC_N[0] + B2BC_N[1] * h + B2BC_N[2] * h * h;
}

double hB2bc(double p) {
    return B2BC_N[3] + std::sqrt((p - B2BC_N[4]) / B2BC_N[2]);
}

struct Code {
    CodePH code;
    const char* caption;
};

}  // namespace

double lowest_enthalpy(double p) {
    // At 1 kPa and above the coldest state is liquid (region 1).
    return water(p, T_MIN_C, enthalpy);
}

double highest_enthalpy(double p) {
    return p <= P5_MAX_MPA ? high_temperature(p, T5_MAX_C, enthalpy) : steam(p, T25_C, enthalpy);
}

RegionPH region_ph(double p, double h) {
    // Written as the domain itself so that a NaN is refused too.
    const bool inside = P_MIN <= p && p <= P_MAX_MPA && (h >= H_ABOVE_EVERY_COLDEST || h >= lowest_enthalpy(p)) &&
                        (h <= H_BELOW_EVERY_HOTTEST || h <= highest_enthalpy(p));
    if (!inside) return {CodePH::OUTSIDE, CAPTION_OUTSIDE, 0, 0};

    // Every test below runs; a later one that holds overrides an earlier one.
    Code r{UNSET, nullptr};
    // The enthalpy at 350 °C bounds region 1 only above 16.5292 MPa. Below it
    // is not needed, and a few pressures near 16.52916 MPa have exactly 350 °C
    // as saturation temperature, where h_pt would stop on the line.
    const double hB = p > P_CORNER_MPA ? h_pt(p, T13_C) : 0;
    // The enthalpy at B23, where region 3 borders region 2 (above 16.5292 MPa).
    double hB23 = NAN;
    const auto at_B23 = [&] {
        if (std::isnan(hB23)) hB23 = h_pt(p, TB23(p) - KELVIN);
        return hB23;
    };
    const bool far = p > P_CORNER_MPA && (h < hB - FAR_FROM_SATURATION || h > at_B23() + FAR_FROM_SATURATION);
    double h1 = 0;  // saturated liquid
    double h2 = 0;  // saturated vapour
    if (p < PKR && far) h1 = h2 = NAN;  // not needed, not known
    if (p < PKR && !far) {
        const SaturatedValues saturated = saturated_enthalpies(p);
        h1 = saturated.water;
        h2 = saturated.steam;
    }

    if (p < PKR && h1 < h && h < h2) r = {CodePH::WET, CAPTION_WET};
    if ((p <= P_CORNER_MPA && h <= h1) || (p > P_CORNER_MPA && h <= hB)) r = {CodePH::WATER, CAPTION_1};
    if (p <= P_2AB_MPA && h >= h2) r = {CodePH::STEAM_2A, CAPTION_2A};
    const double p2bc = pB2bc(h);
    if (P_2AB_MPA < p && p <= P_2BC_LOW && h >= h2) r = {CodePH::STEAM_2B, CAPTION_2B};
    if (p > P_2BC_LOW && p <= p2bc && h > hB2bc(p)) r = {CodePH::STEAM_2B, CAPTION_2B};
    if (p > p2bc && p <= P_CORNER_MPA && h > h2) r = {CodePH::STEAM_2C, CAPTION_2C};
    if (p > P_CORNER_MPA && h <= hB2bc(p)) {
        if (h > at_B23()) r = {CodePH::STEAM_2C, CAPTION_2C};
        if (h <= at_B23() && h > hB) r = {CodePH::NEAR_CRITICAL, CAPTION_3};
    }
    // Only below the critical pressure is there a saturation line to lie on;
    // above it h1 and h2 are mere placeholders.
    if (p < PKR && (h == h2 || h == h1)) r = {CodePH::SATURATION_LINE, CAPTION_4};

    // Within rounding distance of the B2bc line pB2bc(h) and hB2bc(p) can
    // disagree about the side, and no test holds; the line's own pressure decides.
    if (r.code == UNSET) r = p <= p2bc ? Code{CodePH::STEAM_2B, CAPTION_2B} : Code{CodePH::STEAM_2C, CAPTION_2C};
    return {r.code, r.caption, h1, h2};
}

RegionPH checked_region_ph(double p, double h) {
    const RegionPH r = region_ph(p, h);
    if (r.code == CodePH::OUTSIDE) throw FatalStop(MESSAGE_OUTSIDE_PH);
    return r;
}

}  // namespace detail

void REG_PH(double p, double h, int& code, std::string& caption) {
    const detail::RegionPH r = detail::region_ph(p, h);
    code = static_cast<int>(r.code);
    caption = r.caption;
    if (r.code == detail::CodePH::OUTSIDE) throw FatalStop(detail::MESSAGE_OUTSIDE_PH);
}

}  // namespace TFS
