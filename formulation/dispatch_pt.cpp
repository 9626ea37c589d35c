// Properties of any (p, t) state: the region of the state picks the equation.
#include "internal.h"

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

double dispatch(double p, double t, const RegionFunctions& f) {
    switch (detail::checked_region_pt(p, t)) {
        case 1: return f.region1(p, t);
        case 2: return f.region2(p, t);
        // Above the critical pressure (3) the liquid-like and vapour-like roots coincide.
        case 3:
        case 31: return f.region3(p, t, 1);
        case 32: return f.region3(p, t, 2);
        // On the line itself the phase is undetermined.
        case 4: throw FatalStop(std::string("Вы попали на линию насыщения (") + f.name + ")");
        case 5: return f.region5(p, t);
    }
    // checked_region_pt yields no other number; kept so a future one cannot pass unnoticed.
    throw FatalStop(std::string("НЕИЗВЕСТНАЯ ОБЛАСТЬ (") + f.name + ")");
}

// A region 1 state lies below the saturation temperature, so the region 1
// functions need not test it against steam again.
constexpr RegionFunctions ENTHALPY{"h_pt", detail::water_h, HP_PT, HKR_PT, H5_PT};
constexpr RegionFunctions ENTROPY{"S_PT", detail::water_s, SP_PT, SKR_PT, S5_PT};
constexpr RegionFunctions VOLUME{"V_PT", VW0_PT, VP_PT, detail::volume_kr, V5_PT};
constexpr RegionFunctions HEAT_CAPACITY{"Cp_PT", detail::water_cp, CpP_PT, CpKR_PT, Cp5_PT};

}  // namespace

double h_pt(double p, double t) { return dispatch(p, t, ENTHALPY); }
double S_PT(double p, double t) { return dispatch(p, t, ENTROPY); }
double V_PT(double p, double t) { return dispatch(p, t, VOLUME); }
double Cp_PT(double p, double t) { return dispatch(p, t, HEAT_CAPACITY); }

}  // namespace TFS
