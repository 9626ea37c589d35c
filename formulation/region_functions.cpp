// The functions of single regions by their historic names: each takes one
// property from its region's equation at (p, t). Region 1 refuses a state
// more than 0.0001 °C above the saturation temperature, region 3 a branch
// other than 1 (liquid-like) or 2 (vapour-like); each stop names the function.
#include "derivatives.h"

namespace TFS {
namespace {

double guarded_water(double p, double t, detail::GibbsProperty of, const char* name) {
    detail::require_finite(p, t, name);
    detail::region1_guard_at(p, t, name);
    return detail::water(p, t, of);
}

double by_branch(double p, double t, int branch, detail::HelmholtzProperty of, const char* name) {
    detail::require_finite(p, t, name);
    return detail::near_critical(p, detail::branch_volume(p, t, branch, name), t, of);
}

}  // namespace

// A region's equation, refusing arguments that are not finite numbers.
template <class Property>
double unguarded(double (*region)(double, double, Property), double p, double t, Property of, const char* name) {
    detail::require_finite(p, t, name);
    return region(p, t, of);
}

// One row a property: its formula, then its functions in regions 1, 2, 3 and 5.
#define REGION_FUNCTIONS(property, W, P, KR, R5)                 \
    double W(double p, double t) {                               \
        return guarded_water(p, t, detail::property, #W);        \
    }                                                            \
    double P(double p, double t) {                               \
        return unguarded(detail::steam, p, t, detail::property, #P); \
    }                                                            \
    double KR(double p, double t, int branch) {                  \
        return by_branch(p, t, branch, detail::property, #KR);   \
    }                                                            \
    double R5(double p, double t) {                              \
        return unguarded(detail::high_temperature, p, t, detail::property, #R5); \
    }

REGION_FUNCTIONS(enthalpy, HW_PT, HP_PT, HKR_PT, H5_PT)
REGION_FUNCTIONS(entropy, SW_PT, SP_PT, SKR_PT, S5_PT)
REGION_FUNCTIONS(heat_capacity, CpW_PT, CpP_PT, CpKR_PT, Cp5_PT)
REGION_FUNCTIONS(internal_energy, UW_PT, UP_PT, UKR_PT, U5_PT)
REGION_FUNCTIONS(isochoric_heat_capacity, CvW_PT, CvP_PT, CvKR_PT, Cv5_PT)
REGION_FUNCTIONS(speed_of_sound, WW_PT, WP_PT, WKR_PT, W5_PT)

#undef REGION_FUNCTIONS

// The volume: region 3 has VKR_PT; region 1 has an unguarded form as well.
double VW_PT(double p, double t) {
    return guarded_water(p, t, detail::volume, "VW_PT");
}
double VW0_PT(double p, double t) {
    return unguarded(detail::water, p, t, detail::volume, "VW0_PT");
}
double VP_PT(double p, double t) {
    return unguarded(detail::steam, p, t, detail::volume, "VP_PT");
}
double V5_PT(double p, double t) {
    return unguarded(detail::high_temperature, p, t, detail::volume, "V5_PT");
}

}  // namespace TFS
