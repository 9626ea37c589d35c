// Properties of any (p, t) state: the region of the state picks the equation.
#include "internal.h"

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

}  // namespace

int detail::branch_of(Region region) {
    return region == Region::NEAR_CRITICAL_STEAM ? 2 : 1;
}

detail::SinglePhase detail::single_phase(double p, double t, Region region, const char* name) {
    switch (region) {
        case Region::WATER: return {water_h(p, t), water_s(p, t), VW0_PT(p, t), water_cp(p, t)};
        case Region::STEAM: return {HP_PT(p, t), SP_PT(p, t), VP_PT(p, t), CpP_PT(p, t)};
        case Region::NEAR_CRITICAL:
        case Region::NEAR_CRITICAL_WATER:
        case Region::NEAR_CRITICAL_STEAM: {
            const double v = volume_kr(p, t, branch_of(region));
            return {h_kr(v, t), s_kr(v, t), v, cp_kr(v, t)};
        }
        case Region::SATURATION_LINE: stop_on_line(name);
        case Region::HIGH_TEMPERATURE: return {H5_PT(p, t), S5_PT(p, t), V5_PT(p, t), Cp5_PT(p, t)};
        case Region::OUTSIDE: break;
    }
    stop_unknown(name);
}

State STATE_PT(double p, double t) {
    const detail::Region region = detail::checked_region_pt(p, t);
    const detail::SinglePhase x = detail::single_phase(p, t, region, "h_pt");
    // As V_PT, no state whose volume overflows (the lowest pressures).
    if (!std::isfinite(x.v)) throw FatalStop(detail::MESSAGE_OUTSIDE_PT);
    return detail::single_phase_state(region, 0, t, x.h, x);
}

State detail::single_phase_state(Region region, int code, double t, double h, const SinglePhase& x) {
    const double mu = viscosity(t, x.v);
    const double lambda = conductivity(t, x.v);
    const double single_phase = std::numeric_limits<double>::quiet_NaN();
    return {static_cast<int>(region), code, single_phase, t, h, x.s, x.v, x.cp, mu, lambda, prandtl(mu, x.cp, lambda)};
}

double h_pt(double p, double t) { return dispatch(p, t, ENTHALPY); }
double S_PT(double p, double t) { return dispatch(p, t, ENTROPY); }
double detail::volume_pt(double p, double t) { return dispatch(p, t, VOLUME); }

// Below about 5.6e-309 MPa the reciprocal of the reduced pressure in the steam
// equations exceeds the largest double, and the volume with it: no result.
// (The transport properties take the volume as it is: at density 0 they are
// those of the dilute gas.)
double V_PT(double p, double t) {
    const double v = detail::volume_pt(p, t);
    if (!std::isfinite(v)) throw FatalStop(detail::MESSAGE_OUTSIDE_PT);
    return v;
}
double Cp_PT(double p, double t) { return dispatch(p, t, HEAT_CAPACITY); }

}  // namespace TFS
