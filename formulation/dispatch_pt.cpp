// Properties of any (p, t) state: the region of the state picks the equation.
#include "tfs_internal.h"

#include <cmath>
#include <limits>

namespace TFS {
namespace {

using ByState = double (*)(double p, double t);
using ByBranch = double (*)(double p, double t, int branch);

// One property in every region, and the name the stops carry.
struct RegionFunctions {
    const char* name;
    ByState region1;
    ByState region2;
    ByBranch region3;
    ByState region5;
};

[[noreturn]] void stop_on_line(const char* name) {
    throw FatalStop(std::string("Вы попали на линию насыщения (") + name + ")");
}

// checked_region_pt yields no other number; kept so a future one cannot pass unnoticed.
[[noreturn]] void stop_unknown(const char* name) {
    throw FatalStop(std::string("НЕИЗВЕСТНАЯ ОБЛАСТЬ (") + name + ")");
}

double dispatch(double p, double t, const RegionFunctions& f) {
    using detail::Region;
    switch (const Region region = detail::checked_region_pt(p, t)) {
        case Region::WATER: return f.region1(p, t);
        case Region::STEAM: return f.region2(p, t);
        case Region::NEAR_CRITICAL:
        case Region::NEAR_CRITICAL_WATER:
        case Region::NEAR_CRITICAL_STEAM: return f.region3(p, t, detail::branch_of(region));
        // On the line itself the phase is undetermined.
        case Region::SATURATION_LINE: stop_on_line(f.name);
        case Region::HIGH_TEMPERATURE: return f.region5(p, t);
        case Region::OUTSIDE: break;
    }
    stop_unknown(f.name);
}

// A region 1 state lies below the saturation temperature, so the region 1
// functions need not test it against steam again.
constexpr RegionFunctions ENTHALPY{"h_pt", detail::water_h, HP_PT, HKR_PT, H5_PT};
constexpr RegionFunctions ENTROPY{"S_PT", detail::water_s, SP_PT, SKR_PT, S5_PT};
constexpr RegionFunctions VOLUME{"V_PT", VW0_PT, VP_PT, detail::volume_kr, V5_PT};
constexpr RegionFunctions HEAT_CAPACITY{"Cp_PT", detail::water_cp, CpP_PT, CpKR_PT, Cp5_PT};
constexpr RegionFunctions INTERNAL_ENERGY{"U_PT", detail::water_u, UP_PT, UKR_PT, U5_PT};
constexpr RegionFunctions ISOCHORIC_HEAT_CAPACITY{"Cv_PT", detail::water_cv, CvP_PT, CvKR_PT, Cv5_PT};
constexpr RegionFunctions SPEED_OF_SOUND{"W_PT", detail::water_w, WP_PT, WKR_PT, W5_PT};

// Below about 5.6e-309 MPa the reciprocal of the reduced pressure in the steam
// equations exceeds the largest double, and the volume with it: no result.
// (The transport properties take the volume as it is: at density 0 they are
// those of the dilute gas.)
double finite_volume(double v) {
    if (!std::isfinite(v)) throw FatalStop(detail::MESSAGE_OUTSIDE_PT);
    return v;
}

}  // namespace

int detail::branch_of(Region region) {
    return region == Region::NEAR_CRITICAL_STEAM ? 2 : 1;
}

detail::SinglePhase detail::single_phase(double p, double t, Region region, const char* name) {
    switch (region) {
        case Region::WATER: return water_phase(p, t);
        case Region::STEAM: return steam_phase(p, t);
        case Region::NEAR_CRITICAL:
        case Region::NEAR_CRITICAL_WATER:
        case Region::NEAR_CRITICAL_STEAM: return near_critical_phase(p, volume_kr(p, t, branch_of(region)), t);
        case Region::SATURATION_LINE: stop_on_line(name);
        case Region::HIGH_TEMPERATURE: return high_temperature_phase(p, t);
        case Region::OUTSIDE: break;
    }
    stop_unknown(name);
}

State STATE_PT(double p, double t) {
    const detail::Region region = detail::checked_region_pt(p, t);
    const detail::SinglePhase x = detail::single_phase(p, t, region, "h_pt");
    // As V_PT, no state whose volume overflows (the lowest pressures).
    finite_volume(x.v);
    return detail::single_phase_state(region, 0, t, x.h, x);
}

State detail::single_phase_state(Region region, int code, double t, double h, const SinglePhase& x) {
    const double mu = viscosity(t, x.v);
    const double lambda = conductivity(t, x.v);
    const double single_phase = std::numeric_limits<double>::quiet_NaN();
    return {static_cast<int>(region), code, single_phase, t, h, x.s, x.v, x.cp, x.u, x.cv, x.w, x.kappa, mu, lambda,
            prandtl(mu, x.cp, lambda)};
}

double h_pt(double p, double t) {
    return dispatch(p, t, ENTHALPY);
}
double S_PT(double p, double t) {
    return dispatch(p, t, ENTROPY);
}
double detail::volume_pt(double p, double t) {
    return dispatch(p, t, VOLUME);
}

double V_PT(double p, double t) {
    return finite_volume(detail::volume_pt(p, t));
}
double Cp_PT(double p, double t) {
    return dispatch(p, t, HEAT_CAPACITY);
}
double U_PT(double p, double t) {
    return dispatch(p, t, INTERNAL_ENERGY);
}
double Cv_PT(double p, double t) {
    return dispatch(p, t, ISOCHORIC_HEAT_CAPACITY);
}
double W_PT(double p, double t) {
    return dispatch(p, t, SPEED_OF_SOUND);
}

// κ needs both w and v of the state: one evaluation, one region 3 search at
// most; like V_PT it refuses a state whose volume is not finite.
double K_PT(double p, double t) {
    const detail::SinglePhase x = detail::single_phase(p, t, detail::checked_region_pt(p, t), "K_PT");
    finite_volume(x.v);
    return x.kappa;
}

}  // namespace TFS
